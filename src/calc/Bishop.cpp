#include "Bishop.h"

#include "Geometria.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr long double pi = 3.141592653589793238462643383279502884L;

// Slices per circle in the search: the force and FS0 change by less than 0.05 % from 40 slices to
// 1000 on the published benchmarks.
constexpr int fatiasNaBusca = 40;
// Below this m_α a fill slice's normal force is not to be trusted (Bishop's known limit where the
// base dips steeply against the fill's friction).
constexpr long double mAlfaMinimo = 0.2L;

// The lower arc's height at x, |x − xc| ≤ R.
long double Arco(const CirculoBishop& c, long double x) {
    const long double R = c.Raio();
    const long double d = x - c.xc;
    return c.yc - std::sqrt(std::max<long double>(R * R - d * d, 0));
}

// The first x from the centre's vertical toward the toe (lado −1) or the crest (+1) where the
// lower arc rises to the height `alvo` gives (the ground, the crack's bottom); none when it does
// not within the radius.
template <class Alvo>
std::optional<long double> Encontro(const CirculoBishop& c, int lado, Alvo&& alvo) {
    const long double R = c.Raio();
    const auto abaixo = [&](long double x) { return Arco(c, x) < alvo(x); };
    if (!abaixo(c.xc))
        return std::nullopt;
    // The ground and the crack's bottom never rise away from the crest, so toward the toe the arc
    // meets them once; toward the crest a berm's face may rise behind a lower stretch: look for
    // the first meeting in steps before closing in on it.
    const int passos = lado < 0 ? 1 : 24;
    long double dentro = c.xc;
    for (int i = 1; i <= passos; ++i) {
        const long double x = c.xc + lado * R * i / passos;
        if (abaixo(x)) {
            dentro = x;
            continue;
        }
        // Closed in on by false position, the Illinois way (the end that stays has its height
        // halved), so that both ends move: a few steps where halving would take forty.
        const auto h = [&](long double x) { return Arco(c, x) - alvo(x); };
        long double fora = x, hDentro = h(dentro), hFora = h(fora);
        int ficou = 0; // which end stayed last: −1 inside, +1 outside
        for (int k = 0; k < 200 && std::fabs(fora - dentro) > 1e-12L * R; ++k) {
            long double meio = dentro + (fora - dentro) * (hDentro / (hDentro - hFora));
            if (!(std::fabs(meio - dentro) < std::fabs(fora - dentro)) || meio == dentro)
                meio = dentro + (fora - dentro) / 2;
            const long double hMeio = h(meio);
            if (hMeio < 0) {
                dentro = meio;
                hDentro = hMeio;
                if (ficou == +1)
                    hFora /= 2;
                ficou = +1;
            } else {
                fora = meio;
                hFora = hMeio;
                if (ficou == -1)
                    hDentro /= 2;
                ficou = -1;
            }
        }
        return dentro;
    }
    return std::nullopt;
}

// The x where the ground bends: the berm's toe, the top of its face and its inner edge, the main
// slope's toe and the crest's edge.
std::vector<long double> DobrasDoTerreno(const DadosEntrada& p) {
    const long double H = p.Alt, n = p.Decl, hb = p.Altberma, b = p.Largberma;
    if (hb > 0 && b > 0)
        return {-b, -b + n * hb, n * hb, n * H};
    return {0, n * H};
}

// n slices over the segments between the edges, in proportion to their widths, at least one each,
// the total exactly n where the segments allow (largest remainders first).
std::vector<int> Distribuir(const std::vector<long double>& bordas, int n) {
    const std::size_t segmentos = bordas.size() - 1;
    const long double total = bordas.back() - bordas.front();
    std::vector<int> k(segmentos, 1);
    std::vector<long double> resto(segmentos);
    int dados = static_cast<int>(segmentos);
    for (std::size_t s = 0; s < segmentos; ++s) {
        const long double ideal = n * (bordas[s + 1] - bordas[s]) / total;
        const int inteiro = std::max(1, static_cast<int>(std::floor(ideal)));
        dados += inteiro - 1;
        k[s] = inteiro;
        resto[s] = ideal - inteiro;
    }
    std::vector<std::size_t> ordem(segmentos);
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(),
                     [&](std::size_t a, std::size_t b) { return resto[a] > resto[b]; });
    for (std::size_t i = 0; dados < n && i < segmentos; ++i, ++dados)
        ++k[ordem[i]];
    return k;
}

// One circle as the search sees it.
struct Avaliacao {
    bool valido = false;
    std::optional<long double> FS0;
    // The force that brings the circle to F (≤ 0: it needs none); none when no reinforcement at
    // height a crosses it, or its moments cannot be trusted.
    std::optional<long double> P;
    bool semCruzamento = false; // below F, and the reinforcement does not cross it
};

Avaliacao Avaliar(const DadosEntrada& p, const CirculoBishop& c, const TrincaBishop& t,
                  long double F, long double a) {
    Avaliacao r;
    const std::optional<MassaBishop> massa = FatiarCirculo(p, c, t, fatiasNaBusca);
    if (!massa)
        return r;
    r.FS0 = FatorSemReforco(p, c, *massa);
    const std::optional<MomentosBishop> m = Momentos(p, c, *massa, F);
    r.valido = r.FS0 || m;
    if (!m)
        return r;
    const long double deficit = F * m->atuante - m->resistente;
    if (!(deficit > 0)) {
        r.P = deficit;
        return r;
    }
    // The reinforcement crosses the arc where it rises through height a on the crest side, inside
    // the mass and with fill above it: one lying on the ground's surface (a = H on the crest, or
    // beyond the fill's toe) crosses nothing.
    const long double R = c.Raio(), braco = c.yc - a;
    const bool cruza = braco > 0 && braco < R && [&] {
        const long double x = c.xc + std::sqrt(R * R - braco * braco);
        // At the crack's bottom when the crack reaches the reinforcement: within the rounding of
        // the meeting found.
        const long double folga = 1e-9L * R;
        return x <= massa->direita + folga && CotaTerreno(p, x) > a + folga;
    }();
    if (cruza)
        r.P = deficit / braco;
    else
        r.semCruzamento = true;
    return r;
}

// The centres' grid: xc and yc from `de` to `ate` in `pontos` points each, D in `profundidades`
// steps down to T.
struct Grade {
    long double xDe, xAte, yDe, yAte;
    static constexpr int pontosX = 10, pontosY = 8, profundidades = 6;
    long double X(int i) const { return xDe + (xAte - xDe) * i / (pontosX - 1); }
    long double Y(int j) const { return yDe + (yAte - yDe) * j / (pontosY - 1); }
};

struct Melhor {
    long double valor;
    CirculoBishop circulo;
    int i = -1, j = -1;
    bool achado = false;
};

// From a circle of the grid, the neighbouring circles with ever finer steps, while one improves
// on it: `melhor(a, b)` says whether a improves on b.
template <class Valor, class Compara>
Melhor Refinar(Melhor inicio, long double passoX, long double passoY, long double passoD,
               long double T, Valor&& valor, Compara&& melhor, int& circulos) {
    Melhor atual = inicio;
    for (int volta = 0; volta < 400; ++volta) {
        if (passoX < 1e-3L && passoY < 1e-3L && passoD < 1e-3L * T)
            break;
        bool andou = false;
        const CirculoBishop c = atual.circulo;
        const std::array<CirculoBishop, 6> vizinhos{{{c.xc - passoX, c.yc, c.D},
                                                     {c.xc + passoX, c.yc, c.D},
                                                     {c.xc, c.yc - passoY, c.D},
                                                     {c.xc, c.yc + passoY, c.D},
                                                     {c.xc, c.yc, c.D - passoD},
                                                     {c.xc, c.yc, std::min(T, c.D + passoD)}}};
        for (const CirculoBishop& v : vizinhos) {
            if (!(v.D > 0) || (v.D == c.D && v.xc == c.xc && v.yc == c.yc))
                continue;
            ++circulos;
            const std::optional<long double> x = valor(v);
            if (x && melhor(*x, atual.valor)) {
                atual.valor = *x;
                atual.circulo = v;
                andou = true;
            }
        }
        if (!andou) {
            passoX /= 2;
            passoY /= 2;
            passoD /= 2;
        }
    }
    return atual;
}

RelatoBishop Buscar(const DadosEntrada& p, long double F, long double a, const TrincaBishop& t) {
    RelatoBishop r;
    const long double H = p.Alt, T = p.Prof;
    const long double pe = p.Altberma > 0 && p.Largberma > 0 ? -p.Largberma : 0;
    Grade grade{pe - H, p.Decl * H + H, 0.5L * H, H + 2 * (H + T)};
    Melhor fs0{0, {}}, forca{0, {}};
    for (int ampliacao = 0;; ++ampliacao) {
        fs0 = forca = Melhor{0, {}};
        for (int i = 0; i < Grade::pontosX; ++i) {
            for (int j = 0; j < Grade::pontosY; ++j) {
                for (int k = 1; k <= Grade::profundidades; ++k) {
                    const CirculoBishop c{grade.X(i), grade.Y(j), T * k / Grade::profundidades};
                    ++r.circulos;
                    const Avaliacao v = Avaliar(p, c, t, F, a);
                    r.semSolucao |= v.semCruzamento;
                    if (v.FS0 && (!fs0.achado || *v.FS0 < fs0.valor))
                        fs0 = {*v.FS0, c, i, j, true};
                    if (v.P && (!forca.achado || *v.P > forca.valor))
                        forca = {*v.P, c, i, j, true};
                }
            }
        }
        // A critical centre on the grid's edge may have a lower one beyond it: widen that way.
        const auto borda = [](const Melhor& m) {
            return m.achado &&
                   (m.i == 0 || m.i == Grade::pontosX - 1 || m.j == 0 || m.j == Grade::pontosY - 1);
        };
        if (!borda(fs0) && !borda(forca))
            break;
        if (ampliacao == 3) {
            r.naBorda = true;
            break;
        }
        const long double largura = grade.xAte - grade.xDe, altura = grade.yAte - grade.yDe;
        for (const Melhor* m : {&fs0, &forca}) {
            if (!borda(*m))
                continue;
            if (m->i == 0)
                grade.xDe -= largura / 2;
            if (m->i == Grade::pontosX - 1)
                grade.xAte += largura / 2;
            if (m->j == 0)
                grade.yDe = std::max(grade.yDe - altura / 2, 1e-3L * H);
            if (m->j == Grade::pontosY - 1)
                grade.yAte += altura / 2;
        }
    }
    if (!fs0.achado && !forca.achado) {
        r.situacao = SituacaoDados::SemCirculoBishop;
        return r;
    }
    const long double passoX = (grade.xAte - grade.xDe) / (Grade::pontosX - 1);
    const long double passoY = (grade.yAte - grade.yDe) / (Grade::pontosY - 1);
    const long double passoD = T / Grade::profundidades;
    // Every circle examined counts for the force: the lowest one's refinement may find circles
    // below F (shallow ones, say) that the force's refinement never visits.
    const auto avaliar = [&](const CirculoBishop& c) {
        const Avaliacao v = Avaliar(p, c, t, F, a);
        r.semSolucao |= v.semCruzamento;
        if (v.P && (!forca.achado || *v.P > forca.valor))
            forca = {*v.P, c, -1, -1, true};
        return v;
    };
    if (fs0.achado) {
        fs0 = Refinar(
            fs0, passoX, passoY, passoD, T, [&](const CirculoBishop& c) { return avaliar(c).FS0; },
            [](long double x, long double y) { return x < y; }, r.circulos);
        avaliar(fs0.circulo);
        r.FS0 = fs0.valor;
        r.circuloFS0 = fs0.circulo;
    }
    if (forca.achado) {
        forca = Refinar(
            forca, passoX, passoY, passoD, T, [&](const CirculoBishop& c) { return avaliar(c).P; },
            [](long double x, long double y) { return x > y; }, r.circulos);
        if (forca.valor > 0) {
            r.P = forca.valor;
            r.circuloP = forca.circulo;
        }
    }
    return r;
}

} // namespace

long double ResistenciaNaoDrenada(const DadosEntrada& p, long double z) {
    const long double T = p.Prof, Z = p.Dist;
    if (Z == 0)
        return p.Superf + (p.Cont - p.Superf) * z / T;
    if (Z >= T || z <= Z)
        return p.Superf + (p.ProfZ - p.Superf) * z / Z;
    return p.ProfZ + (p.Cont - p.ProfZ) * (z - Z) / (T - Z);
}

std::optional<MassaBishop> FatiarCirculo(const DadosEntrada& p, const CirculoBishop& c,
                                         const TrincaBishop& t, int fatias) {
    if (!(c.D > 0) || !(c.yc > 0) || fatias < 1)
        return std::nullopt;
    const auto chao = [&](long double x) { return CotaTerreno(p, x); };
    const std::optional<long double> esquerda = Encontro(c, -1, chao);
    const std::optional<long double> direita = Encontro(c, +1, chao);
    if (!esquerda || !direita)
        return std::nullopt;
    MassaBishop m;
    m.esquerda = *esquerda;
    m.direita = *direita;
    if (t.atravesDoAterro || t.profundidade) {
        const auto fundo = [&](long double x) {
            return t.atravesDoAterro ? 0 : std::max<long double>(0, chao(x) - *t.profundidade);
        };
        const std::optional<long double> trinca = Encontro(c, +1, fundo);
        if (trinca && *trinca < m.direita) {
            m.direita = *trinca;
            const long double base = Arco(c, *trinca);
            const long double altura = chao(*trinca) - base;
            if (t.comAgua) {
                m.empuxoAgua = t.pesoAgua * altura * altura / 2;
                m.alturaEmpuxo = base + altura / 3;
            }
        }
    }
    // The edges: the mass's ends, where the arc crosses the foundation surface, where the ground
    // bends.
    const long double R = c.Raio();
    const long double meiaCorda = std::sqrt(R * R - c.yc * c.yc);
    std::vector<long double> bordas{m.esquerda, m.direita};
    for (long double x : DobrasDoTerreno(p))
        bordas.push_back(x);
    bordas.push_back(c.xc - meiaCorda);
    bordas.push_back(c.xc + meiaCorda);
    std::sort(bordas.begin(), bordas.end());
    bordas.erase(std::remove_if(bordas.begin(), bordas.end(),
                                [&](long double x) { return x < m.esquerda || x > m.direita; }),
                 bordas.end());
    bordas.erase(std::unique(bordas.begin(), bordas.end()), bordas.end());
    if (bordas.size() < 2)
        return std::nullopt;
    const std::vector<int> porSegmento = Distribuir(bordas, fatias);
    m.fatias.reserve(
        static_cast<std::size_t>(std::accumulate(porSegmento.begin(), porSegmento.end(), 0)));
    const long double gama = p.Pesesp;
    for (std::size_t s = 0; s + 1 < bordas.size(); ++s) {
        const long double largura = (bordas[s + 1] - bordas[s]) / porSegmento[s];
        for (int i = 0; i < porSegmento[s]; ++i) {
            FatiaBishop f;
            f.x = bordas[s] + (i + 0.5L) * largura;
            f.largura = largura;
            const long double base = Arco(c, f.x);
            f.senoAlfa = (f.x - c.xc) / R;
            f.cossenoAlfa = (c.yc - base) / R;
            f.naArgila = base < 0;
            f.peso = gama * std::max<long double>(0, chao(f.x) - std::max<long double>(base, 0)) *
                     largura;
            f.cu = f.naArgila ? ResistenciaNaoDrenada(p, -base) : 0;
            m.fatias.push_back(f);
        }
    }
    return m;
}

namespace {

// What the moments take from the mass whatever F: the fill's tan φ, the weights' moment and the
// clay's resistance (φ = 0 there, so it has no m_α).
struct PartesFixas {
    long double tanPhi = 0, atuante = 0, argila = 0;
};

PartesFixas Fixas(const DadosEntrada& p, const MassaBishop& massa) {
    PartesFixas fixas;
    fixas.tanPhi = std::tan(p.Angat * pi / 180);
    for (const FatiaBishop& f : massa.fatias) {
        fixas.atuante += f.peso * f.senoAlfa;
        if (f.naArgila)
            fixas.argila += f.cu * f.largura / f.cossenoAlfa;
    }
    return fixas;
}

// The moments with every fill slice's m_α at least `mMinimo`; none otherwise.
std::optional<MomentosBishop> MomentosEm(const DadosEntrada& p, const CirculoBishop& c,
                                         const MassaBishop& massa, const PartesFixas& fixas,
                                         long double F, long double mMinimo) {
    long double resistente = fixas.argila;
    for (const FatiaBishop& f : massa.fatias) {
        if (f.naArgila)
            continue;
        const long double mAlfa = f.cossenoAlfa + f.senoAlfa * fixas.tanPhi / F;
        if (!(mAlfa > mMinimo))
            return std::nullopt;
        resistente += (p.Coesao * f.largura + f.peso * fixas.tanPhi) / mAlfa;
    }
    const long double R = c.Raio();
    return MomentosBishop{R * resistente,
                          R * fixas.atuante + massa.empuxoAgua * (c.yc - massa.alturaEmpuxo)};
}

constexpr long double mAlfaAceito = mAlfaMinimo - std::numeric_limits<long double>::epsilon();

} // namespace

std::optional<MomentosBishop> Momentos(const DadosEntrada& p, const CirculoBishop& c,
                                       const MassaBishop& massa, long double F) {
    return MomentosEm(p, c, massa, Fixas(p, massa), F, mAlfaAceito);
}

std::optional<long double> FatorSemReforco(const DadosEntrada& p, const CirculoBishop& c,
                                           const MassaBishop& massa) {
    // The iteration may pass through factors at which a base dipping against the fill's friction
    // has a small m_α; only the factor it settles on must keep every m_α above the limit. A larger
    // factor raises those m_α: where one is not positive, the iteration starts again higher.
    const PartesFixas fixas = Fixas(p, massa);
    long double F = 1;
    for (int i = 0; i < 200; ++i) {
        const std::optional<MomentosBishop> m = MomentosEm(p, c, massa, fixas, F, 0);
        if (!m) {
            F *= 2;
            if (F > 1e6L)
                return std::nullopt;
            continue;
        }
        if (!(m->atuante > 0))
            return std::nullopt;
        const long double novo = m->resistente / m->atuante;
        if (!(novo > 0))
            return 0.0L; // nothing resists
        if (std::fabs(novo - F) <= 1e-14L * novo)
            return MomentosEm(p, c, massa, fixas, novo, mAlfaAceito)
                       ? std::optional<long double>(novo)
                       : std::nullopt;
        F = novo;
    }
    return std::nullopt;
}

RelatoBishop AnaliseBishop(const DadosEntrada& p, long double F, long double a,
                           const TrincaBishop& trinca) {
    RelatoBishop r;
    r.situacao = VerificarDados(p.Alt, p.Pesesp, p.Prof, p.Dist,
                                {p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, p.Altberma,
                                 p.Largberma, p.Prof, p.Dist, p.Superf, p.ProfZ, p.Cont, F, a,
                                 trinca.profundidade.value_or(0), trinca.pesoAgua});
    if (r.situacao == SituacaoDados::Aceitos)
        r.situacao = VerificarDominio(p.Angat, p.Decl, p.Coesao, p.Superf, p.ProfZ, p.Cont, F);
    if (r.situacao == SituacaoDados::Aceitos && !(a >= 0 && a <= p.Alt))
        r.situacao = SituacaoDados::PosicaoReforco;
    if (r.situacao == SituacaoDados::Aceitos && trinca.profundidade && !(*trinca.profundidade > 0))
        r.situacao = SituacaoDados::ProfundidadeTrinca;
    if (r.situacao != SituacaoDados::Aceitos)
        return r;
    RelatoBishop calculado;
    bool falhou;
    {
        VigiaPontoFlutuante vigia;
        calculado = Buscar(p, F, a, trinca);
        falhou = vigia.Falhou() || !std::isfinite(calculado.FS0) || !std::isfinite(calculado.P);
    }
    if (falhou) {
        r.situacao = SituacaoDados::ForaDoIntervalo;
        return r;
    }
    return calculado;
}
