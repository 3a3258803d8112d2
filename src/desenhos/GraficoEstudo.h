#pragma once

// The parametric study as a chart: the four required forces against the variable studied, the
// typed values marked and the reinforcement's allowable strength as a line. A window shows it and
// a printer or a report page paints it alike.

#include "GraficosRuptura.h"
#include "calc/Varredura.h"

#include <QString>

class QChart;

// The variable's symbol with its unit, as the axis and the list of variables write it: "H (m)".
QString SimboloComUnidade(Variavel variavel);

// A point without value is a gap in its force's curve, never a zero; a typed value outside the
// range is not marked.
QChart* GraficoEstudo(const EstudoParametrico& estudo);
