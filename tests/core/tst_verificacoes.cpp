// The limit states beyond the circular wedges: the worked embankment's checks, each verdict's
// boundary, and what the checks say when they cannot be made or do not apply.
#include "../comum/Exemplo.h"
#include "calc/VerificacoesAterro.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The documented design, the worked embankment on a layer T thick; the fill/geotextile interface
// without cohesion at 30°; a reinforcement of 200 kN/m with reduction factors 1.1, 2 and 1.1.
EntradaVerificacoes Exemplo(long double T = 6) {
    const DadosAnalise d = ComoExemplo([T](DadosEntrada& p) { p.Prof = T; });
    // clang-format off
    return {.problema = d.problema, .CoeGeo2 = 0, .AngGeo2 = 30, .FSdesl = 1.5L, .FSext = 2,
            .FScap = 2, .Tult = 200, .FRid = 1.1L, .FRfl = 2, .FRdq = 1.1L, .Epsadm = 5,
            .escolha = std::nullopt, .metodos = AvaliarMetodos(d)};
    // clang-format on
}

TEST(Verificacoes, WorkedEmbankment) {
    const ResultadoVerificacoes r = Verificar(Exemplo());
    EXPECT_NEAR(r.Ka, 1.0L / 3, 1e-18L);
    EXPECT_NEAR(r.PA, 27, 1e-15L);
    EXPECT_NEAR(*r.espalhamento.valor, 40.5L, 1e-15L);
    // R = 93,5307436087194 under the slope: the fill does not slide.
    EXPECT_NEAR(*r.deslizamento.valor, 3.46410161513775L, 1e-13L);
    EXPECT_NEAR(*r.R, 93.5307436087194L, 1e-12L);
    EXPECT_EQ(*r.deslizamento.valor, *r.R / r.PA);
    EXPECT_EQ(r.deslizamento.veredito, Veredito::Atende);
    EXPECT_EQ(r.extrusao.veredito, Veredito::NaoSeAplica); // T = n·H
    // The fill is heavier than the clay can carry, whatever the reinforcement.
    EXPECT_NEAR(*r.capacidade.valor, 0.951851851851852L, 1e-14L);
    EXPECT_EQ(r.capacidade.veredito, Veredito::NaoAtende);
    EXPECT_NEAR(*r.governante.valor, 97.2L, 1e-12L);
    EXPECT_EQ(r.fonte, "Low horizontal");
    EXPECT_NEAR(*r.resistencia.valor, 82.6446280991736L, 1e-12L);
    EXPECT_EQ(r.resistencia.veredito, Veredito::NaoAtende);
    EXPECT_NEAR(*r.uso, 117.612L, 5e-4L);
    EXPECT_NEAR(*r.rigidez.valor, 1944, 1e-10L);
    EXPECT_EQ(r.espalhamento.veredito, Veredito::Atende); // 40,5 within Td
    // Bishop's force, when its factors are typed and it runs, is the largest.
    EntradaVerificacoes comBishop = Exemplo();
    DadosAnalise d = exemplo;
    d.fatores.Fatsegbishop = 1.3L;
    comBishop.metodos = AvaliarMetodos(d, TodosOsMetodos);
    const ResultadoVerificacoes rb = Verificar(comBishop);
    EXPECT_EQ(rb.fonte, "Bishop");
    EXPECT_NEAR(*rb.governante.valor, 155.7L, 0.05L);
    EXPECT_EQ(*rb.governante.valor, comBishop.metodos.P[Indice(Forca::Bishop)].valor);
    EXPECT_EQ(rb.governante.motivo, "");
    // On a thin layer under a high fill its critical circle stays on the edge of its grid: the
    // force counted is said to be perhaps short.
    comBishop.metodos = AvaliarMetodos(bishopNaBorda, TodosOsMetodos);
    ASSERT_TRUE(comBishop.metodos.bishop->naBorda);
    comBishop.escolha = Forca::Bishop;
    EXPECT_TRUE(Verificar(comBishop).governante.motivo.starts_with("o círculo crítico de Bishop"));
    // A thinner layer squeezes out under the slope.
    const ResultadoVerificacoes fina = Verificar(Exemplo(4));
    EXPECT_NEAR(*fina.extrusao.valor, 1.32222222222222L, 1e-13L);
    EXPECT_EQ(fina.extrusao.veredito, Veredito::NaoAtende);
}

// A factor equal to its requirement holds, the next extended real above fails; a design strength
// equal to the governing force holds.
TEST(Verificacoes, EachRequirementHoldsAtItsBoundary) {
    EntradaVerificacoes e = Exemplo();
    const long double FSd = *Verificar(e).deslizamento.valor;
    for (const auto& [exigido, veredito] :
         {std::pair{FSd, Veredito::Atende},
          std::pair{std::nextafter(FSd, 10.0L), Veredito::NaoAtende}}) {
        e.FSdesl = exigido;
        EXPECT_EQ(Verificar(e).deslizamento.veredito, veredito);
    }
    e = Exemplo(4);
    const long double FSe = *Verificar(e).extrusao.valor;
    e.FSext = FSe;
    e.FScap = *Verificar(e).capacidade.valor;
    EXPECT_EQ(Verificar(e).extrusao.veredito, Veredito::Atende);
    EXPECT_EQ(Verificar(e).capacidade.veredito, Veredito::Atende);
    e = Exemplo();
    e.FRid = e.FRfl = e.FRdq = 1;
    e.Tult = *Verificar(e).governante.valor;
    EXPECT_EQ(Verificar(e).resistencia.veredito, Veredito::Atende);
    EXPECT_NEAR(*Verificar(e).uso, 100, 1e-15L);
    e.Tult = std::nextafter(*e.Tult, 0.0L);
    EXPECT_EQ(Verificar(e).resistencia.veredito, Veredito::NaoAtende);
}

TEST(Verificacoes, WhatCannotBeCheckedSaysWhy) {
    using V = EntradaVerificacoes;
    using R = ResultadoVerificacoes;
    using enum Veredito;
    struct Caso {
        const char* nome;
        void (*muda)(V&);
        LinhaVerificacao R::*linha;
        Veredito veredito;
        const char* motivo; // the start of the reason
    };
    // clang-format off
    const Caso casos[] = {
        {"no interface", [](V& e) { e.AngGeo2.reset(); }, &R::deslizamento, NaoVerificado,
         "faltam ou não valem, na tela de ancoragem: o ângulo de atrito da interface"},
        {"no Tult", [](V& e) { e.Tult.reset(); }, &R::resistencia, NaoVerificado,
         "faltam ou não valem: Tult"},
        {"factor below 1", [](V& e) { e.FRfl = 0.9L; }, &R::resistencia, NaoVerificado,
         "faltam ou não valem: FRfl"},
        {"no strain", [](V& e) { e.Epsadm.reset(); }, &R::rigidez, NaoVerificado, "Epsadm"},
        {"φ = 90", [](V& e) { e.problema.Angat = 90; }, &R::capacidade, NaoVerificado,
         "O ângulo de atrito do aterro"},
        // Low's deepest wedges of a 12 m layer: no reinforcement brings them to F.
        {"Low unsolvable", [](V& e) { e.metodos = Exemplo(12).metodos; }, &R::resistencia,
         NaoAtende, "há cunhas de Low horizontal"},
        {"refused by the methods", [](V& e) { e.metodos = Exemplo(1).metodos; }, &R::governante,
         NaoVerificado, "A camada mole é delgada"},
        {"Bishop chosen, not run", [](V& e) { e.escolha = Forca::Bishop; }, &R::governante,
         NaoVerificado, "digite o fator de segurança e a posição do reforço do método de Bishop"},
        // A reinforcement on the crest crosses none of Bishop's circles below F.
        {"Bishop unsolvable", [](V& e) {
             DadosAnalise d = exemplo;
             d.fatores.Fatsegbishop = 1.3L;
             d.fatores.Posrefbishop = 3;
             e.metodos = AvaliarMetodos(d, TodosOsMetodos);
         }, &R::resistencia, NaoAtende, "há círculos de Bishop abaixo do fator"},
    };
    // clang-format on
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EntradaVerificacoes e = Exemplo();
        caso.muda(e);
        const LinhaVerificacao linha = Verificar(e).*caso.linha;
        EXPECT_EQ(linha.veredito, caso.veredito);
        EXPECT_TRUE(linha.motivo.starts_with(caso.motivo)) << linha.motivo;
    }
    // Taking Kaniraj's force instead, Low's unsolvable wedges do not count.
    EntradaVerificacoes e = Exemplo(12);
    e.escolha = Forca::KanirajSemTrinca;
    const ResultadoVerificacoes r = Verificar(e);
    EXPECT_EQ(r.fonte, "Kaniraj sem trinca");
    EXPECT_EQ(r.governante.valor, e.metodos.P[1].valor);
}

TEST(Verificacoes, LeastStrengthOfTheLayer) {
    // T = 6, CS = 10, CZ = 4, CF = 8.
    EXPECT_EQ(MenorResistencia(6, 0, 10, 4, 8), 8);  // linear: CS to CF
    EXPECT_EQ(MenorResistencia(6, 3, 10, 4, 8), 4);  // bi-linear: CZ within the layer
    EXPECT_EQ(MenorResistencia(6, 12, 10, 4, 8), 7); // Z beyond T: the upper line at T, not CF
    EXPECT_EQ(MenorResistencia(6, 12, 4, 10, 1), 4);
}

} // namespace
