#pragma once

// Generated embankments for the tests that compare two computations over many data sets.
#include "../comum/Analises.h"

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
inline DadosAnalise Aterro(Gerador& g) {
    DadosAnalise x;
    DadosEntrada& p = x.problema;
    p.Alt = g.Chance(0.15L) ? g.Uniforme(0.3L, 1) : g.Uniforme(1, 10);
    p.Decl = g.Chance(0.05L) ? 0 : g.Uniforme(0.5L, 4);
    p.Pesesp = g.Uniforme(14, 22);
    p.Coesao = g.Chance(0.3L) ? 0 : g.Uniforme(0, 25);
    p.Angat = g.Chance(0.1L) ? 0 : g.Uniforme(15, 42);
    if (g.Chance(0.35L)) {
        p.Altberma = g.Uniforme(0.1L, 0.7L) * p.Alt;
        p.Largberma = g.Uniforme(0.2L, 3) * p.Alt;
    }
    const long double tipo = g.Uniforme(0, 1);
    p.Prof = tipo < 0.15L  ? g.Uniforme(0.4L, 1.5L) * p.Alt
             : tipo < 0.5L ? g.Uniforme(1.5L, 6) * p.Alt
                           : g.Uniforme(2, 30);
    p.Prof = std::fmax(p.Prof, 0.75L);
    if (g.Chance(0.5L)) {
        p.Dist = g.Uniforme(0.1L, 1.2L) * p.Prof;
        p.ProfZ = g.Uniforme(2, 30);
    }
    p.Superf = g.Chance(0.1L) ? 0 : g.Uniforme(2, 30);
    if (p.Dist == 0)
        p.ProfZ = p.Superf;
    p.Cont = g.Uniforme(2, 60);
    x.fatores.Fatsegkan = g.Chance(0.1L) ? g.Uniforme(0.5L, 3) : g.Uniforme(1.1L, 1.8L);
    x.fatores.Posref = g.Chance(0.6L) ? 0 : g.Uniforme(0, 1) * p.Alt;
    const long double extremo = g.Uniforme(0, 1);
    if (extremo < 0.03L)
        p.Superf = p.ProfZ = p.Cont = 0;
    else if (extremo < 0.05L)
        p.Coesao = p.Angat = 0;
    else if (extremo < 0.06L)
        p.Superf = p.ProfZ = p.Cont = p.Coesao = p.Angat = 0;
    else if (extremo < 0.08L)
        x.fatores.Fatsegkan = g.Uniforme(3, 20);
    x.fatores.Fatseglow = x.fatores.Fatsegkan;
    return x;
}

inline std::string Descreve(const DadosAnalise& x) {
    std::ostringstream s;
    s.precision(21);
    const DadosEntrada& p = x.problema;
    s << "H=" << p.Alt << " n=" << p.Decl << " γ=" << p.Pesesp << " c=" << p.Coesao
      << " φ=" << p.Angat << " hb=" << p.Altberma << " b=" << p.Largberma << " T=" << p.Prof
      << " Z=" << p.Dist << " CS=" << p.Superf << " CZ=" << p.ProfZ << " CF=" << p.Cont
      << " F=" << x.fatores.Fatsegkan << " a=" << x.fatores.Posref;
    return s.str();
}
