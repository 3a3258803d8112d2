#include "uCaso2.h"

#include "ui_uCaso2.h"

TfCaso2::TfCaso2(QWidget* parent) : Folha(parent), ui(new Ui::TfCaso2) {
    ui->setupUi(this);
    FixarMoldura();
    MontarFolha(ui->ScrollBox1, ui->Image1, ui->bFechar, QStringLiteral(":/figuras/caso2.svg"));
}

TfCaso2::~TfCaso2() = default;
