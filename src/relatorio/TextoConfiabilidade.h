#pragma once

// The reliability analysis as tables of text, the same on the window and in the report: numbers
// to four significant figures with the locale's separator.

#include "calc/Confiabilidade.h"
#include "projeto/ArquivoProjeto.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The random variables' names in the design's keys ("CV" and "Dist" before each) and on the
// window's controls, in the order of VariaveisAleatorias.
inline constexpr const char* ChavesDasAleatorias[NumeroDeAleatorias] = {"gama", "c",  "phi", "CS",
                                                                        "CZ",   "CF", "T"};

// Some coefficient of variation typed above zero: the design asks for the analysis.
bool VariacaoDigitada(const Projeto& projeto);

// The request the typed design makes; none, and the message, when it cannot run.
std::optional<PedidoConfiabilidade> ConfiabilidadeDigitada(const Projeto& projeto,
                                                           QString& problema);

// Some value varies: without that there is nothing to report.
bool HaIncerteza(const PedidoConfiabilidade& pedido);

// The results' names, short (for columns) and whole (with units).
QString ColunaDaSaida(Saida saida);
QString NomeDaSaida(Saida saida);

// The results the run computed, in their order: Bishop's force only when it asked for it.
std::vector<Saida> SaidasCalculadas(const PedidoConfiabilidade& pedido);

struct TabelaDeTexto {
    std::vector<Saida> colunas;       // the results, one column each
    QStringList linhas;               // the rows' names
    std::vector<QStringList> valores; // by row, one per column
    QString dicaSemValor;             // why a cell says "sem valor"
};

// Mean, σ, 5 % and 95 % values, probability of failure with its interval and β, samples without
// solution, and the first-order estimate beside them.
TabelaDeTexto TabelaDosResultados(const ResultadoConfiabilidade& resultado);

// Each variable's share of each result's variance, from the first-order estimate.
TabelaDeTexto TabelaDasParcelas(const ResultadoConfiabilidade& resultado);

QString QuatroAlgarismos(long double valor);

// How many samples' Bishop force may be short: their critical circle stayed on the edge of the
// widened grid.
QString AvisoBishopNaBorda(const ResultadoConfiabilidade& resultado);
