#include "uGeotextil.h"

#include "ui_uGeotextil.h"

TGeot* Geot = nullptr;

TGeot::TGeot(QWidget* parent) : Tela(Tipo::SemDesativacao, parent), ui(new Ui::TGeot) {
    ui->setupUi(this);
    FixarMoldura();
}

TGeot::~TGeot() = default;
