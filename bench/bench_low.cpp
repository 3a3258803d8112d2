// Low's analysis for soft layers of 2 to 20 m under the embankment of the examples (H = 3 m, slope
// 2, γ = 18, c = 5, φ = 30, F = 1.3), on a linear 10 kPa profile (perfil 0) and on a bi-linear one
// (perfil 1: 10 kPa at the top, 8 at Z = 2 m, 20 at the base), with the fast force search and with
// the plain scan. Run on demand: build/<dir>/bench/bench_low
#include "calc/Low.h"
#include "data/Mensagens.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

EntradaLow Caso(const benchmark::State& estado) {
    const long double T = estado.range(0);
    if (estado.range(1) == 0)
        return {3, 2, 18, 5, 30, T, 0, 10, 10, 10, 1.3L};
    return {3, 2, 18, 5, 30, T, 2, 10, 8, 20, 1.3L};
}

void BM_CalcLow(benchmark::State& estado) {
    DefinirExibidorMensagens([](const std::string&) {});
    const EntradaLow x = Caso(estado);
    for (auto _ : estado) {
        ResultadoLow r;
        CalcLow(x.H, x.n, x.gama, x.c, x.phi, 0, 0, x.T, x.Z, x.CS, x.CZ, x.CF, x.F, r);
        benchmark::DoNotOptimize(r);
    }
    DefinirExibidorMensagens(nullptr);
}

// The same, with the slope changed at every run (2 and 2.5 in turn), so that no run finds the
// powers of its slope already worked out by the one before: a first run, or a sweep of n.
void BM_CalcLowTaludeNovo(benchmark::State& estado) {
    DefinirExibidorMensagens([](const std::string&) {});
    EntradaLow x = Caso(estado);
    for (auto _ : estado) {
        x.n = x.n == 2 ? 2.5L : 2;
        ResultadoLow r;
        CalcLow(x.H, x.n, x.gama, x.c, x.phi, 0, 0, x.T, x.Z, x.CS, x.CZ, x.CF, x.F, r);
        benchmark::DoNotOptimize(r);
    }
    DefinirExibidorMensagens(nullptr);
}

void BM_LowVarreduraLinear(benchmark::State& estado) {
    const EntradaLow x = Caso(estado);
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
