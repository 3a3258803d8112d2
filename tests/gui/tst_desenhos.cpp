// What the drawings that the windows and the report share show, drawn without any window.

#include "support/Apoio.h"

#include "../comum/Analises.h"
#include "../comum/Exemplo.h"
#include "desenhos/GraficoEstudo.h"
#include "desenhos/GraficosRuptura.h"
#include "desenhos/SecaoTransversal.h"

#include <QChart>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QTest>
#include <QValueAxis>

#include <memory>
#include <optional>

namespace {

// The worked embankment with both methods' critical wedges, the reinforcement on the foundation.
CenarioSecao ObraCalculada() {
    CenarioSecao c;
    c.dados = aterroExemplo;
    c.temKaniraj = c.temLow = true;
    c.Fatsegkan = c.Fatseglow = 1.3L;
    c.semTrinca = Kaniraj(HipoteseKaniraj::SemTrinca, exemplo);
    c.comTrinca = Kaniraj(HipoteseKaniraj::ComTrinca, exemplo);
    c.low = Low(exemplo);
    return c;
}

} // namespace

class TstDesenhos : public QObject {
    Q_OBJECT
private slots:
    void secaoComTodasAsPartes();
    void estudoComLacunasEValoresDigitados();
};

// Every part of the worked embankment's section is drawn at the screen's size, each told by the
// colour it alone is drawn in: under the legend the layer, the fill, the reinforcement, both
// circles and Low's depths; the legend above them in the wedges' colours; on the left of the layer
// the y axis's numbers and name.
void TstDesenhos::secaoComTodasAsPartes() {
    SecaoTransversal secao;
    secao.DefinirCenario(ObraCalculada());
    QImage imagem(secao.sizeHint(), QImage::Format_RGB32);
    QPainter pintor(&imagem);
    secao.Desenhar(pintor, QRectF(imagem.rect()));
    pintor.end();
    const QRect legenda(0, 0, imagem.width(), imagem.height() / 3);
    const QRect desenho(0, legenda.bottom() + 1, imagem.width(),
                        imagem.height() - legenda.height());
    const auto cor = [](Saida curva) { return CanetaDe(curva).color().rgb(); };
    const struct {
        const char* parte;
        QRgb cor;
        int minimo; // under the legend
        bool naLegenda;
    } partes[] = {
        {"camada mole", qRgb(200, 200, 200), 10000, false},
        {"aterro", qRgb(222, 205, 160), 3000, false},
        {"reforço", qRgb(30, 30, 30), 300, false},
        {"Kaniraj sem trinca", cor(Saida::KanirajSemTrinca), 150, true},
        {"Kaniraj com trinca", cor(Saida::KanirajComTrinca), 150, true},
        {"Low horizontal", cor(Saida::LowHorizontal), 10, true},
        {"Low bissetriz", cor(Saida::LowBissetriz), 10, true},
        {"Low FS0", cor(Saida::FS0), 150, true},
    };
    for (const auto& p : partes) {
        const auto daCor = [&p](const QColor& c) { return c.rgb() == p.cor; };
        const int embaixo = Pixels(imagem, daCor, desenho);
        QVERIFY2(embaixo >= p.minimo,
                 qPrintable(QStringLiteral("%1: %2").arg(p.parte).arg(embaixo)));
        QVERIFY2(!p.naLegenda || Pixels(imagem, daCor, legenda) > 5, p.parte);
    }
    int camada = imagem.width();
    for (int y = desenho.top(); y <= desenho.bottom(); ++y) {
        for (int x = 0; x < camada; ++x) {
            camada = imagem.pixel(x, y) == qRgb(200, 200, 200) ? x : camada;
        }
    }
    const QRect esquerda(0, desenho.top(), camada - 2, desenho.height());
    const int eixo = Pixels(
        imagem, [](const QColor& c) { return c != Qt::white; }, esquerda);
    QVERIFY2(eixo > 60, qPrintable(QString::number(eixo)));
}

// A study of F from 1 to 1,5 against a strength of 100 kN/m: Kaniraj's force with crack has a gap
// at 1,2 and is drawn in two stretches under one legend entry; Low's horizontal force, the largest,
// has a value at 1,5 only, and no typed value. A typed value is marked only inside the range, each
// force at its own method's F.
void TstDesenhos::estudoComLacunasEValoresDigitados() {
    const struct {
        const char* caso;
        long double Fkaniraj, Flow;
        int marcados;
    } casos[] = {
        {"F de Kaniraj no intervalo, o de Low além", 1.3L, 1.6L, 2},
        {"F no início do intervalo", 1, 1, 3},
        {"F aquém do intervalo", 0.9L, 0.9L, 0},
    };
    for (const auto& caso : casos) {
        EstudoParametrico e;
        e.pedido.variavel = Variavel::F;
        e.pedido.de = 1;
        e.pedido.ate = 1.5L;
        e.pedido.resistencia = 100;
        e.pedido.dados.fatores.Fatsegkan = caso.Fkaniraj;
        e.pedido.dados.fatores.Fatseglow = caso.Flow;
        for (int i = 0; i <= 5; ++i) {
            const long double x = 1 + i / 10.0L;
            e.pontos.push_back({x,
                                {i == 2 ? std::nullopt : std::optional(50 * x), 100 * x,
                                 i == 5 ? std::optional(200.0L) : std::nullopt, 30 * x},
                                SituacaoDados::Aceitos});
        }
        e.projeto = {65, 130, std::nullopt, 39};
        const std::unique_ptr<QChart> grafico(GraficoEstudo(e));
        QCoreApplication::processEvents(); // the legend takes in its series' markers
        int comTrinca = 0, marcas = 0;
        QStringList legenda;
        for (QAbstractSeries* serie : grafico->series()) {
            comTrinca += serie->name() == NomeDe(Saida::KanirajComTrinca);
            marcas += qobject_cast<QScatterSeries*>(serie) && serie->name().isEmpty();
            for (QLegendMarker* marca : grafico->legend()->markers(serie)) {
                if (marca->isVisible()) {
                    legenda << marca->label();
                }
            }
        }
        QVERIFY2(comTrinca == 2, caso.caso);
        QVERIFY2(marcas == caso.marcados,
                 qPrintable(QStringLiteral("%1: %2").arg(caso.caso).arg(marcas)));
        QCOMPARE(legenda,
                 (QStringList{"Kaniraj com trinca", "Kaniraj sem trinca", "Low horizontal",
                              "Low bissetriz", "Valores digitados", "Resistência admissível"}));
        const auto* resistencia = qobject_cast<QLineSeries*>(grafico->series().constLast());
        QCOMPARE(resistencia->points(), (QList<QPointF>{{1, 100}, {1.5, 100}}));
        const auto eixos = grafico->axes();
        const auto* x = qobject_cast<QValueAxis*>(eixos.at(0));
        const auto* y = qobject_cast<QValueAxis*>(eixos.at(1));
        QCOMPARE(x->titleText(), QStringLiteral("F"));
        QCOMPARE(std::pair(x->min(), x->max()), std::pair(1.0, 1.5));
        QVERIFY(y->min() == 0 && y->max() >= 200 * 1.08); // the largest force, with room above
    }
}

QTEST_MAIN(TstDesenhos)
#include "tst_desenhos.moc"
