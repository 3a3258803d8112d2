#include "data/ResistenciaRepresentativa.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// T = 10, strengths CS = 15 at the top, CZ = 8 at Z, CF = 25 at the base.
TEST(ResistenciaRepresentativa, LinearProfileWhenZIsZero) {
    // cD = 15 + 4·(25 − 15)/10 = 19; cm = 0.35·15 + 0.65·19.
    EXPECT_NEAR(ResistenciaRepresentativa(10, 0, 15, 15, 25, 4), 0.35L * 15 + 0.65L * 19, 1e-17L);
}

TEST(ResistenciaRepresentativa, UpperSegmentWhenTheWedgeEndsAboveZ) {
    // Z = 5 ≥ D = 2.5: the line from CS to CZ over Z; cD = 15 − 2.5·7/5 = 11.5; no excess.
    EXPECT_NEAR(ResistenciaRepresentativa(10, 5, 15, 8, 25, 2.5L), 0.35L * 15 + 0.65L * 11.5L,
                1e-17L);
    // Z equal to D: still the upper segment, whose strength at D is CZ.
    EXPECT_NEAR(ResistenciaRepresentativa(10, 5, 15, 8, 25, 5), 0.35L * 15 + 0.65L * 8, 1e-17L);
    // Z beyond T: CF plays no part.
    EXPECT_EQ(ResistenciaRepresentativa(10, 12, 15, 8, 25, 10),
              ResistenciaRepresentativa(10, 12, 15, 8, 99, 10));
}

TEST(ResistenciaRepresentativa, LowerSegmentExtendedWhenTheWedgePassesZ) {
    // Z = 3 < D = 5: lower line through (3, 8) and (10, 25) meets the top at c0 = (80 − 75)/7.
    const long double c0 = 5.0L / 7;
    const long double cD = c0 + 5 * (25 - c0) / 10;
    const long double esperado =
        0.35L * c0 + 0.65L * cD + 0.35L * (15 - c0) * std::pow(3.0L / 5, 1.1L);
    EXPECT_NEAR(ResistenciaRepresentativa(10, 3, 15, 8, 25, 5), esperado, 1e-15L);
}

} // namespace
