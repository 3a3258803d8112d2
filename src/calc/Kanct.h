#pragma once

#include "../data/Resultados.h"

// Kaniraj's analysis with a tension crack through the whole fill height. Tells the user of data it
// rejects, and then returns false: the record is all zero and answers nothing. A berm too wide for
// any wedge is said too, but is a result (true).
bool CalcKanct(long double H, long double n, long double gama, long double c, long double phi,
               long double hb, long double b, long double T, long double Z, long double CS,
               long double CZ, long double CF, long double F, long double a,
               ResultadoKaniraj& resultado);
