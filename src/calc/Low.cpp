#include "Low.h"

#include "../data/Mensagens.h"
#include "../data/ResistenciaRepresentativa.h"
#include "Verificacao.h"

#include <array>
#include <bitset>
#include <cmath>

namespace {

// Every power of the method, as exp(p·ln v), v > 0.
long double Potencia(long double v, long double p) {
    return std::exp(p * std::log(v));
}

// The wedges' depth ratios r = i/80, i = 40 ... 400.
constexpr int primeiraCunha = 40;
constexpr int ultimaCunha = 400;
constexpr int numeroDeCunhas = ultimaCunha - primeiraCunha + 1;

long double RazaoDaCunha(int i) {
    return i / 80.0L;
}

// The powers of the fitted circle that depend on the depth ratio alone, the same in every run:
// worked out once, by the same expressions a wedge would use.
struct PotenciasDaRazao {
    long double x2;    // (r + 1/2)^2
    long double r053;  // r^0.53
    long double r1053; // (r + 1)^0.53
};

const std::array<PotenciasDaRazao, numeroDeCunhas>& PotenciasDasRazoes() {
    static const auto tabela = [] {
        std::array<PotenciasDaRazao, numeroDeCunhas> t;
        for (int i = primeiraCunha; i <= ultimaCunha; ++i) {
            const long double r = RazaoDaCunha(i);
            t[i - primeiraCunha] = {Potencia(r + 0.5L, 2), Potencia(r, 0.53L),
                                    Potencia(r + 1, 0.53L)};
        }
        return t;
    }();
    return tabela;
}

// A^1.47 of each wedge depends on the slope alone (through m = 1 + n²): each thread keeps those
// of the last slope it analysed, so that runs differing only in other values (a sweep, the
// study's limits) work each one out once.
class PotenciasDoTalude {
public:
    static PotenciasDoTalude& DaThread(long double m) {
        thread_local PotenciasDoTalude potencias;
        if (!(potencias.m_ == m)) {
            potencias.m_ = m;
            potencias.feitas_.reset();
        }
        return potencias;
    }

    long double A147(int i, long double A) {
        const int k = i - primeiraCunha;
        if (!feitas_[k]) {
            A147_[k] = Potencia(A, 1.47L);
            feitas_[k] = true;
        }
        return A147_[k];
    }

private:
    long double m_ = -1;
    std::array<long double, numeroDeCunhas> A147_;
    std::bitset<numeroDeCunhas> feitas_;
};

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

// The values of a run that every wedge shares.
struct Constantes {
    const DadosAnalise& en;
    long double tanPhi;
    long double m;
    long double H2;
    BuscadorFator buscador;
    PotenciasDoTalude& talude;
    // Only the record is wanted, with the fast search: a force that cannot raise it is left out.
    bool soRegistro;
};

// Steps of the forces (k = 0.01·j): of a wedge, or of the record so far; -1 where there is none.
struct Passos {
    int bissetriz = -1;
    int horizontal = -1;
};

// Whether a direction's force rose with the last wedge (its step reached the record's).
struct Subindo {
    bool bissetriz = true;
    bool horizontal = true;
};

// What the wedges before tell the next one: the record's steps, whether its forces were still
// rising, and the last wedge's steps, where the next wedge's are looked for first.
struct Historico {
    Passos registro;
    Subindo subindo;
    Passos anterior;
};

// Wedge i, of depth D = r·H. With soRegistro, a direction whose scan surely accepts a step no later
// than the record's is not searched, its force (which could not raise the record) left absent; the
// wedge's reason is still the one the full search would give. That is checked only for the
// directions whose forces stopped rising with the wedges: while rising, the check would fail.
CunhaLow Cunha(const Constantes& comum, int i, long double r, long double D,
               const Historico& historico, Passos& passos) {
    const Passos& registro = historico.registro;
    const Subindo& subindo = historico.subindo;
    const DadosAnalise& en = comum.en;
    const DadosEntrada& p = en.problema;
    const long double H = p.Alt;
    CunhaLow cunha;
    cunha.D = D;

    const long double cm =
        ResistenciaRepresentativa(p.Prof, p.Dist, p.Superf, p.ProfZ, p.Cont, cunha.D);
    // Fitted geometry of the critical circle for this depth ratio and the stability numbers N1 of
    // the foundation and N2 of the fill, with the fill's friction factor λ: Low's fits to
    // circular analyses of embankments on soft clay (Low, 1989, J. Geotech. Engng 115(2)).
    const PotenciasDaRazao& potencias = PotenciasDasRazoes()[i - primeiraCunha];
    const long double x = r + 0.5L;
    const long double x2 = potencias.x2;
    const long double A = 1.564L * x + 0.1303L * comum.m / x;
    const long double B = x * A - x2 / 2 - comum.m / 24;
    const long double A147 = comum.talude.A147(i, A);
    const long double r053 = potencias.r053;
    const long double N1 = 3.06L * r053 * A147 / B;
    const long double N2 = 1.53L * (potencias.r1053 - r053) * A147 / B;
    const long double lambda = 0.19L + 0.02L * p.Decl / r;
    cunha.FS0 = N1 * cm / (p.Pesesp * H) + N2 * (p.Coesao / (p.Pesesp * H) + lambda * comum.tanPhi);

    if (!(en.fatores.Fatseglow > cunha.FS0)) {
        cunha.Ph = cunha.Pb = 0;
        cunha.motivo = MotivoCunhaLow::DispensaReforco;
        return cunha;
    }
    if (cunha.FS0 <= 0) {
        cunha.motivo = MotivoCunhaLow::NadaResiste;
        return cunha;
    }
    const long double E = x2 / 2 + comum.m / 24;
    // The force that brings the wedge to F, from the ratio FS0/F: q = (F/FS0)^-0.68, the exponent
    // 0.32 of the criterion and the bisector's direction factor 0.28 are the fits of Low et al.
    // (1990, Geotextiles and Geomembranes 9). q is worked out when a search first needs
    // it; both directions share it.
    CriterioFator criterio{x, FatorQ::DaRazao(en.fatores.Fatseglow / cunha.FS0), 0.28L, r, E};
    const BuscaRapida rapidaB(criterio);
    // A copy made after the bisector's setup carries q's estimate along.
    CriterioFator horizontal = criterio;
    horizontal.beta = 1;
    const BuscaRapida rapidaH(horizontal);
    const bool rapida = comum.buscador == BuscaFator;
    auto busca = [&](const BuscaRapida& preparada, const CriterioFator& c, int de, int palpite) {
        return rapida ? preparada.Busca(de, palpite) : comum.buscador(c, de);
    };
    // The horizontal criterion is never met below the bisector one: its search goes on from where
    // the bisector's stopped, which is at or before the record's bisector step when the bisector
    // scan accepts by then. (A horizontal scan accepting by a step makes the bisector one accept
    // by then too, g being lower along the bisector; the order of the steps is checked anyway.)
    const bool podaB = comum.soRegistro && !subindo.bissetriz;
    const bool podaH = comum.soRegistro && !subindo.horizontal;
    if (podaB && podaH && registro.horizontal >= registro.bissetriz &&
        rapidaB.AceitaAte(registro.bissetriz) && rapidaH.AceitaAte(registro.horizontal)) {
        cunha.motivo = MotivoCunhaLow::Reforcada;
        return cunha;
    }
    cunha.motivo = MotivoCunhaLow::CriterioInatingivel;
    const PassoFator bissetriz = busca(rapidaB, criterio, 0, historico.anterior.bissetriz);
    if (bissetriz.fim != FimBuscaFator::Encontrado)
        return cunha;
    passos.bissetriz = bissetriz.j;
    cunha.Pb = FatorDoPasso(bissetriz.j) * p.Pesesp * comum.H2;
    if (podaH && registro.horizontal >= bissetriz.j && rapidaH.AceitaAte(registro.horizontal)) {
        cunha.motivo = MotivoCunhaLow::Reforcada;
        return cunha;
    }
    const PassoFator horizontalAchado =
        busca(rapidaH, horizontal, bissetriz.j, historico.anterior.horizontal);
    if (horizontalAchado.fim != FimBuscaFator::Encontrado)
        return cunha;
    passos.horizontal = horizontalAchado.j;
    cunha.Ph = FatorDoPasso(horizontalAchado.j) * p.Pesesp * comum.H2;
    cunha.motivo = MotivoCunhaLow::Reforcada;
    return cunha;
}

// The record keeps the lowest FS0 and the largest forces, each with the first wedge reaching it,
// and the steps of its forces.
void Registra(const CunhaLow& cunha, const Passos& passos, ResultadoLow& r, Passos& registro) {
    if (cunha.FS0 < r.Fatsegsol) {
        r.Fatsegsol = cunha.FS0;
        r.Profcunsol = cunha.D;
    }
    if (cunha.Ph && *cunha.Ph > r.Solicsolh) {
        r.Solicsolh = *cunha.Ph;
        r.Profcunh = cunha.D;
        registro.horizontal = passos.horizontal;
    }
    if (cunha.Pb && *cunha.Pb > r.Solicsolb) {
        r.Solicsolb = *cunha.Pb;
        r.Profcunb = cunha.D;
        registro.bissetriz = passos.bissetriz;
    }
}

// The search over the wedges D/H = 0.5 ... 5, on data already checked; each wedge goes to the
// record and to aoExaminar. Counts the wedges examined in `examinadas`; returns whether some wedge
// that needs reinforcement could not be brought to F in some direction.
template <class AoExaminar>
bool Calcula(int& examinadas, const DadosAnalise& en, ResultadoLow& resultado,
             BuscadorFator buscador, bool soRegistro, AoExaminar&& aoExaminar) {
    const DadosEntrada& p = en.problema;
    const long double angulo = 3.1416L * p.Angat / 180;
    const long double m = 1 + p.Decl * p.Decl;
    const Constantes comum{en,
                           std::sin(angulo) / std::cos(angulo),
                           m,
                           Potencia(p.Alt, 2),
                           buscador,
                           PotenciasDoTalude::DaThread(m),
                           soRegistro && buscador == BuscaFator};
    bool haCunhaSemSolucao = false;
    Historico historico;
    for (int i = primeiraCunha; i <= ultimaCunha; ++i) {
        const long double r = RazaoDaCunha(i);
        const long double D = r * p.Alt;
        if (p.Prof < D)
            break;
        Passos passos;
        const Passos antes = historico.registro;
        const CunhaLow cunha = Cunha(comum, i, r, D, historico, passos);
        Registra(cunha, passos, resultado, historico.registro);
        historico.subindo = {passos.bissetriz >= 0 && passos.bissetriz >= antes.bissetriz,
                             passos.horizontal >= 0 && passos.horizontal >= antes.horizontal};
        historico.anterior = passos;
        haCunhaSemSolucao |= cunha.motivo == MotivoCunhaLow::NadaResiste ||
                             cunha.motivo == MotivoCunhaLow::CriterioInatingivel;
        ++examinadas;
        aoExaminar(cunha);
    }
    return haCunhaSemSolucao;
}

bool Finito(const ResultadoLow& r) {
    return std::isfinite(r.Profcunh) && std::isfinite(r.Profcunsol) && std::isfinite(r.Fatsegsol) &&
           std::isfinite(r.Solicsolh) && std::isfinite(r.Profcunb) && std::isfinite(r.Solicsolb);
}

template <class AoExaminar>
RelatoLow Analisa(const DadosAnalise& en, ResultadoLow& resultado, BuscadorFator buscador,
                  bool soRegistro, AoExaminar&& aoExaminar) {
    resultado = ValoresDeEntrada();
    const DadosEntrada& p = en.problema;
    SituacaoDados situacao =
        VerificarDados(p.Alt, p.Pesesp, p.Prof, p.Dist,
                       {p.Alt, p.Decl, p.Pesesp, p.Coesao, p.Angat, p.Prof, p.Dist, p.Superf,
                        p.ProfZ, p.Cont, en.fatores.Fatseglow});
    if (situacao == SituacaoDados::Aceitos)
        situacao = VerificarDominio(p.Angat, p.Decl, p.Coesao, p.Superf, p.ProfZ, p.Cont,
                                    en.fatores.Fatseglow);
    if (situacao != SituacaoDados::Aceitos)
        return {situacao, false};

    ResultadoLow calculado = ValoresDeEntrada();
    bool haCunhaSemSolucao;
    bool falhou;
    int examinadas = 0;
    {
        VigiaPontoFlutuante vigia;
        haCunhaSemSolucao = Calcula(examinadas, en, calculado, buscador, soRegistro, aoExaminar);
        falhou = vigia.Falhou() || !Finito(calculado);
    }
    if (falhou)
        return {SituacaoDados::ForaDoIntervalo, false};
    // A layer thinner than the shallowest wedge: a safety factor of 100 and zero forces would read
    // as a safe embankment.
    if (examinadas == 0)
        return {SituacaoDados::CamadaDelgadaLow, false};
    resultado = calculado;
    return {SituacaoDados::Aceitos, haCunhaSemSolucao};
}

} // namespace

RelatoLow AnaliseLow(const DadosAnalise& entrada, ResultadoLow& resultado, BuscadorFator buscador) {
    return Analisa(entrada, resultado, buscador, true, [](const CunhaLow&) {});
}

CunhasLow DetalheLow(const DadosAnalise& entrada) {
    CunhasLow detalhe;
    detalhe.cunhas.reserve(numeroDeCunhas);
    detalhe.relato = Analisa(entrada, detalhe.resultado, BuscaFator, false,
                             [&](const CunhaLow& cunha) { detalhe.cunhas.push_back(cunha); });
    // The wedges of a run whose arithmetic failed answer nothing either.
    if (detalhe.relato.situacao != SituacaoDados::Aceitos)
        detalhe.cunhas.clear();
    return detalhe;
}

bool CalcLow(long double H, long double n, long double gama, long double c, long double phi,
             long double /*hb*/, long double /*b*/, long double T, long double Z, long double CS,
             long double CZ, long double CF, long double F, ResultadoLow& resultado,
             RelatoLow* relato) {
    DadosAnalise entrada{{H, n, gama, c, phi, 0, 0, T, Z, CS, CZ, CF}, {}};
    entrada.fatores.Fatseglow = F;
    const RelatoLow feito = AnaliseLow(entrada, resultado);
    if (relato)
        *relato = feito;
    if (feito.situacao != SituacaoDados::Aceitos) {
        ExibirMensagem(MensagemDaSituacao(feito.situacao));
        return false;
    }
    // The forces shown leave out the wedges no reinforcement stabilises: say so.
    if (feito.haCunhaSemSolucao)
        ExibirMensagem(MensagemCunhasSemReforco);
    return true;
}
