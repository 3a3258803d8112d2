// The number reader on arbitrary bytes: it must either raise EConvertError or return a finite
// extended real, under either decimal separator, and never crash.
#include "data/ParseReal.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0)
        return 0;
    // The first byte chooses the separator, the rest is the typed text.
    DefinirSeparadorDecimal((dados[0] & 1) != 0 ? '.' : ',');
    const std::string_view texto(reinterpret_cast<const char*>(dados + 1), tamanho - 1);
    try {
        const long double valor = ParseReal(texto);
        if (!std::isfinite(valor))
            std::abort();
    } catch (const EConvertError&) {
    }
    return 0;
}
