#pragma once

#include "../data/DadosEntrada.h"
#include "../data/Resultados.h"
#include "BuscaFator.h"
#include "Verificacao.h"

#include <optional>
#include <vector>

struct RelatoLow {
    SituacaoDados situacao; // Aceitos: computed
    bool haCunhaSemSolucao; // some wedge no reinforcement brings to F
};

// Low's analysis: lowest unreinforced safety factor and the largest horizontal and bisector forces
// that bring every wedge to F. hb and b are accepted and never read. Tells the user of data it
// rejects, among them a layer thinner than the shallowest wedge (H/2), and then returns false: the
// record holds its entry values and answers nothing. `relato`, when given, says how it went.
bool CalcLow(long double H, long double n, long double gama, long double c, long double phi,
             long double hb, long double b, long double T, long double Z, long double CS,
             long double CZ, long double CF, long double F, ResultadoLow& resultado,
             RelatoLow* relato = nullptr);

// The analysis CalcLow shows: the same checks and record, silent.
RelatoLow AnaliseLow(const DadosAnalise& entrada, ResultadoLow& resultado,
                     BuscadorFator buscador = BuscaFator);

enum class MotivoCunhaLow {
    Reforcada,       // both forces found
    DispensaReforco, // FS0 ≥ F: both forces are zero
    NadaResiste,     // FS0 ≤ 0: no force brings the wedge to F
    // The criterion of a direction is not met before the base of its power reaches zero (or k
    // passes 20): the absent force is that direction's; the horizontal one is absent whenever
    // the bisector one is.
    CriterioInatingivel,
};

// One wedge of Low's analysis, D = (i/80)·H for i = 40 ... 400 while D ≤ T.
struct CunhaLow {
    long double D;                 // m
    long double FS0;               // unreinforced safety factor
    std::optional<long double> Ph; // horizontal force, kN/m
    std::optional<long double> Pb; // force along the bisector, kN/m
    MotivoCunhaLow motivo;
};

// Every wedge of the analysis and the record made from them (the record CalcLow returns). Rejected
// data leave no wedges and the entry values.
struct CunhasLow {
    RelatoLow relato;
    ResultadoLow resultado;
    std::vector<CunhaLow> cunhas;
};

CunhasLow DetalheLow(const DadosAnalise& entrada);
