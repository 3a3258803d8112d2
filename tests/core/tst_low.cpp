#include "GravadorMensagens.h"
#include "calc/Low.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct Dados {
    long double H, n, gama, c, phi, hb, b, T, Z, CS, CZ, CF, F;
};

ResultadoLow Low(const Dados& x) {
    ResultadoLow r{1, 2, 3, 4, 5, 6}; // whatever an earlier run left
    CalcLow(x.H, x.n, x.gama, x.c, x.phi, x.hb, x.b, x.T, x.Z, x.CS, x.CZ, x.CF, x.F, r);
    return r;
}

// The depth of wedge i, D = (i/80)·H.
long double Cunha(int i, long double H) {
    return i / 80.0L * H;
}

void EsperaEntrada(const ResultadoLow& r, const char* nome) {
    EXPECT_EQ(r.Profcunh, 0) << nome;
    EXPECT_EQ(r.Profcunsol, 0) << nome;
    EXPECT_EQ(r.Fatsegsol, 100) << nome;
    EXPECT_EQ(r.Solicsolh, 0) << nome;
    EXPECT_EQ(r.Profcunb, 0) << nome;
    EXPECT_EQ(r.Solicsolb, 0) << nome;
}

// H = 3, slope 2, γ = 18, cohesionless fill of φ = 30 on a linear 10 kPa profile, F = 1.3.
constexpr Dados umaCunha{3, 2, 18, 0, 30, 0, 0, 1.5L, 0, 10, 10, 10, 1.3L};
constexpr Dados variasCunhas{3, 2, 18, 0, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L};
constexpr Dados biLinear{3, 2, 18, 5, 30, 0, 0, 6, 2, 10, 8, 20, 1.3L};

TEST(Low, WorkedExamples) {
    struct Exemplo {
        const char* nome;
        Dados dados;
        long double Profcunh, Profcunsol, Fatsegsol, Solicsolh, Profcunb, Solicsolb;
    };
    Dados umaCunhaF1 = umaCunha;
    umaCunhaF1.F = 1.0L;
    Dados biLinearComBerma = biLinear;
    biLinearComBerma.hb = 2, biLinearComBerma.b = 7;
    const Exemplo exemplos[] = {
        {"one wedge", umaCunha, 1.5L, 1.5L, 1.1172L, 21.06L, 1.5L, 17.82L},
        {"one wedge, F = 1", umaCunhaF1, 0, 1.5L, 1.1172L, 0, 0, 0},
        {"many wedges", variasCunhas, 6, 6, 1.0152L, 124.74L, Cunha(157, 3), 71.28L},
        {"bi-linear", biLinear, Cunha(72, 3), Cunha(64, 3), 1.0860L, 38.88L, Cunha(71, 3), 29.16L},
        {"bi-linear, berm ignored", biLinearComBerma, Cunha(72, 3), Cunha(64, 3), 1.0860L, 38.88L,
         Cunha(71, 3), 29.16L},
    };
    for (const auto& ex : exemplos) {
        GravadorMensagens gravador;
        const ResultadoLow r = Low(ex.dados);
        EXPECT_EQ(r.Profcunh, ex.Profcunh) << ex.nome;
        EXPECT_EQ(r.Profcunsol, ex.Profcunsol) << ex.nome;
        EXPECT_NEAR(r.Fatsegsol, ex.Fatsegsol, 0.00005L) << ex.nome;
        EXPECT_NEAR(r.Solicsolh, ex.Solicsolh, 0.005L) << ex.nome;
        EXPECT_EQ(r.Profcunb, ex.Profcunb) << ex.nome;
        EXPECT_NEAR(r.Solicsolb, ex.Solicsolb, 0.005L) << ex.nome;
        EXPECT_TRUE(gravador.mensagens.empty()) << ex.nome;
    }
    // The depths of the examples, as the engineer reads them.
    EXPECT_NEAR(Cunha(157, 3), 5.8875L, 1e-17L);
    EXPECT_NEAR(Cunha(72, 3), 2.7L, 1e-17L);
}

TEST(Low, ForcesAreWholeStepsOfTheForceUnit) {
    // k = 0.11 and 0.13 for the single wedge: the first multiples of 0.01 meeting the criteria.
    const ResultadoLow r = Low(umaCunha);
    EXPECT_NEAR(r.Solicsolb / (18 * 9), 0.11L, 1e-15L);
    EXPECT_NEAR(r.Solicsolh / (18 * 9), 0.13L, 1e-15L);
}

TEST(Low, IncompleteDataGiveEntryValues) {
    for (int campo = 0; campo < 3; ++campo) {
        Dados x = variasCunhas;
        (campo == 0 ? x.H : campo == 1 ? x.gama : x.T) = 0;
        GravadorMensagens gravador;
        EsperaEntrada(Low(x), "zero");
        EXPECT_EQ(gravador.mensagens, std::vector<std::string>{"Dados incompletos."});
    }
}

TEST(Low, RejectionsWithTheirMessage) {
    struct Caso {
        const char* nome;
        Dados dados;
        const char* mensagem;
    };
    auto com = [](auto altera) {
        Dados x = variasCunhas;
        altera(x);
        return x;
    };
    const char* negativos = "Altura, peso específico, espessura e Z não podem ser negativos.";
    const char* fora = "Valores fora do intervalo de cálculo.";
    const Caso casos[] = {
        {"H negative", com([](Dados& x) { x.H = -3; }), negativos},
        {"γ negative", com([](Dados& x) { x.gama = -18; }), negativos},
        {"T negative", com([](Dados& x) { x.T = -6; }), negativos},
        {"Z negative", com([](Dados& x) { x.Z = -2; }), negativos},
        {"zero before negative", com([](Dados& x) { x.gama = 0, x.Z = -2; }), "Dados incompletos."},
        {"T huge", com([](Dados& x) { x.T = 1e4000L; }), fora},
        {"c huge", com([](Dados& x) { x.c = 1e4000L; }), fora},
        {"F tiny", com([](Dados& x) { x.F = 1e-4000L; }), fora},
        {"CZ not a number", com([](Dados& x) { x.CZ = NAN; }), fora},
    };
    for (const auto& caso : casos) {
        GravadorMensagens gravador;
        EsperaEntrada(Low(caso.dados), caso.nome);
        EXPECT_EQ(gravador.mensagens, std::vector<std::string>{caso.mensagem}) << caso.nome;
    }
}

TEST(Low, BermValuesAreNeverRead) {
    Dados x = variasCunhas;
    x.hb = 1e4000L;
    x.b = NAN;
    GravadorMensagens gravador;
    const ResultadoLow r = Low(x);
    EXPECT_EQ(r.Solicsolh, Low(variasCunhas).Solicsolh);
    EXPECT_TRUE(gravador.mensagens.empty());
}

TEST(Low, ThinLayerExaminesNoWedge) {
    Dados x = umaCunha;
    x.T = 1.4L;
    GravadorMensagens gravador;
    EsperaEntrada(Low(x), "T < H/2");
    EXPECT_TRUE(gravador.mensagens.empty());
}

TEST(Low, WedgesNoReinforcementStabilisesAreReported) {
    // From D/H = 2.875 on the horizontal criterion has no solution for this embankment.
    Dados x = variasCunhas;
    x.T = 12;
    GravadorMensagens gravador;
    const ResultadoLow r = Low(x);
    EXPECT_EQ(gravador.mensagens,
              std::vector<std::string>{"Há cunhas que o reforço não leva ao fator de segurança "
                                       "adotado; as solicitações mostradas não as consideram."});
    // The forces reported come from wedges that can be reinforced: the horizontal one from a
    // wedge shallower than 2.875·H.
    EXPECT_GT(r.Solicsolh, 0);
    EXPECT_LT(r.Profcunh, 2.875L * 3);
    EXPECT_GT(r.Solicsolb, 0);

    // Just short of 2.875·H every wedge can still be reinforced: no warning.
    x.T = Cunha(229, 3);
    GravadorMensagens outro;
    Low(x);
    EXPECT_TRUE(outro.mensagens.empty());
}

TEST(Low, NothingResistingIsReportedNotComputed) {
    struct Caso {
        const char* nome;
        Dados dados;
    };
    Dados semResistencia = variasCunhas;
    semResistencia.CS = semResistencia.CZ = semResistencia.CF = 0;
    semResistencia.phi = 0;
    Dados atritoInvertido = variasCunhas; // φ past 90°: tan φ < 0, FS0 < 0
    atritoInvertido.CS = atritoInvertido.CZ = atritoInvertido.CF = 0;
    atritoInvertido.phi = 120;
    for (const Caso& caso :
         {Caso{"cm = c = φ = 0", semResistencia}, Caso{"φ = 120", atritoInvertido}}) {
        GravadorMensagens gravador;
        const ResultadoLow r = Low(caso.dados);
        EXPECT_LE(r.Fatsegsol, 0) << caso.nome;
        EXPECT_GT(r.Profcunsol, 0) << caso.nome;
        EXPECT_EQ(r.Solicsolh, 0) << caso.nome;
        EXPECT_EQ(r.Solicsolb, 0) << caso.nome;
        EXPECT_EQ(r.Profcunh, 0) << caso.nome;
        EXPECT_EQ(r.Profcunb, 0) << caso.nome;
        EXPECT_EQ(gravador.mensagens.size(), 1u) << caso.nome;
    }
}

TEST(Low, SafetyFactorOfAHundredDoesNotReplaceTheEntryValue) {
    // A very strong foundation: every FS0 is far above 100; the entry values stand.
    Dados x = umaCunha;
    x.CS = x.CZ = x.CF = 100000;
    GravadorMensagens gravador;
    const ResultadoLow r = Low(x);
    EXPECT_EQ(r.Fatsegsol, 100);
    EXPECT_EQ(r.Profcunsol, 0);
}

TEST(Low, ZAtOrBeyondTheWedgeUsesTheUpperSegment) {
    // Z ≥ T: every wedge on the line CS → CZ; CF has no effect.
    Dados x = biLinear;
    x.Z = 6;
    Dados y = x;
    y.CF = 1000;
    const ResultadoLow a = Low(x);
    const ResultadoLow b = Low(y);
    EXPECT_EQ(a.Fatsegsol, b.Fatsegsol);
    EXPECT_EQ(a.Solicsolh, b.Solicsolh);
    EXPECT_EQ(a.Profcunb, b.Profcunb);
}

TEST(Low, ExtremeButAcceptedDataStayFinite) {
    const Dados casos[] = {
        {1e-100L, 1e100L, 1e-100L, 1e100L, 1e100L, 0, 0, 1e100L, 1e-100L, 1e100L, -1e100L, 1e100L,
         1e100L},
        {1e100L, -1e100L, 1e100L, -1e-100L, 1e-100L, 0, 0, 1e100L, 0, 1e-100L, 0, 1e-100L, 1e100L},
    };
    for (const auto& x : casos) {
        GravadorMensagens gravador;
        const ResultadoLow r = Low(x);
        for (long double v :
             {r.Profcunh, r.Profcunsol, r.Fatsegsol, r.Solicsolh, r.Profcunb, r.Solicsolb})
            EXPECT_TRUE(std::isfinite(v));
    }
}

} // namespace
