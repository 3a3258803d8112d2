// The cross-section the failure drawing rests on, against points computed by hand.
#include "../comum/Analises.h"
#include "../comum/Exemplo.h"
#include "calc/Geometria.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Geometria, GroundFollowsTheSlopesAndTheBerm) {
    const DadosEntrada& semBerma = aterroExemplo;
    const DadosEntrada& comBerma = aterroComBerma.problema;
    const struct {
        const DadosEntrada& d;
        long double x, cota;
    } pontos[] = {
        {semBerma, -1, 0}, {semBerma, 0, 0},  {semBerma, 3, 1.5L}, {semBerma, 6, 3},
        {semBerma, 20, 3}, {comBerma, -7, 0}, {comBerma, -6, 0},   {comBerma, -4.5L, 1},
        {comBerma, -3, 2}, {comBerma, 0, 2},  {comBerma, 3, 2},    {comBerma, 4.5L, 3},
        {comBerma, 6, 4},  {comBerma, 30, 4},
    };
    for (const auto& p : pontos) {
        EXPECT_NEAR(CotaTerreno(p.d, p.x), p.cota, 1e-15L) << "x = " << static_cast<double>(p.x);
    }
    const auto contorno = ContornoAterro(comBerma, 5);
    const Ponto esperado[] = {{-6, 0}, {-3, 2}, {3, 2}, {6, 4}, {11, 4}, {11, 0}};
    ASSERT_EQ(contorno.size(), std::size(esperado));
    for (std::size_t i = 0; i < contorno.size(); ++i) {
        EXPECT_EQ(contorno[i].x, esperado[i].x) << i;
        EXPECT_EQ(contorno[i].y, esperado[i].y) << i;
    }
}

// The worked embankments: H = 3 on 6 m of clay (D = 6, X0 = 3) and the bermed one (D = 5 and
// 6.5, X0 = 0). The circle touches the horizontal at depth D below X0, its centre stands R − D
// above the foundation surface, and it cuts the surface at X0 ± √(D·(2R − D)).
TEST(Geometria, CriticalCirclesOfTheWorkedEmbankments) {
    const struct {
        DadosAnalise dados;
        bool comTrinca;
        long double X0, D, R; // R to 0.005 m, as the results screen shows it
    } exemplos[] = {{exemplo, false, 3, 6, 13.88L},
                    {exemplo, true, 3, 6, 11.22L},
                    {aterroComBerma, false, 0, 5.75L, 19.61L},
                    {aterroComBerma, true, 0, 6.25L, 16.81L}};
    for (const auto& e : exemplos) {
        const Rodada rodada = Roda(e.dados);
        const ResultadoKaniraj& r = e.comTrinca ? rodada.comTrinca : rodada.semTrinca;
        const auto circulo = CirculoKaniraj(r);
        ASSERT_TRUE(circulo.has_value());
        EXPECT_EQ(circulo->centro.x, e.X0);
        EXPECT_NEAR(circulo->raio, e.R, 0.005L);
        EXPECT_EQ(circulo->centro.y, r.Y0 - e.D);
        EXPECT_EQ(circulo->centro.y - circulo->raio, -e.D); // lowest point at depth D
        const auto cortes = CortesNaSuperficie(*circulo);
        ASSERT_TRUE(cortes.has_value());
        const long double meiaCorda = std::sqrt(e.D * (2 * r.Y0 - e.D));
        EXPECT_NEAR(cortes->first, e.X0 - meiaCorda, 1e-15L);
        EXPECT_NEAR(cortes->second, e.X0 + meiaCorda, 1e-15L);
    }
    // No wedge needing reinforcement: nothing to draw.
    EXPECT_FALSE(CirculoKaniraj(ResultadoKaniraj{0, 0, 3, 0}).has_value());
    // A circle that does not reach the surface has no cut.
    EXPECT_FALSE(CortesNaSuperficie({{0, 5}, 4}).has_value());
}

} // namespace
