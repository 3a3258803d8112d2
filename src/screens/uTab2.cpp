#include "uTab2.h"

#include "ui_uTab2.h"

TfTab2* fTab2 = nullptr;

TfTab2::TfTab2(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TfTab2) {
    ui->setupUi(this);
    FixarMoldura();
}

TfTab2::~TfTab2() = default;
