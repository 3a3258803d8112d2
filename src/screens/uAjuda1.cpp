#include "uAjuda1.h"

#include "ui_uAjuda1.h"

TfAjuda1* fAjuda1 = nullptr;

TfAjuda1::TfAjuda1(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TfAjuda1) {
    ui->setupUi(this);
    FixarMoldura();
    AoClicar(ui->bFechar, this, &TfAjuda1::bFecharClick);
}

TfAjuda1::~TfAjuda1() = default;

void TfAjuda1::bFecharClick() {
    Fechar();
}
