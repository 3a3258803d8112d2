#pragma once

// Bishop's simplified method on circular surfaces, beside the two closed forms: the embankment's
// own cross-section (the berm included), total stresses in the soft layer (φ = 0, the undrained
// strength of the bi-linear profile at the depth of each slice's base), the fill with its c and φ.
// The reinforcement at height a crosses the circle where it rises from the foundation into the
// fill on the crest side; its force P acts horizontally there and adds P·(yc − a) to the resisting
// moment: FS = (MR + P·(yc − a))/MD, as the closed forms count it. The circles are tangent to a
// depth D of the soft layer (0 < D ≤ T), as the closed forms' are.
//
// Coordinates as the cross-section's: x from the main slope's toe toward the crest, y upward from
// the foundation surface, in metres. The weight of the soft layer is not needed: the part of the
// circle below the foundation surface is a segment symmetric about the centre's vertical, whose
// weight has no moment about the centre, and φ = 0 there.

#include "../data/DadosEntrada.h"
#include "../data/Resultados.h"
#include "Verificacao.h"

#include <optional>
#include <vector>

// A vertical tension crack on the crest side of the circle: the fill beyond it is not part of the
// sliding mass and the arc above its bottom does not resist. Through the fill, the crack reaches
// the foundation surface (the closed forms' crack); else it is `profundidade` deep below the
// ground, its bottom never below the foundation surface. Water in the crack pushes the mass with
// its hydrostatic force.
struct TrincaBishop {
    bool atravesDoAterro = false;
    std::optional<long double> profundidade; // m; none: no crack unless through the fill
    bool comAgua = false;
    long double pesoAgua = 9.81L; // kN/m³
};

// One slice: its base's midpoint and width, the weight of the fill above its base, the base's
// inclination (sin α > 0 on the crest side of the centre, where the weight drives) and the
// strength there: the undrained strength cu of the soft layer, or the fill's c and φ.
struct FatiaBishop {
    long double x, largura;
    long double peso; // kN/m
    long double senoAlfa, cossenoAlfa;
    bool naArgila;
    long double cu; // kPa, on the soft layer
};

// The sliding mass of a circle cut into slices: at least `fatias` of them, their edges where the
// ground bends and where the arc crosses the foundation surface, so that each slice's base lies in
// one soil; the force of the water in the crack, when there is one, and its height. None when the
// arc does not meet the ground on both sides below the centre.
struct MassaBishop {
    std::vector<FatiaBishop> fatias;
    long double esquerda = 0, direita = 0; // where the mass meets the ground (or the crack)
    long double empuxoAgua = 0, alturaEmpuxo = 0;
};
std::optional<MassaBishop> FatiarCirculo(const DadosEntrada& problema, const CirculoBishop& circulo,
                                         const TrincaBishop& trinca, int fatias);

// The undrained strength of the soft layer at depth z below its top: the bi-linear profile CS at
// the top, CZ at Z, CF at the base T (Z = 0: linear from CS to CF; Z ≥ T: the upper segment).
long double ResistenciaNaoDrenada(const DadosEntrada& problema, long double z);

// The resisting and driving moments of a mass about the centre at the factor F (Bishop's m_α is
// taken at F), kN·m/m; none when some fill slice's m_α falls below 0.2, where the method is not
// to be trusted.
struct MomentosBishop {
    long double resistente, atuante;
};
std::optional<MomentosBishop> Momentos(const DadosEntrada& problema, const CirculoBishop& circulo,
                                       const MassaBishop& massa, long double F);

// The unreinforced safety factor of one circle, by Bishop's iteration; none when the mass does not
// drive or the iteration does not settle.
std::optional<long double> FatorSemReforco(const DadosEntrada& problema,
                                           const CirculoBishop& circulo, const MassaBishop& massa);

// The search's record and whether the data were accepted (else the situation says why, and the
// record is all zero).
struct RelatoBishop : ResultadoBishop {
    SituacaoDados situacao = SituacaoDados::Aceitos;
};

// The whole search for the design: Bishop's F and the reinforcement's height a (Posref), with the
// crack chosen. Rejected data, and data for which no circle cuts the fill and the soft layer, come
// back with the situation that says why, and no numbers.
RelatoBishop AnaliseBishop(const DadosEntrada& problema, long double F, long double a,
                           const TrincaBishop& trinca = {});
