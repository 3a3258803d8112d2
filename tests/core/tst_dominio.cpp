// Data outside their physical domain are refused with one message before any search, and leave
// the records as any rejection does: an engineer never reads an answer computed from them.
#include "GravadorMensagens.h"

#include "calc/Ancoragem.h"
#include "calc/Kanct.h"
#include "calc/Kaniraj.h"
#include "calc/Kanst.h"
#include "calc/Low.h"
#include "calc/Verificacao.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The negative value nearest zero that the range check lets through to the domain check.
constexpr long double menorNegativo = -1e-100L;

// The worked embankment (H = 3, n = 2, γ = 18, c = 5, φ = 30, no berm, T = 6, 10 kPa, F = 1.3,
// a = 0) with one value changed.
struct Caso {
    const char* nome;
    long double EntradaKaniraj::*campo;
    long double valor;
    const char* mensagem; // nullptr: accepted
    bool soKaniraj = false;
};

const Caso casos[] = {
    {"phi 0", &EntradaKaniraj::phi, 0, nullptr},
    {"phi -0", &EntradaKaniraj::phi, -0.0L, nullptr},
    {"phi negativo", &EntradaKaniraj::phi, menorNegativo, MensagemAnguloAtrito},
    {"phi 89,99", &EntradaKaniraj::phi, 89.99L, nullptr},
    {"phi 90", &EntradaKaniraj::phi, 90, MensagemAnguloAtrito},
    {"phi 300", &EntradaKaniraj::phi, 300, MensagemAnguloAtrito},
    {"n -0", &EntradaKaniraj::n, -0.0L, nullptr},
    {"n negativo", &EntradaKaniraj::n, menorNegativo, MensagemResistenciasNegativas},
    {"c negativa", &EntradaKaniraj::c, -1, MensagemResistenciasNegativas},
    {"c -0", &EntradaKaniraj::c, -0.0L, nullptr},
    {"CS negativa", &EntradaKaniraj::CS, menorNegativo, MensagemResistenciasNegativas},
    {"CZ negativa", &EntradaKaniraj::CZ, -10, MensagemResistenciasNegativas},
    {"CF negativa", &EntradaKaniraj::CF, -10, MensagemResistenciasNegativas},
    {"F 0", &EntradaKaniraj::F, 0, MensagemFatorSeguranca},
    {"F -0", &EntradaKaniraj::F, -0.0L, MensagemFatorSeguranca},
    {"F negativo", &EntradaKaniraj::F, -1.3L, MensagemFatorSeguranca},
    {"a -0", &EntradaKaniraj::a, -0.0L, nullptr, true},
    {"a negativa", &EntradaKaniraj::a, menorNegativo, MensagemPosicaoReforco, true},
    {"a igual a H", &EntradaKaniraj::a, 3, nullptr, true},
    {"a acima de H", &EntradaKaniraj::a, 3.0001L, MensagemPosicaoReforco, true},
};

TEST(Dominio, KanirajRefusesWithItsMessageAndZeroRecords) {
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EntradaKaniraj e{3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0};
        e.*caso.campo = caso.valor;
        const ResultadoKaniraj antigo{72, 13, 3, 6};
        ResultadoKaniraj comTrinca = antigo, semTrinca = antigo;
        GravadorMensagens gravador;
        const bool aceitos = CalcKanct(e.H, e.n, e.gama, e.c, e.phi, e.hb, e.b, e.T, e.Z, e.CS,
                                       e.CZ, e.CF, e.F, e.a, comTrinca);
        CalcKanst(e.H, e.n, e.gama, e.c, e.phi, e.hb, e.b, e.T, e.Z, e.CS, e.CZ, e.CF, e.F, e.a,
                  semTrinca);
        if (caso.mensagem) {
            EXPECT_FALSE(aceitos);
            EXPECT_EQ(gravador.mensagens, std::vector<std::string>{caso.mensagem});
            for (const ResultadoKaniraj& r : {comTrinca, semTrinca}) {
                EXPECT_EQ(r.P, 0);
                EXPECT_EQ(r.Y0, 0);
                EXPECT_EQ(r.X0, 0);
                EXPECT_EQ(r.D, 0);
            }
        } else {
            EXPECT_TRUE(aceitos);
            EXPECT_TRUE(gravador.mensagens.empty());
            EXPECT_GT(comTrinca.P, 0);
        }
    }
}

TEST(Dominio, LowRefusesWithItsMessageAndEntryValues) {
    for (const Caso& caso : casos) {
        if (caso.soKaniraj)
            continue;
        SCOPED_TRACE(caso.nome);
        EntradaKaniraj e{3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0};
        e.*caso.campo = caso.valor;
        ResultadoLow r{1, 2, 3, 4, 5, 6};
        GravadorMensagens gravador;
        const bool aceitos =
            CalcLow(e.H, e.n, e.gama, e.c, e.phi, e.hb, e.b, e.T, e.Z, e.CS, e.CZ, e.CF, e.F, r);
        EXPECT_EQ(aceitos, caso.mensagem == nullptr);
        if (caso.mensagem) {
            EXPECT_EQ(gravador.mensagens, std::vector<std::string>{caso.mensagem});
            EXPECT_EQ(r.Fatsegsol, 100);
            EXPECT_EQ(r.Profcunsol + r.Profcunh + r.Profcunb + r.Solicsolh + r.Solicsolb, 0);
        } else {
            EXPECT_TRUE(gravador.mensagens.empty());
        }
    }
}

// The earlier checks keep their place: a zero height is incomplete data even with φ = 90, and an
// out-of-range value is said before a negative cohesion.
TEST(Dominio, ComesAfterTheEarlierChecks) {
    GravadorMensagens gravador;
    ResultadoKaniraj r;
    ResultadoLow l;
    EXPECT_FALSE(CalcKanct(0, 2, 18, 5, 90, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0, r));
    EXPECT_FALSE(CalcLow(3, 2, 18, -5, 30, 0, 0, 6, 0, 1e200L, 10, 10, 1.3L, l));
    EXPECT_FALSE(CalcKanct(3, -2, 18, -5, 95, 0, 0, 6, 0, 10, 10, 10, 0, 5, r));
    EXPECT_EQ(gravador.mensagens,
              (std::vector<std::string>{MensagemDadosIncompletos, MensagemForaDoIntervalo,
                                        MensagemAnguloAtrito}));
}

// A berm no wedge can pass still answers (its message describes a valid run).
TEST(Dominio, WideBermIsAResultNotARejection) {
    GravadorMensagens gravador;
    ResultadoKaniraj r;
    EXPECT_TRUE(CalcKanct(3, 2, 18, 5, 30, 1, 30, 6, 0, 10, 10, 10, 1.3L, 0, r));
    EXPECT_EQ(gravador.mensagens, std::vector<std::string>{MensagemBermaLarga});
}

TEST(Dominio, AnchorageInputsRefusedBeforeAnyLengthChanges) {
    struct {
        const char* nome;
        long double cf, deltaf, ce, deltae, FS1;
        SituacaoAncoragem esperada;
    } const casosAncoragem[] = {
        {"limites aceitos", -0.0L, 0, 0, 89.9L, 1, SituacaoAncoragem::Calculada},
        {"deltaf 90", 10, 90, 10, 20, 1, SituacaoAncoragem::InterfacesInvalidas},
        {"deltae 90", 10, 20, 10, 90, 1, SituacaoAncoragem::InterfacesInvalidas},
        {"deltaf negativo", 10, menorNegativo, 10, 20, 1, SituacaoAncoragem::InterfacesInvalidas},
        {"deltae negativo", 10, 20, 10, -1, 1, SituacaoAncoragem::InterfacesInvalidas},
        {"cf negativa", menorNegativo, 20, 10, 20, 1, SituacaoAncoragem::InterfacesInvalidas},
        {"ce negativa", 10, 20, -10, 20, 1, SituacaoAncoragem::InterfacesInvalidas},
        {"angulo antes de FS1", 10, 95, 10, 20, 0, SituacaoAncoragem::InterfacesInvalidas},
        {"FS1 0", 10, 20, 10, 20, 0, SituacaoAncoragem::FatorSegurancaNulo},
        {"FS1 -0", 10, 20, 10, 20, -0.0L, SituacaoAncoragem::FatorSegurancaNulo},
        {"FS1 negativo", 10, 20, 10, 20, -1, SituacaoAncoragem::FatorSegurancaNulo},
    };
    for (const auto& c : casosAncoragem) {
        SCOPED_TRACE(c.nome);
        ComprimentosAncoragem l{7, 8, 9, 10};
        EXPECT_EQ(
            CalcAncoragem(3, 18, c.cf, c.deltaf, c.ce, c.deltae, c.FS1, 100, 200, 300, 400, l),
            c.esperada);
        if (c.esperada != SituacaoAncoragem::Calculada) {
            EXPECT_EQ(l.ComTr, 7);
            EXPECT_EQ(l.SemTr, 8);
            EXPECT_EQ(l.Horiz, 9);
            EXPECT_EQ(l.Biss, 10);
        } else {
            EXPECT_NE(l.ComTr, 7);
        }
    }
}

} // namespace
