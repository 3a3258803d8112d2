// The radius search: a root stepped over between two samples is found between them; and the fast
// search against the search sample by sample: the same radius at every depth and the same
// records, bit for bit, on criteria built to sit on the tolerance and on a generated corpus of
// embankments. A larger corpus runs on demand:
//     veltra_core_tests --gtest_also_run_disabled_tests --gtest_filter='*DISABLED_*'
#include "CorpusAterros.h"
#include "calc/BuscaRaio.h"
#include "calc/Kaniraj.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

bool Iguais(const RaioAceito& a, const RaioAceito& b) {
    return a.j == b.j && MesmosBits(a.rho, b.rho);
}

// A root between samples j − 1 and j, not a sample.
bool Bissectado(const CriterioRaio& c, const RaioAceito& raio) {
    return raio.j > 0 && raio.rho > RaioDoPasso(c, raio.j - 1) && raio.rho < RaioDoPasso(c, raio.j);
}

// Both searches at every depth: the scan's radius goes on, and any disagreement is counted.
std::int64_t buscasComparadas = 0;
std::int64_t divergencias = 0;
std::int64_t raiosAceitos = 0;
std::int64_t raizesEntreAmostras = 0;
RaioAceito AmbasAsBuscas(const CriterioRaio& criterio) {
    const RaioAceito linear = BuscaRaioLinear(criterio);
    ++buscasComparadas;
    divergencias += !Iguais(BuscaRaio(criterio), linear);
    raiosAceitos += linear.j != SemRaio;
    raizesEntreAmostras += Bissectado(criterio, linear);
    return linear;
}

// Both analyses with each search; whether the intact fill needs a force.
bool ComparaRodada(const DadosAnalise& entrada) {
    bool forca = false;
    for (auto hipotese : {HipoteseKaniraj::ComTrinca, HipoteseKaniraj::SemTrinca}) {
        const std::int64_t antes = divergencias;
        ResultadoKaniraj linear{-1, -1, -1, -1}, rapida{-2, -2, -2, -2};
        AnaliseKaniraj(hipotese, entrada, linear, AmbasAsBuscas);
        AnaliseKaniraj(hipotese, entrada, rapida, BuscaRaio);
        EXPECT_EQ(divergencias, antes);
        EXPECT_TRUE(MesmosBits(linear, rapida));
        forca = linear.P > 0;
    }
    return forca;
}

// With e = 0, S = 1 and K1 = ρ*^2.47/ρ* (the power as g computes it), g(ρ*) is K2: exactly at
// ρ* = 2, within the last bit of K1·ρ* at ρ* = 10. So a sample lies exactly on the tolerance, or a
// root on the last sample, ρ = 10. T = 20000 makes a scan of 10 samples, T = 2000 one of 91.
TEST(BuscaRaio, TheBoundariesOfTheScan) {
    const long double tol = ToleranciaRaio;
    const struct {
        long double T, rhoAlvo, K2;
        std::int64_t j;
    } casos[] = {{20000, 2, tol, 1}, {2000, 2, -tol, 10}, {20000, 10, 0, 9}, {2000, 10, 0, 90}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(testing::Message() << "T = " << caso.T << ", ρ* = " << caso.rhoAlvo);
        const CriterioRaio potencia{0, caso.T, 0, 0, 0, 1};
        const long double K1 = ValorCriterio(potencia, caso.rhoAlvo) / caso.rhoAlvo;
        const CriterioRaio c{0, caso.T, 0, K1, caso.K2, 1};
        const RaioAceito esperado{caso.j, RaioDoPasso(c, caso.j)};
        EXPECT_TRUE(Iguais(BuscaRaioLinear(c), esperado));
        EXPECT_TRUE(Iguais(BuscaRaio(c), esperado));
        EXPECT_TRUE(Iguais(BuscaRaioComPendentes(c, 1), esperado));
    }
}

// With e = 0 and S = 1, g(ρ) = ρ^2.47 − K1·ρ + K2: K1 = 1000 makes g fall by about one per step
// of 0.001 (T = 20), so no sample lies within 0.001 of its root ρ* = 3 + δ; K1 = 1E20 leaves no
// extended real near ρ* within it. The root is found between the samples on either side, unless
// the sample after it is itself within the tolerance.
TEST(BuscaRaio, ARootSteppedOverIsFoundBetweenTheTwoSamples) {
    const struct {
        long double K1, delta;
        std::int64_t j; // the first sample past the root: ρ = 1 + j/1000
        bool entreAmostras;
    } casos[] = {{1000, 0.0004L, 2001, true},
                 {1000, -0.0003L, 2000, true},
                 {1000, 1e-3L - 5e-7L, 2001, false},
                 {1e20L, 0.00025L, 2001, true},
                 {1e20L, 0.0007L, 2001, true}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(testing::Message() << "K1 = " << caso.K1 << ", δ = " << caso.delta);
        const long double alvo = 3 + caso.delta;
        const CriterioRaio potencia{0, 20, 0, 0, 0, 1};
        const CriterioRaio c{0, 20, 0, caso.K1, caso.K1 * alvo - ValorCriterio(potencia, alvo), 1};
        const RaioAceito raio = BuscaRaioLinear(c);
        ASSERT_EQ(raio.j, caso.j);
        EXPECT_EQ(Bissectado(c, raio), caso.entreAmostras);
        if (!caso.entreAmostras) {
            EXPECT_TRUE(MesmosBits(raio.rho, RaioDoPasso(c, caso.j)));
        }
        // Within the tolerance, or, where no extended real is, next to the root.
        if (caso.K1 < 1e6L) {
            EXPECT_LE(std::fabs(ValorCriterio(c, raio.rho)), ToleranciaRaio);
        } else {
            EXPECT_NEAR(raio.rho, alvo, 1e-16L);
        }
        EXPECT_TRUE(Iguais(BuscaRaio(c), raio));
        EXPECT_TRUE(Iguais(BuscaRaioComPendentes(c, 1), raio));
    }
}

// Criteria whose smallest sample sits right at the tolerance, just inside or just outside it:
// where a careless skip would go wrong.
TEST(BuscaRaio, MatchesTheScanWhereTheCriterionGrazesTheTolerance) {
    Gerador g(20240611);
    int aceitos = 0;
    for (int caso = 0; caso < 400; ++caso) {
        CriterioRaio c;
        c.d = g.Uniforme(0.05L, 3);
        c.T = g.Uniforme(2, 25);
        c.e = g.Chance(0.2L) ? g.Uniforme(-1, 0) : g.Uniforme(c.d, c.d + 1.5L);
        c.S = g.Uniforme(0.05L, 3);
        c.K1 = g.Uniforme(0, 4) * c.S * g.Uniforme(1, 40);
        c.K2 = 0;
        // The sample nearest to the extremum of g − K2/S on the scan's grid.
        const std::int64_t ultimo = UltimoPasso(c);
        std::int64_t jExtremo = 0;
        long double extremo = ValorCriterio(c, RaioDoPasso(c, 0));
        for (std::int64_t j = 1; j <= ultimo; ++j) {
            const long double v = ValorCriterio(c, RaioDoPasso(c, j));
            if (v < extremo)
                extremo = v, jExtremo = j;
        }
        // Lift g so that this sample lands a hair above or below the tolerance, or on it.
        const long double desvio[] = {0, 1e-18L, -1e-18L, 1e-12L, -1e-12L, 1e-7L, -1e-7L};
        const long double alvo = (g.Chance(0.5L) ? 1 : -1) * ToleranciaRaio + desvio[caso % 7];
        c.K2 = (alvo - extremo) * c.S;
        const RaioAceito linear = BuscaRaioLinear(c);
        aceitos += linear.j != SemRaio;
        SCOPED_TRACE(testing::Message() << "case " << caso << ", extremum at j = " << jExtremo);
        EXPECT_TRUE(Iguais(BuscaRaio(c), linear));
        // With room for only a few pending samples the search ends in the scan, at once or later.
        for (int pendentes : {1, 2, 4})
            EXPECT_TRUE(Iguais(BuscaRaioComPendentes(c, pendentes), linear))
                << pendentes << " pending";
    }
    // Both outcomes must have been exercised.
    EXPECT_GT(aceitos, 40);
    EXPECT_LT(aceitos, 360);
}

// One embankment of the shared corpus; with thin layers, a fifth of them on a layer of 0.15 to 1.5
// times the height, down to 0.1 m.
DadosAnalise AterroDoCorpus(Gerador& g, bool camadasFinas) {
    DadosAnalise x = Aterro(g);
    if (camadasFinas && g.Chance(0.2L))
        x.problema.Prof = std::fmax(g.Uniforme(0.15L, 1.5L) * x.problema.Alt, 0.1L);
    return x;
}

// Samples the plain scan evaluates for one run (both analyses): the accepted j + 1 at each depth,
// or every sample up to ρ = 10.
std::int64_t amostrasDaVarredura = 0;
RaioAceito ContaAmostras(const CriterioRaio& criterio) {
    const RaioAceito raio = BuscaRaio(criterio);
    amostrasDaVarredura += (raio.j == SemRaio ? UltimoPasso(criterio) : raio.j) + 1;
    return raio;
}

std::int64_t AmostrasDaVarredura(const DadosAnalise& x) {
    amostrasDaVarredura = 0;
    ResultadoKaniraj r;
    AnaliseKaniraj(HipoteseKaniraj::ComTrinca, x, r, ContaAmostras);
    AnaliseKaniraj(HipoteseKaniraj::SemTrinca, x, r, ContaAmostras);
    return amostrasDaVarredura;
}

// Compares `tamanho` embankments drawn from `semente`. Those whose plain scan would need more
// than `maisAmostras` samples are drawn again, which keeps the routine corpus quick; the
// on-demand corpus sets a far higher limit.
void ComparaCorpus(std::uint64_t semente, int tamanho, bool camadasFinas,
                   std::int64_t maisAmostras) {
    Gerador g(semente);
    buscasComparadas = divergencias = raiosAceitos = raizesEntreAmostras = 0;
    int comForca = 0, semForca = 0;
    for (int i = 0; i < tamanho; ++i) {
        DadosAnalise x = AterroDoCorpus(g, camadasFinas);
        while (AmostrasDaVarredura(x) > maisAmostras)
            x = AterroDoCorpus(g, camadasFinas);
        SCOPED_TRACE(testing::Message() << "embankment " << i << " drawn from " << semente);
        (ComparaRodada(x) ? comForca : semForca)++;
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_EQ(divergencias, 0);
    // The corpus must exercise found and missing radii, forces and no forces.
    EXPECT_GT(raiosAceitos, buscasComparadas / 10);
    EXPECT_LT(raiosAceitos, buscasComparadas * 9 / 10);
    EXPECT_GT(raizesEntreAmostras, buscasComparadas / 100);
    EXPECT_GT(comForca, tamanho / 10);
    EXPECT_GT(semForca, tamanho / 20);
}

// The routine corpus, in four parts that ctest can run side by side.
class CorpusRotina : public ::testing::TestWithParam<int> {};

TEST_P(CorpusRotina, MatchesTheScan) {
    ComparaCorpus(0x5EED0000 + GetParam(), tamanhoCorpus / 4, false, 300000);
}

INSTANTIATE_TEST_SUITE_P(BuscaRaio, CorpusRotina, ::testing::Range(1, 5));

TEST(BuscaRaio, DISABLED_MatchesTheScanOnALargeCorpusWithThinLayers) {
    ComparaCorpus(0x5EED0100, 10000, true, 3000000);
}

} // namespace
