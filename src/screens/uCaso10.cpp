#include "uCaso10.h"

#include "ui_uCaso10.h"

TfCaso10* fCaso10 = nullptr;

TfCaso10::TfCaso10(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TfCaso10) {
    ui->setupUi(this);
    FixarMoldura();
}

TfCaso10::~TfCaso10() = default;
