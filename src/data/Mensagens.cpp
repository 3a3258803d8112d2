#include "Mensagens.h"

#include <iostream>
#include <utility>

namespace {

ExibidorMensagens& Exibidor() {
    static ExibidorMensagens exibidor;
    return exibidor;
}

} // namespace

void DefinirExibidorMensagens(ExibidorMensagens exibidor) {
    Exibidor() = std::move(exibidor);
}

void ExibirMensagem(const std::string& texto) {
    if (Exibidor()) {
        Exibidor()(texto);
        return;
    }
    std::cerr << texto << '\n' << std::flush;
}
