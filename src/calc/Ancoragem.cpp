#include "Ancoragem.h"

#include "../data/FormatoGeral.h"

#include <cmath>
#include <numbers>

namespace {
// Degrees to radians with π to the full 64-bit significand: multiply first, then divide.
long double Radianos(long double graus) {
    return (std::numbers::pi_v<long double> * graus) / 180.0L;
}

// Shear strength of one soil/geotextile interface under the vertical stress σv (kPa).
long double ResistenciaInterface(long double coesao, long double anguloGraus, long double sigmaV) {
    const long double delta = Radianos(anguloGraus);
    return (std::sin(delta) / std::cos(delta)) * sigmaV + coesao;
}
} // namespace

namespace {
// The checks, in their order, and the strength per metre of embedded length, both faces together.
SituacaoAncoragem Resistencia(long double H, long double gama, long double cf, long double deltaf,
                              long double ce, long double deltae, long double FS1,
                              long double& resistencia) {
    const auto anguloValido = [](long double delta) { return delta >= 0 && delta < 90; };
    if (!anguloValido(deltaf) || !anguloValido(deltae) || cf < 0 || ce < 0) {
        return SituacaoAncoragem::InterfacesInvalidas;
    }
    if (!(FS1 > 0)) {
        return SituacaoAncoragem::FatorSegurancaNulo;
    }
    const long double sigmaV = H * gama;
    const long double tauF = ResistenciaInterface(cf, deltaf, sigmaV);
    const long double tauE = ResistenciaInterface(ce, deltae, sigmaV);
    resistencia = tauF + tauE;
    if (!std::isfinite(sigmaV) || !std::isfinite(tauF) || !std::isfinite(tauE) ||
        !std::isfinite(resistencia)) {
        return SituacaoAncoragem::ForaDoIntervalo;
    }
    if (resistencia == 0.0L) {
        return SituacaoAncoragem::ResistenciaNula;
    }
    return SituacaoAncoragem::Calculada;
}
} // namespace

SituacaoAncoragem CalcAncoragem(long double H, long double gama, long double cf, long double deltaf,
                                long double ce, long double deltae, long double FS1,
                                long double PComTrinca, long double PSemTrinca,
                                long double Solicsolh, long double Solicsolb,
                                ComprimentosAncoragem& comprimentos) {
    long double resistencia = 0;
    if (const SituacaoAncoragem s = Resistencia(H, gama, cf, deltaf, ce, deltae, FS1, resistencia);
        s != SituacaoAncoragem::Calculada) {
        return s;
    }
    ComprimentosAncoragem novos = comprimentos;
    novos.ComTr = FS1 * PComTrinca / resistencia;
    novos.SemTr = FS1 * PSemTrinca / resistencia;
    novos.Horiz = FS1 * Solicsolh / resistencia;
    novos.Biss = FS1 * Solicsolb / resistencia;
    for (long double c : {novos.ComTr, novos.SemTr, novos.Horiz, novos.Biss}) {
        if (!std::isfinite(c)) {
            return SituacaoAncoragem::ForaDoIntervalo;
        }
    }
    comprimentos = novos;
    return SituacaoAncoragem::Calculada;
}

SituacaoAncoragem CalcAncoragemForca(long double H, long double gama, long double cf,
                                     long double deltaf, long double ce, long double deltae,
                                     long double FS1, long double P, long double& comprimento) {
    long double resistencia = 0;
    if (const SituacaoAncoragem s = Resistencia(H, gama, cf, deltaf, ce, deltae, FS1, resistencia);
        s != SituacaoAncoragem::Calculada) {
        return s;
    }
    const long double novo = FS1 * P / resistencia;
    if (!std::isfinite(novo)) {
        return SituacaoAncoragem::ForaDoIntervalo;
    }
    comprimento = novo;
    return SituacaoAncoragem::Calculada;
}

std::string TextoComprimentoAncoragem(long double comprimento) {
    // A reinforcement is never anchored over less than one metre.
    if (comprimento < 1.0L) {
        return "1,00";
    }
    return FormatoGeral(comprimento);
}
