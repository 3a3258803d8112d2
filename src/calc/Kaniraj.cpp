#include "Kaniraj.h"

#include "../data/ResistenciaRepresentativa.h"

#include <array>
#include <bitset>
#include <cmath>

namespace {

// The radius search counts its steps in 64 bits: at most about 180000/T of them per depth.
constexpr long double maisPassos = 0x1p62L;

// Non-integer powers and square roots of the analyses, as exp(p·ln v), v > 0.
long double Potencia(long double v, long double p) {
    return std::exp(p * std::log(v));
}

// The powers of the depth ratio d = (i·T/40)/H of the 40 depths depend on T and H alone: each
// thread keeps those of the last T and H it analysed, so that the two analyses of a run share
// them, and so do runs differing only in other values (a sweep, the study's limits).
class PotenciasDaProfundidade {
public:
    static PotenciasDaProfundidade& DaThread(long double T, long double H) {
        thread_local PotenciasDaProfundidade potencias;
        if (!(potencias.T_ == T && potencias.H_ == H)) {
            potencias.T_ = T;
            potencias.H_ = H;
            potencias.feitas_ = {};
        }
        return potencias;
    }

    // d^0.53, (d + 1)^0.53 and d^2 of depth i.
    long double D053(int i, long double d) {
        return Obtem(0, i, [&] { return Potencia(d, 0.53L); });
    }
    long double D1053(int i, long double d) {
        return Obtem(1, i, [&] { return Potencia(d + 1, 0.53L); });
    }
    long double D2(int i, long double d) {
        return Obtem(2, i, [&] { return Potencia(d, 2); });
    }

private:
    template <class Calculo> long double Obtem(int qual, int i, Calculo&& calculo) {
        if (!feitas_[qual][i]) {
            valores_[qual][i] = calculo();
            feitas_[qual][i] = true;
        }
        return valores_[qual][i];
    }

    long double T_ = -1, H_ = -1;
    std::array<std::array<long double, 41>, 3> valores_;
    std::array<std::bitset<41>, 3> feitas_;
};

RelatoKaniraj Rejeita(SituacaoDados situacao, ResultadoKaniraj& resultado) {
    // Rejected data must not leave an earlier run's forces on the screen as if they answered
    // the new data.
    resultado = ResultadoKaniraj{};
    return {DesfechoKaniraj::Rejeitado, situacao};
}

// The values of a run that every depth shares.
struct Constantes {
    const DadosAnalise& en;
    bool semTrinca;
    long double X0;
    long double tanPhi;
    long double berma;
    BuscadorRaio buscador;
    PotenciasDaProfundidade& profundidades;
};

// Depth i, Di = d·H: its radius and force.
CunhaKaniraj Cunha(const Constantes& comum, int i, long double Di, long double d) {
    const DadosAnalise& en = comum.en;
    const DadosEntrada& p = en.problema;
    const long double H = p.Alt, n = p.Decl, F = en.fatores.Fatsegkan;
    CunhaKaniraj cunha{Di, std::nullopt, std::nullopt, comum.X0};

    const long double cm = ResistenciaRepresentativa(p.Prof, p.Dist, p.Superf, p.ProfZ, p.Cont, Di);
    // The arc factors Nf = 3.06·d^0.53 and Na = 1.53·((d + 1)^0.53 − d^0.53) are Low's stability
    // numbers (1989); the fill's 0.22·tan φ, the moment coefficients 0.532 and 0.226 below and the
    // criterion's 2.47, 1.47 and 1.032 are Kaniraj's fits for the maximum force along the bisector
    // (Kaniraj, 1994, Geotextiles and Geomembranes 13), with the berm and the tension crack of
    // Kaniraj (1994, Geotextiles and Geomembranes 13(2)).
    const long double d053 = comum.profundidades.D053(i, d);
    const long double Nf = 3.06L * d053;
    long double G, S, s;
    if (comum.semTrinca) {
        // Arc through the fill on the crest side; the fill inside the arc drives.
        const long double Na = 1.53L * (comum.profundidades.D1053(i, d) - d053);
        G = comum.profundidades.D2(i, d) + n * n / 12 + d + 1.0L / 3 + comum.berma;
        S = Na * (p.Coesao / (p.Pesesp * H) + 0.22L * comum.tanPhi) + Nf * cm / (p.Pesesp * H);
        s = d + 0.5L;
    } else {
        // The crack: only the fill above the chord drives, only the foundation resists.
        G = n * n / 12 + d * d + comum.berma;
        S = Nf * cm / (p.Pesesp * H);
        s = d;
    }
    // Without resistance the criterion has no meaning: no force from this depth.
    if (S == 0)
        return cunha;

    const long double e = en.fatores.Posref / H + d;
    const long double K1 = 0.532L * F * (2 * G - e * s);
    const long double K2 = 0.226L * F * G * e;
    const CriterioRaio criterio{d, p.Prof, e, K1, K2, S};
    const RaioAceito raio = comum.buscador(criterio);
    if (raio.j == SemRaio)
        return cunha;
    const long double rho = raio.rho;
    cunha.R = rho * H;

    // Lever arm of a force along the bisector at the reinforcement's height; a reinforcement at or
    // above the top of the circle has none.
    const long double radicando = 1 - e / (2 * rho);
    if (radicando <= 0)
        return cunha;
    const long double q = rho * Potencia(radicando, 0.5L);
    // Moment balance: the force times its arm is F times the driving moment less the resisting
    // moment.
    cunha.P = (p.Pesesp * H * H / q) * (F * rho * s - S * Potencia(rho, 1.47L) - 0.5L * F * G);
    return cunha;
}

// The record keeps the largest force, from the shallowest depth reaching it.
void Registra(const CunhaKaniraj& cunha, ResultadoKaniraj& r) {
    if (cunha.P && *cunha.P > r.P) {
        r.D = cunha.D;
        r.P = *cunha.P;
        r.Y0 = *cunha.R;
    }
}

// The search over the 40 depths, on data already checked; each depth examined goes to the record
// and to aoExaminar. Rejected (the situation says why) when no depth can be examined.
template <class AoExaminar>
RelatoKaniraj Calcula(HipoteseKaniraj hipotese, const DadosAnalise& en, ResultadoKaniraj& r,
                      BuscadorRaio buscador, AoExaminar&& aoExaminar) {
    const bool semTrinca = hipotese == HipoteseKaniraj::SemTrinca;
    const DadosEntrada& p = en.problema;
    const long double H = p.Alt, n = p.Decl, T = p.Prof;

    // Berm ratios, and the centre's abscissa over H from the main slope's toe.
    const long double k1 = p.Altberma / H;
    const long double k2 = p.Largberma / H;
    const long double x0 = n / 2 - k1 * k2;
    r.X0 = x0 * H;
    r.D = 0;
    r.P = 0;
    r.Y0 = 0;

    // The shallowest wedge whose circle, centred at crest height, clears the berm's outer toe.
    // When even the deepest does not, nothing is examined: a zero force would read as "no
    // reinforcement needed".
    const long double recuo = x0 + k2;
    const long double dmin = Potencia(recuo * recuo + 1, 0.5L) - 1;
    if (dmin > T / H) {
        const bool temBerma = p.Altberma > 0 || p.Largberma > 0;
        return {DesfechoKaniraj::Rejeitado,
                temBerma ? SituacaoDados::BermaMuitoLarga : SituacaoDados::CamadaDelgadaKaniraj};
    }

    // Friction of the fill, with the four-decimal π of the method's tables.
    long double tanPhi = 0;
    if (semTrinca) {
        const long double angulo = 3.1416L * p.Angat / 180;
        tanPhi = std::sin(angulo) / std::cos(angulo);
    }
    const Constantes comum{en,
                           semTrinca,
                           r.X0,
                           tanPhi,
                           k1 * k2 * (1 - k1) * (n + k2),
                           buscador,
                           PotenciasDaProfundidade::DaThread(T, H)};

    RelatoKaniraj relato{DesfechoKaniraj::Calculado, SituacaoDados::Aceitos};
    for (int i = 1; i <= 40; ++i) {
        const long double Di = i * T / 40;
        const long double d = Di / H;
        if (dmin > d && i < 40)
            continue;
        const CunhaKaniraj cunha = Cunha(comum, i, Di, d);
        ++relato.examinadas;
        relato.semRaio += !cunha.R;
        Registra(cunha, r);
        aoExaminar(cunha);
    }
    return relato;
}

template <class AoExaminar>
RelatoKaniraj Analisa(HipoteseKaniraj hipotese, const DadosAnalise& en, ResultadoKaniraj& resultado,
                      BuscadorRaio buscador, AoExaminar&& aoExaminar) {
    const DadosEntrada& p = en.problema;
    SituacaoDados situacao = VerificarDados(p.Alt, p.Pesesp, p.Prof, p.Dist,
                                            {p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, p.Altberma,
                                             p.Largberma, p.Prof, p.Dist, p.Superf, p.ProfZ, p.Cont,
                                             en.fatores.Fatsegkan, en.fatores.Posref});
    if (situacao == SituacaoDados::Aceitos && 180000 / p.Prof > maisPassos)
        situacao = SituacaoDados::ForaDoIntervalo;
    if (situacao == SituacaoDados::Aceitos)
        situacao = VerificarDominio(p.Angat, p.Decl, p.Coesao, p.Superf, p.ProfZ, p.Cont,
                                    en.fatores.Fatsegkan);
    if (situacao == SituacaoDados::Aceitos &&
        !(en.fatores.Posref >= 0 && en.fatores.Posref <= p.Alt))
        situacao = SituacaoDados::PosicaoReforco;
    if (situacao != SituacaoDados::Aceitos)
        return Rejeita(situacao, resultado);

    ResultadoKaniraj calculado;
    RelatoKaniraj relato;
    bool falhou;
    {
        VigiaPontoFlutuante vigia;
        relato = Calcula(hipotese, en, calculado, buscador, aoExaminar);
        falhou = vigia.Falhou() || !std::isfinite(calculado.P) || !std::isfinite(calculado.Y0) ||
                 !std::isfinite(calculado.X0) || !std::isfinite(calculado.D);
    }
    if (falhou)
        return Rejeita(SituacaoDados::ForaDoIntervalo, resultado);
    if (relato.desfecho == DesfechoKaniraj::Rejeitado)
        return Rejeita(relato.situacao, resultado);
    resultado = calculado;
    return relato;
}

} // namespace

std::string AvisoProfundidadesSemRaio(int examinadas, int semRaioComTrinca, int semRaioSemTrinca) {
    if (semRaioComTrinca == 0 && semRaioSemTrinca == 0)
        return {};
    const std::string total = " das " + std::to_string(examinadas) + " profundidades examinadas";
    std::string quais;
    if (semRaioSemTrinca == 0)
        quais = std::to_string(semRaioComTrinca) + total + " com trinca";
    else if (semRaioComTrinca == 0)
        quais = std::to_string(semRaioSemTrinca) + total + " sem trinca";
    else
        quais = std::to_string(semRaioComTrinca) + " (com trinca) e " +
                std::to_string(semRaioSemTrinca) + " (sem trinca)" + total;
    return "em " + quais +
           " nenhum raio crítico cabe no domínio do método (raio até 10·H); essas cunhas não "
           "entram no resultado.";
}

RelatoKaniraj AnaliseKaniraj(HipoteseKaniraj hipotese, const DadosAnalise& entrada,
                             ResultadoKaniraj& resultado, BuscadorRaio buscador) {
    return Analisa(hipotese, entrada, resultado, buscador, [](const CunhaKaniraj&) {});
}

CunhasKaniraj DetalheKaniraj(HipoteseKaniraj hipotese, const DadosAnalise& entrada) {
    CunhasKaniraj detalhe;
    detalhe.cunhas.reserve(40);
    detalhe.relato = Analisa(hipotese, entrada, detalhe.resultado, BuscaRaio,
                             [&](const CunhaKaniraj& cunha) { detalhe.cunhas.push_back(cunha); });
    // The depths of a run whose arithmetic failed answer nothing either.
    if (detalhe.relato.desfecho == DesfechoKaniraj::Rejeitado)
        detalhe.cunhas.clear();
    return detalhe;
}
