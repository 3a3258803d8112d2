#include "uBibl.h"

#include "ui_uBibl.h"

TBibl::TBibl(QWidget* parent) : TelaTexto(parent), ui(new Ui::TBibl) {
    ui->setupUi(this);
    MontarTexto(ui->Memo1, Texto::SomenteLeitura, ui->bFec3, ui->bFec3);
}

TBibl::~TBibl() = default;
