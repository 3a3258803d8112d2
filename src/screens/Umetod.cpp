#include "Umetod.h"

#include "ui_Umetod.h"

TMetcal* Metcal = nullptr;

TMetcal::TMetcal(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TMetcal) {
    ui->setupUi(this);
    FixarMoldura();
}

TMetcal::~TMetcal() = default;
