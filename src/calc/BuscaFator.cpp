#include "BuscaFator.h"

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

    double Valor(long double k, double& inclinacaoMin) const {
        const double kd = static_cast<double>(k);
        const double base = 1 - a * kd;
        const double p = std::exp(0.32 * std::log(base));
        const double c = x * q * 0.32 * a * p / base;
        inclinacaoMin = (c - 1) - folga * (c + 1);
        return x * (1 - q * p) - kd;
    }
};

// The estimate is made for the values Low's wedges produce (x ≤ 5.5, q ≤ 1, β·r/E ≤ 10); far
// outside them it is not trusted and the scan runs instead.
bool Estimavel(const CriterioFator& c) {
    const long double A = c.beta * c.r;
    return c.x > 0 && c.x <= 1e6L && c.q >= 0 && c.q <= 1e6L && A >= 0 && c.E > 0 &&
           A / 1e6L <= c.E;
}

// Whether the scan reaches step j without stopping and with a base the estimate covers. False
// from some j on, never true again: k grows with j and the base falls, each rounding monotonic.
bool Coberto(const CriterioFator& c, int j) {
    const long double k = FatorDoPasso(j);
    return k <= limiteFator && BaseDoPasso(c, k) >= baseMinima;
}

// The last step from jA on that is covered and lies within `alcance` of k(jA).
int UltimoAoAlcance(const CriterioFator& c, int jA, long double kA, long double alcance) {
    auto dentro = [&](int j) { return FatorDoPasso(j) - kA <= alcance && Coberto(c, j); };
    // Past step 2001 k exceeds 20; the estimate is within a step of the border.
    constexpr int ultimoPossivel = 2001;
    const long double passos = std::min(alcance * 100, static_cast<long double>(ultimoPossivel));
    const int estimado = std::min(ultimoPossivel, jA + static_cast<int>(passos));
    if (dentro(estimado) && !dentro(estimado + 1))
        return estimado;
    int bom = jA, ruim = std::min(ultimoPossivel, estimado + 2);
    if (dentro(estimado))
        bom = estimado;
    else
        ruim = estimado;
    while (ruim - bom > 1) {
        const int meio = bom + (ruim - bom) / 2;
        (dentro(meio) ? bom : ruim) = meio;
    }
    return bom;
}

} // namespace

long double FatorDoPasso(int j) {
    return 0.01L * j;
}

long double BaseDoPasso(const CriterioFator& criterio, long double k) {
    return 1 - criterio.beta * criterio.r * k / criterio.E;
}

long double ValorFator(const CriterioFator& criterio, long double k, long double base) {
    return criterio.x * (1 - criterio.q * std::exp(0.32L * std::log(base))) - k;
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
// in double precision (inputs rounded to 53 bits, base within 2^-50, exp and log within an ulp or
// two) differs from it by under 2^-38 of that sum, and its slope factor x·q·e·(A/E)·b^e/b by
// under 2^-37 relative; the margin M = 2^-30·(x·(1 + q) + 21) and the slope's slack of 2^-30 cover
// both with a factor of some hundreds.
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
PassoFator BuscaFator(const CriterioFator& criterio, int de) {
    if (!Estimavel(criterio))
        return BuscaFatorLinear(criterio, de);
    const double x = static_cast<double>(criterio.x);
    const double q = static_cast<double>(criterio.q);
    const Estimador estimador{x, q, static_cast<double>(criterio.beta * criterio.r / criterio.E),
                              folga * (x * (1 + q) + 21)};
    const double margem2 = 2 * estimador.margem;

    int j = de;
    while (true) {
        const long double k = FatorDoPasso(j);
        if (k > limiteFator)
            return {FimBuscaFator::ForcaAlemDoLimite, j};
        const long double base = BaseDoPasso(criterio, k);
        if (base <= 0)
            return {FimBuscaFator::BaseNaoPositiva, j};
        if (base >= baseMinima) {
            double inclinacaoMin;
            const double g = estimador.Valor(k, inclinacaoMin);
            if (g < -margem2)
                return {FimBuscaFator::Encontrado, j};
            if (g > margem2) {
                // No step lies more than 20 beyond kA: a longer reach is not computed (it could
                // overflow).
                const double folgaG = g - margem2;
                const long double alcance =
                    folgaG >= -inclinacaoMin * 20
                        ? limiteFator
                        : static_cast<long double>(folgaG / -inclinacaoMin * (1 - folga));
                j = UltimoAoAlcance(criterio, j, k, alcance) + 1;
                continue;
            }
        }
        if (ValorFator(criterio, k, base) <= 0)
            return {FimBuscaFator::Encontrado, j};
        ++j;
    }
}
