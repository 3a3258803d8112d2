#include "uTab1.h"

#include "ui_uTab1.h"

TfTab1::TfTab1(QWidget* parent) : Folha(parent), ui(new Ui::TfTab1) {
    ui->setupUi(this);
    FixarMoldura();
    MontarFolha(ui->ScrollBox1, ui->Image1, ui->bFechar, QStringLiteral(":/figuras/tabela1.svg"));
}

TfTab1::~TfTab1() = default;
