#include "uCaso4.h"

#include "ui_uCaso4.h"

TfCaso4* fCaso4 = nullptr;

TfCaso4::TfCaso4(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TfCaso4) {
    ui->setupUi(this);
    FixarMoldura();
}

TfCaso4::~TfCaso4() = default;
