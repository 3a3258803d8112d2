#pragma once

#include "calc/BuscaRaio.h"

#include <cmath>
#include <cstdint>

// The radius search as the method states it: sample g from ρ = d + 1 in steps of T/20000, accept
// the first sample with |g| ≤ 0.001, give up once ρ exceeds 10 (ρ = d + 1 is always sampled).
// Kept as the reference the fast search must match sample for sample.
inline std::int64_t BuscaRaioLinear(const CriterioRaio& criterio) {
    for (std::int64_t j = 0;; ++j) {
        const long double rho = RaioDoPasso(criterio, j);
        if (j > 0 && rho > RaioMaximo)
            return SemRaio;
        if (std::fabs(ValorCriterio(criterio, rho)) <= ToleranciaRaio)
            return j;
    }
}
