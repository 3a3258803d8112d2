#include "GraficoEstudo.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

QString SimboloComUnidade(Variavel variavel) {
    const DescricaoVariavel& d = Descricao(variavel);
    return *d.unidade ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(d.simbolo),
                                                      QString::fromUtf8(d.unidade))
                      : QString::fromUtf8(d.simbolo);
}

QChart* GraficoEstudo(const EstudoParametrico& e) {
    const PedidoEstudo& p = e.pedido;
    QChart* grafico = NovoGrafico(QStringLiteral("Solicitação requerida × %1")
                                      .arg(QString::fromUtf8(Descricao(p.variavel).simbolo)));
    const double R = static_cast<double>(p.resistencia);
    double yMax = R;
    for (std::size_t f = 0; f < NumeroDeForcas; ++f) {
        const Saida curva = static_cast<Forca>(f);
        bool primeiro = true;
        QLineSeries* serie = nullptr;
        for (const PontoEstudo& ponto : e.pontos) {
            if (!ponto.P[f]) {
                serie = nullptr;
                continue;
            }
            if (!serie) {
                serie = new QLineSeries;
                serie->setPen(CanetaDe(curva));
                serie->setName(NomeDe(curva));
                grafico->addSeries(serie);
                // One legend entry per force, however many stretches its curve has.
                if (!primeiro) {
                    EsconderDaLegenda(grafico, serie);
                }
                primeiro = false;
            }
            const double y = static_cast<double>(*ponto.P[f]);
            serie->append(static_cast<double>(ponto.x), y);
            yMax = std::max(yMax, y);
        }
    }
    // The typed values in each force's colour; the legend shows one neutral entry for them all.
    auto* legenda = new QScatterSeries;
    legenda->setName(QStringLiteral("Valores digitados"));
    legenda->setMarkerSize(9);
    legenda->setColor(Qt::white);
    legenda->setBorderColor(Qt::black);
    grafico->addSeries(legenda);
    for (std::size_t f = 0; f < NumeroDeForcas; ++f) {
        const long double x = ValorDe(p.dados, p.variavel, static_cast<Forca>(f));
        if (!e.projeto[f] || x < p.de || x > p.ate) {
            continue;
        }
        auto* ponto = new QScatterSeries;
        ponto->setMarkerSize(9);
        ponto->setColor(CanetaDe(static_cast<Forca>(f)).color());
        ponto->setBorderColor(Qt::black);
        ponto->append(static_cast<double>(x), static_cast<double>(*e.projeto[f]));
        grafico->addSeries(ponto);
        EsconderDaLegenda(grafico, ponto);
    }
    auto* linha = new QLineSeries;
    linha->setName(QStringLiteral("Resistência admissível"));
    linha->setPen(QPen(Qt::black, 1.5, Qt::SolidLine));
    linha->append(static_cast<double>(p.de), R);
    linha->append(static_cast<double>(p.ate), R);
    grafico->addSeries(linha);

    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setTitleText(SimboloComUnidade(p.variavel));
    y->setTitleText(QStringLiteral("P (kN/m)"));
    x->setRange(static_cast<double>(p.de), static_cast<double>(p.ate));
    y->setRange(0, yMax * 1.08);
    y->applyNiceNumbers();
    AnexarEixos(grafico, x, y);
    // Seven entries do not fit in one line below the plot: beside it they stand one per line.
    if (p.bishop) {
        grafico->legend()->setAlignment(Qt::AlignRight);
    }
    return grafico;
}
