#include "uHipKan.h"

#include "ui_uHipKan.h"

THipKan* HipKan = nullptr;

THipKan::THipKan(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::THipKan) {
    ui->setupUi(this);
    FixarMoldura();
}

THipKan::~THipKan() = default;
