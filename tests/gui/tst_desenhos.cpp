// What the drawings that the windows and the report share show, drawn without any window.

#include "calc/Kanct.h"
#include "calc/Kanst.h"
#include "calc/Low.h"
#include "desenhos/GraficosRuptura.h"
#include "desenhos/SecaoTransversal.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// The worked embankment with both methods' critical wedges, the reinforcement on the foundation.
CenarioSecao ObraCalculada() {
    CenarioSecao c;
    c.dados = {3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10};
    c.temKaniraj = c.temLow = true;
    c.Fatsegkan = c.Fatseglow = 1.3L;
    CalcKanst(3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0, c.semTrinca);
    CalcKanct(3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0, c.comTrinca);
    CalcLow(3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, c.low);
    return c;
}

// The pixels of the rectangle that `conta` accepts.
template <typename Condicao> int Pixels(const QImage& imagem, const QRect& onde, Condicao conta) {
    int n = 0;
    for (int y = onde.top(); y <= onde.bottom(); ++y) {
        for (int x = onde.left(); x <= onde.right(); ++x) {
            n += conta(imagem.pixel(x, y));
        }
    }
    return n;
}

} // namespace

class TstDesenhos : public QObject {
    Q_OBJECT
private slots:
    void secaoComTodasAsPartes();
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
    const auto cor = [](Curva curva) { return CanetaDe(curva).color().rgb(); };
    const struct {
        const char* parte;
        QRgb cor;
        int minimo; // under the legend
        bool naLegenda;
    } partes[] = {
        {"camada mole", qRgb(200, 200, 200), 10000, false},
        {"aterro", qRgb(222, 205, 160), 3000, false},
        {"reforço", qRgb(30, 30, 30), 300, false},
        {"Kaniraj sem trinca", cor(Curva::KanirajSemTrinca), 150, true},
        {"Kaniraj com trinca", cor(Curva::KanirajComTrinca), 150, true},
        {"Low horizontal", cor(Curva::LowHorizontal), 10, true},
        {"Low bissetriz", cor(Curva::LowBissetriz), 10, true},
        {"Low FS0", cor(Curva::LowFS0), 150, true},
    };
    for (const auto& p : partes) {
        const auto daCor = [&p](QRgb pixel) { return pixel == p.cor; };
        const int embaixo = Pixels(imagem, desenho, daCor);
        QVERIFY2(embaixo >= p.minimo,
                 qPrintable(QStringLiteral("%1: %2").arg(p.parte).arg(embaixo)));
        QVERIFY2(!p.naLegenda || Pixels(imagem, legenda, daCor) > 5, p.parte);
    }
    int camada = imagem.width();
    for (int y = desenho.top(); y <= desenho.bottom(); ++y) {
        for (int x = 0; x < camada; ++x) {
            camada = imagem.pixel(x, y) == qRgb(200, 200, 200) ? x : camada;
        }
    }
    const QRect esquerda(0, desenho.top(), camada - 2, desenho.height());
    const int eixo =
        Pixels(imagem, esquerda, [](QRgb pixel) { return pixel != qRgb(255, 255, 255); });
    QVERIFY2(eixo > 60, qPrintable(QString::number(eixo)));
}

QTEST_MAIN(TstDesenhos)
#include "tst_desenhos.moc"
