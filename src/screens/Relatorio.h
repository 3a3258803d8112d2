#pragma once

// The calculation report ("memorial de cálculo"): an A4 PDF with the design as typed, the
// hypotheses of each method, the results of both methods, the anchorage, every warning the
// analyses gave and the critical wedges drawn with the curves of the search. A result appears only
// for the data the report shows: a method not calculated for them says "não calculado".

#include "calc/Kaniraj.h"
#include "calc/Low.h"
#include "data/DadosEntrada.h"
#include "projeto/ArquivoProjeto.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

struct ConteudoRelatorio {
    Projeto projeto; // the values as typed
    QString arquivo; // the design's file name; empty when it was never saved
    // The analyses' inputs read from the typed values; none when one of them is not a number.
    std::optional<DadosEntrada> dados;
    std::optional<long double> Fatsegkan, Posref, Fatseglow;
    // Each method's detail; none: not calculated for these data.
    std::optional<CunhasKaniraj> semTrinca, comTrinca;
    std::optional<CunhasLow> low;
    // The anchorage lengths, each none when its force is not calculated (or the inputs are not
    // all typed and valid).
    std::optional<long double> ComTr, SemTr, Horiz, Biss;
    QStringList avisos; // what the analyses told the user
};

// Reads the typed design and runs the methods asked for (silently, collecting their warnings).
ConteudoRelatorio CalcularRelatorio(const Projeto& projeto, const QString& arquivo, bool kaniraj,
                                    bool low);

// The report of what the windows hold: a method counts as calculated when its last run answered
// exactly the data and factors now typed.
ConteudoRelatorio RelatorioDasTelas();

// Writes the PDF; an empty text when done, else the message for the user.
QString GravarRelatorio(const ConteudoRelatorio& conteudo, const QString& caminho);

// "&Relatório...": asks where, writes, and offers to open the PDF in the desktop's viewer.
void RelatorioComDialogo(QWidget* pai);
