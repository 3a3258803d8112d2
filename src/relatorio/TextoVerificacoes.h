#pragma once

// The limit-state checks as lines of text, the same on the window and in the report.

#include "calc/VerificacoesAterro.h"

#include <QString>

#include <vector>

struct LinhaDeTexto {
    QString nome;      // the check and its symbol
    QString valor;     // in the general number format; "—" when there is none
    QString exigido;   // what it must be ("≥ 1,5"); "—" when nothing is required
    QString resultado; // "atende", "não atende"... or, for a value, what it is
    Veredito veredito;
    QString motivo; // why there is no verdict, or what decides it
};

std::vector<LinhaDeTexto> LinhasDasVerificacoes(const EntradaVerificacoes& entrada,
                                                const ResultadoVerificacoes& resultado);

// The colour of a verdict: green holds, red fails, grey otherwise.
const char* CorDoVeredito(Veredito veredito);
