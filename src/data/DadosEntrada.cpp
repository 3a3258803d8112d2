#include "DadosEntrada.h"

DadosEntrada DadosDoProblema;

bool MesmoProblemaLow(DadosEntrada a, const DadosEntrada& b) {
    a.Altberma = b.Altberma;
    a.Largberma = b.Largberma;
    return a == b;
}
