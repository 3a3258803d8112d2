// The parametric study: its points are single runs of the analyses, its limits sit between direct
// runs on each side, the worked embankment's design point lies on its curves, its table reads back,
// and a sweep asked for earlier never replaces a newer one.
#include "../comum/Exemplo.h"
#include "CorpusAterros.h"
#include "calc/Kaniraj.h"
#include "calc/Low.h"
#include "calc/Varredura.h"
#include "data/ParseReal.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A study of the worked embankment of Exemplo.h.
PedidoEstudo Pedido(Variavel v, long double de, long double ate, int pontos, long double R = 100) {
    return {exemplo, v, de, ate, pontos, R};
}

// The closed forms' forces come first; Bishop's after them.
constexpr std::size_t comTrinca = 0, semTrinca = 1, horizontal = 2, bissetriz = 3, bishop = 4;

// The forces straight from the analyses, the variable set field by field here.
Solicitacoes Direto(const DadosAnalise& d) {
    Solicitacoes P;
    ResultadoKaniraj r;
    if (AnaliseKaniraj(HipoteseKaniraj::ComTrinca, d, r).desfecho == DesfechoKaniraj::Calculado)
        P[comTrinca] = r.P;
    if (AnaliseKaniraj(HipoteseKaniraj::SemTrinca, d, r).desfecho == DesfechoKaniraj::Calculado)
        P[semTrinca] = r.P;
    ResultadoLow rl;
    const RelatoLow relato = AnaliseLow(d, rl);
    if (relato.situacao == SituacaoDados::Aceitos) {
        if (!relato.haCunhaSemSolucao)
            P[horizontal] = rl.Solicsolh;
        bool todas = true;
        for (const CunhaLow& c : DetalheLow(d).cunhas)
            todas &= c.Pb.has_value();
        if (todas)
            P[bissetriz] = rl.Solicsolb;
    }
    return P;
}

bool Iguais(const Solicitacoes& a, const Solicitacoes& b) {
    for (std::size_t f = 0; f < NumeroDeForcas; ++f)
        if (a[f].has_value() != b[f].has_value() || (a[f] && !MesmosBits(*a[f], *b[f])))
            return false;
    return true;
}

struct Caso {
    Variavel variavel;
    long double de, ate;
    void (*muda)(DadosAnalise&, long double);
};

// Every variable, over ranges that also reach rejected data, berms too wide and wedges that no
// reinforcement brings to F.
const Caso casos[] = {
    {Variavel::H, 0.5L, 8, [](DadosAnalise& d, long double x) { d.problema.Alt = x; }},
    {Variavel::n, 0, 4, [](DadosAnalise& d, long double x) { d.problema.Decl = x; }},
    {Variavel::gama, 10, 24, [](DadosAnalise& d, long double x) { d.problema.Pesesp = x; }},
    {Variavel::c, -2, 20, [](DadosAnalise& d, long double x) { d.problema.Coesao = x; }},
    {Variavel::phi, 0, 95, [](DadosAnalise& d, long double x) { d.problema.Angat = x; }},
    {Variavel::hb, 0, 3, [](DadosAnalise& d, long double x) { d.problema.Altberma = x; }},
    {Variavel::b, 0, 40, [](DadosAnalise& d, long double x) { d.problema.Largberma = x; }},
    {Variavel::T, 1, 20, [](DadosAnalise& d, long double x) { d.problema.Prof = x; }},
    {Variavel::Z, 0, 6, [](DadosAnalise& d, long double x) { d.problema.Dist = x; }},
    {Variavel::CS, 0, 30, [](DadosAnalise& d, long double x) { d.problema.Superf = x; }},
    {Variavel::CZ, 2, 30, [](DadosAnalise& d, long double x) { d.problema.ProfZ = x; }},
    {Variavel::CF, 0, 40, [](DadosAnalise& d, long double x) { d.problema.Cont = x; }},
    {Variavel::F, 0.5L, 4,
     [](DadosAnalise& d, long double x) {
         d.fatores.Fatsegkan = d.fatores.Fatseglow = d.fatores.Fatsegbishop = x;
     }},
};

TEST(Varredura, EachPointIsASingleRunOfTheAnalyses) {
    int semValor[NumeroDeForcas] = {}, soBissetriz = 0;
    for (const Caso& caso : casos) {
        const auto estudo = Varrer(Pedido(caso.variavel, caso.de, caso.ate, 12));
        ASSERT_TRUE(estudo);
        ASSERT_EQ(estudo->pontos.size(), 12u);
        EXPECT_TRUE(MesmosBits(estudo->pontos.front().x, caso.de));
        EXPECT_TRUE(MesmosBits(estudo->pontos.back().x, caso.ate));
        for (const PontoEstudo& ponto : estudo->pontos) {
            DadosAnalise d = exemplo;
            caso.muda(d, ponto.x);
            EXPECT_TRUE(Iguais(ponto.P, Direto(d)))
                << Descricao(caso.variavel).cabecalho << " = " << static_cast<double>(ponto.x);
            for (std::size_t f = 0; f < NumeroDeForcas; ++f)
                semValor[f] += !ponto.P[f];
            soBissetriz += ponto.P[bissetriz] && !ponto.P[horizontal];
        }
    }
    // The table reaches every kind of gap, not only computed points.
    for (int n : semValor)
        EXPECT_GT(n, 0);
    EXPECT_GT(soBissetriz, 0);
}

TEST(Varredura, WorkedEmbankmentDesignPointLiesOnTheCurves) {
    // 201 points from 1.5 to 4.5 m: the 101st is H = 3 m exactly.
    const auto estudo = Varrer(Pedido(Variavel::H, 1.5L, 4.5L, 201));
    ASSERT_TRUE(estudo);
    ASSERT_EQ(estudo->erro, "");
    const PontoEstudo& p = estudo->pontos[100];
    ASSERT_EQ(p.x, 3.0L);
    EXPECT_TRUE(Iguais(p.P, estudo->projeto));
    // Given this embankment the reinforcement must carry 61.68 kN/m with the crack, 72.01 without,
    // and by Low 97.2 horizontally and 56.7 along the bisector.
    EXPECT_NEAR(*p.P[comTrinca], 61.684L, 5e-4L);
    EXPECT_NEAR(*p.P[semTrinca], 72.00755L, 5e-5L);
    EXPECT_NEAR(*p.P[horizontal], 97.2L, 1e-12L);
    EXPECT_NEAR(*p.P[bissetriz], 56.7L, 1e-12L);
}

TEST(Varredura, LimitShownHoldsWhenTypedAndLiesBetweenDirectRunsOnEachSide) {
    using enum TipoLimite;
    struct {
        PedidoEstudo pedido;
        TipoLimite esperado[bishop];
        int cruzamentos[bishop];
    } tabela[] = {
        // clang-format off
        // Every force grows with the height: how high can it go with 80 kN/m?
        {Pedido(Variavel::H, 1.5L, 6, 60, 80), {Maximo, Maximo, Maximo, Maximo}, {1, 1, 1, 1}},
        // Low's horizontal force passes 100 kN/m between the last two points, 2.979 and 3.02 m.
        {Pedido(Variavel::H, 1, 3.02L, 50, 100), {SempreAtende, SempreAtende, Maximo, SempreAtende},
         {0, 0, 1, 0}},
        // A stronger clay needs less: from which CS on do 60 kN/m do?
        {Pedido(Variavel::CS, 2, 30, 40, 60), {Minimo, Minimo, Minimo, Minimo}, {1, 1, 1, 1}},
        // With the crack only the foundation resists: the fill's friction changes nothing.
        {Pedido(Variavel::phi, 10, 40, 30, 85), {SempreAtende, Minimo, Minimo, SempreAtende},
         {0, 1, 1, 0}},
        // Past some 15 m of clay the deepest circles need radii beyond 10·H and drop out: the
        // intact fill's force rises past 190 kN/m and falls back under it.
        {Pedido(Variavel::T, 10, 20, 21, 190), {Maximo, Maximo, NuncaAtende, SempreAtende},
         {1, 2, 0, 0}},
        {Pedido(Variavel::H, 2, 4, 10, 1e6), {SempreAtende, SempreAtende, SempreAtende, SempreAtende},
         {0, 0, 0, 0}},
        {Pedido(Variavel::H, 3, 4, 10, 1e-3L), {NuncaAtende, NuncaAtende, NuncaAtende, NuncaAtende},
         {0, 0, 0, 0}},
        // Kaniraj's circles cannot pass a berm that wide anywhere in the range.
        {Pedido(Variavel::b, 30, 40, 5, 100), {SemValores, SemValores, SempreAtende, SempreAtende},
         {0, 0, 0, 0}},
        // clang-format on
    };
    for (const auto& linha : tabela) {
        const PedidoEstudo& pedido = linha.pedido;
        const auto estudo = Varrer(pedido);
        ASSERT_TRUE(estudo);
        EXPECT_EQ(estudo->limites[bishop].tipo, SemValores); // not asked for
        for (std::size_t f = 0; f < bishop; ++f) {
            const Limite& l = estudo->limites[f];
            SCOPED_TRACE(testing::Message()
                         << Descricao(pedido.variavel).cabecalho << ", força " << f
                         << ", R = " << static_cast<double>(pedido.resistencia));
            EXPECT_EQ(l.tipo, linha.esperado[f]);
            EXPECT_EQ(l.cruzamentos, linha.cruzamentos[f]);
            if (l.tipo != Maximo && l.tipo != Minimo)
                continue;
            // Within the resolution, on the side the type says, and inside the range.
            EXPECT_LE(std::fabs(l.alem - l.x), ResolucaoDoLimite);
            EXPECT_EQ(l.alem > l.x, l.tipo == Maximo);
            EXPECT_GE(l.x, pedido.de);
            EXPECT_LE(l.x, pedido.ate);
            const auto aqui = Direto(ComValor(pedido.dados, pedido.variavel, l.x))[f];
            const auto alem = Direto(ComValor(pedido.dados, pedido.variavel, l.alem))[f];
            ASSERT_TRUE(aqui);
            ASSERT_TRUE(alem);
            EXPECT_LE(*aqui, pedido.resistencia);
            EXPECT_GT(*alem, pedido.resistencia);
            // The value shown: three decimals, on the safe side of x and next to it, and exactly
            // what a user typing it reads; the methods run there hold.
            const long double milesimos = std::round(l.exibido * 1000);
            EXPECT_TRUE(MesmosBits(
                l.exibido, ParseReal(std::to_string(static_cast<long long>(milesimos)) + "e-3")));
            EXPECT_EQ(l.exibido <= l.x, l.tipo == Maximo);
            EXPECT_LT(std::fabs(l.exibido - l.x), 0.002L);
            const auto exibido = Direto(ComValor(pedido.dados, pedido.variavel, l.exibido))[f];
            ASSERT_TRUE(exibido);
            EXPECT_LE(*exibido, pedido.resistencia);
        }
    }
    // Low's horizontal force at 3.018 m is 100.0094 kN/m, over the strength: 3.017 is shown.
    EXPECT_EQ(Varrer(tabela[1].pedido)->limites[horizontal].exibido, ParseReal("3017e-3"));
    EXPECT_GT(*Direto(ComValor(exemplo, Variavel::H, ParseReal("3018e-3")))[horizontal], 100);
}

TEST(Varredura, BishopsForceIsSweptOnlyWhenAskedFor) {
    DadosAnalise dados = exemplo;
    dados.fatores.Fatsegbishop = 1.3L;
    PedidoEstudo pedido{dados, Variavel::F, 1.1L, 1.5L, 5, 150, true};
    const auto estudo = Varrer(pedido);
    ASSERT_TRUE(estudo);
    dados.fatores.Fatsegkan = 1.4L; // the typed F on Bishop's side is Bishop's own
    EXPECT_EQ(ValorDe(dados, Variavel::F, Forca::Bishop), 1.3L);
    dados.fatores.Fatsegkan = 1.3L;
    // Each point is Bishop's search at that F, and F is Bishop's own factor too.
    for (const PontoEstudo& ponto : estudo->pontos) {
        DadosAnalise d = dados;
        d.fatores.Fatsegbishop = ponto.x;
        const RespostaMetodo so = AvaliarMetodos(d, SoBishop).P[bishop];
        ASSERT_EQ(so.estado, EstadoResposta::Valor);
        ASSERT_TRUE(ponto.P[bishop]);
        EXPECT_TRUE(MesmosBits(*ponto.P[bishop], so.valor)) << static_cast<double>(ponto.x);
    }
    // 155.7 kN/m at F = 1.3: the force rises with F past 150 kN/m below it.
    EXPECT_NEAR(*estudo->projeto[bishop], 155.7L, 0.05L);
    const Limite& l = estudo->limites[bishop];
    ASSERT_EQ(l.tipo, TipoLimite::Maximo);
    EXPECT_LT(l.x, 1.3L);
    DadosAnalise noLimite = dados;
    noLimite.fatores.Fatsegbishop = l.exibido;
    EXPECT_LE(AvaliarMetodos(noLimite, SoBishop).P[bishop].valor, 150);
    noLimite.fatores.Fatsegbishop = l.alem;
    EXPECT_GT(AvaliarMetodos(noLimite, SoBishop).P[bishop].valor, 150);
    EXPECT_NE(CsvDoEstudo(*estudo).find(",Pb (kN/m),P Bishop (kN/m)\n"), std::string::npos);

    EXPECT_FALSE(estudo->pontos[2].bishopNaBorda);
    // Points whose Bishop force may be short say so.
    const auto borda = Varrer({bishopNaBorda, Variavel::F, 1.2L, 1.3L, 2, 150, true});
    EXPECT_TRUE(borda->pontos[1].bishopNaBorda);

    // Not asked for: no force, no limit, no column.
    pedido.bishop = false;
    const auto sem = Varrer(pedido);
    EXPECT_FALSE(sem->projeto[bishop]);
    EXPECT_EQ(sem->limites[bishop].tipo, TipoLimite::SemValores);
    EXPECT_EQ(CsvDoEstudo(*sem).find("Bishop"), std::string::npos);
}

TEST(Varredura, RequestsThatCannotBeSweptSaySo) {
    struct {
        PedidoEstudo pedido;
        const char* mensagem; // empty: accepted
    } tabela[] = {
        {Pedido(Variavel::H, 1, 5, 2), ""},
        {Pedido(Variavel::H, 1, 5, 2000), ""},
        {Pedido(Variavel::H, 1, 5, 1), "O número de pontos deve ser um inteiro de 2 a 2000."},
        {Pedido(Variavel::H, 1, 5, 2001), "O número de pontos deve ser um inteiro de 2 a 2000."},
        {Pedido(Variavel::H, 5, 5, 20), "O início do intervalo deve ser menor que o fim."},
        {Pedido(Variavel::H, 5, 1, 20), "O início do intervalo deve ser menor que o fim."},
        {Pedido(Variavel::H, -1.1e4932L, 1.1e4932L, 20), MensagemForaDoIntervalo},
        {Pedido(Variavel::H, 1, 5, 20, 0), "A resistência admissível deve ser maior que zero."},
    };
    for (const auto& linha : tabela)
        EXPECT_EQ(ProblemaDoPedido(linha.pedido), linha.mensagem);

    // A range the analyses reject at every point draws nothing and says why.
    const auto estudo = Varrer(Pedido(Variavel::H, -2, -1, 5));
    ASSERT_TRUE(estudo);
    EXPECT_EQ(estudo->erro,
              std::string("Nenhum valor de H de -2 a -1 pode ser calculado. ") + MensagemNegativos);
}

TEST(Varredura, CsvHasUnitsPointsAndEmptyCellsWhereThereIsNoValue) {
    // The worked embankment to 15 digits at b = 0; no circle of Kaniraj's clears a berm of 20 m
    // or more, while Low's wedges ignore the berm.
    EXPECT_EQ(CsvDoEstudo(*Varrer(Pedido(Variavel::b, 0, 40, 3))),
              "b (m),P com trinca (kN/m),P sem trinca (kN/m),Ph (kN/m),Pb (kN/m)\n"
              "0,61.6839928296083,72.0075152791394,97.2,56.7\n"
              "20,,,97.2,56.7\n"
              "40,,,97.2,56.7\n");
}

} // namespace
