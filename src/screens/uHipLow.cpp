#include "uHipLow.h"

#include "ui_uHipLow.h"

THipLow* HipLow = nullptr;

THipLow::THipLow(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::THipLow) {
    ui->setupUi(this);
    FixarMoldura();
}

THipLow::~THipLow() = default;
