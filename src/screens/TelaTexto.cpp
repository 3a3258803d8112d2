#include "TelaTexto.h"

#include <QPlainTextEdit>
#include <QPushButton>

TelaTexto::TelaTexto(QWidget* parent) : Tela(Tipo::Modal, parent) {}

void TelaTexto::MontarTexto(QPlainTextEdit* texto, Texto tipo, QPushButton* fechar,
                            QWidget* primeiroFoco) {
    FixarMoldura();
    if (tipo == Texto::SomenteLeitura) {
        PrepararTextoFixo(texto);
    }
    primeiroFoco->setFocus();
    AoClicar(fechar, this, &TelaTexto::bFecharClick);
}

void TelaTexto::bFecharClick() {
    Fechar();
}
