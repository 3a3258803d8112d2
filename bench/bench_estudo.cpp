// The parametric study's sweep as the window runs it while the user types: 200 points of the four
// forces (both Kaniraj analyses and Low's) and the bisection of the four limits, on the embankment
// of the examples (H = 3 m, slope 2, γ = 18, c = 5, φ = 30, a 6 m layer at 10 kPa, F = 1.3), the
// allowable strength 100 kN/m. variavel 0: H from 1 to 6 m; 1: T from 2 to 20 m (the deepest
// layers are Low's slowest); 2: the slope n from 0.5 to 4 (no point reuses the powers of Low's
// wedges that depend on the slope); 3: T from 2 to 20 m under a bi-linear profile (10 kPa at the
// top, 8 at Z = 2 m, 20 at the base). The window's budget is 50 ms, on a quiet machine. bishop 1:
// Bishop's force swept too (F = 1.3, the reinforcement on the foundation), which the window runs
// in the background. Run on demand: build/<dir>/bench/bench_estudo
#include "../tests/comum/Exemplo.h"
#include "calc/Varredura.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Varredura200(benchmark::State& estado) {
    PedidoEstudo pedido;
    pedido.dados = exemplo;
    pedido.pontos = 200;
    pedido.resistencia = 100;
    pedido.bishop = estado.range(1) != 0;
    pedido.dados.fatores.Fatsegbishop = 1.3L;
    switch (estado.range(0)) {
    case 0:
        pedido.variavel = Variavel::H;
        pedido.de = 1;
        pedido.ate = 6;
        break;
    case 2:
        pedido.variavel = Variavel::n;
        pedido.de = 0.5L;
        pedido.ate = 4;
        break;
    case 3:
        pedido.dados.problema.Dist = 2;
        pedido.dados.problema.ProfZ = 8;
        pedido.dados.problema.Cont = 20;
        [[fallthrough]];
    default:
        pedido.variavel = Variavel::T;
        pedido.de = 2;
        pedido.ate = 20;
    }
    for (auto _ : estado) {
        auto estudo = Varrer(pedido);
        benchmark::DoNotOptimize(estudo);
    }
}

// The sweep spreads over the cores: the time the user waits is the wall-clock time.
BENCHMARK(BM_Varredura200)
    ->ArgNames({"variavel", "bishop"})
    ->ArgsProduct({{0, 1, 2, 3}, {0}})
    ->Args({0, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
