#include "SecaoTransversal.h"

#include "GraficosRuptura.h"
#include "Numeros.h"
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
// Bishop's circles: the force's solid, the unreinforced one dotted.
const QPen canetaBishopP = CanetaDe(Saida::Bishop);
const QPen canetaBishopFS0(canetaBishopP.color(), 2, Qt::DotLine);

// Bishop's circles drawn, the force's first: none when it needs none or has no solution.
std::vector<std::pair<CirculoBishop, QPen>> CirculosBishop(const CenarioSecao& c) {
    std::vector<std::pair<CirculoBishop, QPen>> circulos;
    if (!c.temBishop)
        return circulos;
    if (c.bishop.P > 0 && !c.bishop.semSolucao)
        circulos.push_back({c.bishop.circuloP, canetaBishopP});
    circulos.push_back({c.bishop.circuloFS0, canetaBishopFS0});
    return circulos;
}

QString Numero(long double v) {
    return QString::fromStdString(FormatoGeral(std::round(v * 100) / 100));
}

// The part of the circle that lies inside the region, as a polyline in pieces: drawn without a
// clip, it shows the same on every device (an SVG picture keeps no clip).
QPainterPath ArcoDentro(const QPainterPath& regiao, QPointF centro, double raio) {
    QPainterPath arco;
    const int lados = std::clamp(static_cast<int>(raio * 2), 360, 4000);
    bool aberto = false;
    QPointF anterior = centro + QPointF(raio, 0);
    for (int i = 1; i <= lados; ++i) {
        const double angulo = 2 * M_PI * i / lados;
        const QPointF ponto = centro + QPointF(raio * std::cos(angulo), -raio * std::sin(angulo));
        const bool dentro = regiao.contains((anterior + ponto) / 2);
        if (dentro) {
            if (!aberto) {
                arco.moveTo(anterior);
            }
            arco.lineTo(ponto);
        }
        aberto = dentro;
        anterior = ponto;
    }
    return arco;
}

// Low's critical depths: of the largest horizontal force, of the largest force along the
// bisector, and of the lowest unreinforced safety factor.
struct NivelLow {
    long double D;
    Saida curva;
    QString valor;
    QString rotulo; // beside its line in the drawing
};

std::vector<NivelLow> NiveisLow(const CenarioSecao& c) {
    return {
        {c.low.Profcunh, Saida::LowHorizontal,
         QStringLiteral("Ph = %1 kN/m (F = %2)").arg(Numero(c.low.Solicsolh), Numero(c.Fatseglow)),
         QStringLiteral("Low Ph")},
        {c.low.Profcunb, Saida::LowBissetriz,
         QStringLiteral("Pb = %1 kN/m (F = %2)").arg(Numero(c.low.Solicsolb), Numero(c.Fatseglow)),
         QStringLiteral("Low Pb")},
        {c.low.Profcunsol, Saida::FS0, QStringLiteral("FS0 = %1").arg(Numero(c.low.Fatsegsol)),
         QStringLiteral("Low FS0")},
    };
}

struct Mundo {
    double x0, x1, y0, y1; // metres
};

// What must be seen: the fill, the layer, and the part of each circle that lies in soil.
Mundo Limites(const CenarioSecao& c, double crista) {
    const DadosEntrada& d = c.dados;
    Mundo m{-static_cast<double>(d.Largberma) - 1, static_cast<double>(d.Decl * d.Alt) + crista,
            -static_cast<double>(d.Prof), static_cast<double>(d.Alt)};
    std::vector<Circulo> circulos;
    if (c.temKaniraj) {
        for (const ResultadoKaniraj& r : {c.semTrinca, c.comTrinca}) {
            if (const auto circulo = CirculoKaniraj(r)) {
                circulos.push_back(*circulo);
            }
        }
    }
    for (const auto& [b, caneta] : CirculosBishop(c)) {
        circulos.push_back({{b.xc, b.yc}, b.Raio()});
    }
    for (const Circulo& circulo : circulos) {
        if (const auto cortes = CortesNaSuperficie(circulo)) {
            m.x0 = std::min(m.x0, static_cast<double>(cortes->first) - 1);
            m.x1 = std::max(m.x1, static_cast<double>(cortes->second) + 1);
        }
        // On the crest side the arc climbs through the fill up to the crest.
        const long double acima = d.Alt - circulo.centro.y;
        const long double quadrado = circulo.raio * circulo.raio - acima * acima;
        const long double saida =
            quadrado > 0 ? circulo.centro.x + std::sqrt(quadrado) : circulo.centro.x + circulo.raio;
        m.x1 = std::max(m.x1, static_cast<double>(saida) + 1);
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

namespace {

struct Legenda {
    QPen caneta;
    QString texto;
};

// What the legend says of each wedge drawn, in the order drawn.
std::vector<Legenda> Legendas(const CenarioSecao& c) {
    std::vector<Legenda> legendas;
    if (c.temKaniraj) {
        for (const auto& [r, curva] : {std::pair{c.semTrinca, Saida::KanirajSemTrinca},
                                       std::pair{c.comTrinca, Saida::KanirajComTrinca}}) {
            QString texto = QStringLiteral("%1: ").arg(NomeDe(curva));
            texto += CirculoKaniraj(r) ? QStringLiteral("P = %1 kN/m, D = %2 m (F = %3)")
                                             .arg(Numero(r.P), Numero(r.D), Numero(c.Fatsegkan))
                                       : QStringLiteral("nenhuma cunha requer reforço (F = %1)")
                                             .arg(Numero(c.Fatsegkan));
            legendas.push_back({CanetaDe(curva), texto});
        }
    }
    if (c.temBishop) {
        legendas.push_back(
            {canetaBishopP,
             c.bishop.semSolucao
                 ? QStringLiteral("Bishop: há círculos que o reforço não atravessa (F = %1)")
                       .arg(Numero(c.Fatsegbishop))
             : c.bishop.P > 0
                 ? QStringLiteral("Bishop: P = %1 kN/m, D = %2 m (F = %3)")
                       .arg(Numero(c.bishop.P), Numero(c.bishop.circuloP.D), Numero(c.Fatsegbishop))
                 : QStringLiteral("Bishop: nenhum círculo requer reforço (F = %1)")
                       .arg(Numero(c.Fatsegbishop))});
        legendas.push_back(
            {canetaBishopFS0, QStringLiteral("Bishop sem reforço: FS0 = %1, D = %2 m")
                                  .arg(Numero(c.bishop.FS0), Numero(c.bishop.circuloFS0.D))});
    }
    if (c.temLow) {
        for (const NivelLow& nivel : NiveisLow(c)) {
            QString texto;
            if (nivel.D > 0) {
                texto = QStringLiteral("%1: D = %2 m, %3")
                            .arg(NomeDe(nivel.curva), Numero(nivel.D), nivel.valor);
            } else {
                texto =
                    (nivel.curva == Saida::FS0 ? QStringLiteral("%1: nenhuma cunha examinada")
                                               : QStringLiteral("%1: nenhuma cunha requer reforço"))
                        .arg(NomeDe(nivel.curva));
            }
            legendas.push_back({CanetaDe(nivel.curva), texto});
        }
    }
    return legendas;
}

// Two columns when every text fits in one, else one: no text is cut at the right edge.
int ColunasDaLegenda(const std::vector<Legenda>& legendas, const QFontMetricsF& medidas,
                     double largura) {
    const double linha = medidas.height();
    const double coluna = (largura - linha) / 2 - linha * 3;
    for (const Legenda& l : legendas) {
        if (medidas.horizontalAdvance(l.texto) > coluna) {
            return 1;
        }
    }
    return 2;
}

void DesenharLegenda(QPainter& pintor, const std::vector<Legenda>& legendas, int colunas,
                     const QRectF& area, double linha) {
    const double larguraColuna = (area.width() - linha) / colunas;
    for (std::size_t i = 0; i < legendas.size(); ++i) {
        const double x = area.left() + linha / 2 + static_cast<double>(i % colunas) * larguraColuna;
        const double y = area.top() + linha * 0.3 + static_cast<double>(i / colunas) * linha * 1.2;
        pintor.setPen(legendas[i].caneta);
        pintor.drawLine(QPointF(x, y + linha / 2), QPointF(x + linha * 2, y + linha / 2));
        pintor.setPen(Qt::black);
        pintor.drawText(QRectF(x + linha * 2.5, y, larguraColuna - linha * 3, linha),
                        Qt::AlignLeft | Qt::AlignVCenter, legendas[i].texto);
    }
}

// Metres to the painter's units at true scale: the same metres per pixel both ways, the drawing
// centred in what the frame leaves.
struct Escala {
    QRectF grafico; // the frame
    Mundo mundo;    // what is shown, in metres
    double porMetro;
    double sobraX, sobraY;

    QPointF operator()(long double x, long double y) const {
        return QPointF(grafico.left() + sobraX / 2 + (static_cast<double>(x) - mundo.x0) * porMetro,
                       grafico.bottom() - sobraY / 2 -
                           (static_cast<double>(y) - mundo.y0) * porMetro);
    }
    double Esquerda() const { return (*this)(mundo.x0, 0).x(); }
    double Direita() const { return (*this)(mundo.x1, 0).x(); }
};

// The legend above, room for the axes' numbers and names below and on the left.
QRectF Quadro(const QRectF& area, const QFontMetricsF& medidas, std::size_t legendas, int colunas) {
    const double linha = medidas.height();
    const double alturaLegenda =
        static_cast<double>((legendas + colunas - 1) / colunas) * linha * 1.2;
    return area.adjusted(medidas.horizontalAdvance(QStringLiteral("-00,0")) + linha * 2,
                         alturaLegenda + linha * 0.9, -linha, -linha * 2.8);
}

Escala EscalaNoQuadro(const CenarioSecao& c, const QRectF& grafico) {
    const double crista = std::max(2.0 * static_cast<double>(c.dados.Alt), 2.0);
    Mundo m = Limites(c, crista);
    m.y1 += 0.15 * (m.y1 - m.y0);
    const double porMetro =
        std::min(grafico.width() / (m.x1 - m.x0), grafico.height() / (m.y1 - m.y0));
    return {grafico, m, porMetro, grafico.width() - porMetro * (m.x1 - m.x0),
            grafico.height() - porMetro * (m.y1 - m.y0)};
}

// The soft layer over the hatched firm base.
void DesenharCamada(QPainter& pintor, const DadosEntrada& d, const Escala& P, double linha) {
    const double esquerda = P.Esquerda(), direita = P.Direita();
    const double base = P(0, -d.Prof).y();
    pintor.fillRect(QRectF(QPointF(esquerda, P(0, 0).y()), QPointF(direita, base)), corMole);
    pintor.fillRect(QRectF(QPointF(esquerda, base), QPointF(direita, base + linha * 0.6)),
                    QBrush(Qt::black, Qt::BDiagPattern));
    pintor.setPen(QPen(Qt::black, 1));
    pintor.drawLine(QPointF(esquerda, base), QPointF(direita, base));
}

// The fill with its berm, out to the right edge.
QPolygonF PoligonoAterro(const DadosEntrada& d, const Escala& P) {
    QPolygonF aterro;
    for (const Ponto& p :
         ContornoAterro(d, static_cast<long double>(P.mundo.x1) - d.Decl * d.Alt)) {
        aterro << P(p.x, p.y);
    }
    return aterro;
}

void DesenharAterro(QPainter& pintor, const DadosEntrada& d, const Escala& P) {
    pintor.setPen(QPen(Qt::black, 1));
    pintor.setBrush(corAterro);
    pintor.drawPolygon(PoligonoAterro(d, P));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawLine(QPointF(P.Esquerda(), P(0, 0).y()), QPointF(P.Direita(), P(0, 0).y()));
}

// The reinforcement under the whole fill, at height a.
void DesenharReforco(QPainter& pintor, const CenarioSecao& c, const Escala& P) {
    const DadosEntrada& d = c.dados;
    const double inicio =
        d.Altberma > 0 && d.Largberma > 0 ? static_cast<double>(-d.Largberma) : 0.0;
    pintor.setPen(QPen(corReforco, 3, Qt::SolidLine, Qt::FlatCap));
    pintor.drawLine(P(inicio + static_cast<double>(c.Posref * d.Decl), c.Posref),
                    P(P.mundo.x1, c.Posref));
}

// Kaniraj's critical circles, each drawn only where it runs through soil.
void DesenharCirculosKaniraj(QPainter& pintor, const CenarioSecao& c, const Escala& P) {
    const DadosEntrada& d = c.dados;
    // With the crack the wedge is bounded in the fill by the crack, not by the arc: its arc stays
    // in the layer.
    QPainterPath camada;
    camada.addRect(
        QRectF(QPointF(P.Esquerda(), P(0, 0).y()), QPointF(P.Direita(), P(0, -d.Prof).y())));
    QPainterPath solo = camada;
    solo.addPolygon(PoligonoAterro(d, P));
    solo = solo.simplified();

    for (const auto& [r, curva] : {std::pair{c.semTrinca, Saida::KanirajSemTrinca},
                                   std::pair{c.comTrinca, Saida::KanirajComTrinca}}) {
        const bool trinca = curva == Saida::KanirajComTrinca;
        const QPen caneta = CanetaDe(curva);
        const QColor cor = caneta.color();
        const auto circulo = CirculoKaniraj(r);
        if (!circulo) {
            continue;
        }
        const QPointF centro = P(circulo->centro.x, circulo->centro.y);
        pintor.setPen(caneta);
        pintor.drawPath(ArcoDentro(trinca ? camada : solo, centro,
                                   static_cast<double>(circulo->raio) * P.porMetro));
        // The centre, and the tension crack through the fill where the arc leaves the
        // foundation on the crest side.
        if (circulo->centro.y <= P.mundo.y1) {
            pintor.setPen(QPen(cor, 1));
            pintor.drawLine(centro + QPointF(-4, 0), centro + QPointF(4, 0));
            pintor.drawLine(centro + QPointF(0, -4), centro + QPointF(0, 4));
        }
        if (trinca) {
            if (const auto cortes = CortesNaSuperficie(*circulo)) {
                const long double x = cortes->second;
                pintor.setPen(QPen(cor, 2, Qt::DotLine));
                pintor.drawLine(P(x, 0), P(x, CotaTerreno(d, x)));
            }
        }
    }
}

// A label's box moved to the left of every label already placed that it would cover.
QRectF AoLadoDasColocadas(QRectF caixa, const std::vector<QRectF>& colocadas) {
    for (bool cobre = true; cobre;) {
        cobre = false;
        for (const QRectF& outra : colocadas) {
            if (caixa.intersects(outra)) {
                caixa.moveRight(outra.left() - 4);
                cobre = true;
            }
        }
    }
    return caixa;
}

// Each depth a line across the layer with its name at the right; one on the base is drawn just
// above the hatch, and names at the same depth stand side by side.
void DesenharNiveisLow(QPainter& pintor, const CenarioSecao& c, const Escala& P) {
    const double esquerda = P.Esquerda(), direita = P.Direita();
    const double base = P(0, -c.dados.Prof).y();
    QFont fonte = pintor.font();
    fonte.setPointSizeF(fonte.pointSizeF() * 0.9);
    const QFontMetricsF pequenas(fonte);
    std::vector<QRectF> colocadas;
    for (const NivelLow& nivel : NiveisLow(c)) {
        if (!(nivel.D > 0)) {
            continue;
        }
        QPen caneta = CanetaDe(nivel.curva);
        const double y = std::min(P(0, -nivel.D).y(), base - caneta.widthF());
        pintor.setPen(caneta);
        pintor.drawLine(QPointF(esquerda, y), QPointF(direita, y));
        const QString rotulo = QStringLiteral("%1: %2 m").arg(nivel.rotulo, Numero(nivel.D));
        const double largura = pequenas.horizontalAdvance(rotulo) + 6;
        const QRectF caixa = AoLadoDasColocadas(
            QRectF(direita - largura, y - pequenas.height() - 2, largura, pequenas.height()),
            colocadas);
        colocadas.push_back(caixa);
        pintor.save();
        pintor.setFont(fonte);
        pintor.fillRect(caixa, QColor(255, 255, 255, 220));
        pintor.setPen(caneta.color());
        pintor.drawText(caixa, Qt::AlignCenter, rotulo);
        pintor.restore();
    }
}

// Axes in metres; the y axis stays beside the drawing, wherever the true scale leaves it in the
// area.
void DesenharEixos(QPainter& pintor, const Escala& P, const QFontMetricsF& medidas) {
    const Mundo& m = P.mundo;
    const double linha = medidas.height();
    const double esquerda = P.Esquerda(), direita = P.Direita();
    pintor.setPen(QPen(Qt::black, 1));
    const double eixoY = esquerda - linha * 0.3;
    const double eixoX = P(0, m.y0).y() + linha * 0.6;
    pintor.drawLine(QPointF(esquerda, eixoX), QPointF(direita, eixoX));
    pintor.drawLine(QPointF(eixoY, P(0, m.y0).y()), QPointF(eixoY, P(0, m.y1).y()));
    const double passoX = PassoRedondo(
        m.x1 - m.x0, std::max(2, static_cast<int>((direita - esquerda) / (linha * 5))));
    for (double x = std::ceil(m.x0 / passoX) * passoX; x <= m.x1 + 1e-9; x += passoX) {
        const double px = P(x, 0).x();
        pintor.drawLine(QPointF(px, eixoX), QPointF(px, eixoX + 4));
        const QString t = QString::fromStdString(FormatoGeral(std::round(x * 1000) / 1000));
        pintor.drawText(QRectF(px - 40, eixoX + 4, 80, linha), Qt::AlignHCenter | Qt::AlignTop, t);
    }
    const double passoY = PassoRedondo(
        m.y1 - m.y0,
        std::max(2, static_cast<int>((P(0, m.y0).y() - P(0, m.y1).y()) / (linha * 2.5))));
    for (double y = std::ceil(m.y0 / passoY) * passoY; y <= m.y1 + 1e-9; y += passoY) {
        const double py = P(0, y).y();
        pintor.drawLine(QPointF(eixoY - 4, py), QPointF(eixoY, py));
        const QString t = QString::fromStdString(FormatoGeral(std::round(y * 1000) / 1000));
        pintor.drawText(QRectF(eixoY - 6 - linha * 4, py - linha / 2, linha * 4, linha),
                        Qt::AlignRight | Qt::AlignVCenter, t);
    }
    pintor.drawText(QRectF(esquerda, eixoX + linha * 1.2, direita - esquerda, linha),
                    Qt::AlignHCenter, QStringLiteral("x (m), a partir do pé do talude principal"));
    pintor.save();
    pintor.translate(eixoY - 6 - medidas.horizontalAdvance(QStringLiteral("-00,0")) - linha * 1.4,
                     P(0, (m.y0 + m.y1) / 2).y());
    pintor.rotate(-90);
    pintor.drawText(QRectF(-P.grafico.height() / 2, 0, P.grafico.height(), linha), Qt::AlignHCenter,
                    QStringLiteral("y (m)"));
    pintor.restore();
}

} // namespace

void DesenharCirculosBishop(QPainter& pintor, const CenarioSecao& c, const Escala& P) {
    const DadosEntrada& d = c.dados;
    QPainterPath solo;
    solo.addRect(
        QRectF(QPointF(P.Esquerda(), P(0, 0).y()), QPointF(P.Direita(), P(0, -d.Prof).y())));
    solo.addPolygon(PoligonoAterro(d, P));
    solo = solo.simplified();
    for (const auto& [circulo, caneta] : CirculosBishop(c)) {
        const QPointF centro = P(circulo.xc, circulo.yc);
        pintor.setPen(caneta);
        pintor.drawPath(ArcoDentro(solo, centro, static_cast<double>(circulo.Raio()) * P.porMetro));
        if (circulo.yc <= P.mundo.y1) {
            pintor.setPen(QPen(caneta.color(), 1));
            pintor.drawEllipse(centro, 3, 3);
        }
    }
}

void SecaoTransversal::Desenhar(QPainter& pintor, const QRectF& area) const {
    const CenarioSecao& c = cenario_;
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.fillRect(area, Qt::white);
    if (!(c.dados.Alt > 0) || !(c.dados.Prof > 0)) {
        pintor.restore();
        return;
    }
    const QFontMetricsF medidas(pintor.font());
    const std::vector<Legenda> legendas = Legendas(c);
    const int colunas = ColunasDaLegenda(legendas, medidas, area.width());
    const Escala P = EscalaNoQuadro(c, Quadro(area, medidas, legendas.size(), colunas));

    DesenharCamada(pintor, c.dados, P, medidas.height());
    DesenharAterro(pintor, c.dados, P);
    DesenharReforco(pintor, c, P);
    if (c.temKaniraj) {
        DesenharCirculosKaniraj(pintor, c, P);
    }
    if (c.temLow) {
        DesenharNiveisLow(pintor, c, P);
    }
    DesenharCirculosBishop(pintor, c, P);
    DesenharEixos(pintor, P, medidas);
    DesenharLegenda(pintor, legendas, colunas, area, medidas.height());
    pintor.restore();
}
