#pragma once

#include "Precisao.h"

// The twelve inputs of one problem, in the order the data-entry screen reads them.
// Lengths in m, unit weight in kN/m3, strengths in kPa, the angle in degrees.
struct DadosEntrada {
    long double Alt = 0;       // H, embankment height
    long double Decl = 0;      // n, slope (horizontal per vertical)
    long double Pesesp = 0;    // γ, unit weight of the fill
    long double Coesao = 0;    // c, cohesion of the fill
    long double Angat = 0;     // φ, friction angle of the fill
    long double Altberma = 0;  // hb, berm height
    long double Largberma = 0; // b, berm width
    long double Prof = 0;      // T, thickness of the soft layer
    long double Dist = 0;      // Z, depth of the inflection of the strength profile
    long double Superf = 0;    // CS, undrained strength at the top of the soft layer
    long double ProfZ = 0;     // CZ, undrained strength at depth Z
    long double Cont = 0;      // CF, undrained strength at the base of the soft layer

    bool operator==(const DadosEntrada&) const = default;
};

// Low's analysis reads neither berm value: a run of it answers the same problem with any berm.
bool MesmoProblemaLow(DadosEntrada a, const DadosEntrada& b);

// The one record of the problem, alive for the whole run; only the data-entry screen writes it.
extern DadosEntrada DadosDoProblema;
