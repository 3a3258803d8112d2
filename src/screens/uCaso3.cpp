#include "uCaso3.h"

#include "ui_uCaso3.h"

TfCaso3* fCaso3 = nullptr;

TfCaso3::TfCaso3(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TfCaso3) {
    ui->setupUi(this);
    FixarMoldura();
}

TfCaso3::~TfCaso3() = default;
