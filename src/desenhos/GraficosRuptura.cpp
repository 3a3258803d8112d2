#include "GraficosRuptura.h"

#include "Numeros.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Ponto {
    double x, y;
};

// A curve as runs of consecutive points; a missing value ends a run.
using Trechos = std::vector<std::vector<Ponto>>;

void Acrescentar(Trechos& trechos, bool& aberto, std::optional<long double> x,
                 std::optional<long double> y) {
    if (!x || !y) {
        aberto = false;
        return;
    }
    if (!aberto) {
        trechos.emplace_back();
        aberto = true;
    }
    trechos.back().push_back({static_cast<double>(*x), static_cast<double>(*y)});
}

struct Limites {
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    bool vazio = true;
    void Incluir(double x, double y) {
        if (vazio) {
            xMin = xMax = x;
            yMin = yMax = y;
            vazio = false;
        }
        xMin = std::min(xMin, x);
        xMax = std::max(xMax, x);
        yMin = std::min(yMin, y);
        yMax = std::max(yMax, y);
    }
};

// `pontos`: each point marked too, so that a wedge between two gaps is seen.
void AdicionarCurva(QChart* grafico, const Trechos& trechos, Saida curva, Limites& limites,
                    bool pontos = false) {
    bool primeiro = true;
    for (const auto& trecho : trechos) {
        auto* serie = new QLineSeries;
        serie->setPen(CanetaDe(curva));
        if (pontos) {
            serie->setPointsVisible(true);
            serie->setMarkerSize(5);
        }
        serie->setName(NomeDe(curva));
        for (const Ponto& p : trecho) {
            serie->append(p.x, p.y);
            limites.Incluir(p.x, p.y);
        }
        grafico->addSeries(serie);
        // One entry in the legend per curve, however many runs it has.
        if (!primeiro) {
            EsconderDaLegenda(grafico, serie);
        }
        primeiro = false;
    }
}

void MarcarCritico(QChart* grafico, double x, double y, Saida curva) {
    auto* ponto = new QScatterSeries;
    ponto->setMarkerSize(9);
    ponto->setColor(CanetaDe(curva).color());
    ponto->setBorderColor(Qt::black);
    ponto->append(x, y);
    grafico->addSeries(ponto);
    EsconderDaLegenda(grafico, ponto);
}

void Eixos(QChart* grafico, const Limites& l, const QString& tituloX, const QString& tituloY) {
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setTitleText(tituloX);
    y->setTitleText(tituloY);
    const double folgaY = std::max(1e-9, (l.yMax - std::min(0.0, l.yMin)) * 0.08);
    x->setRange(std::min(0.0, l.xMin), l.vazio ? 1 : l.xMax);
    y->setRange(std::min(0.0, l.yMin), (l.vazio ? 1 : l.yMax) + folgaY);
    x->applyNiceNumbers();
    y->applyNiceNumbers();
    AnexarEixos(grafico, x, y);
}

} // namespace

QChart* NovoGrafico(const QString& titulo) {
    auto* grafico = new QChart;
    grafico->setTitle(titulo);
    grafico->setLocalizeNumbers(true);
    grafico->setLocale(LocaleDosNumeros());
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->setMargins(QMargins(4, 4, 4, 4));
    return grafico;
}

void EsconderDaLegenda(QChart* grafico, QAbstractSeries* serie) {
    for (QLegendMarker* marca : grafico->legend()->markers(serie)) {
        marca->setVisible(false);
    }
}

void AnexarEixos(QChart* grafico, QValueAxis* x, QValueAxis* y) {
    for (QValueAxis* eixo : {x, y}) {
        eixo->setLabelFormat(QStringLiteral("%.4g"));
        // Ticks on round values, some five of them, wherever the range is set.
        eixo->setTickType(QValueAxis::TicksDynamic);
        eixo->setTickAnchor(0);
        const auto marcas = [eixo](qreal de, qreal ate) {
            eixo->setTickInterval(PassoRedondo(ate - de, 6));
        };
        marcas(eixo->min(), eixo->max());
        QObject::connect(eixo, &QValueAxis::rangeChanged, eixo, marcas);
    }
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(x);
        serie->attachAxis(y);
    }
}

QPen CanetaDe(Saida saida) {
    switch (saida) {
    case Saida::KanirajSemTrinca:
        return QPen(QColor(170, 20, 20), 2, Qt::SolidLine);
    case Saida::KanirajComTrinca:
        return QPen(QColor(20, 60, 170), 2, Qt::DashLine);
    case Saida::LowHorizontal:
        return QPen(QColor(0, 110, 40), 2, Qt::DashDotLine);
    case Saida::LowBissetriz:
        return QPen(QColor(150, 90, 0), 2, Qt::DashDotDotLine);
    case Saida::Bishop:
        return QPen(QColor(120, 40, 150), 2, Qt::SolidLine);
    case Saida::FS0:
        return QPen(QColor(90, 90, 90), 2, Qt::DotLine);
    }
    return {};
}

QString NomeDe(Saida saida) {
    const DescricaoSaida& d = Saidas[Indice(saida)];
    return *d.simbolo ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(d.nome),
                                                      QString::fromUtf8(d.simbolo))
                      : QString::fromUtf8(d.nome);
}

QChart* GraficoForcas(const CurvasRuptura& c) {
    QChart* grafico = NovoGrafico(QStringLiteral("Solicitação requerida × profundidade da cunha"));
    Limites limites;
    const struct {
        const std::optional<CunhasKaniraj>& cunhas;
        Saida curva;
    } kaniraj[] = {{c.semTrinca, Saida::KanirajSemTrinca}, {c.comTrinca, Saida::KanirajComTrinca}};
    for (const auto& k : kaniraj) {
        if (!k.cunhas) {
            continue;
        }
        Trechos trechos;
        bool aberto = false;
        for (const CunhaKaniraj& cunha : k.cunhas->cunhas) {
            // A wedge that needs no reinforcement requires a force of zero.
            std::optional<long double> P;
            if (cunha.P) {
                P = std::max<long double>(*cunha.P, 0);
            }
            Acrescentar(trechos, aberto, cunha.D, P);
        }
        AdicionarCurva(grafico, trechos, k.curva, limites, true);
        if (k.cunhas->resultado.P > 0) {
            MarcarCritico(grafico, static_cast<double>(k.cunhas->resultado.D),
                          static_cast<double>(k.cunhas->resultado.P), k.curva);
        }
    }
    if (c.low) {
        Trechos horizontal, bissetriz;
        bool abertoH = false, abertoB = false;
        for (const CunhaLow& cunha : c.low->cunhas) {
            Acrescentar(horizontal, abertoH, cunha.D, cunha.Ph);
            Acrescentar(bissetriz, abertoB, cunha.D, cunha.Pb);
        }
        AdicionarCurva(grafico, horizontal, Saida::LowHorizontal, limites);
        AdicionarCurva(grafico, bissetriz, Saida::LowBissetriz, limites);
        const ResultadoLow& r = c.low->resultado;
        if (r.Solicsolh > 0) {
            MarcarCritico(grafico, static_cast<double>(r.Profcunh),
                          static_cast<double>(r.Solicsolh), Saida::LowHorizontal);
        }
        if (r.Solicsolb > 0) {
            MarcarCritico(grafico, static_cast<double>(r.Profcunb),
                          static_cast<double>(r.Solicsolb), Saida::LowBissetriz);
        }
    }
    Eixos(grafico, limites, QStringLiteral("D (m)"), QStringLiteral("P (kN/m)"));
    return grafico;
}

QChart* GraficoFS0(const CurvasRuptura& c) {
    QChart* grafico =
        NovoGrafico(QStringLiteral("Low: fator de segurança sem reforço × profundidade"));
    Limites limites;
    if (c.low && !c.low->cunhas.empty()) {
        Trechos trechos(1);
        for (const CunhaLow& cunha : c.low->cunhas) {
            trechos[0].push_back({static_cast<double>(cunha.D), static_cast<double>(cunha.FS0)});
        }
        AdicionarCurva(grafico, trechos, Saida::FS0, limites);
        const ResultadoLow& r = c.low->resultado;
        MarcarCritico(grafico, static_cast<double>(r.Profcunsol), static_cast<double>(r.Fatsegsol),
                      Saida::FS0);
        auto* adotado = new QLineSeries;
        adotado->setName(
            QStringLiteral("FS0 = F = %1")
                .arg(LocaleDosNumeros().toString(static_cast<double>(c.Fatseglow), 'g', 15)));
        adotado->setPen(QPen(Qt::black, 1, Qt::SolidLine));
        const double F = static_cast<double>(c.Fatseglow);
        adotado->append(limites.xMin, F);
        adotado->append(limites.xMax, F);
        limites.Incluir(limites.xMin, F);
        grafico->addSeries(adotado);
    }
    Eixos(grafico, limites, QStringLiteral("D (m)"), QStringLiteral("FS0"));
    return grafico;
}

QString NotaLacunas(const CurvasRuptura& c) {
    QStringList notas;
    if (c.semTrinca && c.comTrinca) {
        const std::string aviso =
            AvisoProfundidadesSemRaio(c.comTrinca->relato.examinadas, c.comTrinca->relato.semRaio,
                                      c.semTrinca->relato.semRaio);
        if (!aviso.empty()) {
            notas << QStringLiteral("Kaniraj: nas lacunas das curvas, %1")
                         .arg(QString::fromStdString(aviso));
        }
    }
    if (c.low && std::any_of(c.low->cunhas.begin(), c.low->cunhas.end(),
                             [](const CunhaLow& w) { return !w.Ph || !w.Pb; })) {
        notas << QStringLiteral("Low: nas lacunas das curvas o reforço não leva a cunha ao fator "
                                "de segurança adotado; as solicitações mostradas não as "
                                "consideram.");
    }
    return notas.join(QLatin1Char('\n'));
}
