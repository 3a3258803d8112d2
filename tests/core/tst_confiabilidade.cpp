// The reliability analysis: fixed data give the design's numbers, draws the mean and spread asked
// for; failures where no reinforcement helps; refusals left out; the same numbers on any threads.
#include "../comum/Exemplo.h"
#include "CorpusAterros.h"
#include "calc/Confiabilidade.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace {

// The places of the random variables and of the outputs.
constexpr std::size_t gama = 0, c = 1, phi = 2, CS = 3, CZ = 4, CF = 5, T = 6;
constexpr std::size_t comTrinca = 0, semTrinca = 1, horizontal = 2, bissetriz = 3, bishop = 4,
                      fs0 = 5;
using enum EstadoResposta;
using enum Distribuicao;
constexpr long double infinito = std::numeric_limits<long double>::infinity();

struct Variacao {
    std::size_t k;
    Incerteza incerteza;
};

PedidoConfiabilidade Pedido(int amostras, std::initializer_list<Variacao> variacoes,
                            const DadosAnalise& dados = exemplo,
                            std::optional<long double> Td = std::nullopt) {
    PedidoConfiabilidade pedido{dados, {}, true, amostras, 1, Td};
    for (const auto& [k, incerteza] : variacoes)
        pedido.incertezas[k] = incerteza;
    return pedido;
}

bool Iguais(const RespostaMetodo& a, const RespostaMetodo& b) {
    return a.estado == b.estado && (a.estado != Valor || MesmosBits(a.valor, b.valor));
}

TEST(Confiabilidade, FixedValuesGiveTheDesignNumbersInEverySample) {
    // Td exactly Low's horizontal force as computed here (97.2 to the last bits the processor's
    // exp and ln give): equal to Td is not above it.
    const AvaliacaoMetodos projeto = AvaliarMetodos(exemplo);
    EXPECT_NEAR(projeto.P[horizontal].valor, 97.2L, 97.2L * 1e-15L);
    const auto r = Amostrar(Pedido(100, {}, exemplo, projeto.P[horizontal].valor), {}, 2);
    const RespostaMetodo esperadas[] = {projeto.P[0], projeto.P[1], projeto.P[2],
                                        projeto.P[3], {},           projeto.FS0};
    for (std::size_t s = 0; s < NumeroDeSaidas; ++s) {
        if (s == bishop) // not asked for: no column, no statistics
            continue;
        for (const AmostraConfiabilidade& amostra : r->amostras)
            ASSERT_TRUE(Iguais(RespostaDe(amostra, static_cast<Saida>(s)), esperadas[s]));
        const EstatisticasSaida& e = r->estatisticas[s];
        EXPECT_TRUE(MesmosBits(*e.media, esperadas[s].valor));
        EXPECT_TRUE(Iguais(e.p05, esperadas[s]));
        EXPECT_TRUE(Iguais(e.p95, esperadas[s]));
        EXPECT_EQ(*e.desvio, 0);
        EXPECT_EQ(*r->primeiraOrdem[s].desvio, 0);
        // Nothing fails, yet 100 samples cannot put the probability below z²/(n + z²) = 3.7 %.
        EXPECT_EQ(e.falha->casos, 0);
        EXPECT_EQ(e.falha->beta, infinito);
        EXPECT_EQ(e.falha->betaSuperior, infinito);
        EXPECT_NEAR(e.falha->superior, 0.0369935L, 5e-8L);
    }
    // The next extended real below it fails in every sample.
    const auto abaixo = Amostrar(
        Pedido(100, {}, exemplo, std::nextafter(projeto.P[horizontal].valor, 0.0L)), {}, 2);
    EXPECT_EQ(abaixo->estatisticas[horizontal].falha->casos, 100);
    std::ostringstream csv;
    EscreverCsv(csv, *r);
    const std::string texto = csv.str();
    EXPECT_EQ(texto.substr(0, texto.find('\n', texto.find('\n') + 1) + 1),
              "gama (kN/m3),c (kPa),phi (graus),CS (kPa),CZ (kPa),CF (kPa),T (m),P com trinca "
              "(kN/m),P sem trinca (kN/m),Ph (kN/m),Pb (kN/m),FS0 (-)\n"
              "18,5,30,10,10,10,6,61.6839928296083,72.0075152791394,97.2,56.7,1.07158050781669\n");
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\n'), 101);
}

TEST(Confiabilidade, BishopsForceIsAFifthForceOnlyWhenAskedFor) {
    DadosAnalise dados = exemplo;
    dados.fatores.Fatsegbishop = 1.3L;
    PedidoConfiabilidade pedido = Pedido(100, {{gama, {5}}}, dados, 150);
    pedido.bishop = true;
    const auto r = Amostrar(pedido);
    const EstatisticasSaida& e = r->estatisticas[bishop];
    EXPECT_EQ(e.valores, 100);
    int acima = 0;
    for (int i = 0; i < 100; ++i) {
        const AmostraConfiabilidade& a = r->amostras[static_cast<std::size_t>(i)];
        acima += a.y[bishop] > 150;
        if (i < 4) { // the search on the sample's own data, bit for bit on this machine
            const RespostaMetodo so =
                AvaliarMetodos(ComValor(dados, Variavel::gama, a.x[gama]), SoBishop).P[bishop];
            EXPECT_TRUE(Iguais(RespostaDe(a, Saida::Bishop), so)) << i;
        }
    }
    // About 155.7 kN/m at the mean γ: some samples above 150, some below.
    EXPECT_GT(acima, 10);
    EXPECT_LT(acima, 90);
    EXPECT_EQ(e.falha->casos, acima);
    EXPECT_EQ(r->primeiraOrdem[bishop].media.estado, Valor);
    std::ostringstream csv;
    EscreverCsv(csv, *r);
    EXPECT_NE(csv.str().find("Pb (kN/m),P Bishop (kN/m),FS0 (-)\n"), std::string::npos);

    // Not asked for, it is in no sample, counts as no sample without an answer, has no column.
    pedido.bishop = false;
    const auto sem = Amostrar(pedido);
    EXPECT_EQ(sem->estatisticas[bishop].valores, 0);
    EXPECT_EQ(sem->semResposta, 0);
    std::ostringstream semCsv;
    EscreverCsv(semCsv, *sem);
    EXPECT_EQ(semCsv.str().find("Bishop"), std::string::npos);
    EXPECT_EQ(r->bishopNaBorda, 0);
    // Samples whose Bishop force may be short are counted.
    PedidoConfiabilidade borda = Pedido(100, {}, bishopNaBorda);
    borda.bishop = true;
    EXPECT_EQ(Amostrar(borda)->bishopNaBorda, 100);
}

TEST(Confiabilidade, DrawsHaveTheMeanAndSpreadAskedFor) {
    // Four standard errors over 20000 draws; V's are wider for heavy-tailed lognormals.
    const struct {
        Variacao variacao;
        long double tolV;
    } tabela[] = {{{c, {30}}, 0.027L}, {{CF, {100}}, 0.09L}, {{phi, {20, Normal}}, 0.02L}};
    constexpr int n = 20000;
    for (const auto& [variacao, tolV] : tabela) {
        const PedidoConfiabilidade pedido = Pedido(n, {variacao});
        std::vector<RespostaMetodo> x;
        for (int i = 0; i < n; ++i)
            x.push_back({Valor, Sortear(pedido, i)[variacao.k]});
        const EstatisticasSaida e = Resumir(x, Saida::FS0, std::nullopt);
        const long double mu = ValorDe(exemplo, VariaveisAleatorias[variacao.k], {});
        const long double V = variacao.incerteza.cv / 100;
        EXPECT_NEAR(*e.media / mu, 1, 4 * V / std::sqrt(n)) << variacao.k;
        EXPECT_NEAR(*e.desvio / *e.media / V, 1, tolV) << variacao.k;
    }
    // Correlated, one deviate drives the three strengths: equal means give equal draws.
    PedidoConfiabilidade pedido = Pedido(n, {{CS, {30}}, {CZ, {30}}, {CF, {30}}});
    const auto x = Sortear(pedido, 7);
    EXPECT_TRUE(MesmosBits(x[CS], x[CZ]));
    EXPECT_TRUE(MesmosBits(x[CS], x[CF]));
    pedido.resistenciasCorrelacionadas = false;
    const auto y = Sortear(pedido, 7);
    EXPECT_TRUE(MesmosBits(x[CS], y[CS]));
    EXPECT_NE(y[CZ], y[CS]);
    EXPECT_NE(y[CF], y[CS]);
    EXPECT_NE(y[CF], y[CZ]);
}

TEST(Confiabilidade, FirstOrderSpreadOfWeightAloneAgreesWithTheSamples) {
    constexpr int n = 1000;
    const auto r = Amostrar(Pedido(n, {{gama, {10}}}));
    // Low's horizontal force is left out: its samples beyond the last solvable wedge are not in σ.
    // FS0 goes as 1/γ, whose mean is (1 + V²)/μ: its samples' mean lies 1 % above FS0 at μ.
    for (std::size_t s : {comTrinca, semTrinca, bissetriz, fs0}) {
        const EstatisticasSaida& mc = r->estatisticas[s];
        const PrimeiraOrdemSaida& fo = r->primeiraOrdem[s];
        ASSERT_EQ(mc.valores, n);
        if (s != fs0) {
            EXPECT_NEAR(fo.media.valor, *mc.media, 4 * *mc.desvio / std::sqrt(n)) << s;
        }
        EXPECT_NEAR(*fo.desvio / *mc.desvio, 1, 4 / std::sqrt(2.0L * n)) << s;
        ASSERT_EQ(fo.parcelas.size(), 1u);
        EXPECT_EQ(*fo.parcelas[0].fracao, 1);
    }
}

TEST(Confiabilidade, WedgesNoReinforcementHoldsCountAsFailures) {
    // An independent run of 20000 samples found 30 % of Low's horizontal forces without solution
    // and p(Ph > 100 kN/m) of 55 % (35 % had those samples been left out).
    constexpr int n = 400;
    auto pedido =
        Pedido(n, {{gama, {5}}, {c, {30}}, {CS, {30}}, {CZ, {30}}, {CF, {30}}}, exemplo, 100);
    const auto r = Amostrar(pedido);
    const EstatisticasSaida& ph = r->estatisticas[horizontal];
    const long double erro = 4 * std::sqrt(0.3L * 0.7L / n);
    EXPECT_NEAR(ph.semSolucao / static_cast<long double>(n), 0.30L, erro);
    EXPECT_NEAR(ph.falha->p, 0.55L, erro);
    int casos = 0;
    for (const AmostraConfiabilidade& a : r->amostras)
        casos += a.estado[horizontal] == SemSolucao ||
                 (a.estado[horizontal] == Valor && a.y[horizontal] > 100);
    EXPECT_EQ(ph.falha->casos, casos);
    EXPECT_EQ(ph.falha->total, n);
    EXPECT_EQ(ph.p95.estado, SemSolucao);
    // The weaker clay, a σ below the mean, has no solution either: no first-order σ.
    const PrimeiraOrdemSaida& fo = r->primeiraOrdem[horizontal];
    ASSERT_EQ(fo.parcelas.size(), 3u);
    EXPECT_TRUE(fo.parcelas[2].variaveis ==
                (std::vector{Variavel::CS, Variavel::CZ, Variavel::CF}));
    EXPECT_EQ(fo.parcelas[2].menos.estado, SemSolucao);
    EXPECT_FALSE(fo.desvio);
    pedido.resistenciasCorrelacionadas = false;
    EXPECT_EQ(EstimarPrimeiraOrdem(pedido)[comTrinca].parcelas.size(), 5u);
}

TEST(Confiabilidade, RefusedSamplesAreLeftOutAndSaidWhyOnAnyNumberOfThreads) {
    // A normal φ below 0 or at 90° or more: no analysis takes it.
    constexpr int n = 200;
    auto pedido = Pedido(n, {{gama, {5}}, {c, {30}}, {phi, {100, Normal}}, {CS, {30}}, {T, {30}}},
                         exemplo, 80);
    pedido.resistenciasCorrelacionadas = false;
    const auto r = Amostrar(pedido, {}, 3);
    int recusadas = 0;
    for (const AmostraConfiabilidade& a : r->amostras) {
        const bool recusada = !(a.x[phi] >= 0 && a.x[phi] < 90);
        recusadas += recusada;
        for (std::size_t s = 0; s < NumeroDeSaidas; ++s)
            EXPECT_EQ(a.estado[s] == SemResposta, recusada || s == bishop);
    }
    ASSERT_GT(recusadas, 2);
    EXPECT_EQ(r->semResposta, recusadas);
    EXPECT_TRUE(AvisarSemResposta(*r));
    EXPECT_STREQ(r->motivoSemResposta, MensagemAnguloAtrito);
    EXPECT_EQ(r->estatisticas[horizontal].semResposta, recusadas);
    EXPECT_EQ(r->estatisticas[fs0].falha->total, n - recusadas);
    // The same numbers from one thread: each sample depends on `semente` and its index alone.
    const auto um = Amostrar(pedido, {}, 1);
    std::ostringstream csvUm, csvTres;
    EscreverCsv(csvUm, *um);
    EscreverCsv(csvTres, *r);
    EXPECT_EQ(csvUm.str(), csvTres.str());
    for (std::size_t s : {comTrinca, semTrinca, horizontal, bissetriz, fs0}) {
        const EstatisticasSaida &a = um->estatisticas[s], &b = r->estatisticas[s];
        EXPECT_TRUE(MesmosBits(*a.media, *b.media)) << s;
        EXPECT_TRUE(MesmosBits(*a.desvio, *b.desvio)) << s;
        EXPECT_TRUE(Iguais(a.p95, b.p95)) << s;
        EXPECT_TRUE(MesmosBits(a.falha->p, b.falha->p)) << s;
    }
    // A layer thinner than half the height holds none of Low's wedges; Kaniraj still answers.
    const auto rasa = EstimarPrimeiraOrdem(Pedido(n, {}, ComValor(exemplo, Variavel::T, 1.4L)));
    EXPECT_EQ(rasa[fs0].media.estado, SemResposta);
    EXPECT_EQ(rasa[comTrinca].media.estado, Valor);
    // Kaniraj's circles cannot pass a berm 40 m wide: no answer either.
    const AvaliacaoMetodos berma = AvaliarMetodos(ComValor(exemplo, Variavel::b, 40));
    EXPECT_EQ(berma.P[comTrinca].estado, SemResposta);
    EXPECT_STREQ(berma.motivo, MensagemBermaLarga);
    ResultadoConfiabilidade vazio; // the window warns above 1 % of the samples
    vazio.amostras.resize(200);
    for (int semResposta : {2, 3}) {
        vazio.semResposta = semResposta;
        EXPECT_EQ(AvisarSemResposta(vazio), semResposta == 3);
    }
}

TEST(Confiabilidade, SummaryPutsSamplesWithoutSolutionBeyondEveryValue) {
    // Forces 1, 2, ... kN/m, some samples without solution and three refused; Td = 90 kN/m.
    const struct {
        int valores, semSolucao;
        RespostaMetodo p05, p95;
        int casos;
    } tabela[] = {
        {95, 5, {Valor, 5}, {Valor, 95}, 10}, // the 95th of 100 is the last value
        {94, 6, {Valor, 5}, {SemSolucao}, 10},
        {96, 5, {Valor, 6}, {Valor, 96}, 11}, // the 6th and the 96th of 101
        {0, 0, {}, {}, 0},
    };
    for (const auto& linha : tabela) {
        std::vector<RespostaMetodo> respostas(3);
        for (int i = 1; i <= linha.valores; ++i)
            respostas.push_back({Valor, static_cast<long double>(i)});
        respostas.resize(respostas.size() + linha.semSolucao, {SemSolucao});
        const EstatisticasSaida e = Resumir(respostas, Saida::LowHorizontal, 90);
        EXPECT_TRUE(Iguais(e.p05, linha.p05)) << linha.valores;
        EXPECT_TRUE(Iguais(e.p95, linha.p95)) << linha.valores;
        EXPECT_EQ(e.semResposta, 3) << linha.valores;
        EXPECT_EQ(e.falha.has_value(), linha.valores > 0) << linha.valores;
        EXPECT_EQ(e.falha ? e.falha->casos : 0, linha.casos);
    }
    // 10 failures in 100: Wilson's interval 5.52 % to 17.44 %, β = 1.2816.
    std::vector<RespostaMetodo> respostas(100, {Valor, 1});
    std::fill_n(respostas.begin(), 10, RespostaMetodo{Valor, 0.99L});
    const EstatisticasSaida e = Resumir(respostas, Saida::FS0, std::nullopt);
    EXPECT_NEAR(e.falha->inferior, 0.0552L, 5e-5L);
    EXPECT_NEAR(e.falha->superior, 0.1744L, 5e-5L);
    EXPECT_NEAR(e.falha->beta, 1.2815515655446004L, 1e-15L);
    EXPECT_NEAR(*e.desvio, std::sqrt(0.09L * 0.0001L * 100 / 99), 1e-18L);
}

TEST(Confiabilidade, RequestsThatCannotRunSaySo) {
    const DadosAnalise semCoesao = ComValor(exemplo, Variavel::c, 0);
    const struct {
        PedidoConfiabilidade pedido;
        const char* mensagem;
    } tabela[] = {
        {Pedido(1000000, {}), ""},
        {Pedido(99, {}), "O número de amostras deve ser um inteiro de 100 a 1000000."},
        {Pedido(1000001, {}), "O número de amostras deve ser um inteiro de 100 a 1000000."},
        {Pedido(100, {{phi, {-1}}}), "O coeficiente de variação de φ não pode ser negativo."},
        {Pedido(100, {{c, {10}}}, semCoesao),
         "A distribuição lognormal de c exige valor médio maior que zero."},
        {Pedido(100, {{c, {10, Normal}}}, semCoesao), ""},
        {Pedido(100, {}, exemplo, 0), "A resistência de projeto deve ser maior que zero."},
    };
    for (const auto& linha : tabela)
        EXPECT_EQ(ProblemaDoPedido(linha.pedido), linha.mensagem);
    EXPECT_THROW(Amostrar(Pedido(99, {})), std::invalid_argument);

    int chamadas = 0;
    EXPECT_FALSE(Amostrar(Pedido(1000, {{c, {30}}}), [&](int) { return ++chamadas < 5; }));
    EXPECT_EQ(chamadas, 5);
}

TEST(Confiabilidade, HistogramBinsHoldEveryValueWhereItShows) {
    const Histograma h = HistogramaDe({1, 2, 2, 3, 5}, 4);
    EXPECT_EQ(h.limites, (std::vector<long double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(h.contagens, (std::vector<int>{1, 2, 1, 1}));
    const Histograma iguais = HistogramaDe({7, 7}, 2);
    EXPECT_EQ(iguais.limites, (std::vector<long double>{6.5L, 7, 7.5L}));
    EXPECT_EQ(iguais.contagens, (std::vector<int>{0, 2}));
}

TEST(Confiabilidade, NormalQuantileInvertsTheDistributionInEveryBranch) {
    for (long double p : {0.5001L, 0.3L, 0.05L, 1e-10L, 1e-300L, 0.97L, 1 - 1e-10L}) {
        const long double z = InversaNormal(p);
        const long double cauda = 0.5L * std::erfc(std::fabs(z) / std::sqrt(2.0L));
        EXPECT_NEAR(cauda / std::min(p, 1 - p), 1, 1e-12L) << static_cast<double>(p);
        EXPECT_EQ(z < 0, p < 0.5L);
    }
    EXPECT_EQ(InversaNormal(0), -infinito);
    EXPECT_EQ(InversaNormal(1), infinito);
}

} // namespace
