#include "Uapres.h"

#include "ui_Uapres.h"

TApres* Apres = nullptr;

TApres::TApres(QWidget* parent) : Tela(Tipo::Principal, parent), ui(new Ui::TApres) {
    ui->setupUi(this);
    FixarMoldura();
}

TApres::~TApres() = default;
