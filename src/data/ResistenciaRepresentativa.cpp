#include "ResistenciaRepresentativa.h"

#include <cmath>

long double ResistenciaRepresentativa(long double T, long double Z, long double CS, long double CZ,
                                      long double CF, long double D) {
    // The straight line of the profile on which depth D lies: strength c0 at the top of the layer,
    // c1 at depth L, and the excess of the real top strength over c0.
    long double c0, c1, L, excesso = 0;
    if (Z == 0) {
        c0 = CS;
        c1 = CF;
        L = T;
    } else if (Z >= D) {
        c0 = CS;
        c1 = CZ;
        L = Z;
    } else {
        // The wedge passes the inflection: the lower segment, extended up to the top.
        c0 = (CZ * T - CF * Z) / (T - Z);
        c1 = CF;
        L = T;
        excesso = CS - c0;
    }
    const long double cD = c0 + D * (c1 - c0) / L;
    long double cm = 0.35L * c0 + 0.65L * cD;
    if (Z != 0)
        cm += 0.35L * excesso * std::exp(1.1L * std::log(Z / D));
    return cm;
}
