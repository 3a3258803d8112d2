#include "Telas.h"

#include "Tela.h"

namespace {
const Telas* conjuntoInstalado = nullptr;
} // namespace

void Telas::Instalar(const Telas* conjunto) {
    conjuntoInstalado = conjunto;
}

Tela* Telas::Buscar(IdTela id) {
    return conjuntoInstalado ? conjuntoInstalado->Obter(id) : nullptr;
}

void Telas::Mostrar(IdTela id) {
    if (::Tela* tela = Buscar(id)) {
        tela->Mostrar();
    }
}

void Telas::MostrarModal(IdTela id) {
    if (::Tela* tela = Buscar(id)) {
        tela->MostrarModal();
    }
}
