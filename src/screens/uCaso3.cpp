#include "uCaso3.h"

#include "ui_uCaso3.h"

TfCaso3::TfCaso3(QWidget* parent) : Folha(parent), ui(new Ui::TfCaso3) {
    ui->setupUi(this);
    FixarMoldura();
    MontarFolha(ui->ScrollBox1, ui->Image1, ui->bFechar, QStringLiteral(":/figuras/caso3.svg"));
}

TfCaso3::~TfCaso3() = default;
