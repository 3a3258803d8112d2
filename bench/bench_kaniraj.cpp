// One Kaniraj run (both analyses) with the plain radius scan and with the fast search, on the
// layers that make the plain scan slow; and with the fast search under the embankment of the
// examples for soft layers of 2 to 20 m. Run on demand: build/<dir>/bench/bench_kaniraj
#include "../tests/comum/Exemplo.h"
#include "calc/Kaniraj.h"

#include <benchmark/benchmark.h>

namespace {

// H = T = 1 m, H = T = 0.5 m, and H = 1 m with slope 1 on a 0.3 m layer; otherwise the
// embankment of the examples (γ = 18, c = 5, φ = 30, linear 10 kPa profile, F = 1.3, a = 0).
constexpr DadosAnalise casos[] = {
    {1, 2, 18, 5, 30, 0, 0, 1, 0, 10, 10, 10, 1.3L, 0},
    {0.5L, 2, 18, 5, 30, 0, 0, 0.5L, 0, 10, 10, 10, 1.3L, 0},
    {1, 1, 18, 5, 30, 0, 0, 0.3L, 0, 10, 10, 10, 1.3L, 0},
};

void UmaRodada(benchmark::State& estado, BuscadorRaio buscador) {
    const DadosAnalise& entrada = casos[estado.range(0)];
    for (auto _ : estado) {
        ResultadoKaniraj comTrinca, semTrinca;
        AnaliseKaniraj(HipoteseKaniraj::ComTrinca, entrada, comTrinca, buscador);
        AnaliseKaniraj(HipoteseKaniraj::SemTrinca, entrada, semTrinca, buscador);
        benchmark::DoNotOptimize(comTrinca);
        benchmark::DoNotOptimize(semTrinca);
    }
}

void BM_KanirajVarreduraLinear(benchmark::State& estado) {
    UmaRodada(estado, BuscaRaioLinear);
}
void BM_KanirajBuscaRapida(benchmark::State& estado) {
    UmaRodada(estado, BuscaRaio);
}

BENCHMARK(BM_KanirajVarreduraLinear)
    ->ArgName("caso")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_KanirajBuscaRapida)->ArgName("caso")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The embankment of the examples, T from the argument.
void BM_KanirajPorEspessura(benchmark::State& estado) {
    DadosAnalise entrada = exemplo;
    entrada.problema.Prof = static_cast<long double>(estado.range(0));
    for (auto _ : estado) {
        ResultadoKaniraj comTrinca, semTrinca;
        AnaliseKaniraj(HipoteseKaniraj::ComTrinca, entrada, comTrinca);
        AnaliseKaniraj(HipoteseKaniraj::SemTrinca, entrada, semTrinca);
        benchmark::DoNotOptimize(comTrinca);
        benchmark::DoNotOptimize(semTrinca);
    }
}

BENCHMARK(BM_KanirajPorEspessura)
    ->ArgName("T")
    ->DenseRange(2, 20, 2)
    ->Unit(benchmark::kMicrosecond);

// The same, with H changed at every run (3 and 3.1 m in turn), so that no run finds the powers of
// its depths already worked out by the one before: a first run, or a sweep of H or T.
void BM_KanirajNovaAltura(benchmark::State& estado) {
    DadosAnalise entrada = exemplo;
    entrada.problema.Prof = static_cast<long double>(estado.range(0));
    for (auto _ : estado) {
        entrada.problema.Alt = entrada.problema.Alt == 3 ? 3.1L : 3;
        ResultadoKaniraj comTrinca, semTrinca;
        AnaliseKaniraj(HipoteseKaniraj::ComTrinca, entrada, comTrinca);
        AnaliseKaniraj(HipoteseKaniraj::SemTrinca, entrada, semTrinca);
        benchmark::DoNotOptimize(comTrinca);
        benchmark::DoNotOptimize(semTrinca);
    }
}

BENCHMARK(BM_KanirajNovaAltura)->ArgName("T")->DenseRange(2, 20, 4)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
