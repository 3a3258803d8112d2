#pragma once

// The search as curves: the force each wedge requires against its depth, for the four forces of
// the two methods, and Low's unreinforced safety factor against depth beside the adopted F. Built
// as charts that a window shows and a printer or a PDF page paints alike.

#include "calc/Metodos.h"

#include <QPen>
#include <QString>

#include <optional>

class QAbstractSeries;
class QChart;
class QValueAxis;

// The four forces and Low's FS0, each with the pen it is drawn with everywhere (colours on the
// screen, line styles that still tell them apart printed in grey) and its name in the legends.
QPen CanetaDe(Saida saida);
QString NomeDe(Saida saida);

// What every chart of the program shares: the title, numbers in the Brazilian form, the legend
// below; a series kept out of the legend; the two axes taken by every series, numbers in at most
// four significant digits.
QChart* NovoGrafico(const QString& titulo);
void EsconderDaLegenda(QChart* grafico, QAbstractSeries* serie);
void AnexarEixos(QChart* grafico, QValueAxis* x, QValueAxis* y);

struct CurvasRuptura {
    std::optional<CunhasKaniraj> semTrinca; // none: not computed for these data
    std::optional<CunhasKaniraj> comTrinca;
    std::optional<CunhasLow> low;
    long double Fatseglow = 0;
};

// Required force (kN/m) against wedge depth D (m), the critical wedge of each force marked. A
// wedge that no reinforcement brings to F is a gap in its curve, never a zero.
QChart* GraficoForcas(const CurvasRuptura& curvas);

// Low's FS0 against D, with the line FS0 = F.
QChart* GraficoFS0(const CurvasRuptura& curvas);

// The note under the charts: which curves have gaps and why; empty when none has.
QString NotaLacunas(const CurvasRuptura& curvas);
