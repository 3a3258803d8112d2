#include "Geometria.h"

#include <cmath>

std::vector<Ponto> ContornoAterro(const DadosEntrada& d, long double crista) {
    const long double H = d.Alt, n = d.Decl, hb = d.Altberma, b = d.Largberma;
    const long double fimCrista = n * H + crista;
    std::vector<Ponto> contorno;
    if (hb > 0 && b > 0) {
        contorno = {{-b, 0}, {-b + n * hb, hb}, {n * hb, hb}};
    } else {
        contorno = {{0, 0}};
    }
    contorno.push_back({n * H, H});
    contorno.push_back({fimCrista, H});
    contorno.push_back({fimCrista, 0});
    return contorno;
}

long double CotaTerreno(const DadosEntrada& d, long double x) {
    const long double H = d.Alt, n = d.Decl, hb = d.Altberma, b = d.Largberma;
    const bool berma = hb > 0 && b > 0;
    const long double pe = berma ? -b : 0; // where the fill starts
    if (x <= pe)
        return 0;
    // The main slope's line, y = x/n, capped at the crest; the berm raises the ground in front
    // of it.
    long double cota = n > 0 ? std::min(H, std::max<long double>(0, x / n)) : H;
    if (berma) {
        const long double face = n > 0 ? std::min(hb, (x + b) / n) : hb;
        cota = std::max(cota, face);
    }
    return cota;
}

std::optional<Circulo> CirculoKaniraj(const ResultadoKaniraj& r) {
    if (!(r.P > 0) || !(r.Y0 > 0))
        return std::nullopt;
    return Circulo{{r.X0, r.Y0 - r.D}, r.Y0};
}

std::optional<std::pair<long double, long double>> CortesNaSuperficie(const Circulo& c) {
    const long double quadrado = c.raio * c.raio - c.centro.y * c.centro.y;
    if (quadrado < 0)
        return std::nullopt;
    const long double meiaCorda = std::sqrt(quadrado);
    return std::make_pair(c.centro.x - meiaCorda, c.centro.x + meiaCorda);
}
