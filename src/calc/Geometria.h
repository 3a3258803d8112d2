#pragma once

// The cross-section as a drawing needs it: the fill's outline and the circles of the critical
// wedges, in metres, x from where the line of the main slope meets the foundation surface (growing
// toward the crest), y upward from the foundation surface (depths are negative y).

#include "../data/DadosEntrada.h"
#include "../data/Resultados.h"

#include <optional>
#include <utility>
#include <vector>

struct Ponto {
    long double x, y;
};

// The fill from the outer toe to the crest and on over `crista` metres of crest, then down to the
// foundation surface: a closed outline, counter-clockwise. The berm, when there is one, stands in
// front of the main slope: its top is b wide from the main slope's face, its outer face has the
// main slope's inclination and meets the foundation surface at x = −b.
std::vector<Ponto> ContornoAterro(const DadosEntrada& dados, long double crista);

// Height of the ground (fill or foundation surface) at x.
long double CotaTerreno(const DadosEntrada& dados, long double x);

struct Circulo {
    Ponto centro;
    long double raio;
};

// The critical circle of a Kaniraj record: tangent to the horizontal at depth D, its centre at
// X0 and Y0 (the radius) above its lowest point. None when the record holds no wedge (P = 0).
std::optional<Circulo> CirculoKaniraj(const ResultadoKaniraj& r);

// Where the circle meets the foundation surface (y = 0), the outer point first; none when it
// does not reach it.
std::optional<std::pair<long double, long double>> CortesNaSuperficie(const Circulo& c);
