// Bishop's circles beside the closed forms: one circle checked by hand, the published benchmarks,
// the search's edges, a force that grows with the height and what the method refuses.
#include "../comum/Exemplo.h"
#include "calc/Bishop.h"
#include "calc/Metodos.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Bishop, OneCircleOfTenSlicesAsByHand) {
    // A 2 m fill of c = 10 kPa, φ = 0, γ = 20 on slopes of 2, over a soft layer of 10 kPa; the
    // circle centred at (2, 3) tangent at D = 1 (R = 4). It leaves the foundation surface at
    // x = 2 − √7 = −0.6458, crosses it again at 2 + √7 = 4.6458 and meets the crest at
    // 2 + √15 = 5.8730. Ten slices, in proportion to the stretches between those points and the
    // toe and crest edges (0 and 4): 1, 6, 1 and 2. Each resists c·b/cos α, drives W·sin α:
    //      x      b       W     sin α   b/cos α   c·b/cos α
    //   −0.3229 0.6458   0      −0.5807  0.7932    7.9320
    //    0.3333 0.6667   2.2222 −0.4167  0.7334    7.3336
    //    1.0000 0.6667   6.6667 −0.2500  0.6885    6.8853
    //    1.6667 0.6667  11.1111 −0.0833  0.6690    6.6899
    //    2.3333 0.6667  15.5556  0.0833  0.6690    6.6899
    //    3.0000 0.6667  20.0000  0.2500  0.6885    6.8853
    //    3.6667 0.6667  24.4444  0.4167  0.7334    7.3336
    //    4.3229 0.6458  25.8301  0.5807  0.7932    7.9320
    //    4.9526 0.6136  20.8457  0.7381  0.9095    9.0954   (in the fill)
    //    5.5662 0.6136   9.9619  0.8915  1.3548   13.5476   (in the fill)
    // Σ c·b/cos α = 80.3247, Σ W·sin α = 52.2314: FS = 1.53786.
    const DadosEntrada p{.Alt = 2,
                         .Decl = 2,
                         .Pesesp = 20,
                         .Coesao = 10,
                         .Prof = 2,
                         .Superf = 10,
                         .ProfZ = 10,
                         .Cont = 10};
    const CirculoBishop circulo{2, 3, 1};
    const auto massa = FatiarCirculo(p, circulo, {}, 10);
    ASSERT_TRUE(massa);
    ASSERT_EQ(massa->fatias.size(), 10u);
    EXPECT_NEAR(massa->fatias[8].peso, 20.8457L, 5e-5L);
    EXPECT_FALSE(massa->fatias[8].naArgila);
    EXPECT_TRUE(massa->fatias[7].naArgila);
    const auto FS = FatorSemReforco(p, circulo, *massa);
    ASSERT_TRUE(FS);
    EXPECT_NEAR(*FS, 80.3247L / 52.2314L, 2e-5L);

    // A crack 1 m deep full of water ends the mass where the arc reaches y = 1, at 2 + √12; the
    // water pushes with 9.81·1²/2 kN/m at a third of the crack's height.
    TrincaBishop trinca;
    trinca.profundidade = 1;
    trinca.comAgua = true;
    const auto rachado = FatiarCirculo(p, circulo, trinca, 10);
    ASSERT_TRUE(rachado);
    EXPECT_NEAR(rachado->direita, 2 + std::sqrt(12.0L), 1e-9L);
    EXPECT_NEAR(rachado->empuxoAgua, 9.81L / 2, 1e-9L);
    EXPECT_NEAR(rachado->alturaEmpuxo, 1 + 1.0L / 3, 1e-9L);

    // With friction, a fill slice whose base dips against it below m_α = cos α + sin α·tan φ/F of
    // 0.2 makes the circle untrustworthy; at a larger F it is not.
    DadosEntrada atrito = p;
    atrito.Angat = 40;
    const CirculoBishop raso{6, 2.5L, 0.5L};
    const auto fatias = FatiarCirculo(atrito, raso, {}, 40);
    ASSERT_TRUE(fatias);
    long double piorSeno = 0, cosseno = 1;
    for (const FatiaBishop& f : fatias->fatias) {
        if (!f.naArgila && f.senoAlfa < piorSeno) {
            piorSeno = f.senoAlfa;
            cosseno = f.cossenoAlfa;
        }
    }
    const long double tanPhi = std::tan(40 * std::acos(-1.0L) / 180);
    const auto F = [&](long double mAlfa) { return piorSeno * tanPhi / (mAlfa - cosseno); };
    ASSERT_LT(cosseno + piorSeno * tanPhi / 0.5L, 0.2L); // the circle is steep enough to tell
    EXPECT_FALSE(Momentos(atrito, raso, *fatias, F(0.19L)));
    EXPECT_TRUE(Momentos(atrito, raso, *fatias, F(0.21L)));
}

// Tandjiria et al. (2002), circular Spencer and Bishop analyses of reinforced embankments
// on soft clay: a sand fill (φ 37°, γ 17; FS0 about 1.21, a force of 44 to 46 kN/m for 1.35) and a
// clay fill of cu = 20 kPa, γ 19.4, with a 2 m crack full of water (FS0 0.975 to 0.98, 169 to
// 175 kN/m). Their force is the reinforcement's own, its moment not divided by FS: ours, counted
// within FS = (MR + P·y)/MD, is F times theirs on every circle.
TEST(Bishop, PublishedBenchmarksWithinFivePerCent) {
    TrincaBishop comAgua;
    comAgua.profundidade = 2;
    comAgua.comAgua = true;
    const struct {
        const char* nome;
        DadosEntrada aterro;
        TrincaBishop trinca;
        long double FS0de, FS0ate, Pde, Pate;
    } casos[] = {
        {"sand fill", AterroDeReferencia(17, 0, 37), {}, 1.21L, 1.21L, 44, 46},
        {"clay fill, wet crack", AterroDeReferencia(19.4L, 20, 0), comAgua, 0.975L, 0.98L, 169,
         175},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const RelatoBishop r = AnaliseBishop(caso.aterro, 1.35L, 0, caso.trinca);
        ASSERT_EQ(r.situacao, SituacaoDados::Aceitos);
        EXPECT_GE(r.FS0, 0.95L * caso.FS0de);
        EXPECT_LE(r.FS0, 1.05L * caso.FS0ate);
        EXPECT_GE(r.P / 1.35L, 0.95L * caso.Pde);
        EXPECT_LE(r.P / 1.35L, 1.05L * caso.Pate);
        EXPECT_FALSE(r.semSolucao);
        // Both critical circles are tangent to the firm base, centred above the slope.
        EXPECT_EQ(r.circuloP.D, 3);
        EXPECT_GT(r.circuloP.xc, 0);
        EXPECT_LT(r.circuloP.xc, 10);
        EXPECT_FALSE(r.naBorda);
    }
}

// A circle through a berm whose bases dip against the fill's friction too steeply at F = 1 has its
// factor all the same: only the factor it settles on must keep m_α above 0.2. The same circle cut
// into 4000 equal slices gives 1.7173.
TEST(Bishop, TheFactorIsTheOneItSettlesOnWhateverItStartsFrom) {
    const DadosEntrada berma =
        ComoExemplo([](DadosEntrada& d) { d.Altberma = 1, d.Largberma = 3; }).problema;
    const CirculoBishop circulo{2, 3.5L, 2};
    const auto massa = FatiarCirculo(berma, circulo, {}, 40);
    ASSERT_TRUE(massa);
    EXPECT_FALSE(Momentos(berma, circulo, *massa, 1));
    const auto FS = FatorSemReforco(berma, circulo, *massa);
    ASSERT_TRUE(FS);
    EXPECT_NEAR(*FS, 1.7173L, 0.005L * 1.7173L);
}

TEST(Bishop, NoForceWhereEveryCircleHoldsUnreinforced) {
    const DadosEntrada areia = AterroDeReferencia(17, 0, 37);
    const RelatoBishop r = AnaliseBishop(areia, 1.2L, 0);
    ASSERT_GT(r.FS0, 1.2L);
    EXPECT_EQ(r.P, 0);
    EXPECT_FALSE(r.semSolucao);
    EXPECT_GT(AnaliseBishop(areia, 1.22L, 0).P, 0);
    // Higher up, the reinforcement's arm about the centre is shorter: it must pull harder; on the
    // crest it crosses no circle, and none below F can be brought to it.
    EXPECT_GT(AnaliseBishop(areia, 1.35L, 1).P, AnaliseBishop(areia, 1.35L, 0).P);
    const RelatoBishop naCrista = AnaliseBishop(areia, 1.35L, 6);
    EXPECT_TRUE(naCrista.semSolucao);
    EXPECT_EQ(naCrista.situacao, SituacaoDados::Aceitos);
    // Such a force is none to design with, wherever the methods are run.
    const DadosAnalise crista{areia, {.Fatsegbishop = 1.35L, .Posrefbishop = 6}};
    EXPECT_EQ(AvaliarMetodos(crista, SoBishop).P[Indice(Saida::Bishop)].estado,
              EstadoResposta::SemSolucao);
    // A 45° slope of sand (c = 0, φ = 30°) fails first in shallow slips of its face that end before
    // its toe: no basal reinforcement crosses them, though one higher up does.
    const DadosEntrada ingreme{.Alt = 3,
                               .Decl = 1,
                               .Pesesp = 18,
                               .Angat = 30,
                               .Prof = 1,
                               .Superf = 30,
                               .ProfZ = 30,
                               .Cont = 30};
    const RelatoBishop rasos = AnaliseBishop(ingreme, 1.3L, 0);
    EXPECT_LT(rasos.FS0, 1.3L);
    EXPECT_LT(rasos.circuloFS0.D, 0.01L);
    EXPECT_TRUE(rasos.semSolucao);
    EXPECT_FALSE(AnaliseBishop(ingreme, 1.3L, 1).semSolucao);
}

// The search ends inside the centres' grid, for the examples and with a berm, and the force it
// finds grows with the height, millimetre by millimetre.
TEST(Bishop, ForceGrowsWithTheHeightAndTheSearchEndsInsideItsGrid) {
    for (const DadosEntrada& p :
         {AterroDeReferencia(17, 0, 37), aterroExemplo,
          ComoExemplo([](DadosEntrada& d) { d.Altberma = 1, d.Largberma = 3; }).problema}) {
        const RelatoBishop r = AnaliseBishop(p, 1.3L, 0);
        EXPECT_EQ(r.situacao, SituacaoDados::Aceitos);
        EXPECT_FALSE(r.naBorda);
        EXPECT_GT(r.P, 0);
    }
    // A crack through the fill, the closed forms' crack: the reinforcement still crosses the
    // circle, at the crack's bottom.
    TrincaBishop trinca;
    trinca.atravesDoAterro = true;
    const RelatoBishop comTrinca = AnaliseBishop(aterroExemplo, 1.3L, 0, trinca);
    EXPECT_FALSE(comTrinca.semSolucao);
    EXPECT_GT(comTrinca.P, 0);
    EXPECT_NE(comTrinca.FS0, AnaliseBishop(aterroExemplo, 1.3L, 0).FS0);
    DadosEntrada p = AterroDeReferencia(17, 0, 37);
    long double antes = 0;
    for (int mm = 0; mm <= 40; ++mm) {
        p.Alt = 6 + mm / 1000.0L;
        const long double P = AnaliseBishop(p, 1.35L, 0).P;
        EXPECT_GE(P, antes) << "H = " << static_cast<double>(p.Alt);
        antes = P;
    }
}

TEST(Bishop, DataItCannotAnalyseSayWhyAndGiveNoNumber) {
    TrincaBishop semProfundidade;
    semProfundidade.profundidade = 0;
    const struct {
        const char* nome;
        DadosEntrada p;
        long double a;
        TrincaBishop trinca;
        SituacaoDados situacao;
    } casos[] = {
        {"no height",
         ComoExemplo([](DadosEntrada& d) { d.Alt = 0; }).problema,
         0,
         {},
         SituacaoDados::Incompletos},
        {"φ of 90°",
         ComoExemplo([](DadosEntrada& d) { d.Angat = 90; }).problema,
         0,
         {},
         SituacaoDados::AnguloAtrito},
        {"negative strength",
         ComoExemplo([](DadosEntrada& d) { d.Cont = -1; }).problema,
         0,
         {},
         SituacaoDados::ResistenciasNegativas},
        {"reinforcement above the crest", aterroExemplo, 3.5L, {}, SituacaoDados::PosicaoReforco},
        {"crack of no depth", aterroExemplo, 0, semProfundidade, SituacaoDados::ProfundidadeTrinca},
    };
    for (const auto& caso : casos) {
        const RelatoBishop r = AnaliseBishop(caso.p, 1.3L, caso.a, caso.trinca);
        EXPECT_EQ(r.situacao, caso.situacao) << caso.nome;
        EXPECT_EQ(r.P, 0) << caso.nome;
        EXPECT_EQ(r.FS0, 0) << caso.nome;
        EXPECT_STRNE(MensagemDaSituacao(r.situacao), "") << caso.nome;
    }
    // Refused by Bishop alone, the methods' run has no force of Bishop's and says why.
    const AvaliacaoMetodos acima =
        AvaliarMetodos({aterroExemplo, {1.3L, 0, 1.3L, 1.3L, 3.5L}}, TodosOsMetodos);
    EXPECT_EQ(acima.P[Indice(Saida::Bishop)].estado, EstadoResposta::SemResposta);
    EXPECT_EQ(acima.P[Indice(Saida::LowHorizontal)].estado, EstadoResposta::Valor);
    EXPECT_EQ(acima.situacao, SituacaoDados::PosicaoReforco);
    EXPECT_STREQ(acima.motivo, MensagemDaSituacao(SituacaoDados::PosicaoReforco));
}

} // namespace
