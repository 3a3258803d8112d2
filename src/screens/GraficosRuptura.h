#pragma once

// The search as curves: the force each wedge requires against its depth, for the four forces of
// the two methods, and Low's unreinforced safety factor against depth beside the adopted F. Built
// as charts that a window shows and a printer or a PDF page paints alike.

#include "calc/Kaniraj.h"
#include "calc/Low.h"

#include <QPen>
#include <QString>

#include <optional>

class QChart;

// The four forces and Low's FS0, each with the pen it is drawn with everywhere: colours on the
// screen, line styles that still tell them apart printed in grey.
enum class Curva { KanirajSemTrinca, KanirajComTrinca, LowHorizontal, LowBissetriz, LowFS0 };
QPen CanetaDe(Curva curva);
QString NomeDe(Curva curva);

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
