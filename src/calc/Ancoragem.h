#pragma once

#include "../data/Resultados.h"

#include <string>

// How one anchorage calculation ended. Only a calculated one writes the lengths.
enum class SituacaoAncoragem {
    Calculada,
    InterfacesInvalidas, // an interface friction angle outside 0 ≤ δ < 90, or a negative cohesion
    FatorSegurancaNulo,  // FS1 zero or negative
    ResistenciaNula,     // the two interface strengths add up to zero: no length exists
    ForaDoIntervalo,     // a length would not be a finite number (inputs out of range)
};

// Anchorage lengths (m) of the reinforcement for the four forces of the two methods.
// The reinforcement lies under the whole fill height, so both faces carry σv = γ·H; each face
// resists with its interface strength c + σv·tan δ, and the length carries the force times FS1.
// Cohesions in kPa, interface friction angles in degrees, forces in kN/m. The interfaces and FS1
// are checked first, in that order; then a zero total strength; then the range of the lengths.
// `comprimentos` is written only when the result is SituacaoAncoragem::Calculada, and then holds
// four finite numbers (zero and negative lengths stay as computed).
SituacaoAncoragem CalcAncoragem(long double H, long double gama, long double cf, long double deltaf,
                                long double ce, long double deltae, long double FS1,
                                long double PComTrinca, long double PSemTrinca,
                                long double Solicsolh, long double Solicsolb,
                                ComprimentosAncoragem& comprimentos);

// The anchorage length of one more force (Bishop's), with the same checks in the same order and
// the same formula; `comprimento` is written only when the result is SituacaoAncoragem::Calculada.
SituacaoAncoragem CalcAncoragemForca(long double H, long double gama, long double cf,
                                     long double deltaf, long double ce, long double deltae,
                                     long double FS1, long double P, long double& comprimento);

// An anchorage length as the results screens show it: below 1 m the fixed text "1,00" (always
// with a comma), otherwise the general number format.
std::string TextoComprimentoAncoragem(long double comprimento);
