#include "uApresGeo.h"

#include "Telas.h"

#include "ui_uApresGeo.h"

TApresGeo::TApresGeo(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TApresGeo) {
    ui->setupUi(this);
    FixarMoldura();

    AoClicar(ui->bEntGeo, this, &TApresGeo::bEntGeoClick);
    AoClicar(ui->bSair, this, &TApresGeo::bSairClick);
    ui->bEntGeo->setFocus();
}

TApresGeo::~TApresGeo() = default;

void TApresGeo::bEntGeoClick() {
    Telas::Mostrar(IdTela::Geot);
}

void TApresGeo::bSairClick() {
    Telas::Mostrar(IdTela::Apres);
}
