#include "uEsquema.h"

#include "ui_uEsquema.h"

TEsquema* Esquema = nullptr;

TEsquema::TEsquema(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TEsquema) {
    ui->setupUi(this);
    FixarMoldura();
}

TEsquema::~TEsquema() = default;
