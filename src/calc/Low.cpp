#include "Low.h"

#include "../data/Mensagens.h"
#include "../data/ResistenciaRepresentativa.h"
#include "Verificacao.h"

#include <cmath>

namespace {

// Every power of the method, as exp(p·ln v), v > 0.
long double Potencia(long double v, long double p) {
    return std::exp(p * std::log(v));
}

ResultadoLow ValoresDeEntrada() {
    ResultadoLow r;
    r.Profcunh = 0;
    r.Profcunsol = 0;
    r.Fatsegsol = 100;
    r.Solicsolh = 0;
    r.Profcunb = 0;
    r.Solicsolb = 0;
    return r;
}

// The first k = 0.01·j, from j onward, at which x·(1 − q·(1 − β·r·k/E)^0.32) − k ≤ 0; false when k
// passes 20 or the base of the power stops being positive first.
bool BuscaFator(long double x, long double q, long double beta, long double r, long double E,
                int& j) {
    while (true) {
        const long double k = 0.01L * j;
        if (k > 20)
            return false;
        const long double base = 1 - beta * r * k / E;
        if (base <= 0)
            return false;
        if (x * (1 - q * Potencia(base, 0.32L)) - k <= 0)
            return true;
        ++j;
    }
}

// The search over the wedges D/H = 0.5 ... 5, on data already checked. Returns whether some wedge
// that needs reinforcement could not be brought to F in some direction.
bool Calcula(long double H, long double n, long double gama, long double c, long double phi,
             long double T, long double Z, long double CS, long double CZ, long double CF,
             long double F, ResultadoLow& resultado) {
    const long double angulo = 3.1416L * phi / 180;
    const long double tanPhi = std::sin(angulo) / std::cos(angulo);
    const long double m = 1 + n * n;
    const long double H2 = Potencia(H, 2);
    bool haCunhaSemSolucao = false;

    for (int i = 40; i <= 400; ++i) {
        const long double r = i / 80.0L;
        const long double D = r * H;
        if (T < D)
            break;

        const long double cm = ResistenciaRepresentativa(T, Z, CS, CZ, CF, D);
        // Fitted geometry of the critical circle for this depth ratio.
        const long double x = r + 0.5L;
        const long double x2 = Potencia(x, 2);
        const long double A = 1.564L * x + 0.1303L * m / x;
        const long double B = x * A - x2 / 2 - m / 24;
        const long double A147 = Potencia(A, 1.47L);
        // Stability numbers of the foundation and of the fill.
        const long double N1 = 3.06L * Potencia(r, 0.53L) * A147 / B;
        const long double N2 = 1.53L * (Potencia(r + 1, 0.53L) - Potencia(r, 0.53L)) * A147 / B;
        const long double lambda = 0.19L + 0.02L * n / r;
        const long double FS0 = N1 * cm / (gama * H) + N2 * (c / (gama * H) + lambda * tanPhi);

        if (FS0 < resultado.Fatsegsol) {
            resultado.Fatsegsol = FS0;
            resultado.Profcunsol = D;
        }

        long double Ph = 0;
        long double Pb = 0;
        if (F > FS0) {
            if (FS0 <= 0) {
                // Nothing resists: no reinforcement force brings this wedge to F.
                haCunhaSemSolucao = true;
            } else {
                const long double E = x2 / 2 + m / 24;
                const long double q = 1 / Potencia(F / FS0, 0.68L);
                int j = 0;
                // The horizontal criterion is never met below the bisector one: it goes on from
                // where the bisector search stopped.
                if (!BuscaFator(x, q, 0.28L, r, E, j)) {
                    haCunhaSemSolucao = true;
                } else {
                    Pb = 0.01L * j * gama * H2;
                    if (BuscaFator(x, q, 1, r, E, j))
                        Ph = 0.01L * j * gama * H2;
                    else
                        haCunhaSemSolucao = true;
                }
            }
        }
        if (Ph > resultado.Solicsolh) {
            resultado.Solicsolh = Ph;
            resultado.Profcunh = D;
        }
        if (Pb > resultado.Solicsolb) {
            resultado.Solicsolb = Pb;
            resultado.Profcunb = D;
        }
    }
    return haCunhaSemSolucao;
}

bool Finito(const ResultadoLow& r) {
    return std::isfinite(r.Profcunh) && std::isfinite(r.Profcunsol) && std::isfinite(r.Fatsegsol) &&
           std::isfinite(r.Solicsolh) && std::isfinite(r.Profcunb) && std::isfinite(r.Solicsolb);
}

} // namespace

bool CalcLow(long double H, long double n, long double gama, long double c, long double phi,
             long double /*hb*/, long double /*b*/, long double T, long double Z, long double CS,
             long double CZ, long double CF, long double F, ResultadoLow& resultado) {
    resultado = ValoresDeEntrada();
    SituacaoDados situacao =
        VerificarDados(H, gama, T, Z, {H, n, gama, c, phi, T, Z, CS, CZ, CF, F});
    if (situacao == SituacaoDados::Aceitos)
        situacao = VerificarDominio(phi, n, c, CS, CZ, CF, F);
    if (situacao != SituacaoDados::Aceitos) {
        ExibirMensagem(MensagemDaSituacao(situacao));
        return false;
    }

    ResultadoLow calculado = ValoresDeEntrada();
    bool haCunhaSemSolucao;
    bool falhou;
    {
        VigiaPontoFlutuante vigia;
        haCunhaSemSolucao = Calcula(H, n, gama, c, phi, T, Z, CS, CZ, CF, F, calculado);
        falhou = vigia.Falhou() || !Finito(calculado);
    }
    if (falhou) {
        ExibirMensagem(MensagemForaDoIntervalo);
        return false;
    }
    resultado = calculado;
    // The forces shown leave out the wedges no reinforcement stabilises: say so.
    if (haCunhaSemSolucao)
        ExibirMensagem(MensagemCunhasSemReforco);
    return true;
}
