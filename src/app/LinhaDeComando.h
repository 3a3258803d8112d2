#pragma once

// What the program does with its command line, before any window exists.

#include <QString>
#include <QStringList>

struct Comando {
    enum class Tipo { Janelas, Versao, Ajuda, Relatorio, Erro } tipo = Tipo::Janelas;
    QString projeto;   // the design to open, or to report on
    QString relatorio; // the PDF to write
    QString erro;      // one line for standard error
};

// The arguments after the program's name.
Comando LerLinhaDeComando(const QStringList& argumentos);

// The text of --help, in Portuguese.
QString TextoAjuda();

// "Veltra 1.0.0".
QString TextoVersao();
