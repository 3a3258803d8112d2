#include "uEns.h"

#include "Telas.h"

#include "ui_uEns.h"

TfEns::TfEns(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TfEns) {
    ui->setupUi(this);
    FixarMoldura();
    AoClicar(ui->Button1, this, &TfEns::Button1Click);
    AoClicar(ui->Button2, this, &TfEns::Button2Click);
    AoClicar(ui->bCaso4, this, &TfEns::bCaso4Click);
    AoClicar(ui->Button5, this, &TfEns::Button5Click);
    AoClicar(ui->Button12, this, &TfEns::Button12Click);
    AoClicar(ui->Button16, this, &TfEns::Button16Click);
    AoClicar(ui->bFechar, this, &TfEns::bFecharClick);
    // The other cases and tables have no sheet yet: their buttons are there and do nothing.
}

TfEns::~TfEns() = default;

// A sheet runs modally over the catalogue, which stays on screen and is active again afterwards.
void TfEns::Button1Click() {
    Telas::MostrarModal(IdTela::fCaso2);
}

void TfEns::Button2Click() {
    Telas::MostrarModal(IdTela::fCaso3);
}

void TfEns::bCaso4Click() {
    Telas::MostrarModal(IdTela::fCaso4);
}

void TfEns::Button5Click() {
    Telas::MostrarModal(IdTela::fCaso10);
}

void TfEns::Button12Click() {
    Telas::MostrarModal(IdTela::fTab1);
}

void TfEns::Button16Click() {
    Telas::MostrarModal(IdTela::fTab2);
}

void TfEns::bFecharClick() {
    Fechar();
}
