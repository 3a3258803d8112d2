#pragma once

// The embankment of the worked examples, for every test and benchmark: H = 3 m, slope 2,
// γ = 18 kN/m³, c = 5 kPa, φ = 30°, no berm, a soft layer 6 m thick at 10 kPa throughout; both
// safety factors 1.3, the reinforcement on the foundation surface. Given it, the reinforcement must
// carry 61.68 kN/m by Kaniraj with the crack, 72.01 without, and 97.2 horizontally by Low.

#include "data/DadosEntrada.h"

inline constexpr DadosEntrada aterroExemplo{.Alt = 3,
                                            .Decl = 2,
                                            .Pesesp = 18,
                                            .Coesao = 5,
                                            .Angat = 30,
                                            .Prof = 6,
                                            .Superf = 10,
                                            .ProfZ = 10,
                                            .Cont = 10};
inline constexpr Fatores fatoresExemplo{.Fatsegkan = 1.3L, .Posref = 0, .Fatseglow = 1.3L};
inline constexpr DadosAnalise exemplo{aterroExemplo, fatoresExemplo};
// Another of the examples: H = 4 m, slope 1.5, a berm 2 m high and 6 m wide, a bi-linear profile
// (Z = 3 m), Kaniraj's F = 1.4 with the reinforcement 0.3 m up.
inline constexpr DadosAnalise aterroComBerma{4,  1.5L, 19, 5, 28, 2,    6,
                                             10, 3,    15, 8, 25, 1.4L, 0.3L};

// The published benchmark of Bishop's method: 6 m high, slopes of 10 horizontal to 6 vertical, on
// 3 m of clay at cu = 20 kPa over a firm base; the fill's γ, c and φ as given (a sand fill:
// 17, 0, 37).
inline constexpr DadosEntrada AterroDeReferencia(long double gama, long double c, long double phi) {
    return {.Alt = 6,
            .Decl = 10.0L / 6,
            .Pesesp = gama,
            .Coesao = c,
            .Angat = phi,
            .Prof = 3,
            .Superf = 20,
            .ProfZ = 20,
            .Cont = 20};
}

// A high fill on a thin layer whose Bishop's critical circle stays on the edge of the centres'
// grid however widened (its force of about 68 kN/m for F = 1.3 may be short).
inline constexpr DadosAnalise bishopNaBorda{{.Alt = 5.4L,
                                             .Decl = 2.5L,
                                             .Pesesp = 19.5L,
                                             .Coesao = 2,
                                             .Angat = 12.5L,
                                             .Prof = 1.9L,
                                             .Superf = 28,
                                             .ProfZ = 28,
                                             .Cont = 41},
                                            {1.3L, 0, 1.3L, 1.3L, 0}};

// The example with some of its values changed, as in `ComoExemplo([](DadosEntrada& p) {...})`.
template <class Altera> DadosAnalise ComoExemplo(Altera&& altera) {
    DadosAnalise d = exemplo;
    altera(d.problema);
    return d;
}
