#include "uEsquema.h"

#include "ui_uEsquema.h"

#include "Uapres.h"
#include "Uentdad.h"
#include "uBibl.h"
#include "uHipKan.h"
#include "uHipLow.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

TEsquema* Esquema = nullptr;

namespace {
// The sketch is drawn at its own size from the top-left corner; nothing is scaled to the control.
QPixmap Esboco(QSize tamanho) {
    QSvgRenderer desenho(QStringLiteral(":/figuras/esquema.svg"));
    QPixmap imagem(desenho.isValid() ? desenho.defaultSize() : tamanho);
    imagem.fill(Qt::white);
    if (desenho.isValid()) {
        QPainter pintor(&imagem);
        desenho.render(&pintor);
    }
    return imagem;
}
} // namespace

TEsquema::TEsquema(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TEsquema) {
    ui->setupUi(this);
    ui->Image1->setPixmap(Esboco(ui->Image1->size()));
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
    Entdad->Mostrar();
}

void TEsquema::bKanClick() {
    AbrirTexto(HipKan);
}

void TEsquema::bLowClick() {
    AbrirTexto(HipLow);
}

void TEsquema::bBiblClick() {
    AbrirTexto(Bibl);
}

void TEsquema::bSairClick() {
    Apres->Mostrar();
}

// The reference texts open modally near the lower right of this screen, which stays beneath.
void TEsquema::AbrirTexto(Tela* texto) {
    const QRect aqui = frameGeometry();
    texto->move(aqui.right() - texto->frameGeometry().width() - 24,
                aqui.bottom() - texto->frameGeometry().height() - 24);
    texto->MostrarModal();
}
