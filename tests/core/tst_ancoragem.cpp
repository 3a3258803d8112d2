// Anchorage lengths: the pull-out of a geotextile under the whole fill, both faces resisting.

#include "calc/Ancoragem.h"
#include "data/ParseReal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Interfaces {
    long double cf, deltaf, ce, deltae;
};

// H = 3 m and γ = 18 kN/m3 give σv = 54 kPa under the reinforcement.
constexpr long double H = 3.0L;
constexpr long double Gama = 18.0L;

SituacaoAncoragem Calcular(const Interfaces& i, long double FS1, long double P1, long double P2,
                           long double P3, long double P4, ComprimentosAncoragem& c) {
    return CalcAncoragem(H, Gama, i.cf, i.deltaf, i.ce, i.deltae, FS1, P1, P2, P3, P4, c);
}

// Values to 40 digits: τf = 5 + 54·tan 20°, τe = 54·tan 30°, lengths 1.5·P/(τf + τe).
constexpr long double ComprimentoP100 = 2.686664661076783134824244834L;
constexpr long double ComprimentoP10 = 0.2686664661076783134824244834L;

TEST(Ancoragem, ExemploDoisSolosComOsQuatroComprimentos) {
    // cf = 5, δf = 20°, ce = 0, δe = 30°, FS1 = 1.5: τf ≈ 24.654 kPa, τe ≈ 31.177 kPa.
    ComprimentosAncoragem c;
    ASSERT_EQ(Calcular({5, 20, 0, 30}, 1.5L, 100, 10, 0, 200, c), SituacaoAncoragem::Calculada);
    // Each length follows its own force, in the record's order.
    EXPECT_NEAR(c.ComTr, ComprimentoP100, 1e-17L);
    EXPECT_NEAR(c.SemTr, ComprimentoP10, 1e-18L);
    EXPECT_EQ(c.Horiz, 0.0L); // a method never run contributes a zero force
    EXPECT_NEAR(c.Biss, 2 * ComprimentoP100, 2e-17L);
}

TEST(Ancoragem, PiComPrecisaoEstendida) {
    // Both faces at 45° and no cohesion, σv = 1: the strength is 2·tan 45° = 2 to the last bits.
    // A four-decimal π (3.1416) would give 2.0000073.
    ComprimentosAncoragem c;
    ASSERT_EQ(CalcAncoragem(1, 1, 0, 45, 0, 45, 1, 2, 2, 2, 2, c), SituacaoAncoragem::Calculada);
    EXPECT_NEAR(c.ComTr, 1.0L, 4 * std::numeric_limits<long double>::epsilon());
}

TEST(Ancoragem, AnguloZeroDeixaAFacePuramenteCoesiva) {
    // δ = 0 on both faces: τf + τe = cf + ce exactly, whatever σv.
    ComprimentosAncoragem c;
    ASSERT_EQ(Calcular({30, 0, 20, 0}, 1, 100, 50, 25, -10, c), SituacaoAncoragem::Calculada);
    EXPECT_EQ(c.ComTr, 2.0L);
    EXPECT_EQ(c.SemTr, 1.0L);
    EXPECT_EQ(c.Horiz, 0.5L);
    EXPECT_EQ(c.Biss, -0.2L); // negative lengths are stored as computed
}

TEST(Ancoragem, ResistenciasQueSomamZeroNaoMudamNada) {
    struct Caso {
        const char* nome;
        Interfaces i;
        long double P;
    };
    const Caso casos[] = {
        {"tudo zero", {0, 0, 0, 0}, 100},
        {"tudo zero e forca zero", {0, 0, 0, 0}, 0},
        {"coesoes opostas", {10, 0, -10, 0}, 100},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        ComprimentosAncoragem c{1, 2, 3, 4};
        EXPECT_EQ(Calcular(caso.i, 1.5L, caso.P, caso.P, caso.P, caso.P, c),
                  SituacaoAncoragem::ResistenciaNula);
        EXPECT_EQ(c.ComTr, 1);
        EXPECT_EQ(c.SemTr, 2);
        EXPECT_EQ(c.Horiz, 3);
        EXPECT_EQ(c.Biss, 4);
    }
}

TEST(Ancoragem, NadaQueNaoSejaFinitoEhGuardado) {
    const long double enorme = std::numeric_limits<long double>::max();
    struct Caso {
        const char* nome;
        long double H, gama, fs, P;
        Interfaces i;
    };
    const Caso casos[] = {
        {"sigma v transborda", enorme, 2, 1, 100, {5, 20, 0, 30}},
        {"sigma v infinito com angulo zero", enorme, 2, 1, 100, {5, 0, 0, 0}},
        {"forca vezes FS1 transborda", 3, 18, enorme, 100, {5, 20, 0, 30}},
        {"resistencia minima", 3, 18, 1, 1e4000L, {1e-4000L, 0, 0, 0}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        ComprimentosAncoragem c{1, 2, 3, 4};
        EXPECT_EQ(CalcAncoragem(caso.H, caso.gama, caso.i.cf, caso.i.deltaf, caso.i.ce,
                                caso.i.deltae, caso.fs, caso.P, 0, 0, 0, c),
                  SituacaoAncoragem::ForaDoIntervalo);
        EXPECT_EQ(c.ComTr, 1);
        EXPECT_EQ(c.Biss, 4);
    }
}

TEST(Ancoragem, TextoDoComprimento) {
    DefinirSeparadorDecimal(',');
    const long double abaixoDeUm = std::nextafter(1.0L, 0.0L);
    struct Caso {
        long double comprimento;
        const char* texto;
    };
    const Caso casos[] = {
        {1.0L, "1"},         {abaixoDeUm, "1,00"}, {0.9999L, "1,00"},
        {1.0001L, "1,0001"}, {2.5L, "2,5"},        {ComprimentoP10, "1,00"},
        {0.0L, "1,00"},      {-3.0L, "1,00"},      {ComprimentoP100, "2,68666466107678"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(TextoComprimentoAncoragem(caso.comprimento), caso.texto)
            << static_cast<double>(caso.comprimento);
    }
}

TEST(Ancoragem, MinimoSempreComVirgula) {
    // The minimum is a fixed text; only the computed lengths follow the locale.
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(TextoComprimentoAncoragem(0.5L), "1,00");
    EXPECT_EQ(TextoComprimentoAncoragem(2.5L), "2.5");
    DefinirSeparadorDecimal(',');
}

} // namespace
