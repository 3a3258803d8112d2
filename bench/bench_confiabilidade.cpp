// The reliability analysis as the window runs it: 10000 samples of the four forces and Low's FS0,
// with the first-order estimate, on the embankment of the examples (H = 3 m, slope 2, γ = 18,
// c = 5, φ = 30, CS = CZ = CF = 10 kPa, F = 1.3). Coefficients of variation of 5 % on γ and 30 %
// on c, CS, CZ and CF, lognormal, the strengths correlated; T is the soft layer's thickness and
// cvT its own coefficient in per cent (a varying T makes every Kaniraj run work out the powers of
// its depths afresh); bishop 1: Bishop's force in every sample too (F = 1.3, the reinforcement on
// the foundation). The goal is 1 s of wall-clock time for the closed forms. Run on demand:
// build/<dir>/bench/bench_confiabilidade
#include "../tests/comum/Exemplo.h"
#include "calc/Confiabilidade.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void BM_Confiabilidade10000(benchmark::State& estado) {
    PedidoConfiabilidade pedido;
    pedido.dados = exemplo;
    pedido.dados.problema.Prof = static_cast<long double>(estado.range(0));
    for (Variavel v :
         {Variavel::gama, Variavel::c, Variavel::CS, Variavel::CZ, Variavel::CF, Variavel::T}) {
        const auto k = static_cast<std::size_t>(
            std::find(VariaveisAleatorias.begin(), VariaveisAleatorias.end(), v) -
            VariaveisAleatorias.begin());
        pedido.incertezas[k].cv = v == Variavel::gama ? 5
                                  : v == Variavel::T  ? static_cast<long double>(estado.range(1))
                                                      : 30;
    }
    pedido.bishop = estado.range(2) != 0;
    pedido.dados.fatores.Fatsegbishop = 1.3L;
    pedido.amostras = 10000;
    pedido.Td = 100;
    for (auto _ : estado) {
        auto resultado = Amostrar(pedido);
        benchmark::DoNotOptimize(resultado);
    }
}

// The samples spread over the cores: the time the user waits is the wall-clock time.
BENCHMARK(BM_Confiabilidade10000)
    ->ArgNames({"T", "cvT", "bishop"})
    ->Args({6, 0, 0})
    ->Args({6, 10, 0})
    ->Args({12, 10, 0})
    ->Args({20, 10, 0})
    ->Args({6, 0, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
