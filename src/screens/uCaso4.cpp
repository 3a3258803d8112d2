#include "uCaso4.h"

#include "ui_uCaso4.h"

TfCaso4::TfCaso4(QWidget* parent) : Folha(parent), ui(new Ui::TfCaso4) {
    ui->setupUi(this);
    FixarMoldura();
    MontarFolha(ui->ScrollBox1, ui->Image1, ui->bFechar, QStringLiteral(":/figuras/caso4.svg"));
}

TfCaso4::~TfCaso4() = default;
