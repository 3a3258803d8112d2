#pragma once

// The calculation report ("memorial de cálculo"): an A4 PDF with the design as typed, the
// hypotheses of each method, the results of both methods, the anchorage, the limit-state checks,
// every warning the analyses gave and the critical wedges drawn with the curves of the search. A
// result appears only for the data the report shows: a method not calculated for them says
// "não calculado", and why among the warnings. Made without any window.

#include "calc/Bishop.h"
#include "calc/Confiabilidade.h"
#include "calc/Kaniraj.h"
#include "calc/Low.h"
#include "calc/VerificacoesAterro.h"
#include "data/DadosEntrada.h"
#include "projeto/ArquivoProjeto.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct ConteudoRelatorio {
    Projeto projeto;       // the values as typed
    QString arquivo;       // the design's file name; empty when it was never saved
    bool alterado = false; // the values typed differ from the file's
    // The analyses' inputs read from the typed values; none when one of them is not a number.
    std::optional<DadosEntrada> dados;
    std::optional<long double> Fatsegkan, Posref, Fatseglow;
    // Each method's detail; none: not calculated for these data.
    std::optional<CunhasKaniraj> semTrinca, comTrinca;
    std::optional<CunhasLow> low;
    // Bishop's inputs as typed (none: not a number) and its search; none: not calculated.
    std::optional<long double> Fatsegbishop, Posrefbishop;
    bool TrincaBishop = false;
    std::optional<RelatoBishop> bishop;
    // The anchorage lengths, each none when its force is not calculated (or the inputs are not
    // all typed and valid).
    std::optional<long double> ComTr, SemTr, Horiz, Biss, AncoragemBishop;
    // The limit-state checks of the typed design; none when its values are not all numbers.
    std::optional<EntradaVerificacoes> entradaVerificacoes;
    std::optional<ResultadoVerificacoes> verificacoes;
    // The reliability analysis, when some value of the typed design varies and the request runs.
    std::shared_ptr<const ResultadoConfiabilidade> confiabilidade;
    QStringList avisos; // what the analyses told the user, and why a method is not calculated
};

// Reads the typed design and runs the methods asked for (silently, collecting their warnings)
// and the limit-state checks with the governing force chosen.
ConteudoRelatorio CalcularRelatorio(const Projeto& projeto, const QString& arquivo, bool kaniraj,
                                    bool low, EscolhaForca escolha = std::nullopt,
                                    bool bishop = false);

// The reliability request the report of this typed design runs: none when every value is fixed,
// or when the request cannot run (then `problema` says why).
std::optional<PedidoConfiabilidade> ConfiabilidadeDoRelatorio(const Projeto& projeto,
                                                              QString& problema);

// Writes the PDF; an empty text when done, else the message for the user.
QString GravarRelatorio(const ConteudoRelatorio& conteudo, const QString& caminho);
