#include "Numeros.h"

#include <algorithm>
#include <cmath>

QLocale LocaleDosNumeros() {
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    return local;
}

double PassoRedondo(double extensao, int marcas) {
    const double bruto = extensao / std::max(marcas, 1);
    if (!(bruto > 0) || !std::isfinite(bruto)) {
        return 1;
    }
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double f : {1.0, 2.0, 5.0}) {
        if (f * potencia >= bruto * (1 - 1e-9)) {
            return f * potencia;
        }
    }
    return 10 * potencia;
}
