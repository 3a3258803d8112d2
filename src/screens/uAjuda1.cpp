#include "uAjuda1.h"

#include "ui_uAjuda1.h"

TfAjuda1* fAjuda1 = nullptr;

TfAjuda1::TfAjuda1(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TfAjuda1) {
    ui->setupUi(this);
    FixarMoldura();
}

TfAjuda1::~TfAjuda1() = default;
