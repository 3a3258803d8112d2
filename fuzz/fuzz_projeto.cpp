// The design-file reader on arbitrary bytes, under either decimal separator: it either refuses
// with a message and leaves the design as it was, or gives a design whose every number the number
// reader accepts and whose every choice is one of its words; it never crashes.
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
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        const QString& valor = projeto.valores[i];
        switch (CamposProjeto[i].tipo) {
        case TipoCampo::Numero:
            if (valor.isEmpty())
                break;
            try {
                ParseReal(valor.toStdString());
            } catch (const EConvertError&) {
                std::abort();
            }
            break;
        case TipoCampo::Distribuicao:
            if (valor != QLatin1String("lognormal") && valor != QLatin1String("normal"))
                std::abort();
            break;
        case TipoCampo::SimNao:
            if (valor != QLatin1String("sim") && valor != QLatin1String("nao"))
                std::abort();
            break;
        }
    }
    return 0;
}
