#include "uApresGeo.h"

#include "ui_uApresGeo.h"

TApresGeo* ApresGeo = nullptr;

TApresGeo::TApresGeo(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TApresGeo) {
    ui->setupUi(this);
    FixarMoldura();
}

TApresGeo::~TApresGeo() = default;
