#include "SecaoTransversal.h"

#include "GraficosRuptura.h"
#include "calc/Geometria.h"
#include "data/FormatoGeral.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Lines tell the curves apart when printed in grey; colours help on screen.
const QColor corAterro(222, 205, 160);
const QColor corMole(200, 200, 200);
const QColor corReforco(30, 30, 30);

QString Numero(long double v) {
    return QString::fromStdString(FormatoGeral(std::round(v * 100) / 100));
}

// A tick step of 1, 2 or 5 times a power of ten that puts about `marcas` ticks over `extensao`.
double Passo(double extensao, int marcas) {
    const double bruto = extensao / std::max(marcas, 1);
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double f : {1.0, 2.0, 5.0, 10.0}) {
        if (f * potencia >= bruto)
            return f * potencia;
    }
    return 10 * potencia;
}

struct Mundo {
    double x0, x1, y0, y1; // metres
};

// What must be seen: the fill, the layer, and the part of each circle that lies in soil.
Mundo Limites(const CenarioSecao& c, double crista) {
    const DadosEntrada& d = c.dados;
    Mundo m{-static_cast<double>(d.Largberma) - 1, static_cast<double>(d.Decl * d.Alt) + crista,
            -static_cast<double>(d.Prof), static_cast<double>(d.Alt)};
    if (c.temKaniraj) {
        for (const ResultadoKaniraj& r : {c.semTrinca, c.comTrinca}) {
            if (const auto circulo = CirculoKaniraj(r)) {
                if (const auto cortes = CortesNaSuperficie(*circulo)) {
                    m.x0 = std::min(m.x0, static_cast<double>(cortes->first) - 1);
                    m.x1 = std::max(m.x1, static_cast<double>(cortes->second) + 1);
                }
                // On the crest side the arc climbs through the fill up to the crest.
                const long double acima = d.Alt - circulo->centro.y;
                const long double quadrado = circulo->raio * circulo->raio - acima * acima;
                const long double saida = quadrado > 0 ? circulo->centro.x + std::sqrt(quadrado)
                                                       : circulo->centro.x + circulo->raio;
                m.x1 = std::max(m.x1, static_cast<double>(saida) + 1);
            }
        }
    }
    return m;
}

} // namespace

SecaoTransversal::SecaoTransversal(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void SecaoTransversal::DefinirCenario(const CenarioSecao& cenario) {
    cenario_ = cenario;
    update();
}

void SecaoTransversal::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    Desenhar(pintor, rect());
}

void SecaoTransversal::Desenhar(QPainter& pintor, const QRectF& area) const {
    const CenarioSecao& c = cenario_;
    const DadosEntrada& d = c.dados;
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.fillRect(area, Qt::white);
    if (!(d.Alt > 0) || !(d.Prof > 0)) {
        pintor.restore();
        return;
    }

    const QFontMetricsF medidas(pintor.font());
    const double linha = medidas.height();
    // Room for the axes' numbers and names below and on the left, and the legend above.
    const QRectF grafico =
        area.adjusted(medidas.horizontalAdvance(QStringLiteral("-00,0")) + linha * 2, linha * 4.5,
                      -linha, -linha * 2.8);
    const double crista = std::max(2.0 * static_cast<double>(d.Alt), 2.0);
    Mundo m = Limites(c, crista);
    m.y1 += 0.15 * (m.y1 - m.y0);
    const double escala =
        std::min(grafico.width() / (m.x1 - m.x0), grafico.height() / (m.y1 - m.y0));
    // True scale: the same metres per pixel both ways, the drawing centred in what is left.
    const double sobraX = grafico.width() - escala * (m.x1 - m.x0);
    const auto P = [&](long double x, long double y) {
        return QPointF(grafico.left() + sobraX / 2 + (static_cast<double>(x) - m.x0) * escala,
                       grafico.bottom() - (static_cast<double>(y) - m.y0) * escala);
    };
    const double esquerda = P(m.x0, 0).x(), direita = P(m.x1, 0).x();

    // Soft layer and firm base.
    const double base = P(0, -d.Prof).y();
    pintor.fillRect(QRectF(QPointF(esquerda, P(0, 0).y()), QPointF(direita, base)), corMole);
    pintor.fillRect(QRectF(QPointF(esquerda, base), QPointF(direita, base + linha * 0.6)),
                    QBrush(Qt::black, Qt::BDiagPattern));
    pintor.setPen(QPen(Qt::black, 1));
    pintor.drawLine(QPointF(esquerda, base), QPointF(direita, base));

    // The fill.
    QPolygonF aterro;
    for (const Ponto& p : ContornoAterro(d, static_cast<long double>(m.x1) - d.Decl * d.Alt)) {
        aterro << P(p.x, p.y);
    }
    pintor.setBrush(corAterro);
    pintor.drawPolygon(aterro);
    pintor.setBrush(Qt::NoBrush);
    pintor.drawLine(QPointF(esquerda, P(0, 0).y()), QPointF(direita, P(0, 0).y()));

    // The soil: where a wedge's arc is drawn.
    QPainterPath camada;
    camada.addRect(QRectF(QPointF(esquerda, P(0, 0).y()), QPointF(direita, base)));
    QPainterPath solo = camada;
    solo.addPolygon(aterro);
    solo = solo.simplified();

    // The reinforcement under the whole fill, at height a.
    const double inicioReforco =
        d.Altberma > 0 && d.Largberma > 0 ? static_cast<double>(-d.Largberma) : 0.0;
    pintor.setPen(QPen(corReforco, 3, Qt::SolidLine, Qt::FlatCap));
    pintor.drawLine(P(inicioReforco + static_cast<double>(c.Posref * d.Decl), c.Posref),
                    P(m.x1, c.Posref));

    struct Legenda {
        QPen caneta;
        QString texto;
    };
    std::vector<Legenda> legendas;
    if (c.temKaniraj) {
        const struct {
            const ResultadoKaniraj& r;
            Curva curva;
            bool trinca;
        } casos[] = {{c.semTrinca, Curva::KanirajSemTrinca, false},
                     {c.comTrinca, Curva::KanirajComTrinca, true}};
        for (const auto& caso : casos) {
            const QPen caneta = CanetaDe(caso.curva);
            const QColor cor = caneta.color();
            QString texto = QStringLiteral("%1: ").arg(NomeDe(caso.curva));
            const auto circulo = CirculoKaniraj(caso.r);
            if (!circulo) {
                texto += QStringLiteral("nenhuma cunha requer reforço (F = %1)")
                             .arg(Numero(c.Fatsegkan));
                legendas.push_back({caneta, texto});
                continue;
            }
            texto += QStringLiteral("P = %1 kN/m, D = %2 m (F = %3)")
                         .arg(Numero(caso.r.P), Numero(caso.r.D), Numero(c.Fatsegkan));
            legendas.push_back({caneta, texto});
            const QPointF centro = P(circulo->centro.x, circulo->centro.y);
            const double raio = static_cast<double>(circulo->raio) * escala;
            pintor.save();
            // With the crack the wedge is bounded in the fill by the crack, not by the arc.
            pintor.setClipPath(caso.trinca ? camada : solo);
            pintor.setPen(caneta);
            pintor.drawEllipse(centro, raio, raio);
            pintor.restore();
            // The centre, and the tension crack through the fill where the arc leaves the
            // foundation on the crest side.
            if (circulo->centro.y <= m.y1) {
                pintor.setPen(QPen(cor, 1));
                pintor.drawLine(centro + QPointF(-4, 0), centro + QPointF(4, 0));
                pintor.drawLine(centro + QPointF(0, -4), centro + QPointF(0, 4));
            }
            if (caso.trinca) {
                if (const auto cortes = CortesNaSuperficie(*circulo)) {
                    const long double x = cortes->second;
                    pintor.setPen(QPen(cor, 2, Qt::DotLine));
                    pintor.drawLine(P(x, 0), P(x, CotaTerreno(d, x)));
                }
            }
        }
    }
    if (c.temLow) {
        const struct {
            long double D;
            Curva curva;
            QString valor;
        } niveis[] = {
            {c.low.Profcunh, Curva::LowHorizontal,
             QStringLiteral("Ph = %1 kN/m (F = %2)")
                 .arg(Numero(c.low.Solicsolh), Numero(c.Fatseglow))},
            {c.low.Profcunb, Curva::LowBissetriz,
             QStringLiteral("Pb = %1 kN/m (F = %2)")
                 .arg(Numero(c.low.Solicsolb), Numero(c.Fatseglow))},
            {c.low.Profcunsol, Curva::LowFS0,
             QStringLiteral("FS0 = %1").arg(Numero(c.low.Fatsegsol))},
        };
        for (const auto& nivel : niveis) {
            const QPen caneta = CanetaDe(nivel.curva);
            if (!(nivel.D > 0)) {
                legendas.push_back(
                    {caneta, (nivel.curva == Curva::LowFS0
                                  ? QStringLiteral("%1: nenhuma cunha examinada")
                                  : QStringLiteral("%1: nenhuma cunha requer reforço"))
                                 .arg(NomeDe(nivel.curva))});
                continue;
            }
            legendas.push_back(
                {caneta, QStringLiteral("%1: D = %2 m, %3")
                             .arg(NomeDe(nivel.curva), Numero(nivel.D), nivel.valor)});
            pintor.setPen(caneta);
            const double y = P(0, -nivel.D).y();
            pintor.drawLine(QPointF(esquerda, y), QPointF(direita, y));
        }
    }

    // Axes in metres.
    pintor.setPen(QPen(Qt::black, 1));
    const double eixoY = grafico.left() - linha * 0.3;
    const double eixoX = grafico.bottom() + linha * 0.6;
    pintor.drawLine(QPointF(esquerda, eixoX), QPointF(direita, eixoX));
    pintor.drawLine(QPointF(eixoY, P(0, m.y0).y()), QPointF(eixoY, P(0, m.y1).y()));
    const double passoX =
        Passo(m.x1 - m.x0, std::max(2, static_cast<int>((direita - esquerda) / (linha * 5))));
    for (double x = std::ceil(m.x0 / passoX) * passoX; x <= m.x1 + 1e-9; x += passoX) {
        const double px = P(x, 0).x();
        pintor.drawLine(QPointF(px, eixoX), QPointF(px, eixoX + 4));
        const QString t = QString::fromStdString(FormatoGeral(std::round(x * 1000) / 1000));
        pintor.drawText(QRectF(px - 40, eixoX + 4, 80, linha), Qt::AlignHCenter | Qt::AlignTop, t);
    }
    const double passoY =
        Passo(m.y1 - m.y0,
              std::max(2, static_cast<int>((P(0, m.y0).y() - P(0, m.y1).y()) / (linha * 2.5))));
    for (double y = std::ceil(m.y0 / passoY) * passoY; y <= m.y1 + 1e-9; y += passoY) {
        const double py = P(0, y).y();
        pintor.drawLine(QPointF(eixoY - 4, py), QPointF(eixoY, py));
        const QString t = QString::fromStdString(FormatoGeral(std::round(y * 1000) / 1000));
        pintor.drawText(QRectF(area.left(), py - linha / 2, eixoY - 6 - area.left(), linha),
                        Qt::AlignRight | Qt::AlignVCenter, t);
    }
    pintor.drawText(QRectF(grafico.left(), eixoX + linha * 1.2, grafico.width(), linha),
                    Qt::AlignHCenter, QStringLiteral("x (m), a partir do pé do talude principal"));
    pintor.save();
    pintor.translate(area.left() + linha * 0.1, grafico.center().y());
    pintor.rotate(-90);
    pintor.drawText(QRectF(-grafico.height() / 2, 0, grafico.height(), linha), Qt::AlignHCenter,
                    QStringLiteral("y (m)"));
    pintor.restore();

    // The legend, in two columns above the drawing.
    const double larguraColuna = (area.width() - linha) / 2;
    for (std::size_t i = 0; i < legendas.size(); ++i) {
        const double x = area.left() + linha / 2 + (i % 2) * larguraColuna;
        const double y = area.top() + linha * 0.3 + (i / 2) * linha * 1.2;
        pintor.setPen(legendas[i].caneta);
        pintor.drawLine(QPointF(x, y + linha / 2), QPointF(x + linha * 2, y + linha / 2));
        pintor.setPen(Qt::black);
        pintor.drawText(QRectF(x + linha * 2.5, y, larguraColuna - linha * 3, linha),
                        Qt::AlignLeft | Qt::AlignVCenter, legendas[i].texto);
    }
    pintor.restore();
}
