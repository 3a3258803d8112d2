#pragma once

#include "../data/Resultados.h"

struct RelatoKaniraj;

// Kaniraj's analysis with a tension crack through the whole fill height. Tells the user of data it
// rejects, among them data for which no wedge can be examined (a berm too wide, a layer too thin),
// and then returns false: the record is all zero and answers nothing. `relato`, when given, says
// how the run went, depths without a radius included.
bool CalcKanct(long double H, long double n, long double gama, long double c, long double phi,
               long double hb, long double b, long double T, long double Z, long double CS,
               long double CZ, long double CF, long double F, long double a,
               ResultadoKaniraj& resultado, RelatoKaniraj* relato = nullptr);
