#include "uEns.h"

#include "ui_uEns.h"

TfEns* fEns = nullptr;

TfEns::TfEns(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TfEns) {
    ui->setupUi(this);
    FixarMoldura();
}

TfEns::~TfEns() = default;
