#pragma once

#include "../data/Resultados.h"

// Low's analysis: lowest unreinforced safety factor and the largest horizontal and bisector forces
// that bring every wedge to F. hb and b are accepted and never read. Tells the user of data it
// rejects, and then returns false: the record holds its entry values and answers nothing.
bool CalcLow(long double H, long double n, long double gama, long double c, long double phi,
             long double hb, long double b, long double T, long double Z, long double CS,
             long double CZ, long double CF, long double F, ResultadoLow& resultado);
