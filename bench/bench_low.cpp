// Low's analysis for soft layers of 2 to 20 m under the embankment of the examples (H = 3 m, slope
// 2, γ = 18, c = 5, φ = 30, F = 1.3), on a linear 10 kPa profile (perfil 0) and on a bi-linear one
// (perfil 1: 10 kPa at the top, 8 at Z = 2 m, 20 at the base), with the fast force search and with
// the plain scan. Run on demand: build/<dir>/bench/bench_low
#include "../tests/comum/Exemplo.h"
#include "calc/Low.h"
#include "data/Mensagens.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

DadosAnalise Caso(const benchmark::State& estado) {
    DadosAnalise x = exemplo;
    x.problema.Prof = static_cast<long double>(estado.range(0));
    if (estado.range(1) == 1) {
        x.problema.Dist = 2;
        x.problema.ProfZ = 8;
        x.problema.Cont = 20;
    }
    return x;
}

void Calcular(const DadosAnalise& x, ResultadoLow& r) {
    const DadosEntrada& p = x.problema;
    CalcLow(p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, 0, 0, p.Prof, p.Dist, p.Superf, p.ProfZ,
            p.Cont, x.fatores.Fatseglow, r);
}

void BM_CalcLow(benchmark::State& estado) {
    DefinirExibidorMensagens([](const std::string&) {});
    const DadosAnalise x = Caso(estado);
    for (auto _ : estado) {
        ResultadoLow r;
        Calcular(x, r);
        benchmark::DoNotOptimize(r);
    }
    DefinirExibidorMensagens(nullptr);
}

// The same, with the slope changed at every run (2 and 2.5 in turn), so that no run finds the
// powers of its slope already worked out by the one before: a first run, or a sweep of n.
void BM_CalcLowTaludeNovo(benchmark::State& estado) {
    DefinirExibidorMensagens([](const std::string&) {});
    DadosAnalise x = Caso(estado);
    for (auto _ : estado) {
        x.problema.Decl = x.problema.Decl == 2 ? 2.5L : 2;
        ResultadoLow r;
        Calcular(x, r);
        benchmark::DoNotOptimize(r);
    }
    DefinirExibidorMensagens(nullptr);
}

void BM_LowVarreduraLinear(benchmark::State& estado) {
    const DadosAnalise x = Caso(estado);
    for (auto _ : estado) {
        ResultadoLow r;
        AnaliseLow(x, r, BuscaFatorLinear);
        benchmark::DoNotOptimize(r);
    }
}

BENCHMARK(BM_CalcLow)
    ->ArgNames({"T", "perfil"})
    ->ArgsProduct({benchmark::CreateDenseRange(2, 20, 2), {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcLowTaludeNovo)
    ->ArgNames({"T", "perfil"})
    ->ArgsProduct({{2, 6, 10, 20}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LowVarreduraLinear)
    ->ArgNames({"T", "perfil"})
    ->ArgsProduct({{2, 6, 20}, {0}})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
