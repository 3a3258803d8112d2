// Bishop's whole search (the lowest FS0 and the largest force for F, each with its circle) on the
// worked embankment, on it with a crack through the fill, and on the published benchmark (6 m of
// sand on 3 m of clay, F = 1.35); `caso` 0, 1 and 2. The goal is 5 ms a search, on one core. Run on
// demand: build/<dir>/bench/bench_bishop
#include "../tests/comum/Exemplo.h"
#include "calc/Bishop.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Bishop(benchmark::State& estado) {
    DadosEntrada p = aterroExemplo;
    TrincaBishop trinca;
    long double F = 1.3L;
    if (estado.range(0) == 1)
        trinca.atravesDoAterro = true;
    if (estado.range(0) == 2) {
        p = AterroDeReferencia(17, 0, 37);
        F = 1.35L;
    }
    for (auto _ : estado)
        benchmark::DoNotOptimize(AnaliseBishop(p, F, 0, trinca));
}

BENCHMARK(BM_Bishop)->ArgName("caso")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
