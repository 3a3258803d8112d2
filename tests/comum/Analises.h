#pragma once

// The methods screen's operations run on one record, and the records the analyses give a design
// straight from the calculation, for the tests to hold the windows, the drawings and the
// operations against.

#include "calc/Kanct.h"
#include "calc/Kaniraj.h"
#include "calc/Kanst.h"
#include "calc/Low.h"
#include "data/Mensagens.h"

#include <string>
#include <vector>

// The same embankment for Low's analysis, at Kaniraj's safety factor.
inline DadosAnalise ParaLow(DadosAnalise x) {
    x.fatores.Fatseglow = x.fatores.Fatsegkan;
    return x;
}

// The operations' records over what an earlier run left in them, and the messages of each method.
struct Rodada {
    ResultadoKaniraj comTrinca{1, 2, 3, 4}, semTrinca{1, 2, 3, 4};
    ResultadoLow low{1, 2, 3, 4, 5, 6};
    std::vector<std::string> mensagensKaniraj, mensagensLow;
    bool aceitosKaniraj = false, aceitosLow = false; // results to show
};

// Kaniraj with the crack first (the one that speaks), then intact, then Low at Kaniraj's F (Low
// never reads a).
inline Rodada Roda(const DadosAnalise& x) {
    Rodada r;
    std::vector<std::string>* mensagens = &r.mensagensKaniraj;
    DefinirExibidorMensagens([&](const std::string& texto) { mensagens->push_back(texto); });
    const DadosEntrada& p = x.problema;
    const long double F = x.fatores.Fatsegkan, a = x.fatores.Posref;
    r.aceitosKaniraj =
        CalcKanct(p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, p.Altberma, p.Largberma, p.Prof,
                  p.Dist, p.Superf, p.ProfZ, p.Cont, F, a, r.comTrinca);
    CalcKanst(p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, p.Altberma, p.Largberma, p.Prof, p.Dist,
              p.Superf, p.ProfZ, p.Cont, F, a, r.semTrinca);
    mensagens = &r.mensagensLow;
    r.aceitosLow = CalcLow(p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, p.Altberma, p.Largberma,
                           p.Prof, p.Dist, p.Superf, p.ProfZ, p.Cont, F, r.low);
    DefinirExibidorMensagens(nullptr);
    return r;
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
