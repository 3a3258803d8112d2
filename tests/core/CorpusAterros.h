#pragma once

// Generated embankments for the tests that compare two computations over many data sets.
#include "calc/Kaniraj.h"
#include "calc/Low.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
inline constexpr int tamanhoCorpus = 300; // the plain scans are several times slower there
#else
inline constexpr int tamanhoCorpus = 2000;
#endif

// Deterministic generator (splitmix64), so a failure names a reproducible case.
class Gerador {
public:
    explicit Gerador(std::uint64_t semente) : estado_(semente) {}
    std::uint64_t Proximo() {
        std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    long double Uniforme(long double de, long double ate) {
        return de + (ate - de) * static_cast<long double>(Proximo() >> 11) * 0x1p-53L;
    }
    bool Chance(long double p) { return Uniforme(0, 1) < p; }

private:
    std::uint64_t estado_;
};

// The same extended real, bit for bit (the 80 significant bits, not the padding).
inline bool MesmosBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

inline bool MesmosBits(const ResultadoKaniraj& a, const ResultadoKaniraj& b) {
    return MesmosBits(a.P, b.P) && MesmosBits(a.Y0, b.Y0) && MesmosBits(a.X0, b.X0) &&
           MesmosBits(a.D, b.D);
}

inline bool MesmosBits(const ResultadoLow& a, const ResultadoLow& b) {
    return MesmosBits(a.Profcunh, b.Profcunh) && MesmosBits(a.Profcunsol, b.Profcunsol) &&
           MesmosBits(a.Fatsegsol, b.Fatsegsol) && MesmosBits(a.Solicsolh, b.Solicsolh) &&
           MesmosBits(a.Profcunb, b.Profcunb) && MesmosBits(a.Solicsolb, b.Solicsolb);
}

// One embankment: realistic ranges, with some extremes mixed in (no resistance at all, a fill
// without strength, a factor of safety far above or below the usual).
inline EntradaKaniraj Aterro(Gerador& g) {
    EntradaKaniraj x{};
    x.H = g.Chance(0.15L) ? g.Uniforme(0.3L, 1) : g.Uniforme(1, 10);
    x.n = g.Chance(0.05L) ? 0 : g.Uniforme(0.5L, 4);
    x.gama = g.Uniforme(14, 22);
    x.c = g.Chance(0.3L) ? 0 : g.Uniforme(0, 25);
    x.phi = g.Chance(0.1L) ? 0 : g.Uniforme(15, 42);
    if (g.Chance(0.35L)) {
        x.hb = g.Uniforme(0.1L, 0.7L) * x.H;
        x.b = g.Uniforme(0.2L, 3) * x.H;
    }
    const long double tipo = g.Uniforme(0, 1);
    x.T = tipo < 0.15L  ? g.Uniforme(0.4L, 1.5L) * x.H
          : tipo < 0.5L ? g.Uniforme(1.5L, 6) * x.H
                        : g.Uniforme(2, 30);
    x.T = std::fmax(x.T, 0.75L);
    if (g.Chance(0.5L)) {
        x.Z = g.Uniforme(0.1L, 1.2L) * x.T;
        x.CZ = g.Uniforme(2, 30);
    }
    x.CS = g.Chance(0.1L) ? 0 : g.Uniforme(2, 30);
    if (x.Z == 0)
        x.CZ = x.CS;
    x.CF = g.Uniforme(2, 60);
    x.F = g.Chance(0.1L) ? g.Uniforme(0.5L, 3) : g.Uniforme(1.1L, 1.8L);
    x.a = g.Chance(0.6L) ? 0 : g.Uniforme(0, 1) * x.H;
    const long double extremo = g.Uniforme(0, 1);
    if (extremo < 0.03L)
        x.CS = x.CZ = x.CF = 0;
    else if (extremo < 0.05L)
        x.c = x.phi = 0;
    else if (extremo < 0.06L)
        x.CS = x.CZ = x.CF = x.c = x.phi = 0;
    else if (extremo < 0.08L)
        x.F = g.Uniforme(3, 20);
    return x;
}

inline EntradaLow ParaLow(const EntradaKaniraj& x) {
    return {x.H, x.n, x.gama, x.c, x.phi, x.T, x.Z, x.CS, x.CZ, x.CF, x.F};
}

inline std::string Descreve(const EntradaKaniraj& x) {
    std::ostringstream s;
    s.precision(21);
    s << "H=" << x.H << " n=" << x.n << " γ=" << x.gama << " c=" << x.c << " φ=" << x.phi
      << " hb=" << x.hb << " b=" << x.b << " T=" << x.T << " Z=" << x.Z << " CS=" << x.CS
      << " CZ=" << x.CZ << " CF=" << x.CF << " F=" << x.F << " a=" << x.a;
    return s.str();
}
