#pragma once

// A histogram of the samples of one result of the reliability analysis, as a chart a window shows
// and a report page paints alike.

#include "calc/Confiabilidade.h"

#include <QString>

#include <optional>

class QChart;

// The bins as bars over the values' range, with a vertical reference line (Td, or FS0 = 1).
QChart* GraficoHistograma(const Histograma& histograma, const QString& titulo, const QString& eixoX,
                          std::optional<double> referencia, const QString& nomeReferencia);
