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
bool Estimavel(const CriterioFator& c, double q) {
    const long double A = c.beta * c.r;
    return c.x > 0 && c.x <= 1e6L && q >= 0 && q <= 1e6 && A >= 0 && c.E > 0 && A / 1e6L <= c.E;
}

// Whether the scan's base at k is surely at least 2^-12, decided in double precision: that base
// and 1 − a·k in double differ by under 2^-50 wherever the latter is positive, far below the
// factor 2 of room taken here. Spares the extended-precision division of the base at most steps.
bool BaseSegura(const Estimador& estimador, long double k) {
    return 1 - estimador.a * static_cast<double>(k) >= 2 * static_cast<double>(baseMinima);
}

// Whether the scan reaches step j without stopping and with a base the estimate covers. False
// from some j on, never true again: k grows with j and the base falls, each rounding monotonic.
bool Coberto(const CriterioFator& c, const Estimador& estimador, int j) {
    const long double k = FatorDoPasso(j);
    return k <= limiteFator && (BaseSegura(estimador, k) || BaseDoPasso(c, k) >= baseMinima);
}

// Past step 2001 k exceeds 20.
constexpr int ultimoPossivel = 2001;

// The last covered step from a covered step jA on. The steps covered form a prefix; the estimate
// from the base's zero lands within a step or two of its end, found exactly by a doubling search.
int UltimoCoberto(const CriterioFator& c, const Estimador& estimador, int jA) {
    auto coberto = [&](int j) { return Coberto(c, estimador, j); };
    int j = ultimoPossivel;
    if (estimador.a > 0) {
        const double estimado = (1 - static_cast<double>(baseMinima)) / estimador.a * 100;
        if (estimado < ultimoPossivel)
            j = std::max(jA, static_cast<int>(estimado));
    }
    int bom = jA, ruim = ultimoPossivel + 1;
    if (coberto(j)) {
        bom = j;
        for (int salto = 1; bom < ultimoPossivel; salto *= 2) {
            const int k = std::min(ultimoPossivel, bom + salto);
            if (!coberto(k)) {
                ruim = k;
                break;
            }
            bom = k;
        }
    } else {
        ruim = j;
        for (int salto = 1; ruim - 1 > jA; salto *= 2) {
            const int k = std::max(jA, ruim - salto);
            if (coberto(k)) {
                bom = k;
                break;
            }
            ruim = k;
        }
    }
    while (ruim - bom > 1) {
        const int meio = bom + (ruim - bom) / 2;
        (coberto(meio) ? bom : ruim) = meio;
    }
    return bom;
}

// The last step from jA on whose k lies within `alcance` (0 to 20) of k(jA): a prefix too, since
// k grows with j. The estimate is within a step of its end.
int UltimoAoAlcance(int jA, long double kA, long double alcance) {
    auto dentro = [&](int j) { return FatorDoPasso(j) - kA <= alcance; };
    int j = jA + static_cast<int>(static_cast<double>(alcance) * 100);
    while (j > jA && !dentro(j))
        --j;
    while (dentro(j + 1))
        ++j;
    return j;
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
    if (!conhecido_ && razao_ >= 1e-300L && razao_ <= 1e300L)
        return 1 / std::exp(0.68 * std::log(static_cast<double>(razao_)));
    return static_cast<double>(Exato());
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
// in double precision (inputs rounded to 53 bits, q worked out from F/FS0 ≤ 1E300 within 2^-44
// relative, base within 2^-50, exp and log within an ulp or two) differs from it by under 2^-38
// of that sum, and its slope factor x·q·e·(A/E)·b^e/b by under 2^-37 relative; the margin M =
// 2^-30·(x·(1 + q) + 21) and the slope's slack of 2^-30 cover both with a factor of some hundreds.
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
    const double q = criterio.q.Estimado();
    if (!Estimavel(criterio, q))
        return BuscaFatorLinear(criterio, de);
    const double x = static_cast<double>(criterio.x);
    const Estimador estimador{x, q, static_cast<double>(criterio.beta * criterio.r / criterio.E),
                              folga * (x * (1 + q) + 21)};
    const double margem2 = 2 * estimador.margem;

    // The end of the covered steps, found when a skip first needs it.
    int ultimoCoberto = -1;
    int j = de;
    while (true) {
        const long double k = FatorDoPasso(j);
        if (k > limiteFator)
            return {FimBuscaFator::ForcaAlemDoLimite, j};
        // The scan's base, worked out here only where it may be below 2^-12.
        const bool baseSegura = BaseSegura(estimador, k);
        long double base = 0;
        if (!baseSegura) {
            base = BaseDoPasso(criterio, k);
            if (base <= 0)
                return {FimBuscaFator::BaseNaoPositiva, j};
        }
        if (baseSegura || base >= baseMinima) {
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
                // Both the reach and the covered steps are prefixes: the skip ends at the
                // nearer end.
                int ate = UltimoAoAlcance(j, k, alcance);
                if (!Coberto(criterio, estimador, ate)) {
                    if (ultimoCoberto < 0)
                        ultimoCoberto = UltimoCoberto(criterio, estimador, j);
                    ate = std::min(ate, ultimoCoberto);
                }
                j = ate + 1;
                continue;
            }
            base = BaseDoPasso(criterio, k);
        }
        if (ValorFator(criterio, k, base) <= 0)
            return {FimBuscaFator::Encontrado, j};
        ++j;
    }
}
