#include "uAjuda1.h"

#include "ui_uAjuda1.h"

TfAjuda1::TfAjuda1(QWidget* parent) : TelaTexto(parent), ui(new Ui::TfAjuda1) {
    ui->setupUi(this);
    MontarTexto(ui->Memo1, Texto::Editavel, ui->bFechar, ui->bFechar);
}

TfAjuda1::~TfAjuda1() = default;
