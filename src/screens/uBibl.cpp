#include "uBibl.h"

#include "ui_uBibl.h"

TBibl* Bibl = nullptr;

TBibl::TBibl(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TBibl) {
    ui->setupUi(this);
    FixarMoldura();
}

TBibl::~TBibl() = default;
