#pragma once

#include "../data/Resultados.h"
#include "BuscaRaio.h"
#include "Verificacao.h"

// The two hypotheses of Kaniraj's method: the fill intact, or cut by a tension crack through its
// whole height (then only the foundation resists and only the fill above the chord drives).
enum class HipoteseKaniraj { SemTrinca, ComTrinca };

// The fourteen values of one Kaniraj run, in the order the analyses take them.
struct EntradaKaniraj {
    long double H, n, gama, c, phi, hb, b, T, Z, CS, CZ, CF, F, a;
};

enum class DesfechoKaniraj { Calculado, Rejeitado, BermaMuitoLarga };

struct RelatoKaniraj {
    DesfechoKaniraj desfecho;
    SituacaoDados situacao; // why the data were rejected
};

// The analysis shared by CalcKanst and CalcKanct: 40 depths over the soft layer, a radius search at
// each, the largest force kept. Shows nothing; the caller decides what to tell the user. Rejected
// data leave the record all zero.
RelatoKaniraj AnaliseKaniraj(HipoteseKaniraj hipotese, const EntradaKaniraj& entrada,
                             ResultadoKaniraj& resultado, BuscadorRaio buscador = BuscaRaio);
