#include "uTab2.h"

#include "ui_uTab2.h"

TfTab2::TfTab2(QWidget* parent) : Folha(parent), ui(new Ui::TfTab2) {
    ui->setupUi(this);
    FixarMoldura();
    MontarFolha(ui->ScrollBox1, ui->Image1, ui->bFechar, QStringLiteral(":/figuras/tabela2.svg"));
}

TfTab2::~TfTab2() = default;
