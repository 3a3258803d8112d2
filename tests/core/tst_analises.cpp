// The two methods as the methods screen runs them: worked examples, the wedges examined, what each
// rejection shows and leaves, data at the edges of the accepted range, the caller's
// floating-point flags; and the representative strength both read from the profile.
#include "../comum/Analises.h"
#include "../comum/Exemplo.h"
#include "calc/Metodos.h"
#include "data/Mensagens.h"
#include "data/ResistenciaRepresentativa.h"

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <string>
#include <vector>

namespace {

using E = DadosAnalise;

constexpr E aterro = exemplo;

E Com(E x, auto altera) {
    altera(x);
    return x;
}

TEST(Kaniraj, WorkedExamples) {
    const E semCoesao = Com(aterro, [](E& x) { x.problema.Coesao = 0; });
    // A layer at which sampling the radius in steps of T/20000 once stepped over the critical
    // radius of the deepest wedges: 49.52 kN/m between 96.65 at 7.88 m and 96.78 at 7.89 m.
    const E camada78864 = Com(aterro, [](E& x) { x.problema.Prof = 7.8864L; });
    // Deep in a thick bi-linear layer the radius of several depths lies beyond 10·H.
    const E espessa{6.78L,  2.33L,  18.46L, 0.84L, 37.24L, 0,     0,
                    26.14L, 25.68L, 11.23L, 8.43L, 15.87L, 1.36L, 0};
    // No wedge needs reinforcement.
    const E fundacaoForte{3, 2, 18, 10, 30, 0, 0, 10, 0, 10, 10, 30, 1.3L, 0};
    // S = 0 at every depth: no criterion, so no depth gives a force, and the run says so.
    const E semResistencia =
        ComoExemplo([](DadosEntrada& p) { p.Superf = p.ProfZ = p.Cont = p.Coesao = p.Angat = 0; });
    const ResultadoKaniraj nada{0, 0, 3, 0};
    struct Exemplo {
        const char* nome;
        E dados;
        ResultadoKaniraj semTrinca, comTrinca; // P and Y0 to two decimals; X0 and D exact
        int examinadas, semRaioSemTrinca, semRaioComTrinca;
    };
    // clang-format off
    const Exemplo exemplos[] = {
        {"fill", aterro, {72.01L, 13.88L, 3, 6}, {61.68L, 11.22L, 3, 6}, 32, 0, 0},
        // The crack leaves the fill's strength out.
        {"c = 0", semCoesao, {90.43L, 14.24L, 3, 6}, {61.68L, 11.22L, 3, 6}, 32, 0, 0},
        {"berm", aterroComBerma, {160.51L, 19.61L, 0, 5.75L}, {94.58L, 16.81L, 0, 6.25L}, 28, 0, 0},
        {"T = 7.8864", camada78864, {96.73L, 17.03L, 3, 7.8864L}, {87.40L, 14.33L, 3, 7.8864L}, 34,
         0, 0},
        {"thick layer", espessa, {2268.15L, 67.17L, 7.8987L, 20.912L},
         {2441.01L, 67.38L, 7.8987L, 24.1795L}, 35, 8, 2},
        {"strong foundation", fundacaoForte, nada, nada, 36, 0, 15},
        {"nothing resists", semResistencia, nada, nada, 32, 32, 32},
    };
    // clang-format on
    for (const auto& ex : exemplos) {
        SCOPED_TRACE(ex.nome);
        const Rodada r = Roda(ex.dados);
        EXPECT_TRUE(r.mensagensKaniraj.empty());
        for (const auto& [obtido, esperado] :
             {std::pair{r.semTrinca, ex.semTrinca}, std::pair{r.comTrinca, ex.comTrinca}}) {
            EXPECT_NEAR(obtido.P, esperado.P, 0.005L);
            EXPECT_NEAR(obtido.Y0, esperado.Y0, 0.005L);
            EXPECT_NEAR(obtido.X0, esperado.X0, 1e-15L);
            EXPECT_NEAR(obtido.D, esperado.D, 1e-15L);
        }
        ResultadoKaniraj descarte;
        const RelatoKaniraj st = AnaliseKaniraj(HipoteseKaniraj::SemTrinca, ex.dados, descarte);
        const RelatoKaniraj ct = AnaliseKaniraj(HipoteseKaniraj::ComTrinca, ex.dados, descarte);
        EXPECT_EQ(st.examinadas, ex.examinadas);
        EXPECT_EQ(ct.examinadas, ex.examinadas);
        EXPECT_EQ(st.semRaio, ex.semRaioSemTrinca);
        EXPECT_EQ(ct.semRaio, ex.semRaioComTrinca);
    }
    // The count as the user reads it.
    EXPECT_EQ(AvisoProfundidadesSemRaio(35, 2, 8),
              "em 2 (com trinca) e 8 (sem trinca) das 35 profundidades examinadas nenhum raio "
              "crítico cabe no domínio do método (raio até 10·H); essas cunhas não entram no "
              "resultado.");
    EXPECT_TRUE(AvisoProfundidadesSemRaio(36, 15, 0).starts_with(
        "em 15 das 36 profundidades examinadas com trinca nenhum"));
    EXPECT_TRUE(AvisoProfundidadesSemRaio(36, 0, 1).starts_with(
        "em 1 das 36 profundidades examinadas sem trinca nenhum"));
    EXPECT_EQ(AvisoProfundidadesSemRaio(32, 0, 0), "");
}

// A force that jumps when the height moves by a millimetre is a search that steps over its radius:
// over 3.200 to 3.230 m the worked embankment's forces only grow.
TEST(Kaniraj, ForcesGrowSteadilyWithTheHeight) {
    long double antes[2] = {0, 0};
    for (int mm = 3200; mm <= 3230; ++mm) {
        const E x = Com(aterro, [=](E& y) { y.problema.Alt = mm / 1000.0L; });
        const Rodada r = Roda(x);
        SCOPED_TRACE(testing::Message() << "H = " << mm << " mm");
        EXPECT_GE(r.semTrinca.P, antes[0]);
        EXPECT_GE(r.comTrinca.P, antes[1]);
        antes[0] = r.semTrinca.P;
        antes[1] = r.comTrinca.P;
    }
    EXPECT_GT(antes[0], 102);
}

// The depth ratios an analysis hands the radius search, in order.
std::vector<long double> profundidades;
RaioAceito BuscaAnotada(const CriterioRaio& criterio) {
    profundidades.push_back(criterio.d);
    return BuscaRaio(criterio);
}

TEST(Kaniraj, DepthsSearched) {
    for (auto hipotese : {HipoteseKaniraj::SemTrinca, HipoteseKaniraj::ComTrinca}) {
        ResultadoKaniraj r;
        // H = 4, berm 2 × 6: dmin = √3.25 − 1 ≈ 0.8028; depths i·0.25 m, d = i/16: the first
        // examined is i = 13, and all later ones follow.
        profundidades.clear();
        AnaliseKaniraj(hipotese, {4, 1.5L, 19, 5, 28, 2, 6, 10, 0, 15, 15, 25, 1.4L, 0}, r,
                       BuscaAnotada);
        ASSERT_EQ(profundidades.size(), 28u);
        EXPECT_EQ(profundidades.front(), 13 / 16.0L);
        EXPECT_EQ(profundidades.back(), 10 / 4.0L);
        // H = 1, n = 0, T = 12: d = 0.3·i; from i = 31 on the first radius d + 1 is beyond 10,
        // and the search there evaluates only that one sample; every depth is examined even so.
        profundidades.clear();
        AnaliseKaniraj(hipotese, {1, 0, 18, 0, 30, 0, 0, 12, 0, 10, 10, 10, 1.3L, 0}, r,
                       BuscaAnotada);
        ASSERT_EQ(profundidades.size(), 40u);
        EXPECT_EQ(profundidades.front(), 0.3L);
        EXPECT_EQ(profundidades.back(), 12);
    }
}

// The depth of Low's wedge i for H = 3: D = (i/80)·3.
long double Cunha(int i) {
    return i / 80.0L * 3;
}

// The worked embankment with a cohesionless fill, on a layer 1.5 m or 6 m thick.
const E umaCunha = ComoExemplo([](DadosEntrada& p) { p.Coesao = 0, p.Prof = 1.5L; });
const E variasCunhas = ComoExemplo([](DadosEntrada& p) { p.Coesao = 0; });

const std::vector<std::string> cunhasSemReforco{
    "Há cunhas que o reforço não leva ao fator de segurança adotado; as solicitações mostradas não "
    "as consideram."};

TEST(Low, WorkedExamples) {
    constexpr E biLinear{3, 2, 18, 5, 30, 0, 0, 6, 2, 10, 8, 20, 1.3L, 0};
    const E comBerma =
        Com(biLinear, [](E& x) { x.problema.Altberma = 2, x.problema.Largberma = 7; });
    const E F1 = Com(umaCunha, [](E& x) { x.fatores.Fatsegkan = 1; });
    // Every FS0 far above 100: the entry values stand.
    const E fundacaoForte = Com(
        umaCunha, [](E& x) { x.problema.Superf = x.problema.ProfZ = x.problema.Cont = 100000; });
    const ResultadoLow entrada{0, 0, 100, 0, 0, 0};
    const ResultadoLow doBiLinear{Cunha(72), Cunha(64), 1.0860L, 38.88L, Cunha(71), 29.16L};
    struct Exemplo {
        const char* nome;
        E dados;
        ResultadoLow esperado; // Fatsegsol to four decimals
    };
    const Exemplo exemplos[] = {
        // k = 0.13 and 0.11: the first multiples of 0.01 meeting the criteria, times γH² = 162.
        {"one wedge", umaCunha, {1.5L, 1.5L, 1.1172L, 21.06L, 1.5L, 17.82L}},
        {"one wedge, F = 1", F1, {0, 1.5L, 1.1172L, 0, 0, 0}},
        {"many wedges", variasCunhas, {6, 6, 1.0152L, 124.74L, Cunha(157), 71.28L}},
        {"bi-linear", biLinear, doBiLinear},
        {"bi-linear, berm ignored", comBerma, doBiLinear},
        {"very strong foundation", fundacaoForte, entrada},
    };
    for (const auto& ex : exemplos) {
        SCOPED_TRACE(ex.nome);
        const Rodada rodada = Roda(ex.dados);
        const ResultadoLow& r = rodada.low;
        EXPECT_EQ(r.Profcunh, ex.esperado.Profcunh);
        EXPECT_EQ(r.Profcunsol, ex.esperado.Profcunsol);
        EXPECT_NEAR(r.Fatsegsol, ex.esperado.Fatsegsol, 0.00005L);
        // Forces are whole steps of 0.01·γH²: exact but for the rounding of γH².
        EXPECT_NEAR(r.Solicsolh, ex.esperado.Solicsolh, 1e-15L);
        EXPECT_EQ(r.Profcunb, ex.esperado.Profcunb);
        EXPECT_NEAR(r.Solicsolb, ex.esperado.Solicsolb, 1e-15L);
        EXPECT_TRUE(rodada.mensagensLow.empty());
    }
}

TEST(Low, WedgesNoReinforcementStabilisesAreReported) {
    // From D/H = 2.875 on the horizontal criterion has no solution for this embankment; the
    // forces reported come from the wedges that can be reinforced.
    const Rodada r = Roda(Com(variasCunhas, [](E& x) { x.problema.Prof = 12; }));
    EXPECT_EQ(r.mensagensLow, cunhasSemReforco);
    EXPECT_GT(r.low.Solicsolh, 0);
    EXPECT_LT(r.low.Profcunh, 2.875L * 3);
    EXPECT_GT(r.low.Solicsolb, 0);
    // Just short of 2.875·H every wedge can still be reinforced: no warning.
    EXPECT_TRUE(
        Roda(Com(variasCunhas, [](E& x) { x.problema.Prof = Cunha(229); })).mensagensLow.empty());

    // Nothing resists (cm = c = φ = 0): FS0 = 0, no force at all.
    const Rodada s = Roda(Com(variasCunhas, [=](E& x) {
        x.problema.Superf = x.problema.ProfZ = x.problema.Cont = 0, x.problema.Angat = 0;
    }));
    EXPECT_EQ(s.mensagensLow, cunhasSemReforco);
    EXPECT_LE(s.low.Fatsegsol, 0);
    EXPECT_GT(s.low.Profcunsol, 0);
    EXPECT_EQ((std::array{s.low.Profcunh, s.low.Solicsolh, s.low.Profcunb, s.low.Solicsolb}),
              (std::array<long double, 4>{}));
}

TEST(Verificacao, RejectionsShowOneMessageAndLeaveNoEarlierValues) {
    const char* zero = "Dados incompletos.";
    const char* neg = "Altura, peso específico, espessura e Z não podem ser negativos.";
    const char* fora = "Valores fora do intervalo de cálculo.";
    const char* berma = "Berma muito larga.";
    const char* delgadaK = "A camada mole é delgada demais para as cunhas do método de Kaniraj: "
                           "nenhuma cunha foi examinada.";
    const char* delgadaL = "A camada mole é mais fina que metade da altura do aterro: o método de "
                           "Low não examina nenhuma cunha.";
    const char* phi = "O ângulo de atrito do aterro deve estar entre 0 e 90 graus.";
    const char* negativa =
        "Inclinação, coesão e resistências não drenadas não podem ser negativas.";
    const char* fs = "O fator de segurança deve ser maior que zero.";
    const char* posicao = "A posição do reforço deve estar entre zero e a altura do aterro.";
    // The negative nearest zero that passes the range check to the physical one.
    const long double m = -1e-100L;
    struct Caso {
        const char* nome;
        E dados;
        const char* kaniraj; // shown by the crack analysis only
        const char* low;     // nullptr: Low computes, silently
    };
    using P = DadosEntrada;
    using F = Fatores;
    const auto com = [](auto altera) {
        E x = aterro;
        altera(x.problema, x.fatores);
        return x;
    };
    // clang-format off
    const Caso casos[] = {
        {"H zero", com([](P& p, F&) { p.Alt = 0; }), zero, zero},
        {"γ zero", com([](P& p, F&) { p.Pesesp = 0; }), zero, zero},
        {"T zero", com([](P& p, F&) { p.Prof = 0; }), zero, zero},
        {"H < 0", com([](P& p, F&) { p.Alt = -3; }), neg, neg},
        {"γ < 0", com([](P& p, F&) { p.Pesesp = -18; }), neg, neg},
        {"T < 0", com([](P& p, F&) { p.Prof = -6; }), neg, neg},
        {"Z < 0", com([](P& p, F&) { p.Dist = -1; }), neg, neg},
        {"zero first", com([](P& p, F&) { p.Alt = -3, p.Prof = 0; }), zero, zero},
        {"negative next", com([](P& p, F&) { p.Dist = -1, p.Superf = 1e4000L; }), neg, neg},
        {"H huge", com([](P& p, F&) { p.Alt = 1e4000L; }), fora, fora},
        {"T huge", com([](P& p, F&) { p.Prof = 1e4000L; }), fora, fora},
        {"F huge", com([](P&, F& f) { f.Fatsegkan = 1e4000L; }), fora, fora},
        {"F tiny", com([](P&, F& f) { f.Fatsegkan = 1e-4000L; }), fora, fora},
        {"c huge (crack: unused)", com([](P& p, F&) { p.Coesao = 1e4000L; }), fora, fora},
        {"c past 1E100", com([](P& p, F&) { p.Coesao = 1.000001e100L; }), fora, fora},
        {"CS short of 1E-100", com([](P& p, F&) { p.Superf = 0.999999e-100L; }), fora, fora},
        {"CF infinite", com([](P& p, F&) { p.Cont = INFINITY; }), fora, fora},
        {"CZ not a number", com([](P& p, F&) { p.ProfZ = NAN; }), fora, fora},
        {"a not a number", com([](P&, F& f) { f.Posref = NAN; }), fora, nullptr},
        {"berm", com([](P& p, F&) { p.Altberma = 1e4000L, p.Largberma = NAN; }), fora, nullptr},
        // Too thin for the radius steps to be counted in 64 bits.
        {"T tiny", com([](P& p, F&) { p.Prof = 1e-20L; }), fora, delgadaL},
        // dmin = √2 − 1 > T/H = 0.2, and dmin = √10 − 1 > T/H = 1: no wedge clears the toe; the
        // thin layer is thinner than H/2 too, and Low examines no wedge either.
        {"thin layer", com([](P& p, F&) { p.Alt = 5, p.Prof = 1; }), delgadaK, delgadaL},
        {"wide berm", com([](P& p, F&) { p.Alt = 5, p.Largberma = 10, p.Prof = 5; }), berma,
         nullptr},
        {"low berm, wide",
         com([](P& p, F&) { p.Alt = 5, p.Altberma = 0.5L, p.Largberma = 1, p.Prof = 1; }), berma,
         delgadaL},
        // Low's shallowest wedge is D = H/2: just below it, none.
        {"T < H/2", com([](P& p, F&) { p.Prof = 1.4999L, p.Decl = 0; }), nullptr, delgadaL},
        // Outside the physical domain, after the range, in this order.
        {"φ 90", com([](P& p, F&) { p.Angat = 90; }), phi, phi},
        {"φ 300", com([](P& p, F&) { p.Angat = 300; }), phi, phi},
        {"φ < 0", com([&](P& p, F&) { p.Angat = m; }), phi, phi},
        {"n < 0", com([&](P& p, F&) { p.Decl = m; }), negativa, negativa},
        {"c < 0", com([&](P& p, F&) { p.Coesao = m; }), negativa, negativa},
        {"CS < 0", com([&](P& p, F&) { p.Superf = m; }), negativa, negativa},
        {"CZ < 0", com([&](P& p, F&) { p.ProfZ = m; }), negativa, negativa},
        {"CF < 0", com([&](P& p, F&) { p.Cont = m; }), negativa, negativa},
        {"F 0", com([](P&, F& f) { f.Fatsegkan = 0; }), fs, fs},
        {"F -0", com([](P&, F& f) { f.Fatsegkan = -0.0L; }), fs, fs},
        {"a < 0", com([&](P&, F& f) { f.Posref = m; }), posicao, nullptr},
        {"a > H", com([](P&, F& f) { f.Posref = 3.0001L; }), posicao, nullptr},
        {"range before φ", com([](P& p, F&) { p.Angat = 95, p.Superf = 1e4000L; }), fora, fora},
        {"φ before strengths", com([](P& p, F&) { p.Angat = 95, p.Coesao = -5; }), phi, phi},
        {"strengths before F", com([](P& p, F& f) { p.Cont = -5, f.Fatsegkan = 0; }), negativa,
         negativa},
        {"F before a", com([](P&, F& f) { f.Fatsegkan = -1, f.Posref = 5; }), fs, fs},
    };
    // clang-format on
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const Rodada r = Roda(caso.dados);
        // A rejection shows no results, and leaves none.
        EXPECT_EQ(r.aceitosKaniraj, caso.kaniraj == nullptr);
        EXPECT_EQ(r.aceitosLow, caso.low == nullptr);
        if (caso.kaniraj == nullptr) {
            EXPECT_TRUE(r.mensagensKaniraj.empty());
        } else {
            EXPECT_EQ(r.mensagensKaniraj, std::vector<std::string>{caso.kaniraj});
            for (const ResultadoKaniraj& k : {r.comTrinca, r.semTrinca})
                EXPECT_EQ((std::array{k.P, k.Y0, k.X0, k.D}), (std::array<long double, 4>{}));
        }
        if (caso.low == nullptr) {
            EXPECT_TRUE(r.mensagensLow.empty());
            continue;
        }
        EXPECT_EQ(r.mensagensLow, std::vector<std::string>{caso.low});
        const ResultadoLow& l = r.low;
        EXPECT_EQ((std::array{l.Profcunh, l.Profcunsol, l.Fatsegsol, l.Solicsolh, l.Profcunb,
                              l.Solicsolb}),
                  (std::array<long double, 6>{0, 0, 100, 0, 0, 0}));
    }
}

TEST(Verificacao, DataAtTheEdgesOfTheRangeAreComputed) {
    const long double M = 1e100L, m = 1e-100L;
    const E casos[] = {
        {m, M, M, M, 89.99L, M, M, M, M, M, M, M, M, m},
        {M, m, m, m, m, m, m, M, m, m, m, m, m, m},
        // The physical domain's own edges: zeros, −0, φ just under 90, a = H.
        {3, -0.0L, 18, 0, 0, 0, 0, 6, 7, 10, 0, 10, m, 3},
        {3, 2, 18, -0.0L, 89.999L, 0, 0, 6, 0, -0.0L, -0.0L, -0.0L, 1.3L, -0.0L},
        {m, 0, m, 0, 0, 0, 0, 1e-11L, 0, m, m, M, M, 0},
        {m, M, m, M, 89.99L, 0, 0, M, m, M, 0, M, M, 0},
        {M, 0, M, 0, m, 0, 0, M, 0, m, 0, m, M, 0},
    };
    for (const E& x : casos) {
        SCOPED_TRACE(&x - casos);
        for (auto hipotese : {HipoteseKaniraj::ComTrinca, HipoteseKaniraj::SemTrinca}) {
            ResultadoKaniraj r;
            // (the first case's berm is far too wide for any circle: rejected, but not for range)
            EXPECT_NE(AnaliseKaniraj(hipotese, x, r).situacao, SituacaoDados::ForaDoIntervalo);
        }
        const Rodada r = Roda(x);
        EXPECT_TRUE(r.aceitosLow);
        for (const std::string& mensagem : r.mensagensLow)
            EXPECT_NE(mensagem, "Valores fora do intervalo de cálculo.");
    }
}

TEST(Verificacao, TheCallersFloatingPointFlagsNeitherFailTheRunNorAreLost) {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_INEXACT | FE_OVERFLOW);
    const Rodada r = Roda(aterro);
    const int sinalizados = std::fetestexcept(FE_INEXACT | FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(sinalizados, FE_INEXACT | FE_OVERFLOW);
    EXPECT_TRUE(r.mensagensKaniraj.empty());
    EXPECT_TRUE(r.mensagensLow.empty());
    EXPECT_GT(r.comTrinca.P, 0);
    EXPECT_GT(r.semTrinca.P, 0);
    EXPECT_GT(r.low.Solicsolh, 0);
}

TEST(ResistenciaRepresentativa, OnTheSegmentOfTheProfileTheWedgeReaches) {
    // T = 10, CS = 15 at the top; the representative strength is 0.35·c0 + 0.65·cD on the line
    // through c0 at the top, plus 0.35·(CS − c0)·(Z/D)^1.1 when that line is extended upward.
    // Lower line for Z = 3 < D = 5: through (3, 8) and (10, 25), c0 = (80 − 75)/7.
    const long double c0 = 5.0L / 7;
    struct Caso {
        const char* nome;
        long double Z, CZ, CF, D, esperado, tolerancia;
    };
    const Caso casos[] = {
        // cD = 15 + 4·(25 − 15)/10 = 19.
        {"Z = 0: one line from CS to CF", 0, 15, 25, 4, 0.35L * 15 + 0.65L * 19, 1e-17L},
        // cD = 15 − 2.5·7/5 = 11.5; no excess.
        {"Z > D: the upper line", 5, 8, 25, 2.5L, 0.35L * 15 + 0.65L * 11.5L, 1e-17L},
        {"Z = D: still the upper line, CZ at D", 5, 8, 25, 5, 0.35L * 15 + 0.65L * 8, 1e-17L},
        // CF plays no part (any other CF gives the same).
        {"Z beyond T", 12, 8, 99, 10, 0.35L * 15 + 0.65L * (15 - 7 * 10 / 12.0L), 1e-17L},
        {"Z < D: the lower line extended", 3, 8, 25, 5,
         0.35L * c0 + 0.65L * (c0 + 5 * (25 - c0) / 10) +
             0.35L * (15 - c0) * std::pow(3.0L / 5, 1.1L),
         1e-15L},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EXPECT_NEAR(ResistenciaRepresentativa(10, caso.Z, 15, caso.CZ, caso.CF, caso.D),
                    caso.esperado, caso.tolerancia);
    }
}

} // namespace

// A run answers the design typed later only when the data and that method's own factors are the
// same: Low's reads neither the berm nor Kaniraj's factors.
TEST(Metodos, ARunAnswersTheDataAndItsOwnFactorsOnly) {
    const struct {
        const char* nome;
        void (*altera)(DadosAnalise&);
        bool kaniraj, low;
    } casos[] = {
        {"the same", [](DadosAnalise&) {}, true, true},
        {"berm", [](DadosAnalise& d) { d.problema.Largberma = 2; }, false, true},
        {"layer", [](DadosAnalise& d) { d.problema.Prof = 6.001L; }, false, false},
        {"Kaniraj's F", [](DadosAnalise& d) { d.fatores.Fatsegkan = 1.4L; }, false, true},
        {"a", [](DadosAnalise& d) { d.fatores.Posref = 0.5L; }, false, true},
        {"Low's F", [](DadosAnalise& d) { d.fatores.Fatseglow = 1.4L; }, true, false},
    };
    for (const auto& caso : casos) {
        DadosAnalise digitado = exemplo;
        caso.altera(digitado);
        EXPECT_EQ(RespondeKaniraj(exemplo, digitado), caso.kaniraj) << caso.nome;
        EXPECT_EQ(RespondeLow(exemplo, digitado), caso.low) << caso.nome;
    }
}
