#include "BuscaFator.h"

#include "Prefixo.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double limiteFator = 20;

// Below this base the estimate's error bound no longer holds: such samples, at most one at the
// end of a wedge's range (the base falls by at least 2^-11 a step when it can reach zero before
// k = 20), are tested with the scan's own evaluation.
constexpr long double baseMinima = 0x1p-12L;

// Relative slack of the estimate's bounds: some 256 times the error of the double-precision
// evaluation below (about 2^-38 of the magnitudes involved, set by the base's rounding).
constexpr double folga = 0x1p-30;

// g in double precision, with what the bounds need: its lower bound on g′ and the margin M that
// exceeds the error of this estimate and of the scan's own evaluation at any step.
struct Estimador {
    double x, q, a; // a = β·r/E
    double margem;

    double Valor(double kd, double& inclinacaoMin) const {
        double inclinacaoMax;
        return Valor(kd, inclinacaoMin, inclinacaoMax);
    }

    // With an upper bound on g′ too.
    double Valor(double kd, double& inclinacaoMin, double& inclinacaoMax) const {
        const double base = 1 - a * kd;
        // At k = 0, where every bisector search starts, the power is 1 exactly.
        const double p = base == 1 ? 1 : std::exp(0.32 * std::log(base));
        const double c = x * q * 0.32 * a * p / base;
        inclinacaoMin = (c - 1) - folga * (c + 1);
        inclinacaoMax = (c - 1) + folga * (c + 1);
        return x * (1 - q * p) - kd;
    }
};

Estimador EstimadorDe(const CriterioFator& c, double q) {
    const double x = static_cast<double>(c.x);
    return {x, q, static_cast<double>(c.beta * c.r / c.E), folga * (x * (1 + q) + 21)};
}

// The estimate is made for the values Low's wedges produce (x ≤ 5.5, q ≤ 1, β·r/E ≤ 10); far
// outside them it is not trusted and the scan runs instead.
bool Estimavel(const CriterioFator& c, double q) {
    const long double A = c.beta * c.r;
    return c.x > 0 && c.x <= 1e6L && q >= 0 && q <= 1e6 && A >= 0 && c.E > 0 && A * 1e-6L <= c.E;
}

// k of step j in double precision, within an ulp of double of j/100 (0.01 is within half an ulp,
// the product rounds once), as the scan's k is within 2^-63 of it.
double FatorEmDouble(int j) {
    return j * 0.01;
}

// Up to this step k is below 20 whatever the rounding of 0.01L·j.
constexpr int ultimoAbaixoDoLimite = 1999;

// Whether the scan's base at k is surely at least 2^-12, decided in double precision: that base
// and 1 − a·k in double differ by under 2^-48 wherever the latter is positive, far below the
// factor 2 of room taken here. Spares the extended-precision division of the base at most steps.
bool BaseSegura(const Estimador& estimador, double kd) {
    return 1 - estimador.a * kd >= 2 * static_cast<double>(baseMinima);
}

// Whether the scan reaches step j without stopping and with a base the estimate covers. False
// from some j on, never true again: k grows with j and the base falls, each rounding monotonic.
bool Coberto(const CriterioFator& c, const Estimador& estimador, int j) {
    if (j <= ultimoAbaixoDoLimite && BaseSegura(estimador, FatorEmDouble(j)))
        return true;
    const long double k = FatorDoPasso(j);
    return k <= limiteFator && BaseDoPasso(c, k) >= baseMinima;
}

// Past step 2001 k exceeds 20.
constexpr int ultimoPossivel = 2001;

// The last covered step from a covered step jA on. The steps covered form a prefix; the estimate
// from the base's zero lands within a step or two of its end.
int UltimoCoberto(const CriterioFator& c, const Estimador& estimador, int jA) {
    int j = ultimoPossivel;
    if (estimador.a > 0) {
        const double estimado = (1 - static_cast<double>(baseMinima)) / estimador.a * 100;
        if (estimado < ultimoPossivel)
            j = std::max(jA, static_cast<int>(estimado));
    }
    return UltimoDoPrefixo(jA, ultimoPossivel, j, [&](int k) { return Coberto(c, estimador, k); });
}

// A last step from jA on whose k lies within `alcance` (0 to 20) of k(jA). The steps up to
// jA + ⌊100·alcance·(1 − 2^-40)⌋ do: each k ≤ 20 lies within 2^-63 relative of j/100, so k − k(jA)
// is within 2^-57 of (j − jA)/100, which the factor 1 − 2^-40 covers for a reach above 2^-17
// (below it no step beyond jA is taken). At most a step short of the exact border, and only
// where 100·alcance lies within 2^-40 of an integer, which only costs one more round.
int UltimoAoAlcance(int jA, double alcance) {
    return jA + static_cast<int>(alcance * 100 * (1 - 0x1p-40));
}

} // namespace

FatorQ FatorQ::DaRazao(long double razao) {
    FatorQ q;
    q.razao_ = razao;
    q.conhecido_ = false;
    return q;
}

long double FatorQ::Exato() const {
    if (!conhecido_) {
        exato_ = 1 / std::exp(0.68L * std::log(razao_));
        conhecido_ = true;
    }
    return exato_;
}

double FatorQ::Estimado() const {
    // Within these bounds nothing below overflows, divides by zero or is invalid: the estimate
    // raises no flag the analyses watch.
    if (estimado_ >= 0)
        return estimado_;
    if (!conhecido_ && razao_ >= 1e-300L && razao_ <= 1e300L)
        estimado_ = 1 / std::exp(0.68 * std::log(static_cast<double>(razao_)));
    else
        estimado_ = static_cast<double>(Exato());
    return estimado_;
}

long double FatorDoPasso(int j) {
    return 0.01L * j;
}

long double BaseDoPasso(const CriterioFator& criterio, long double k) {
    return 1 - criterio.beta * criterio.r * k / criterio.E;
}

long double ValorFator(const CriterioFator& criterio, long double k, long double base) {
    return criterio.x * (1 - criterio.q.Exato() * std::exp(0.32L * std::log(base))) - k;
}

PassoFator BuscaFatorLinear(const CriterioFator& criterio, int de) {
    for (int j = de;; ++j) {
        const long double k = FatorDoPasso(j);
        if (k > limiteFator)
            return {FimBuscaFator::ForcaAlemDoLimite, j};
        const long double base = BaseDoPasso(criterio, k);
        if (base <= 0)
            return {FimBuscaFator::BaseNaoPositiva, j};
        if (ValorFator(criterio, k, base) <= 0)
            return {FimBuscaFator::Encontrado, j};
    }
}

BuscaRapida::BuscaRapida(const CriterioFator& criterio) : criterio_(criterio) {
    const double q = criterio.q.Estimado();
    estimavel_ = Estimavel(criterio, q);
    if (estimavel_) {
        const Estimador e = EstimadorDe(criterio, q);
        x_ = e.x;
        q_ = e.q;
        a_ = e.a;
        margem_ = e.margem;
    }
}

PassoFator BuscaFator(const CriterioFator& criterio, int de) {
    return BuscaRapida(criterio).Busca(de);
}

PassoFator BuscaRapida::Busca(int de) const {
    if (!estimavel_)
        return BuscaFatorLinear(criterio_, de);
    int ultimoCoberto = -1;
    return Percorre(de, ultimoCoberto);
}

int BuscaRapida::Salto(int j, double g, double inclinacaoMin, int& ultimoCoberto) const {
    const Estimador estimador{x_, q_, a_, margem_};
    // No step lies more than 20 beyond kA: a longer reach is not computed (it could overflow).
    // Both the reach and the covered steps are prefixes: the skip ends at the nearer end.
    const double folgaG = g - 2 * estimador.margem;
    int ate = ultimoPossivel;
    if (folgaG < -inclinacaoMin * 20)
        ate = UltimoAoAlcance(j, folgaG / -inclinacaoMin * (1 - folga));
    if (!Coberto(criterio_, estimador, ate)) {
        if (ultimoCoberto < 0)
            ultimoCoberto = UltimoCoberto(criterio_, estimador, j);
        ate = std::min(ate, ultimoCoberto);
    }
    return ate + 1;
}

// Why the steps this search skips are exactly those the scan rejects.
//
// Let A = β·r as the scan rounds it and b(k) = 1 − A·k/E, exactly. Where b > 0,
//     g(k) = x − x·q·b(k)^e − k,   e = 0.32 (as the long double 0.32L),
// is convex: b is affine and b^e concave for 0 < e < 1, and x, q ≥ 0. So g lies above each of its
// tangents: g(k) ≥ g(kA) + g′(kA)·(k − kA), with g′(k) = x·q·e·(A/E)·b^e/b − 1.
//
// Rounding. The scan's k(j) = 0.01L·j never decreases with j, and its base never increases (each
// operation rounds monotonically). Where the scan's base is at least 2^-12 it is within 2^-62 of
// b(k(j)), so its g differs from the exact g(k(j)) by under 2^-50 of x + x·q + 20. The estimate
// in double precision (inputs rounded to 53 bits, k as j·0.01 in double, within an ulp of
// double of the scan's k, q worked out from F/FS0 ≤ 1E300 within 2^-44 relative, base within
// 2^-50, exp and log within an ulp or two) differs from it by under 2^-38 of that sum, and its
// slope factor x·q·e·(A/E)·b^e/b by under 2^-37 relative; the margin M = 2^-30·(x·(1 + q) + 21)
// and the slope's slack of 2^-30 cover both with a factor of some hundreds.
//
// The search. At a step jA the scan reaches (k ≤ 20, base ≥ 2^-12) with estimate ĝ > 2M, the
// exact g(kA) exceeds ĝ − M, and for every later step within
//     alcance = (ĝ − 2M) / (−g′min)·(1 − 2^-30)   (unbounded when g′min ≥ 0)
// of kA the tangent keeps g above M, so the scan's own g there is positive: rejected. Steps are
// skipped only where the scan would neither stop nor leave the base the bounds cover (checked at
// the last one skipped; both tests are monotonic). A step with ĝ < −2M has g < −M, so the scan's
// g there is negative: accepted. Only with |ĝ| ≤ 2M, or a base below 2^-12, is the scan's own
// evaluation needed, and it decides the step exactly as the scan does. From the left of a root
// the tangent never passes it, so the skips are Newton steps: a few per search.
PassoFator BuscaRapida::Percorre(int j, int& ultimoCoberto) const {
    const CriterioFator& criterio = criterio_;
    const Estimador estimador{x_, q_, a_, margem_};
    const double margem2 = 2 * estimador.margem;
    while (true) {
        // The scan's k and base, worked out here only near their ends (k = 20, base = 2^-12).
        const double kd = FatorEmDouble(j);
        const bool seguro = j <= ultimoAbaixoDoLimite && BaseSegura(estimador, kd);
        long double k = 0, base = 0;
        if (!seguro) {
            k = FatorDoPasso(j);
            if (k > limiteFator)
                return {FimBuscaFator::ForcaAlemDoLimite, j};
            base = BaseDoPasso(criterio, k);
            if (base <= 0)
                return {FimBuscaFator::BaseNaoPositiva, j};
        }
        if (seguro || base >= baseMinima) {
            double inclinacaoMin;
            const double g = estimador.Valor(kd, inclinacaoMin);
            if (g < -margem2)
                return {FimBuscaFator::Encontrado, j};
            if (g > margem2) {
                j = Salto(j, g, inclinacaoMin, ultimoCoberto);
                continue;
            }
            k = FatorDoPasso(j);
            base = BaseDoPasso(criterio, k);
        }
        if (ValorFator(criterio, k, base) <= 0)
            return {FimBuscaFator::Encontrado, j};
        ++j;
    }
}

// The step P = palpite, de < P ≤ 1999, with a base the estimate covers: the scan reaches it
// (steps up to it have k < 20 and bases above its own). With ĝ and bounds s ≤ g′ ≤ S there, the
// tangent keeps the convex g above g(kP) − S·(kP − k) ≥ g(kP) for k < kP when S < 0:
// - ĝ < −2M: the scan accepts P; and if ĝ − 0.01·S·(1 − 2^-30) > 2M, g exceeds M at every
//   earlier step (each lies at least 0.01·(1 − 2^-50) before kP), which the scan rejects: P is
//   its answer, from one estimate;
// - ĝ > 2M: g exceeds M at every step up to P, which the scan rejects: the search goes on from P
//   as from any cleared step.
// Otherwise the search starts over from de.
PassoFator BuscaRapida::Busca(int de, int palpite) const {
    if (!estimavel_ || palpite <= de || palpite > ultimoAbaixoDoLimite)
        return Busca(de);
    const Estimador estimador{x_, q_, a_, margem_};
    const double kd = FatorEmDouble(palpite);
    if (!BaseSegura(estimador, kd))
        return Busca(de);
    const double margem2 = 2 * estimador.margem;
    double inclinacaoMin, inclinacaoMax;
    const double g = estimador.Valor(kd, inclinacaoMin, inclinacaoMax);
    if (inclinacaoMax < 0) {
        if (g < -margem2 && g - 0.01 * inclinacaoMax * (1 - folga) > margem2)
            return {FimBuscaFator::Encontrado, palpite};
        if (g > margem2) {
            int ultimoCoberto = -1;
            return Percorre(Salto(palpite, g, inclinacaoMin, ultimoCoberto), ultimoCoberto);
        }
    }
    return Busca(de);
}

// Steps up to J ≤ 1999 have k < 20, and bases at least the base at J, which is at least 2^-12 where
// BaseSegura says so; where the estimate at J lies below −2M the scan's g there is negative (as
// in the search above).
bool BuscaRapida::AceitaAte(int J) const {
    if (!estimavel_ || J < 0 || J > ultimoAbaixoDoLimite)
        return false;
    const Estimador estimador{x_, q_, a_, margem_};
    const double kd = FatorEmDouble(J);
    if (!BaseSegura(estimador, kd))
        return false;
    double inclinacaoMin;
    return estimador.Valor(kd, inclinacaoMin) < -2 * estimador.margem;
}
