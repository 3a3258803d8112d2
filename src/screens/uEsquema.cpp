#include "uEsquema.h"

#include "ui_uEsquema.h"

#include "Figuras.h"
#include "Telas.h"

#include <QPixmap>

TEsquema::TEsquema(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TEsquema) {
    ui->setupUi(this);
    // The sketch is drawn at its own size from the top-left corner; nothing is scaled to the
    // control.
    ui->Image1->setPixmap(QPixmap::fromImage(
        DesenharSvg(QStringLiteral(":/figuras/esquema.svg"), QSize(), Qt::white)));
    FixarMoldura(true);
    ui->bCont1->setFocus();
    AoClicar(ui->bCont1, this, &TEsquema::bCont1Click);
    AoClicar(ui->bKan, this, &TEsquema::bKanClick);
    AoClicar(ui->bLow, this, &TEsquema::bLowClick);
    AoClicar(ui->bBibl, this, &TEsquema::bBiblClick);
    AoClicar(ui->bSair, this, &TEsquema::bSairClick);
}

TEsquema::~TEsquema() = default;

void TEsquema::bCont1Click() {
    Telas::Mostrar(IdTela::Entdad);
}

void TEsquema::bKanClick() {
    AbrirTexto(IdTela::HipKan);
}

void TEsquema::bLowClick() {
    AbrirTexto(IdTela::HipLow);
}

void TEsquema::bBiblClick() {
    AbrirTexto(IdTela::Bibl);
}

void TEsquema::bSairClick() {
    Telas::Mostrar(IdTela::Apres);
}

// The reference texts open modally near the lower right of this screen, which stays beneath.
void TEsquema::AbrirTexto(IdTela id) {
    Tela* texto = Telas::Buscar(id);
    const QRect aqui = frameGeometry();
    texto->move(aqui.right() - texto->frameGeometry().width() - 24,
                aqui.bottom() - texto->frameGeometry().height() - 24);
    texto->MostrarModal();
}
