// The per-wedge detail of each analysis against the record the design's operations return: the
// record must be the extreme of the detail, bit for bit, on the worked examples and a generated
// corpus. And a run's answer is its own, whatever ran before it.
#include "../comum/Exemplo.h"
#include "CorpusAterros.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <thread>
#include <vector>

namespace {

// The worked examples: the embankment of the examples, without cohesion, with a berm and a
// bi-linear profile, on a strong foundation, on one wedge's layer, bi-linear, deep; a berm too
// wide; data rejected.
constexpr DadosAnalise exemplos[] = {exemplo,
                                     {3, 2, 18, 0, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0},
                                     aterroComBerma,
                                     {3, 2, 18, 10, 30, 0, 0, 10, 0, 10, 10, 30, 1.3L, 0},
                                     {3, 2, 18, 0, 30, 0, 0, 1.5L, 0, 10, 10, 10, 1.3L, 0},
                                     {3, 2, 18, 5, 30, 0, 0, 6, 2, 10, 8, 20, 1.3L, 0},
                                     {3, 2, 18, 0, 30, 0, 0, 12, 0, 10, 10, 10, 1.3L, 0},
                                     {5, 2, 18, 5, 30, 0, 10, 5, 0, 10, 10, 10, 1.3L, 0},
                                     {0, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0}};

std::vector<DadosAnalise> ExemplosECorpus(std::uint64_t semente) {
    std::vector<DadosAnalise> dados(std::begin(exemplos), std::end(exemplos));
    Gerador g(semente);
    for (int i = 0; i < tamanhoCorpus; ++i)
        dados.push_back(Aterro(g));
    return dados;
}

TEST(DetalheKaniraj, RecordIsTheLargestForceOfTheDepths) {
    int comForca = 0, semRaio = 0, cunhas = 0;
    for (const DadosAnalise& x : ExemplosECorpus(0xDE7A1)) {
        const Rodada rodada = Roda(x);
        for (auto hipotese : {HipoteseKaniraj::ComTrinca, HipoteseKaniraj::SemTrinca}) {
            const ResultadoKaniraj& r =
                hipotese == HipoteseKaniraj::ComTrinca ? rodada.comTrinca : rodada.semTrinca;
            const CunhasKaniraj detalhe = DetalheKaniraj(hipotese, x);
            // The largest force, from the shallowest depth among equals; none above zero leaves
            // zeros. X0 is the rows' and stays when nothing else does.
            ResultadoKaniraj extremo{0, 0, 0, 0};
            if (detalhe.relato.desfecho != DesfechoKaniraj::Rejeitado)
                extremo.X0 = detalhe.resultado.X0;
            for (const CunhaKaniraj& c : detalhe.cunhas) {
                EXPECT_TRUE(MesmosBits(c.X0, extremo.X0)) << Descreve(x);
                EXPECT_TRUE(c.R || !c.P) << Descreve(x);
                if (c.P && *c.P > extremo.P)
                    extremo = {*c.P, *c.R, c.X0, c.D};
                ++cunhas;
                comForca += c.P && *c.P > 0;
                semRaio += !c.R;
            }
            EXPECT_TRUE(MesmosBits(r, extremo)) << Descreve(x);
            if (detalhe.relato.desfecho != DesfechoKaniraj::Calculado) {
                EXPECT_TRUE(detalhe.cunhas.empty()) << Descreve(x);
            }
            if (::testing::Test::HasFailure())
                return;
        }
    }
    EXPECT_GT(comForca, cunhas / 10);
    EXPECT_GT(semRaio, cunhas / 20);
    // Under the berm (dmin ≈ 0.80, depths i/16 of H) the first 12 depths are not examined.
    for (auto hipotese : {HipoteseKaniraj::ComTrinca, HipoteseKaniraj::SemTrinca})
        EXPECT_EQ(DetalheKaniraj(hipotese, exemplos[2]).cunhas.size(), 28u);
}

TEST(DetalheLow, RecordIsTheExtremeOfTheWedges) {
    std::map<MotivoCunhaLow, int> motivos;
    for (const DadosAnalise& k : ExemplosECorpus(0xDE7A2)) {
        const DadosAnalise x = ParaLow(k);
        const Rodada rodada = Roda(k);
        const CunhasLow detalhe = DetalheLow(x);
        // Lowest FS0 below the entry 100, largest forces above zero, each from the first wedge
        // reaching it; the warning exactly when some wedge cannot be reinforced.
        ResultadoLow e{0, 0, 100, 0, 0, 0};
        bool semSolucao = false;
        for (const CunhaLow& c : detalhe.cunhas) {
            if (c.FS0 < e.Fatsegsol)
                e.Fatsegsol = c.FS0, e.Profcunsol = c.D;
            if (c.Ph && *c.Ph > e.Solicsolh)
                e.Solicsolh = *c.Ph, e.Profcunh = c.D;
            if (c.Pb && *c.Pb > e.Solicsolb)
                e.Solicsolb = *c.Pb, e.Profcunb = c.D;
            const bool reforcada = c.motivo == MotivoCunhaLow::Reforcada;
            const bool dispensa = c.motivo == MotivoCunhaLow::DispensaReforco;
            semSolucao |= !reforcada && !dispensa;
            EXPECT_EQ(dispensa, !(x.fatores.Fatseglow > c.FS0)) << Descreve(k);
            EXPECT_EQ(c.motivo == MotivoCunhaLow::NadaResiste,
                      x.fatores.Fatseglow > c.FS0 && c.FS0 <= 0);
            EXPECT_EQ(c.Ph.has_value(), reforcada || dispensa) << Descreve(k);
            EXPECT_TRUE(c.Pb || !c.Ph) << Descreve(k);
            if (dispensa) {
                EXPECT_EQ(*c.Ph, 0) << Descreve(k);
                EXPECT_EQ(*c.Pb, 0) << Descreve(k);
            }
            ++motivos[c.motivo];
        }
        EXPECT_TRUE(MesmosBits(rodada.low, e)) << Descreve(k);
        const auto& avisos = rodada.mensagensLow;
        const bool avisou = !avisos.empty() && avisos.back() == MensagemCunhasSemReforco;
        EXPECT_EQ(avisou, semSolucao) << Descreve(k);
        if (detalhe.relato.situacao != SituacaoDados::Aceitos) {
            EXPECT_TRUE(detalhe.cunhas.empty()) << Descreve(k);
        }
        if (::testing::Test::HasFailure())
            return;
    }
    // D/H = 0.5 ... 2 in steps of 1/80: 121 wedges.
    EXPECT_EQ(DetalheLow(ParaLow(exemplos[0])).cunhas.size(), 121u);
    for (auto m : {MotivoCunhaLow::Reforcada, MotivoCunhaLow::DispensaReforco,
                   MotivoCunhaLow::NadaResiste, MotivoCunhaLow::CriterioInatingivel})
        EXPECT_GT(motivos[m], 100) << static_cast<int>(m);
}

// A run reuses powers an earlier run with the same slope, or the same layer and height, worked
// out: embankments analysed one after another answer bit for bit what each answers alone, in a
// thread of its own.
TEST(Analises, ARunDoesNotDependOnTheRunsBeforeIt) {
    Gerador g(0x10E5);
    for (int i = 0; i < 40; ++i) {
        const DadosAnalise x = Aterro(g);
        const Rodada depois = Roda(x);
        Rodada sozinho;
        std::thread([&] { sozinho = Roda(x); }).join();
        EXPECT_TRUE(MesmosBits(depois.comTrinca, sozinho.comTrinca)) << Descreve(x);
        EXPECT_TRUE(MesmosBits(depois.semTrinca, sozinho.semTrinca)) << Descreve(x);
        EXPECT_TRUE(MesmosBits(depois.low, sozinho.low)) << Descreve(x);
    }
}

} // namespace
