#include "GravadorMensagens.h"
#include "calc/Kanct.h"
#include "calc/Kaniraj.h"
#include "calc/Kanst.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct Dados {
    long double H, n, gama, c, phi, hb, b, T, Z, CS, CZ, CF, F, a;
};

ResultadoKaniraj Kanst(const Dados& x, ResultadoKaniraj r = {}) {
    CalcKanst(x.H, x.n, x.gama, x.c, x.phi, x.hb, x.b, x.T, x.Z, x.CS, x.CZ, x.CF, x.F, x.a, r);
    return r;
}

ResultadoKaniraj Kanct(const Dados& x, ResultadoKaniraj r = {}) {
    CalcKanct(x.H, x.n, x.gama, x.c, x.phi, x.hb, x.b, x.T, x.Z, x.CS, x.CZ, x.CF, x.F, x.a, r);
    return r;
}

bool Finito(const ResultadoKaniraj& r) {
    return std::isfinite(r.P) && std::isfinite(r.Y0) && std::isfinite(r.X0) && std::isfinite(r.D);
}

// The embankment of the examples: H = 3, slope 2, γ = 18, c = 5, φ = 30, no berm, T = 6, linear
// profile of 10 kPa, F = 1.3, reinforcement at the foundation surface.
constexpr Dados aterro{3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0};
// A berm 2 m high and 6 m wide, a bi-linear profile, the reinforcement 0.3 m up.
constexpr Dados comBerma{4, 1.5L, 19, 5, 28, 2, 6, 10, 3, 15, 8, 25, 1.4L, 0.3L};
// A strong foundation: no wedge needs reinforcement.
constexpr Dados fundacaoForte{3, 2, 18, 10, 30, 0, 0, 10, 0, 10, 10, 30, 1.3L, 0};

struct Exemplo {
    const char* nome;
    bool comTrinca;
    Dados dados;
    long double P, Y0, X0, D; // P and Y0 to two decimals; X0 and D exact
};

Dados SemCoesao() {
    Dados x = aterro;
    x.c = 0;
    return x;
}

TEST(Kaniraj, WorkedExamples) {
    const Exemplo exemplos[] = {
        {"intact fill", false, aterro, 72.01L, 13.88L, 3, 6},
        {"intact fill, c = 0", false, SemCoesao(), 88.44L, 13.99L, 3, 5.85L},
        {"intact fill, berm, bi-linear, a = 0.3", false, comBerma, 155.24L, 19.14L, 0, 5},
        {"intact fill, strong foundation", false, fundacaoForte, 0, 0, 3, 0},
        {"crack", true, aterro, 61.68L, 11.22L, 3, 6},
        {"crack, c = 0", true, SemCoesao(), 61.68L, 11.22L, 3, 6},
        {"crack, berm, bi-linear, a = 0.3", true, comBerma, 93.85L, 16.92L, 0, 6.5L},
        {"crack, strong foundation", true, fundacaoForte, 0, 0, 3, 0},
    };
    for (const auto& ex : exemplos) {
        GravadorMensagens gravador;
        const ResultadoKaniraj r = ex.comTrinca ? Kanct(ex.dados) : Kanst(ex.dados);
        EXPECT_NEAR(r.P, ex.P, 0.005L) << ex.nome;
        EXPECT_NEAR(r.Y0, ex.Y0, 0.005L) << ex.nome;
        EXPECT_EQ(r.X0, ex.X0) << ex.nome;
        EXPECT_EQ(r.D, ex.D) << ex.nome;
        EXPECT_TRUE(gravador.mensagens.empty()) << ex.nome;
    }
}

TEST(Kaniraj, CrackIgnoresFillStrength) {
    Dados x = aterro;
    x.c = 0;
    x.phi = 0;
    const ResultadoKaniraj semResistencia = Kanct(x);
    const ResultadoKaniraj comResistencia = Kanct(aterro);
    EXPECT_EQ(semResistencia.P, comResistencia.P);
    EXPECT_EQ(semResistencia.Y0, comResistencia.Y0);
    EXPECT_EQ(semResistencia.D, comResistencia.D);
}

TEST(Kaniraj, IncompleteDataZeroBothRecordsAndWarnOnce) {
    // An earlier run's forces must not stay on the screen for the new data.
    for (int campo = 0; campo < 3; ++campo) {
        Dados x = aterro;
        (campo == 0 ? x.H : campo == 1 ? x.gama : x.T) = 0;
        GravadorMensagens gravador;
        const ResultadoKaniraj antigoCt = Kanct(aterro);
        const ResultadoKaniraj antigoSt = Kanst(aterro);
        ASSERT_GT(antigoCt.P, 0);
        const ResultadoKaniraj ct = Kanct(x, antigoCt);
        const ResultadoKaniraj st = Kanst(x, antigoSt);
        for (const auto& r : {ct, st}) {
            EXPECT_EQ(r.P, 0);
            EXPECT_EQ(r.Y0, 0);
            EXPECT_EQ(r.X0, 0);
            EXPECT_EQ(r.D, 0);
        }
        EXPECT_EQ(gravador.mensagens, std::vector<std::string>{"Dados incompletos."});
    }
}

TEST(Kaniraj, RejectionsInOrderWithTheirMessage) {
    struct Caso {
        const char* nome;
        Dados dados;
        const char* mensagem;
    };
    auto com = [](auto altera) {
        Dados x = aterro;
        altera(x);
        return x;
    };
    const Caso casos[] = {
        {"H negative", com([](Dados& x) { x.H = -3; }),
         "Altura, peso específico, espessura e Z não podem ser negativos."},
        {"γ negative", com([](Dados& x) { x.gama = -18; }),
         "Altura, peso específico, espessura e Z não podem ser negativos."},
        {"T negative", com([](Dados& x) { x.T = -6; }),
         "Altura, peso específico, espessura e Z não podem ser negativos."},
        {"Z negative", com([](Dados& x) { x.Z = -1; }),
         "Altura, peso específico, espessura e Z não podem ser negativos."},
        {"zero before negative", com([](Dados& x) { x.H = -3, x.T = 0; }), "Dados incompletos."},
        {"H huge", com([](Dados& x) { x.H = 1e4000L; }), "Valores fora do intervalo de cálculo."},
        {"F huge", com([](Dados& x) { x.F = 1e4000L; }), "Valores fora do intervalo de cálculo."},
        {"c huge, read only by the intact fill", com([](Dados& x) { x.c = 1e4000L; }),
         "Valores fora do intervalo de cálculo."},
        {"CF infinite", com([](Dados& x) { x.CF = INFINITY; }),
         "Valores fora do intervalo de cálculo."},
        {"a not a number", com([](Dados& x) { x.a = NAN; }),
         "Valores fora do intervalo de cálculo."},
        {"T so thin the radius steps cannot be counted", com([](Dados& x) { x.T = 1e-20L; }),
         "Valores fora do intervalo de cálculo."},
        {"negative before out of range", com([](Dados& x) { x.Z = -1, x.CS = 1e4000L; }),
         "Altura, peso específico, espessura e Z não podem ser negativos."},
    };
    for (const auto& caso : casos) {
        GravadorMensagens gravador;
        const ResultadoKaniraj antigo{1, 2, 3, 4};
        const ResultadoKaniraj ct = Kanct(caso.dados, antigo);
        const ResultadoKaniraj st = Kanst(caso.dados, antigo);
        for (const auto& r : {ct, st}) {
            EXPECT_EQ(r.P, 0) << caso.nome;
            EXPECT_EQ(r.Y0, 0) << caso.nome;
            EXPECT_EQ(r.X0, 0) << caso.nome;
            EXPECT_EQ(r.D, 0) << caso.nome;
        }
        EXPECT_EQ(gravador.mensagens, std::vector<std::string>{caso.mensagem}) << caso.nome;
    }
}

TEST(Kaniraj, BermTooWide) {
    struct Caso {
        const char* nome;
        Dados dados;
        long double X0;
    };
    Dados fina = aterro;
    fina.H = 5, fina.T = 1; // dmin = √2 − 1 > T/H = 0.2
    Dados bermaBaixaLarga = aterro;
    bermaBaixaLarga.H = 5, bermaBaixaLarga.b = 10, bermaBaixaLarga.T = 5; // dmin = √10 − 1 > 1
    for (const Caso& caso : {Caso{"thin layer", fina, 5}, Caso{"wide berm", bermaBaixaLarga, 5}}) {
        GravadorMensagens gravador;
        const ResultadoKaniraj ct = Kanct(caso.dados, {1, 2, 3, 4});
        const ResultadoKaniraj st = Kanst(caso.dados, {1, 2, 3, 4});
        for (const auto& r : {ct, st}) {
            EXPECT_EQ(r.P, 0) << caso.nome;
            EXPECT_EQ(r.Y0, 0) << caso.nome;
            EXPECT_EQ(r.X0, caso.X0) << caso.nome;
            EXPECT_EQ(r.D, 0) << caso.nome;
        }
        EXPECT_EQ(gravador.mensagens, std::vector<std::string>{"Berma muito larga."}) << caso.nome;
    }
    // Without the berm's width the same wedges clear the toe and the search runs.
    Dados semLargura = bermaBaixaLarga;
    semLargura.b = 0;
    GravadorMensagens gravador;
    EXPECT_GT(Kanct(semLargura).P, 0);
    EXPECT_TRUE(gravador.mensagens.empty());
}

// Records the depth ratios handed to the radius search, then searches as the analyses do.
std::vector<long double> profundidadesBuscadas;
std::int64_t BuscaAnotada(const CriterioRaio& criterio) {
    profundidadesBuscadas.push_back(criterio.d);
    return BuscaRaio(criterio);
}

TEST(Kaniraj, ShallowDepthsBelowTheBermToeAreSkipped) {
    // H = 4, berm 2 × 6: dmin = √3.25 − 1 ≈ 0.8028; depths i·0.25 m, d = i/16: the first examined
    // is i = 13, D = 3.25 m, and all later ones follow.
    for (auto hipotese : {HipoteseKaniraj::SemTrinca, HipoteseKaniraj::ComTrinca}) {
        profundidadesBuscadas.clear();
        ResultadoKaniraj r;
        AnaliseKaniraj(hipotese, {4, 1.5L, 19, 5, 28, 2, 6, 10, 0, 15, 15, 25, 1.4L, 0}, r,
                       BuscaAnotada);
        ASSERT_EQ(profundidadesBuscadas.size(), 28u);
        EXPECT_EQ(profundidadesBuscadas.front(), 13 * 10 / 40.0L / 4);
        EXPECT_EQ(profundidadesBuscadas.back(), 10 / 4.0L);
        EXPECT_EQ(r.X0, 0);
    }
}

TEST(Kaniraj, DeepestWedgeAlwaysExamined) {
    // H = 1, n = 0, T = 12: d = 0.3·i; from i = 31 on the first radius d + 1 is beyond 10, and
    // the search there evaluates only that one sample; the last depth is examined even so.
    profundidadesBuscadas.clear();
    ResultadoKaniraj r;
    AnaliseKaniraj(HipoteseKaniraj::ComTrinca, {1, 0, 18, 0, 30, 0, 0, 12, 0, 10, 10, 10, 1.3L, 0},
                   r, BuscaAnotada);
    ASSERT_EQ(profundidadesBuscadas.size(), 40u);
    EXPECT_EQ(profundidadesBuscadas.back(), 12.0L);
    EXPECT_TRUE(Finito(r));
}

TEST(Kaniraj, NoResistanceGivesNoForce) {
    // CS = CZ = CF = 0: S = 0 for every wedge with the crack; with c and φ also 0 without it.
    Dados x = aterro;
    x.CS = x.CZ = x.CF = 0;
    x.c = 0;
    x.phi = 0;
    GravadorMensagens gravador;
    for (const auto& r : {Kanct(x, {1, 2, 3, 4}), Kanst(x, {1, 2, 3, 4})}) {
        EXPECT_EQ(r.P, 0);
        EXPECT_EQ(r.Y0, 0);
        EXPECT_EQ(r.X0, 3);
        EXPECT_EQ(r.D, 0);
    }
    EXPECT_TRUE(gravador.mensagens.empty());
}

std::int64_t radiosAceitos = 0;
std::int64_t BuscaContada(const CriterioRaio& criterio) {
    const std::int64_t j = BuscaRaio(criterio);
    radiosAceitos += j != SemRaio;
    return j;
}

TEST(Kaniraj, ReinforcementAboveTheCircleGivesNoForce) {
    // a = 100 m: e/2 exceeds every radius accepted (ρ ≤ 10), so no lever arm exists.
    for (auto hipotese : {HipoteseKaniraj::SemTrinca, HipoteseKaniraj::ComTrinca}) {
        radiosAceitos = 0;
        ResultadoKaniraj r{1, 2, 3, 4};
        const RelatoKaniraj relato = AnaliseKaniraj(
            hipotese, {3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 100}, r, BuscaContada);
        EXPECT_EQ(relato.desfecho, DesfechoKaniraj::Calculado);
        EXPECT_GT(radiosAceitos, 0);
        EXPECT_EQ(r.P, 0);
        EXPECT_EQ(r.Y0, 0);
        EXPECT_EQ(r.D, 0);
        EXPECT_EQ(r.X0, 3);
    }
}

TEST(Kaniraj, ExtremeButAcceptedDataStayFinite) {
    const Dados casos[] = {
        {1e-100L, 1e100L, 1e100L, 1e100L, 1e100L, 1e100L, 1e100L, 1e100L, 1e100L, 1e100L, 1e100L,
         1e100L, 1e100L, 1e100L},
        {1e100L, 1e-100L, 1e-100L, 1e-100L, 1e-100L, 1e-100L, 1e-100L, 1e100L, 1e-100L, 1e-100L,
         1e-100L, 1e-100L, 1e-100L, 1e-100L},
        {3, -2, 18, -5, 95, -1, -2, 6, 7, 10, -20, 10, -1.3L, -2},
        {1e-100L, 0, 1e-100L, 0, 0, 0, 0, 1e-11L, 0, 1e-100L, 1e-100L, 1e100L, 1e100L, 0},
    };
    for (const auto& x : casos) {
        GravadorMensagens gravador;
        EXPECT_TRUE(Finito(Kanct(x)));
        EXPECT_TRUE(Finito(Kanst(x)));
    }
}

TEST(Kaniraj, LeavesTheCallersFloatingPointFlagsAlone) {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_INEXACT);
    Kanst(aterro);
    EXPECT_TRUE(std::fetestexcept(FE_INEXACT));
    EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO));
}

} // namespace
