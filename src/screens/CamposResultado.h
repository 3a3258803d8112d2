#pragma once

// How the two results screens write a number into a read-only field: the text from its start,
// as a fixed field shows it, even when it is longer than the field.

#include "calc/Ancoragem.h"
#include "data/FormatoGeral.h"

#include <QLineEdit>
#include <QString>

inline void EscreverCampo(QLineEdit* campo, const std::string& texto) {
    campo->setText(QString::fromStdString(texto));
    campo->setCursorPosition(0);
}

// A computed value in the general number format.
inline void EscreverValor(QLineEdit* campo, long double valor) {
    EscreverCampo(campo, FormatoGeral(valor));
}

// An anchorage length: "1,00" below 1 m.
inline void EscreverComprimento(QLineEdit* campo, long double comprimento) {
    EscreverCampo(campo, TextoComprimentoAncoragem(comprimento));
}
