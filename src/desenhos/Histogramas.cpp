#include "Histogramas.h"

#include "GraficosRuptura.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

QChart* GraficoHistograma(const Histograma& h, const QString& titulo, const QString& eixoX,
                          std::optional<double> referencia, const QString& nomeReferencia) {
    QChart* grafico = NovoGrafico(titulo);
    double xMin = 0, xMax = 1, yMax = 1;
    if (!h.contagens.empty()) {
        // The outline of the bars, closed on the axis at both ends.
        auto* topo = new QLineSeries;
        const auto x = [&h](std::size_t i) { return static_cast<double>(h.limites[i]); };
        topo->append(x(0), 0);
        for (std::size_t i = 0; i < h.contagens.size(); ++i) {
            topo->append(x(i), h.contagens[i]);
            topo->append(x(i + 1), h.contagens[i]);
            yMax = std::max(yMax, static_cast<double>(h.contagens[i]));
        }
        topo->append(x(h.contagens.size()), 0);
        auto* barras = new QAreaSeries(topo);
        barras->setName(QStringLiteral("Amostras"));
        barras->setPen(QPen(QColor(40, 80, 150), 1));
        barras->setBrush(QColor(120, 160, 220));
        grafico->addSeries(barras);
        xMin = x(0);
        xMax = x(h.contagens.size());
    }
    if (referencia) {
        auto* linha = new QLineSeries;
        linha->setName(nomeReferencia);
        linha->setPen(QPen(QColor(176, 0, 32), 2));
        linha->append(*referencia, 0);
        linha->append(*referencia, yMax * 1.08);
        grafico->addSeries(linha);
        xMin = std::min(xMin, *referencia);
        xMax = std::max(xMax, *referencia);
    }
    auto* eixoHorizontal = new QValueAxis;
    auto* eixoVertical = new QValueAxis;
    eixoHorizontal->setTitleText(eixoX);
    eixoVertical->setTitleText(QStringLiteral("amostras"));
    const double folga = std::max(1e-9, (xMax - xMin) * 0.03);
    eixoHorizontal->setRange(xMin - folga, xMax + folga);
    eixoVertical->setRange(0, yMax * 1.1);
    AnexarEixos(grafico, eixoHorizontal, eixoVertical);
    return grafico;
}
