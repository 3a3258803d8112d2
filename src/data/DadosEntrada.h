#pragma once

#include "Precisao.h"

#include <array>

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

// What the methods take beside the problem: Kaniraj's safety factor F and the reinforcement's
// height a above the foundation surface (m); Low's safety factor F; Bishop's F, its reinforcement's
// height and whether a tension crack cuts the fill.
struct Fatores {
    long double Fatsegkan = 0;
    long double Posref = 0;
    long double Fatseglow = 0;
    long double Fatsegbishop = 0;
    long double Posrefbishop = 0;
    bool TrincaBishop = false;

    bool operator==(const Fatores&) const = default;
};

// A design as the methods take it: the problem and the factors. Each method reads its own factors
// only; Low's reads neither berm value.
struct DadosAnalise {
    DadosEntrada problema;
    Fatores fatores;

    bool operator==(const DadosAnalise&) const = default;
};

// One value of the problem wherever it is named: its member; its key in the design file; its
// control on the data-entry screen and its label there (group and caption); its symbol and unit as
// the study's window writes them (UTF-8); what it is, in the study's list of variables; its column
// in exported tables (ASCII, which any spreadsheet reads); its line and unit in the report's data.
struct Grandeza {
    long double DadosEntrada::*membro;
    const char* chave;
    const char* controle;
    const char* rotulo;
    const char* simbolo;
    const char* unidade;
    const char* nome;
    const char* cabecalho;
    const char* noRelatorio;
    const char* unidadeNoRelatorio;
};

// The twelve, in the order of the record.
inline constexpr std::array<Grandeza, 12> Grandezas{{
    {&DadosEntrada::Alt, "Alt", "eAlt", "Aterro: Altura (m)", "H", "m", "Altura do aterro", "H (m)",
     "Altura do aterro, H", "m"},
    {&DadosEntrada::Decl, "Decl", "eDecl", "Aterro: Declividade (h/v)", "n", "h/v",
     "Declividade do talude", "n (h/v)", "Declividade do talude, n (horizontal/vertical)", "—"},
    {&DadosEntrada::Pesesp, "Pesesp", "ePesesp", "Aterro: Peso específico aparente total (kN/m3)",
     "γ", "kN/m³", "Peso específico do aterro", "gama (kN/m3)", "Peso específico do aterro, γ",
     "kN/m³"},
    {&DadosEntrada::Coesao, "Coesao", "eCoesao", "Aterro: Coesão (kPa)", "c", "kPa",
     "Coesão do aterro", "c (kPa)", "Coesão do aterro, c", "kPa"},
    {&DadosEntrada::Angat, "Angat", "eAngat", "Aterro: Ângulo de atrito (graus)", "φ", "graus",
     "Ângulo de atrito do aterro", "phi (graus)", "Ângulo de atrito do aterro, φ", "graus"},
    {&DadosEntrada::Altberma, "Altberma", "eAltberma", "Berma: Altura (m)", "hb", "m",
     "Altura da berma", "hb (m)", "Altura da berma, hb", "m"},
    {&DadosEntrada::Largberma, "Largberma", "eLargberma", "Berma: Largura (m)", "b", "m",
     "Largura da berma", "b (m)", "Largura da berma, b", "m"},
    {&DadosEntrada::Prof, "Prof", "eProf", "Solo de fundação: Espessura da camada mole (m)", "T",
     "m", "Espessura da camada mole", "T (m)", "Espessura da camada mole, T", "m"},
    {&DadosEntrada::Dist, "Dist", "eDist", "Resistência não drenada: Z (m)", "Z", "m",
     "Profundidade Z do perfil de resistência", "Z (m)", "Profundidade de inflexão, Z", "m"},
    {&DadosEntrada::Superf, "Superf", "eSuperf", "Resistência não drenada: CS (kPa)", "CS", "kPa",
     "Resistência não drenada no topo da camada", "CS (kPa)",
     "Resistência não drenada na superfície, CS", "kPa"},
    {&DadosEntrada::ProfZ, "ProfZ", "eProfZ", "Resistência não drenada: CZ (kPa)", "CZ", "kPa",
     "Resistência não drenada na profundidade Z", "CZ (kPa)",
     "Resistência não drenada à profundidade Z, CZ", "kPa"},
    {&DadosEntrada::Cont, "Cont", "eCont", "Resistência não drenada: CF (kPa)", "CF", "kPa",
     "Resistência não drenada na base da camada", "CF (kPa)",
     "Resistência não drenada na base da camada, CF", "kPa"},
}};

// Low's analysis reads neither berm value: a run of it answers the same problem with any berm.
bool MesmoProblemaLow(DadosEntrada a, const DadosEntrada& b);

// The one record of the problem, alive for the whole run; only the data-entry screen writes it.
extern DadosEntrada DadosDoProblema;
