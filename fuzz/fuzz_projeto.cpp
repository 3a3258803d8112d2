// The design-file reader on arbitrary bytes, under either decimal separator: it either refuses
// with a message and leaves the design as it was, or gives a design whose every value the number
// reader accepts; it never crashes.
#include "data/ParseReal.h"
#include "projeto/ArquivoProjeto.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0)
        return 0;
    DefinirSeparadorDecimal((dados[0] & 1) != 0 ? '.' : ',');
    const QByteArray json(reinterpret_cast<const char*>(dados + 1),
                          static_cast<qsizetype>(tamanho - 1));
    Projeto projeto;
    projeto.descricao = QStringLiteral("antes");
    const Desfecho desfecho = JsonParaProjeto(json, QStringLiteral("f.veltra"), projeto);
    if (!desfecho.ok) {
        if (desfecho.mensagem.isEmpty() || projeto.descricao != QStringLiteral("antes"))
            std::abort();
        return 0;
    }
    for (const QString& valor : projeto.valores) {
        if (valor.isEmpty())
            continue;
        try {
            ParseReal(valor.toStdString());
        } catch (const EConvertError&) {
            std::abort();
        }
    }
    return 0;
}
