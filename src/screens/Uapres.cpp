#include "Uapres.h"

#include "ui_Uapres.h"

#include "Telas.h"

TApres::TApres(QWidget* parent) : Tela(Tipo::Principal, parent), ui(new Ui::TApres) {
    ui->setupUi(this);
    FixarMoldura();
    ui->bIni->setFocus();
    AoClicar(ui->bIni, this, &TApres::bIniClick);
    AoClicar(ui->bSair, this, &TApres::bSairClick);
}

TApres::~TApres() = default;

void TApres::bIniClick() {
    Telas::Mostrar(IdTela::Esquema);
}

void TApres::bSairClick() {
    Fechar();
}
