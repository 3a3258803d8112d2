#include "uHipLow.h"

#include "ui_uHipLow.h"

THipLow::THipLow(QWidget* parent) : TelaTexto(parent), ui(new Ui::THipLow) {
    ui->setupUi(this);
    MontarTexto(ui->Memo1, Texto::SomenteLeitura, ui->bFec2, ui->bFec2);
}

THipLow::~THipLow() = default;
