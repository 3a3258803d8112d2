#include "EstadoExecucao.h"

EstadoExecucao& Execucao() {
    static EstadoExecucao estado;
    return estado;
}

void ReiniciarExecucao() {
    Execucao() = EstadoExecucao{};
    DadosDoProblema = DadosEntrada{};
}
