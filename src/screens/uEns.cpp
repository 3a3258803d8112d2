#include "uEns.h"

#include "uCaso10.h"
#include "uCaso2.h"
#include "uCaso3.h"
#include "uCaso4.h"
#include "uTab1.h"
#include "uTab2.h"

#include "ui_uEns.h"

TfEns* fEns = nullptr;

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
    fCaso2->MostrarModal();
}

void TfEns::Button2Click() {
    fCaso3->MostrarModal();
}

void TfEns::bCaso4Click() {
    fCaso4->MostrarModal();
}

void TfEns::Button5Click() {
    fCaso10->MostrarModal();
}

void TfEns::Button12Click() {
    fTab1->MostrarModal();
}

void TfEns::Button16Click() {
    fTab2->MostrarModal();
}

void TfEns::bFecharClick() {
    Fechar();
}
