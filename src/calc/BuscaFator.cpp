#include "BuscaFator.h"

#include <cmath>

namespace {

constexpr long double limiteFator = 20;

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
