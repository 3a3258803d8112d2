#include "BuscaRaio.h"

#include "Prefixo.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// One evaluated sample, with what the bounds need: the sum of the magnitudes of the four terms of
// g (the scale of its rounding error) and ρ^1.47 (for the slope); and the scan's verdict on it.
struct Amostra {
    std::int64_t j;
    long double rho;
    long double g;
    long double somaAbs;
    long double p147;
    bool aceita;
};

// The one evaluation of g, shared by the scan (ValorCriterio) and the fast search.
Amostra AvaliarEm(const CriterioRaio& c, long double rho) {
    Amostra a;
    a.j = 0;
    a.rho = rho;
    const long double lnRho = std::log(a.rho);
    const long double p247 = std::exp(2.47L * lnRho);
    a.p147 = std::exp(1.47L * lnRho);
    const long double termoE = 1.032L * c.e * a.p147;
    const long double termoK1 = c.K1 * a.rho / c.S;
    const long double termoK2 = c.K2 / c.S;
    a.g = p247 - termoE - termoK1 + termoK2;
    a.somaAbs = p247 + std::fabs(termoE) + std::fabs(termoK1) + std::fabs(termoK2);
    a.aceita = std::fabs(a.g) <= ToleranciaRaio;
    return a;
}

// The criterion's coefficients in double precision, when double holds them with room to spare
// and the samples lie in 1 ≤ ρ ≤ 16: the search then estimates g in double precision, some ten
// times quicker than in extended, and uses the scan's evaluation only to decide a sample whose
// estimate lies too near the tolerance.
struct Coeficientes {
    bool valem;
    double e, K1S, K2S; // e, K1/S, K2/S
};

Coeficientes EmDouble(const CriterioRaio& c) {
    // The scan divides K1·ρ (ρ ≥ 1) and K2 by S at every sample: forming these quotients raises
    // no flag it would not.
    const long double K1S = c.K1 / c.S, K2S = c.K2 / c.S;
    constexpr long double limite = 1e290L;
    if (!(c.d >= 0 && c.d + 1 <= 16 && std::fabs(c.e) <= limite && std::fabs(K1S) <= limite &&
          std::fabs(K2S) <= limite))
        return {false, 0, 0, 0};
    return {true, static_cast<double>(c.e), static_cast<double>(K1S), static_cast<double>(K2S)};
}

// The estimate lies within 2^-47 of the terms' magnitudes of the exact g at the sample's ρ (ρ and
// the coefficients rounded to 53 bits, log and exp within an ulp, ρ^2.47 as ρ^1.47·ρ); the
// scan's own g within a few ulps of extended precision of them. Beyond this band both lie on the
// same side of the tolerance.
constexpr long double incertezaEstimativa = 0x1p-40L;

Amostra EstimarEm(const Coeficientes& k, long double rho) {
    const double r = static_cast<double>(rho);
    const double p147 = std::exp(1.47 * std::log(r));
    const double p247 = p147 * r;
    const double termoE = 1.032 * k.e * p147;
    const double termoK1 = k.K1S * r;
    const double g = p247 - termoE - termoK1 + k.K2S;
    Amostra a;
    a.j = 0;
    a.rho = rho;
    a.g = g;
    a.somaAbs = p247 + std::fabs(termoE) + std::fabs(termoK1) + std::fabs(k.K2S);
    a.p147 = p147;
    return a;
}

Amostra Avaliar(const CriterioRaio& c, const Coeficientes& k, std::int64_t j) {
    const long double rho = RaioDoPasso(c, j);
    Amostra a;
    bool decidida = false;
    if (k.valem) {
        a = EstimarEm(k, rho);
        const long double incerteza = incertezaEstimativa * a.somaAbs;
        const long double modulo = std::fabs(a.g);
        decidida = modulo <= ToleranciaRaio - incerteza || modulo > ToleranciaRaio + incerteza;
        a.aceita = modulo <= ToleranciaRaio;
    }
    if (!decidida)
        a = AvaliarEm(c, rho);
    a.j = j;
    return a;
}

// Relative slack of every bound below: 2^-38, some five hundred times the error of an estimated
// sample and ten million times the few units in the last place that expl, logl, the constants and
// a handful of operations can lose in extended precision.
constexpr long double folga = 0x1p-38L;

// Largest j in [de, ate] whose ρ lies within `alcance` of ρ(de) (differences compared, so that no
// rounding of a sum can let a sample beyond the proven reach in). ρ grows with j, never falls.
std::int64_t UltimoAoAlcance(const CriterioRaio& c, const Amostra& de, std::int64_t ate,
                             long double alcance) {
    auto dentro = [&](std::int64_t j) { return RaioDoPasso(c, j) - de.rho <= alcance; };
    const long double passo = c.T / 20000;
    const long double estimado = alcance / passo;
    std::int64_t j = ate;
    if (estimado < static_cast<long double>(ate - de.j))
        j = de.j + static_cast<std::int64_t>(estimado);
    // The estimate is within a step or two of the border.
    return UltimoDoPrefixo(de.j, ate, j, dentro);
}

// Smallest j in [de, ate] whose ρ lies within `alcance` below ρ(ate): counted back from ate, the
// last of a prefix.
std::int64_t PrimeiroAoAlcance(const CriterioRaio& c, std::int64_t de, const Amostra& ate,
                               long double alcance) {
    auto dentro = [&](std::int64_t atras) {
        return ate.rho - RaioDoPasso(c, ate.j - atras) <= alcance;
    };
    const long double passo = c.T / 20000;
    const long double estimado = alcance / passo;
    std::int64_t atras = ate.j - de;
    if (estimado < static_cast<long double>(ate.j - de))
        atras = static_cast<std::int64_t>(estimado);
    return ate.j - UltimoDoPrefixo<std::int64_t>(0, ate.j - de, atras, dentro);
}

// How far from a sample of value g the criterion provably stays beyond the tolerance, when it can
// move toward zero at most at rate rumoZeroMax (a slope bound); -1: not even a step.
long double Alcance(long double g, long double rumoZeroMax, long double margem) {
    const long double sobra = std::fabs(g) - ToleranciaRaio - margem;
    if (!(sobra > 0))
        return -1;
    if (rumoZeroMax <= 0)
        return std::numeric_limits<long double>::infinity();
    return sobra / rumoZeroMax * (1 - folga);
}

// Positive g; the searches ask it only of samples beyond the tolerance, where it is never zero.
bool Positivo(long double g) {
    return g > 0;
}

// What the search sample by sample decides at sample j, after the sample before it (of value
// gAnterior, beyond the tolerance) was passed: accept j, the root just before it, or go on.
bool Decide(const CriterioRaio& c, std::int64_t j, long double rho, long double g, bool aceita,
            long double gAnterior, RaioAceito& raio) {
    if (aceita) {
        raio = {j, rho};
        return true;
    }
    if (Positivo(g) != Positivo(gAnterior)) {
        raio = {j, RaizEntre(c, RaioDoPasso(c, j - 1), rho, Positivo(gAnterior))};
        return true;
    }
    return false;
}

// The search sample by sample over j = de.j + 1 ... ate with its own evaluation, from the sample
// de, already passed.
RaioAceito Varre(const CriterioRaio& c, const Amostra& de, std::int64_t ate) {
    long double anterior = de.g;
    for (std::int64_t j = de.j + 1; j <= ate; ++j) {
        const long double rho = RaioDoPasso(c, j);
        const long double g = ValorCriterio(c, rho);
        RaioAceito raio;
        if (Decide(c, j, rho, g, std::fabs(g) <= ToleranciaRaio, anterior, raio))
            return raio;
        anterior = g;
    }
    return {};
}

// Room for pending samples: 16 and one per halving of a gap below 2^62 samples need at most 78.
constexpr int maisPendentes = 80;

} // namespace

long double RaioDoPasso(const CriterioRaio& criterio, std::int64_t j) {
    return criterio.d + 1 + static_cast<long double>(j) * criterio.T / 20000;
}

long double ValorCriterio(const CriterioRaio& criterio, long double rho) {
    return AvaliarEm(criterio, rho).g;
}

long double RaizEntre(const CriterioRaio& criterio, long double lo, long double hi,
                      bool positivoEmLo) {
    while (true) {
        const long double meio = (lo + hi) / 2;
        if (!(meio > lo && meio < hi)) {
            const long double gLo = std::fabs(ValorCriterio(criterio, lo));
            return gLo <= std::fabs(ValorCriterio(criterio, hi)) ? lo : hi;
        }
        const long double g = ValorCriterio(criterio, meio);
        if (std::fabs(g) <= ToleranciaRaio)
            return meio;
        (Positivo(g) == positivoEmLo ? lo : hi) = meio;
    }
}

RaioAceito BuscaRaioLinear(const CriterioRaio& criterio) {
    long double anterior = 0;
    for (std::int64_t j = 0;; ++j) {
        const long double rho = RaioDoPasso(criterio, j);
        if (j > 0 && rho > RaioMaximo)
            return {};
        const long double g = ValorCriterio(criterio, rho);
        const bool aceita = std::fabs(g) <= ToleranciaRaio;
        RaioAceito raio;
        if (j == 0 ? aceita : Decide(criterio, j, rho, g, aceita, anterior, raio))
            return j == 0 ? RaioAceito{0, rho} : raio;
        anterior = g;
    }
}

std::int64_t UltimoPasso(const CriterioRaio& criterio) {
    auto cabe = [&](std::int64_t j) { return RaioDoPasso(criterio, j) <= RaioMaximo; };
    if (!cabe(1))
        return 0;
    // ρ grows with j and never falls (each rounding is monotonic), so the samples that fit form
    // a prefix; estimate its end, then find it exactly.
    const long double estimado = (RaioMaximo - (criterio.d + 1)) * 20000 / criterio.T;
    constexpr long double limite = 0x1p62L;
    std::int64_t j = 1;
    if (estimado > 1)
        j = static_cast<std::int64_t>(std::min(estimado, limite));
    std::int64_t bom = 1, ruim;
    if (cabe(j)) {
        bom = j;
        std::int64_t salto = 1;
        while (cabe(bom + salto)) {
            bom += salto;
            salto *= 2;
        }
        ruim = bom + salto;
    } else {
        ruim = j;
        std::int64_t salto = 1;
        while (ruim - salto > 1 && !cabe(ruim - salto)) {
            ruim -= salto;
            salto *= 2;
        }
        bom = std::max<std::int64_t>(1, ruim - salto);
    }
    while (ruim - bom > 1) {
        const std::int64_t meio = bom + (ruim - bom) / 2;
        (cabe(meio) ? bom : ruim) = meio;
    }
    return bom;
}

// Why the samples this search skips are exactly those the scan rejects.
//
// Write g(ρ) = t1 + t2 + t3 + t4 with t1 = ρ^2.47, t2 = −1.032·e·ρ^1.47, t3 = −K1·ρ/S, t4 = K2/S.
// Its slope g′(ρ) = 2.47·ρ^1.47 − 1.51704·e·ρ^0.47 − K1/S is a sum of terms each monotonic in
// ρ > 0, so over [ρa, ρb] g′ lies between lo = u1(ρa) + min(u2(ρa), u2(ρb)) − K1/S and
// hi = u1(ρb) + max(u2(ρa), u2(ρb)) − K1/S (u1, u2 its first two terms). By the mean value
// theorem, for ρ in [ρa, ρb]: g(ρ) ≥ g(ρa) + min(lo, 0)·(ρ − ρa), g(ρ) ≤ g(ρa) + max(hi, 0)·(ρ −
// ρa), and likewise back from ρb. So from an evaluated sample with |g| > 0.001 + margin the
// criterion stays beyond the tolerance, on the same side, for a computable distance; a sample
// within that distance is rejected by the scan, lies on that sample's side of zero, and need not
// be evaluated.
//
// The computed samples ρj = d + 1 + j·T/20000 never decrease with j, so every sample between two
// evaluated ones lies between their ρ. The scan's g of any sample differs from the exact g at
// that ρ by a few ulps of t1 + |t2| + |t3| + |t4|, which is largest at the right end (each |ti|
// grows with ρ), and an estimated sample's g (double precision) by under 2^-47 of that sum; the
// margin allows 2^-38 of that sum at both ends, of the slope bounds and of the distances, which
// covers both, the constants (2.47 − 1 is not exactly 1.47 in binary) and the arithmetic hundreds
// of times over. Each evaluated sample is accepted or rejected as the scan would: on its
// estimate where that lies beyond 2^-40 of the magnitudes from the tolerance, otherwise with the
// scan's own evaluation and comparison, and a rejected one lies on the side of zero of the scan's
// g. So the first j at which the scan accepts a sample or meets a change of sign, or the absence of
// one, is the scan's; and the root it then bisects for starts from the same two samples.
//
// The search keeps the last sample known to be cleared (`atual`: every j up to it is rejected)
// and a stack of evaluated samples to its right. Each round bounds the gap to the nearest of them
// from both ends, and either clears it whole or evaluates the middle of what the bounds leave
// unproven. Far from the tolerance band the bounds cross large stretches; near a root they shrink
// like a Newton iteration. No j is evaluated twice, none beyond the scan's last sample, and the
// stack holds 16 entries and above them at most one per halving of a gap below 2^62 samples.
RaioAceito BuscaRaio(const CriterioRaio& criterio) {
    return BuscaRaioComPendentes(criterio, maisPendentes);
}

RaioAceito BuscaRaioComPendentes(const CriterioRaio& criterio, int pendentes) {
    const Coeficientes coeficientes = EmDouble(criterio);
    auto avalia = [&](std::int64_t j) { return Avaliar(criterio, coeficientes, j); };
    Amostra atual = avalia(0);
    if (atual.aceita)
        return {0, atual.rho};
    const std::int64_t ultimo = UltimoPasso(criterio);
    // A handful of samples: the scan itself is the quickest.
    if (ultimo <= 16) {
        for (std::int64_t j = 1; j <= ultimo; ++j) {
            const Amostra a = avalia(j);
            RaioAceito raio;
            if (Decide(criterio, j, a.rho, a.g, a.aceita, atual.g, raio))
                return raio;
            atual = a;
        }
        return {};
    }

    const long double inclinacaoK1 = -(criterio.K1 / criterio.S);
    const long double coefE = 1.51704L * criterio.e;

    const int capacidade = std::clamp(pendentes, 1, maisPendentes);
    Amostra pilha[maisPendentes];
    int topo = 0;
    pilha[topo++] = avalia(ultimo);

    while (true) {
        if (topo == 0)
            return {}; // atual is the last sample
        const Amostra& direita = pilha[topo - 1];
        bool interiorLimpo = direita.j == atual.j + 1;
        std::int64_t limpoAte = atual.j;     // every j up to here is rejected
        std::int64_t limpoDesde = direita.j; // and every j from here to direita
        if (!interiorLimpo) {
            const long double u1a = 2.47L * atual.p147;
            const long double u1b = 2.47L * direita.p147;
            const long double u2a = -coefE * atual.p147 / atual.rho;
            const long double u2b = -coefE * direita.p147 / direita.rho;
            const long double folgaInclinacao =
                folga * (u1a + u1b + std::fabs(u2a) + std::fabs(u2b) + std::fabs(inclinacaoK1) + 1);
            const long double lo = u1a + std::min(u2a, u2b) + inclinacaoK1 - folgaInclinacao;
            const long double hi = u1b + std::max(u2a, u2b) + inclinacaoK1 + folgaInclinacao;
            const long double largura = direita.rho - atual.rho;
            const long double margem = folga * (atual.somaAbs + direita.somaAbs +
                                                (std::fabs(lo) + std::fabs(hi)) * largura + 1);
            // Rates at which g may approach zero: leaving atual forward, and leaving direita
            // backward.
            const long double rumoEsq = atual.g > 0 ? -lo : hi;
            const long double rumoDir = direita.g > 0 ? hi : -lo;
            const long double alcanceEsq = Alcance(atual.g, rumoEsq, margem);
            const long double alcanceDir =
                direita.aceita ? -1 : Alcance(direita.g, rumoDir, margem);
            if (alcanceEsq >= 0)
                limpoAte = UltimoAoAlcance(criterio, atual, direita.j - 1, alcanceEsq);
            if (alcanceDir >= 0)
                limpoDesde = PrimeiroAoAlcance(criterio, atual.j + 1, direita, alcanceDir);
            interiorLimpo = limpoAte + 1 >= limpoDesde;
        }
        if (interiorLimpo) {
            if (direita.aceita)
                return {direita.j, direita.rho};
            // Cleared from both ends, each stretch on its end's side of zero: when the sides
            // differ, g changes sign from sample limpoAte to the next, and from nowhere else.
            if (Positivo(direita.g) != Positivo(atual.g)) {
                const std::int64_t j = limpoAte + 1;
                return {j, RaizEntre(criterio, RaioDoPasso(criterio, limpoAte),
                                     RaioDoPasso(criterio, j), Positivo(atual.g))};
            }
            atual = direita;
            --topo;
            continue;
        }
        // Evaluate the middle of the stretch not yet proven; once the stack holds 16 samples, no
        // later than the middle of the gap, so that each further entry halves it.
        std::int64_t proximo = limpoAte + 1 + (limpoDesde - 2 - limpoAte) / 2;
        if (topo >= 16)
            proximo = std::min(proximo, atual.j + (direita.j - atual.j) / 2);
        // Should the room ever run out, the scan takes over after `atual`: the answer stays the
        // scan's.
        if (topo == capacidade)
            return Varre(criterio, atual, ultimo);
        pilha[topo++] = avalia(proximo);
    }
}
