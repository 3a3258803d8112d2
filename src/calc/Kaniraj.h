#pragma once

#include "../data/DadosEntrada.h"
#include "../data/Resultados.h"
#include "BuscaRaio.h"
#include "Verificacao.h"

#include <optional>
#include <string>
#include <vector>

// The two hypotheses of Kaniraj's method: the fill intact, or cut by a tension crack through its
// whole height (then only the foundation resists and only the fill above the chord drives).
enum class HipoteseKaniraj { SemTrinca, ComTrinca };

enum class DesfechoKaniraj { Calculado, Rejeitado };

struct RelatoKaniraj {
    DesfechoKaniraj desfecho;
    SituacaoDados situacao; // why the data were rejected
    // The depths examined, and those among them whose radius search found no radius up to
    // 10·H: those give no force, so the record may understate the need.
    int examinadas = 0;
    int semRaio = 0;
};

// What the user is told of the depths of a run (both hypotheses examine the same depths) left
// without a radius, with and without crack ("em 3 das 40 profundidades examinadas com trinca
// ..."); empty when there are none.
std::string AvisoProfundidadesSemRaio(int examinadas, int semRaioComTrinca, int semRaioSemTrinca);

// The analysis shared by CalcKanst and CalcKanct: 40 depths over the soft layer, a radius search at
// each, the largest force kept. Shows nothing; the caller decides what to tell the user. Rejected
// data, and data for which no wedge clears the toe (or the berm), leave the record all zero.
RelatoKaniraj AnaliseKaniraj(HipoteseKaniraj hipotese, const DadosAnalise& entrada,
                             ResultadoKaniraj& resultado, BuscadorRaio buscador = BuscaRaio);

// One depth of Kaniraj's analysis. The circle's lowest point lies at depth D below the foundation
// surface, its centre at X0 from the main slope's toe toward the crest and R above that lowest
// point (R − D above the surface).
struct CunhaKaniraj {
    long double D;                // m
    std::optional<long double> R; // the radius accepted, m; none when the search found none
    // The force, kN/m (zero or less: the wedge needs none); none without a radius, without
    // resistance, or when the reinforcement lies at or above the top of the circle.
    std::optional<long double> P;
    long double X0; // m, the same for every depth
};

// Every depth the analysis examines (the shallow ones whose circle would cut the berm are not),
// and the record made from them (the record CalcKanst/CalcKanct return). Rejected data leave no
// depths and the record all zero.
struct CunhasKaniraj {
    RelatoKaniraj relato;
    ResultadoKaniraj resultado;
    std::vector<CunhaKaniraj> cunhas;
};

CunhasKaniraj DetalheKaniraj(HipoteseKaniraj hipotese, const DadosAnalise& entrada);
