#pragma once

#include <cstdint>

// The radius criterion of one Kaniraj wedge,
//     g(ρ) = ρ^2.47 − 1.032·e·ρ^1.47 − K1·ρ/S + K2/S,
// sampled at ρ = d + 1 + j·T/20000 for j = 0, 1, 2, ... The samples end where ρ exceeds 10 (ρ = d +
// 1 itself is always sampled). Where g is steep two neighbouring samples can lie beyond the
// tolerance on either side of a root: that root is a radius too, found between them by bisection.
struct CriterioRaio {
    long double d;
    long double T;
    long double e;
    long double K1;
    long double K2;
    long double S;
};

inline constexpr long double ToleranciaRaio = 0.001L;
inline constexpr long double RaioMaximo = 10;
inline constexpr std::int64_t SemRaio = -1;

// The radius a search accepts: sample j itself when |g| ≤ 0.001 there, or the root between samples
// j − 1 and j when g changes sign between them; j = SemRaio when there is none up to ρ = 10.
struct RaioAceito {
    std::int64_t j = SemRaio;
    long double rho = 0;
};

// ρ of sample j, from the integer step count (no accumulated sum).
long double RaioDoPasso(const CriterioRaio& criterio, std::int64_t j);

// g(ρ), evaluated exactly as the scan evaluates it; the fast search uses the same evaluation.
long double ValorCriterio(const CriterioRaio& criterio, long double rho);

// The last sample the scan may evaluate: the largest j with ρ ≤ 10, or 0 when already ρ1 > 10.
std::int64_t UltimoPasso(const CriterioRaio& criterio);

// The root of g between two neighbouring samples lo < hi whose g lie beyond the tolerance, positive
// at lo or negative: bisect until a midpoint meets the tolerance, each midpoint replacing the end
// whose g has its sign. Should no representable radius be left between the ends, the root lies
// between two neighbouring extended reals: the one where g is nearer zero.
long double RaizEntre(const CriterioRaio& criterio, long double lo, long double hi,
                      bool positivoEmLo);

// The search sample by sample: g from ρ = d + 1 in steps of T/20000; the first sample with
// |g| ≤ 0.001 is accepted, unless g changed sign, both samples beyond the tolerance, between it
// and the sample before: then the root between those two (RaizEntre). Whichever comes first
// decides; none once ρ exceeds 10 (ρ = d + 1 is always sampled). Kept as the reference the fast
// search must match sample for sample.
RaioAceito BuscaRaioLinear(const CriterioRaio& criterio);

// Returns exactly what the sample-by-sample search returns, evaluating g at a few dozen samples
// instead of up to hundreds of thousands. Allocates nothing.
RaioAceito BuscaRaio(const CriterioRaio& criterio);

// BuscaRaio with room for at most `pendentes` (1 to 80) evaluated samples awaiting their turn;
// BuscaRaio itself has 80, more than any gap can need. When the room runs out the search finishes
// as the scan does from the last cleared sample, so the answer is the same; the tests shrink the
// room to exercise that path.
RaioAceito BuscaRaioComPendentes(const CriterioRaio& criterio, int pendentes);

// The searches are interchangeable: tests and benchmarks hand the analyses the plain scan.
using BuscadorRaio = RaioAceito (*)(const CriterioRaio&);
