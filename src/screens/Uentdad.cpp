#include "Uentdad.h"

#include "ui_Uentdad.h"

TEntdad* Entdad = nullptr;

TEntdad::TEntdad(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TEntdad) {
    ui->setupUi(this);
    FixarMoldura();
}

TEntdad::~TEntdad() = default;
