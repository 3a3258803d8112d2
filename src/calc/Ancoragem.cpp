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

SituacaoAncoragem CalcAncoragem(long double H, long double gama, long double cf, long double deltaf,
                                long double ce, long double deltae, long double FS1,
                                long double PComTrinca, long double PSemTrinca,
                                long double Solicsolh, long double Solicsolb,
                                ComprimentosAncoragem& comprimentos) {
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
    // Strength per metre of embedded length, both faces together.
    const long double resistencia = tauF + tauE;
    if (!std::isfinite(sigmaV) || !std::isfinite(tauF) || !std::isfinite(tauE) ||
        !std::isfinite(resistencia)) {
        return SituacaoAncoragem::ForaDoIntervalo;
    }
    if (resistencia == 0.0L) {
        return SituacaoAncoragem::ResistenciaNula;
    }

    ComprimentosAncoragem novos;
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

std::string TextoComprimentoAncoragem(long double comprimento) {
    // A reinforcement is never anchored over less than one metre.
    if (comprimento < 1.0L) {
        return "1,00";
    }
    return FormatoGeral(comprimento);
}
