#include "uTab1.h"

#include "ui_uTab1.h"

TfTab1* fTab1 = nullptr;

TfTab1::TfTab1(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TfTab1) {
    ui->setupUi(this);
    FixarMoldura();
}

TfTab1::~TfTab1() = default;
