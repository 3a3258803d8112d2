#include "Uapres.h"

#include "ui_Uapres.h"

#include "app/AppException.h"
#include "uEsquema.h"

TApres* Apres = nullptr;

TApres::TApres(QWidget* parent) : Tela(Tipo::Principal, parent), ui(new Ui::TApres) {
    ui->setupUi(this);
    FixarMoldura();
    ui->bIni->setFocus();
    AoClicar(ui->bIni, this, &TApres::bIniClick);
    AoClicar(ui->bSair, this, &TApres::bSairClick);
    FormCreate();
}

TApres::~TApres() = default;

// Every error that escapes an event handler of any screen goes to one handler.
void TApres::FormCreate() {
    DefinirTratadorErros(AppException);
}

void TApres::bIniClick() {
    Esquema->Mostrar();
}

void TApres::bSairClick() {
    Fechar();
}
