#include "uHipKan.h"

#include "ui_uHipKan.h"

THipKan::THipKan(QWidget* parent) : TelaTexto(parent), ui(new Ui::THipKan) {
    ui->setupUi(this);
    MontarTexto(ui->Memo1, Texto::SomenteLeitura, ui->bFec1, ui->Memo1);
}

THipKan::~THipKan() = default;
