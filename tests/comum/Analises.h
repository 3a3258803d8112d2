#pragma once

// The methods screen's operations called with one record, and the records the analyses give a
// design straight from the calculation, for the tests to hold the windows, the drawings and the
// operations against.

#include "calc/Kanct.h"
#include "calc/Kaniraj.h"
#include "calc/Kanst.h"
#include "calc/Low.h"

inline bool CalcKanct(const DadosAnalise& x, ResultadoKaniraj& r) {
    const DadosEntrada& p = x.problema;
    return CalcKanct(p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, p.Altberma, p.Largberma, p.Prof,
                     p.Dist, p.Superf, p.ProfZ, p.Cont, x.fatores.Fatsegkan, x.fatores.Posref, r);
}

inline void CalcKanst(const DadosAnalise& x, ResultadoKaniraj& r) {
    const DadosEntrada& p = x.problema;
    CalcKanst(p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, p.Altberma, p.Largberma, p.Prof, p.Dist,
              p.Superf, p.ProfZ, p.Cont, x.fatores.Fatsegkan, x.fatores.Posref, r);
}

inline bool CalcLow(const DadosAnalise& x, ResultadoLow& r) {
    const DadosEntrada& p = x.problema;
    return CalcLow(p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, p.Altberma, p.Largberma, p.Prof,
                   p.Dist, p.Superf, p.ProfZ, p.Cont, x.fatores.Fatseglow, r);
}

// The same embankment for Low's analysis, at Kaniraj's safety factor.
inline DadosAnalise ParaLow(DadosAnalise x) {
    x.fatores.Fatseglow = x.fatores.Fatsegkan;
    return x;
}

inline ResultadoKaniraj Kaniraj(HipoteseKaniraj hipotese, const DadosAnalise& x) {
    ResultadoKaniraj r;
    AnaliseKaniraj(hipotese, x, r);
    return r;
}

inline ResultadoLow Low(const DadosAnalise& x) {
    ResultadoLow r;
    AnaliseLow(x, r);
    return r;
}
