#pragma once

#include "../data/Resultados.h"

struct RelatoKaniraj;

// Kaniraj's analysis with the fill intact: the reinforcement force for safety factor F with the
// reinforcement at height a. Shows no message; CalcKanct reports rejected data. `relato`, when
// given, says how the run went.
void CalcKanst(long double H, long double n, long double gama, long double c, long double phi,
               long double hb, long double b, long double T, long double Z, long double CS,
               long double CZ, long double CF, long double F, long double a,
               ResultadoKaniraj& resultado, RelatoKaniraj* relato = nullptr);
