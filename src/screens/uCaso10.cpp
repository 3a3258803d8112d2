#include "uCaso10.h"

#include "ui_uCaso10.h"

TfCaso10::TfCaso10(QWidget* parent) : Folha(parent), ui(new Ui::TfCaso10) {
    ui->setupUi(this);
    FixarMoldura();
    MontarFolha(ui->ScrollBox1, ui->Image1, ui->bFechar, QStringLiteral(":/figuras/caso10.svg"));
}

TfCaso10::~TfCaso10() = default;
