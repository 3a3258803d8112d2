#pragma once

#include <algorithm>

// The last j in [de, ate] at which `dentro` holds, when it holds at de and, once false, stays
// false for every larger j. From an estimate in [de, ate] (one near the end makes it quick): a
// doubling search away from the estimate until the end is bracketed, then a bisection.
template <class Inteiro, class Dentro>
Inteiro UltimoDoPrefixo(Inteiro de, Inteiro ate, Inteiro estimado, Dentro&& dentro) {
    Inteiro bom = de, ruim = ate + 1;
    if (dentro(estimado)) {
        bom = estimado;
        for (Inteiro salto = 1; bom < ate; salto *= 2) {
            const Inteiro k = std::min(ate, bom + salto);
            if (!dentro(k)) {
                ruim = k;
                break;
            }
            bom = k;
        }
    } else {
        ruim = estimado;
        for (Inteiro salto = 1; ruim - 1 > de; salto *= 2) {
            const Inteiro k = std::max(de, ruim - salto);
            if (dentro(k)) {
                bom = k;
                break;
            }
            ruim = k;
        }
    }
    while (ruim - bom > 1) {
        const Inteiro meio = bom + (ruim - bom) / 2;
        (dentro(meio) ? bom : ruim) = meio;
    }
    return bom;
}
