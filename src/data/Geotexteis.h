#pragma once

// Generic reinforcement geotextiles for the parametric study. The designations and strengths are
// illustrative, rounded figures of the usual classes (nonwoven N, woven W), not any maker's
// product: the engineer types the real product's strength where it matters.

#include <array>

struct Geotextil {
    const char* nome;
    long double resistencia; // tensile strength, kN/m
};

inline constexpr std::array<Geotextil, 8> Geotexteis{{
    {"GT-N 200", 12},
    {"GT-N 400", 25},
    {"GT-W 50", 50},
    {"GT-W 100", 100},
    {"GT-W 200", 200},
    {"GT-W 400", 400},
    {"GT-W 600", 600},
    {"GT-W 1000", 1000},
}};
