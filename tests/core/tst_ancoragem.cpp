// Anchorage lengths: the pull-out of a geotextile under the whole fill, both faces resisting.

#include "calc/Ancoragem.h"
#include "data/ParseReal.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace {

// The example, to 28 digits: H = 3 m, γ = 18 kN/m3 (σv = 54 kPa), cf = 5, δf = 20°, ce = 0,
// δe = 30°, FS1 = 1.5: τf = 5 + 54·tan 20°, τe = 54·tan 30°, length 1.5·P/(τf + τe) for P = 100
// and 10 kN/m.
constexpr long double L100 = 2.686664661076783134824244834L;
constexpr long double L10 = 0.2686664661076783134824244834L;

TEST(Ancoragem, CadaComprimentoSegueSuaForca) {
    const long double eps = std::numeric_limits<long double>::epsilon();
    struct Caso {
        long double H, gama, cf, deltaf, ce, deltae, FS1;
        std::array<long double, 4> P, esperado;
        long double tolerancia; // relative
    };
    const Caso casos[] = {
        // The example; a method never run contributes a zero force.
        {3, 18, 5, 20, 0, 30, 1.5L, {100, 10, 0, 200}, {L100, L10, 0, 2 * L100}, 34 * eps},
        // Both faces at 45°, no cohesion, σv = 1: the strength is 2·tan 45° = 2 to the last bits.
        // A four-decimal π (3.1416) would give 2.0000073.
        {1, 1, 0, 45, 0, 45, 1, {2, 2, 2, 2}, {1, 1, 1, 1}, 4 * eps},
        // δ = 0 on both faces: τf + τe = cf + ce exactly, whatever σv. Negative lengths stay.
        {3, 18, 30, 0, 20, 0, 1, {100, 50, 25, -10}, {2, 1, 0.5L, -0.2L}, 0},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(&caso - casos);
        ComprimentosAncoragem c;
        c.Bishop = 7; // Bishop's length is not this calculation's
        ASSERT_EQ(CalcAncoragem(caso.H, caso.gama, caso.cf, caso.deltaf, caso.ce, caso.deltae,
                                caso.FS1, caso.P[0], caso.P[1], caso.P[2], caso.P[3], c),
                  SituacaoAncoragem::Calculada);
        const std::array<long double, 4> obtidos{c.ComTr, c.SemTr, c.Horiz, c.Biss};
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(obtidos[i], caso.esperado[i], caso.tolerancia * std::fabs(caso.esperado[i]))
                << i;
        EXPECT_EQ(c.Bishop, 7);
        // Bishop's force by the same formula: the bisector's length for the bisector's force.
        long double bishop = -1;
        ASSERT_EQ(CalcAncoragemForca(caso.H, caso.gama, caso.cf, caso.deltaf, caso.ce, caso.deltae,
                                     caso.FS1, caso.P[3], bishop),
                  SituacaoAncoragem::Calculada);
        EXPECT_EQ(bishop, c.Biss);
    }
}

TEST(Ancoragem, SemResultadoOsComprimentosAnterioresFicam) {
    const long double enorme = std::numeric_limits<long double>::max();
    using S = SituacaoAncoragem;
    struct Caso {
        const char* nome;
        long double H, gama, cf, deltaf, ce, deltae, fs, P;
        S situacao;
    };
    const Caso casos[] = {
        {"tudo zero", 3, 18, 0, 0, 0, 0, 1.5L, 100, S::ResistenciaNula},
        {"tudo zero e forca zero", 3, 18, 0, 0, 0, 0, 1.5L, 0, S::ResistenciaNula},
        // The interfaces and FS1 first, before any length: δ outside 0 ≤ δ < 90, a negative
        // cohesion, FS1 not positive.
        {"coesao negativa", 3, 18, 10, 0, -1e-100L, 0, 1.5L, 100, S::InterfacesInvalidas},
        {"deltaf 90", 3, 18, 10, 90, 0, 0, 1.5L, 100, S::InterfacesInvalidas},
        {"deltae negativo", 3, 18, 10, 0, 0, -1e-100L, 1.5L, 100, S::InterfacesInvalidas},
        {"cf negativa antes de FS1", 3, 18, -5, 0, 0, 0, 0, 100, S::InterfacesInvalidas},
        {"FS1 zero", 3, 18, 10, 0, 0, 0, 0, 100, S::FatorSegurancaNulo},
        {"FS1 -0", 3, 18, 10, 0, 0, 0, -0.0L, 100, S::FatorSegurancaNulo},
        {"sigma v transborda", enorme, 2, 5, 20, 0, 30, 1, 100, S::ForaDoIntervalo},
        {"sigma v infinito com angulo zero", enorme, 2, 5, 0, 0, 0, 1, 100, S::ForaDoIntervalo},
        {"forca vezes FS1 transborda", 3, 18, 5, 20, 0, 30, enorme, 100, S::ForaDoIntervalo},
        {"resistencia minima", 3, 18, 1e-4000L, 0, 0, 0, 1, 1e4000L, S::ForaDoIntervalo},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        ComprimentosAncoragem c{1, 2, 3, 4, 5};
        EXPECT_EQ(CalcAncoragem(caso.H, caso.gama, caso.cf, caso.deltaf, caso.ce, caso.deltae,
                                caso.fs, caso.P, caso.P, caso.P, caso.P, c),
                  caso.situacao);
        EXPECT_EQ(CalcAncoragemForca(caso.H, caso.gama, caso.cf, caso.deltaf, caso.ce, caso.deltae,
                                     caso.fs, caso.P, c.Bishop),
                  caso.situacao);
        EXPECT_EQ((std::array{c.ComTr, c.SemTr, c.Horiz, c.Biss, c.Bishop}),
                  (std::array<long double, 5>{1, 2, 3, 4, 5}));
    }
}

TEST(Ancoragem, TextoDoComprimento) {
    // At least one metre, written as a fixed "1,00" whatever the separator.
    const long double abaixoDeUm = std::nextafter(1.0L, 0.0L);
    const struct {
        long double comprimento;
        const char* texto;
    } casos[] = {{1.0L, "1"},         {abaixoDeUm, "1,00"}, {0.9999L, "1,00"},
                 {1.0001L, "1,0001"}, {2.5L, "2,5"},        {L10, "1,00"},
                 {0.0L, "1,00"},      {-3.0L, "1,00"},      {L100, "2,68666466107678"}};
    for (const auto& caso : casos)
        EXPECT_EQ(TextoComprimentoAncoragem(caso.comprimento), caso.texto)
            << static_cast<double>(caso.comprimento);
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(TextoComprimentoAncoragem(0.5L), "1,00");
    EXPECT_EQ(TextoComprimentoAncoragem(2.5L), "2.5");
    DefinirSeparadorDecimal(',');
}

} // namespace
