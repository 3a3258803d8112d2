#include "uCaso2.h"

#include "ui_uCaso2.h"

TfCaso2* fCaso2 = nullptr;

TfCaso2::TfCaso2(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TfCaso2) {
    ui->setupUi(this);
    FixarMoldura();
}

TfCaso2::~TfCaso2() = default;
