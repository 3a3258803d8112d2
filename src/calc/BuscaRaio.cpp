#include "BuscaRaio.h"

#include <algorithm>
#include <cmath>

long double RaioDoPasso(const CriterioRaio& criterio, std::int64_t j) {
    return criterio.d + 1 + static_cast<long double>(j) * criterio.T / 20000;
}

long double ValorCriterio(const CriterioRaio& criterio, long double rho) {
    const long double lnRho = std::log(rho);
    const long double p247 = std::exp(2.47L * lnRho);
    const long double p147 = std::exp(1.47L * lnRho);
    return p247 - 1.032L * criterio.e * p147 - criterio.K1 * rho / criterio.S +
           criterio.K2 / criterio.S;
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

std::int64_t BuscaRaio(const CriterioRaio& criterio) {
    const std::int64_t ultimo = UltimoPasso(criterio);
    for (std::int64_t j = 0; j <= ultimo; ++j)
        if (std::fabs(ValorCriterio(criterio, RaioDoPasso(criterio, j))) <= ToleranciaRaio)
            return j;
    return SemRaio;
}
