#include "Kanst.h"

#include "Kaniraj.h"

void CalcKanst(long double H, long double n, long double gama, long double c, long double phi,
               long double hb, long double b, long double T, long double Z, long double CS,
               long double CZ, long double CF, long double F, long double a,
               ResultadoKaniraj& resultado, RelatoKaniraj* relato) {
    // Silent: CalcKanct, run first on the same data, tells the user what was rejected.
    const RelatoKaniraj feito = AnaliseKaniraj(
        HipoteseKaniraj::SemTrinca, {H, n, gama, c, phi, hb, b, T, Z, CS, CZ, CF, F, a}, resultado);
    if (relato)
        *relato = feito;
}
