#include "Confiabilidade.h"

#include "../data/FormatoGeral.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <mutex>
#include <ostream>
#include <stdexcept>

namespace {

constexpr int indiceCS = 3;
static_assert(VariaveisAleatorias[indiceCS] == Variavel::CS);

bool Resistencia(Variavel v) {
    return v == Variavel::CS || v == Variavel::CZ || v == Variavel::CF;
}

long double Media(const DadosAnalise& dados, Variavel v) {
    // F is the only value that differs between the methods, and it is never uncertain.
    return ValorDe(dados, v, Forca::KanirajComTrinca);
}

// The t-th output (t ≥ 1) of a SplitMix64 generator started at s (Steele, Lea and Flood, 2014):
// any output is reached without the ones before, so a sample's draws need only its index.
std::uint64_t SplitMix64(std::uint64_t s, std::uint64_t t) {
    std::uint64_t z = s + t * 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// A standard normal deviate from 64 random bits: u = (2m + 1)/2⁶⁴ with m the top 63 bits is exact
// in the extended format and never 0 or 1, and 1 − u is exact too.
long double Desvio(std::uint64_t bits) {
    const long double u = static_cast<long double>((bits >> 1) * 2 + 1) * 0x1p-64L;
    return InversaNormal(u);
}

long double Sorteado(long double media, const Incerteza& incerteza, long double z) {
    const long double V = incerteza.cv / 100;
    if (incerteza.distribuicao == Distribuicao::Normal)
        return media + V * std::fabs(media) * z;
    // μ·exp(σz − σ²/2) keeps the mean's digits where exp(ln μ + ...) would round them.
    const long double sigma = std::sqrt(std::log1p(V * V));
    return media * std::exp(sigma * z - sigma * sigma / 2);
}

DadosAnalise ComValores(DadosAnalise dados, const std::array<long double, NumeroDeAleatorias>& x) {
    for (std::size_t k = 0; k < NumeroDeAleatorias; ++k)
        dados = ComValor(dados, VariaveisAleatorias[k], x[k]);
    return dados;
}

struct Avaliacao {
    std::array<RespostaMetodo, NumeroDeSaidas> y;
    const char* motivo;
    bool bishopNaBorda;
};

// A run that examines no wedge is a refusal like any other: no answer, with its reason.
Avaliacao Avaliar(const DadosAnalise& dados, bool bishop) {
    const AvaliacaoMetodos a = AvaliarMetodos(dados, {.bishop = bishop});
    Avaliacao r{{}, a.motivo, a.bishop && a.bishop->naBorda};
    std::copy(a.P.begin(), a.P.end(), r.y.begin());
    r.y[Indice(Saida::FS0)] = a.FS0;
    return r;
}

// Nearest rank: the k-th smallest answer, k = ⌈P·n/100⌉ in integers (0.95·n in floating point
// may land just above an integer), the samples without solution after every value.
RespostaMetodo Percentil(const std::vector<long double>& ordenados, int respondidas, int porCento) {
    if (respondidas == 0)
        return {};
    const std::int64_t k =
        std::max<std::int64_t>(1, (std::int64_t{porCento} * respondidas + 99) / 100);
    if (k > static_cast<std::int64_t>(ordenados.size()))
        return {EstadoResposta::SemSolucao};
    return {EstadoResposta::Valor, ordenados[static_cast<std::size_t>(k - 1)]};
}

Probabilidade ProbabilidadeDe(int casos, int total) {
    constexpr long double z = 1.959963984540054235524594430520551527955L; // Φ⁻¹(0.975)
    const long double n = total;
    const long double p = casos / n;
    const long double z2n = z * z / n;
    const long double centro = (p + z2n / 2) / (1 + z2n);
    const long double meia = z / (1 + z2n) * std::sqrt(p * (1 - p) / n + z2n / (4 * n));
    Probabilidade r;
    r.casos = casos;
    r.total = total;
    r.p = p;
    // At the ends the interval closes on 0 or 1 exactly, not on a rounding of it.
    r.inferior = casos == 0 ? 0 : centro - meia;
    r.superior = casos == total ? 1 : centro + meia;
    r.beta = -InversaNormal(r.p);
    r.betaInferior = -InversaNormal(r.superior);
    r.betaSuperior = -InversaNormal(r.inferior);
    return r;
}

// The variables of each first-order term, by position: each varying one alone, the varying
// strengths together when they are correlated.
std::vector<std::vector<std::size_t>> Termos(const PedidoConfiabilidade& pedido) {
    std::vector<std::vector<std::size_t>> termos;
    std::optional<std::size_t> resistencias;
    for (std::size_t k = 0; k < NumeroDeAleatorias; ++k) {
        if (!(pedido.incertezas[k].cv > 0))
            continue;
        if (!pedido.resistenciasCorrelacionadas || !Resistencia(VariaveisAleatorias[k])) {
            termos.push_back({k});
        } else if (resistencias) {
            termos[*resistencias].push_back(k);
        } else {
            resistencias = termos.size();
            termos.push_back({k});
        }
    }
    return termos;
}

void Completar(PrimeiraOrdemSaida& estimativa) {
    if (estimativa.media.estado != EstadoResposta::Valor)
        return;
    long double total = 0;
    for (const ParcelaPrimeiraOrdem& parcela : estimativa.parcelas) {
        if (!parcela.variancia)
            return;
        total += *parcela.variancia;
    }
    estimativa.desvio = std::sqrt(total);
    if (total > 0)
        for (ParcelaPrimeiraOrdem& parcela : estimativa.parcelas)
            parcela.fracao = *parcela.variancia / total;
}

// The rational approximations of Wichura's AS 241 (PPND16), constant term first: for |p − ½| ≤
// 0.425 in r = 0.180625 − (p − ½)², then in r = √(−ln min(p, 1 − p)) − 1.6 up to r = 5, beyond it
// in r − 5.
using Coeficientes = std::array<long double, 8>;
constexpr Coeficientes centroA{3.3871328727963666080e0L, 1.3314166789178437745e2L,
                               1.9715909503065514427e3L, 1.3731693765509461125e4L,
                               4.5921953931549871457e4L, 6.7265770927008700853e4L,
                               3.3430575583588128105e4L, 2.5090809287301226727e3L};
constexpr Coeficientes centroB{1.00000000000000000000e0L, 4.2313330701600911252e1L,
                               6.8718700749205790830e2L,  5.3941960214247511077e3L,
                               2.1213794301586595867e4L,  3.9307895800092710610e4L,
                               2.8729085735721942674e4L,  5.2264952788528545610e3L};
constexpr Coeficientes caudaC{1.42343711074968357734e0L,  4.63033784615654529590e0L,
                              5.76949722146069140550e0L,  3.64784832476320460504e0L,
                              1.27045825245236838258e0L,  2.41780725177450611770e-1L,
                              2.27238449892691845833e-2L, 7.74545014278341407640e-4L};
constexpr Coeficientes caudaD{1.00000000000000000000e0L,  2.05319162663775882187e0L,
                              1.67638483018380384940e0L,  6.89767334985100004550e-1L,
                              1.48103976427480074590e-1L, 1.51986665636164571966e-2L,
                              5.47593808499534494600e-4L, 1.05075007164441684324e-9L};
constexpr Coeficientes extremoE{6.65790464350110377720e0L,  5.46378491116411436990e0L,
                                1.78482653991729133580e0L,  2.96560571828504891230e-1L,
                                2.65321895265761230930e-2L, 1.24266094738807843860e-3L,
                                2.71155556874348757815e-5L, 2.01033439929228813265e-7L};
constexpr Coeficientes extremoF{1.00000000000000000000e0L,  5.99832206555887937690e-1L,
                                1.36929880922735805310e-1L, 1.48753612908506148525e-2L,
                                7.86869131145613259100e-4L, 1.84631831751005468180e-5L,
                                1.42151175831644588870e-7L, 2.04426310338993978564e-15L};

long double Polinomio(const Coeficientes& c, long double r) {
    long double v = c.back();
    for (auto i = c.rbegin() + 1; i != c.rend(); ++i)
        v = v * r + *i;
    return v;
}

// Locale-free, as the study's table: read by programs, not by people of one country.
} // namespace

std::string ProblemaDoPedido(const PedidoConfiabilidade& pedido) {
    if (pedido.amostras < MinimoDeAmostras || pedido.amostras > MaximoDeAmostras)
        return "O número de amostras deve ser um inteiro de 100 a 1000000.";
    for (std::size_t k = 0; k < NumeroDeAleatorias; ++k) {
        const Incerteza& incerteza = pedido.incertezas[k];
        const Variavel v = VariaveisAleatorias[k];
        if (!std::isfinite(incerteza.cv))
            return MensagemForaDoIntervalo;
        if (incerteza.cv < 0)
            return std::string("O coeficiente de variação de ") + Descricao(v).simbolo +
                   " não pode ser negativo.";
        if (incerteza.cv > 0 && incerteza.distribuicao == Distribuicao::Lognormal &&
            !(Media(pedido.dados, v) > 0))
            return std::string("A distribuição lognormal de ") + Descricao(v).simbolo +
                   " exige valor médio maior que zero.";
    }
    if (pedido.Td && !(*pedido.Td > 0 && std::isfinite(*pedido.Td)))
        return "A resistência de projeto deve ser maior que zero.";
    return {};
}

bool Calculada(const PedidoConfiabilidade& pedido, Saida saida) {
    return saida != Saida::Bishop || pedido.bishop;
}

std::array<long double, NumeroDeAleatorias> Sortear(const PedidoConfiabilidade& pedido,
                                                    int indice) {
    const std::uint64_t inicio = SplitMix64(pedido.semente, static_cast<std::uint64_t>(indice) + 1);
    std::array<long double, NumeroDeAleatorias> x;
    for (std::size_t k = 0; k < NumeroDeAleatorias; ++k) {
        const Variavel v = VariaveisAleatorias[k];
        const Incerteza& incerteza = pedido.incertezas[k];
        x[k] = Media(pedido.dados, v);
        if (!(incerteza.cv > 0))
            continue;
        const std::size_t sorteio =
            pedido.resistenciasCorrelacionadas && Resistencia(v) ? indiceCS : k;
        x[k] = Sorteado(x[k], incerteza, Desvio(SplitMix64(inicio, sorteio + 1)));
    }
    return x;
}

EstatisticasSaida Resumir(const std::vector<RespostaMetodo>& respostas, Saida saida,
                          std::optional<long double> Td) {
    EstatisticasSaida e;
    std::vector<long double> valores;
    valores.reserve(respostas.size());
    // Welford's running mean and sum of squares: exact when every value is the same.
    long double media = 0, m2 = 0;
    for (const RespostaMetodo& r : respostas) {
        switch (r.estado) {
        case EstadoResposta::Valor: {
            valores.push_back(r.valor);
            const long double delta = r.valor - media;
            media += delta / static_cast<long double>(valores.size());
            m2 += delta * (r.valor - media);
            break;
        }
        case EstadoResposta::SemSolucao:
            ++e.semSolucao;
            break;
        case EstadoResposta::SemResposta:
            ++e.semResposta;
            break;
        }
    }
    e.valores = static_cast<int>(valores.size());
    if (e.valores > 0)
        e.media = media;
    if (e.valores > 1)
        e.desvio = std::sqrt(m2 / (e.valores - 1));

    const int respondidas = e.valores + e.semSolucao;
    const bool fs0 = saida == Saida::FS0;
    if ((fs0 || Td) && respondidas > 0) {
        // Without reinforcement the embankment fails below FS0 = 1; a force above Td breaks the
        // reinforcement, and so does every sample without solution.
        int casos = fs0 ? 0 : e.semSolucao;
        for (long double v : valores)
            casos += fs0 ? v < 1 : v > *Td;
        e.falha = ProbabilidadeDe(casos, respondidas);
    }
    std::sort(valores.begin(), valores.end());
    e.p05 = Percentil(valores, respondidas, 5);
    e.p95 = Percentil(valores, respondidas, 95);
    return e;
}

std::array<PrimeiraOrdemSaida, NumeroDeSaidas>
EstimarPrimeiraOrdem(const PedidoConfiabilidade& pedido) {
    const DadosAnalise& medias = pedido.dados;
    const Avaliacao nasMedias = Avaliar(medias, pedido.bishop);
    std::array<PrimeiraOrdemSaida, NumeroDeSaidas> estimativa;
    for (std::size_t s = 0; s < NumeroDeSaidas; ++s)
        estimativa[s].media = nasMedias.y[s];
    for (const std::vector<std::size_t>& termo : Termos(pedido)) {
        DadosAnalise mais = medias, menos = medias;
        std::vector<Variavel> variaveis;
        for (std::size_t k : termo) {
            const Variavel v = VariaveisAleatorias[k];
            const long double mu = Media(medias, v);
            const long double sigma = pedido.incertezas[k].cv / 100 * std::fabs(mu);
            mais = ComValor(mais, v, mu + sigma);
            menos = ComValor(menos, v, mu - sigma);
            variaveis.push_back(v);
        }
        const Avaliacao emMais = Avaliar(mais, pedido.bishop);
        const Avaliacao emMenos = Avaliar(menos, pedido.bishop);
        for (std::size_t s = 0; s < NumeroDeSaidas; ++s) {
            ParcelaPrimeiraOrdem parcela{variaveis, emMais.y[s], emMenos.y[s], {}, {}};
            if (parcela.mais.estado == EstadoResposta::Valor &&
                parcela.menos.estado == EstadoResposta::Valor) {
                const long double meiaDiferenca = (parcela.mais.valor - parcela.menos.valor) / 2;
                parcela.variancia = meiaDiferenca * meiaDiferenca;
            }
            estimativa[s].parcelas.push_back(std::move(parcela));
        }
    }
    for (PrimeiraOrdemSaida& e : estimativa)
        Completar(e);
    return estimativa;
}

bool AvisarSemResposta(const ResultadoConfiabilidade& resultado) {
    return std::int64_t{resultado.semResposta} * 100 >
           static_cast<std::int64_t>(resultado.amostras.size());
}

std::optional<ResultadoConfiabilidade> Amostrar(const PedidoConfiabilidade& pedido,
                                                const Continuacao& continuar, int nucleos) {
    if (const std::string problema = ProblemaDoPedido(pedido); !problema.empty())
        throw std::invalid_argument(problema);
    ResultadoConfiabilidade r;
    r.pedido = pedido;
    const int n = pedido.amostras;
    r.amostras.resize(static_cast<std::size_t>(n));

    // Each sample depends on its index alone and lands in its own slot: any thread may take it.
    const bool completo = ParaCadaIndice(
        n, nucleos,
        [&](int i) {
            AmostraConfiabilidade& amostra = r.amostras[static_cast<std::size_t>(i)];
            amostra.x = Sortear(pedido, i);
            const Avaliacao avaliacao = Avaliar(ComValores(pedido.dados, amostra.x), pedido.bishop);
            for (std::size_t s = 0; s < NumeroDeSaidas; ++s) {
                amostra.y[s] = avaliacao.y[s].valor;
                amostra.estado[s] = avaliacao.y[s].estado;
            }
            amostra.motivo = avaliacao.motivo;
            amostra.bishopNaBorda = avaliacao.bishopNaBorda;
        },
        continuar);
    if (!completo)
        return std::nullopt;

    for (const AmostraConfiabilidade& amostra : r.amostras) {
        r.bishopNaBorda += amostra.bishopNaBorda;
        bool semResposta = false;
        for (std::size_t s = 0; s < NumeroDeSaidas; ++s)
            semResposta |= Calculada(pedido, static_cast<Saida>(s)) &&
                           amostra.estado[s] == EstadoResposta::SemResposta;
        if (semResposta && r.semResposta++ == 0)
            r.motivoSemResposta = amostra.motivo;
    }
    std::vector<RespostaMetodo> respostas(r.amostras.size());
    for (std::size_t s = 0; s < NumeroDeSaidas; ++s) {
        for (std::size_t i = 0; i < r.amostras.size(); ++i)
            respostas[i] = RespostaDe(r.amostras[i], static_cast<Saida>(s));
        r.estatisticas[s] = Resumir(respostas, static_cast<Saida>(s), pedido.Td);
    }
    r.primeiraOrdem = EstimarPrimeiraOrdem(pedido);
    return r;
}

namespace {
struct Guardada {
    std::mutex trava;
    std::shared_ptr<const ResultadoConfiabilidade> resultado;
};
Guardada& UltimaConfiabilidade() {
    static Guardada guardada;
    return guardada;
}
} // namespace

void GuardarConfiabilidade(std::shared_ptr<const ResultadoConfiabilidade> resultado) {
    Guardada& g = UltimaConfiabilidade();
    const std::lock_guard trava(g.trava);
    g.resultado = std::move(resultado);
}

std::shared_ptr<const ResultadoConfiabilidade>
ConfiabilidadeGuardada(const PedidoConfiabilidade& pedido) {
    Guardada& g = UltimaConfiabilidade();
    const std::lock_guard trava(g.trava);
    return g.resultado && g.resultado->pedido == pedido ? g.resultado : nullptr;
}

std::vector<long double> ValoresDe(const ResultadoConfiabilidade& resultado, Saida saida) {
    std::vector<long double> valores;
    for (const AmostraConfiabilidade& amostra : resultado.amostras)
        if (amostra.estado[Indice(saida)] == EstadoResposta::Valor)
            valores.push_back(amostra.y[Indice(saida)]);
    return valores;
}

Histograma HistogramaDe(const std::vector<long double>& valores, int barras) {
    if (valores.empty() || barras < 1)
        return {};
    auto [menor, maior] = std::minmax_element(valores.begin(), valores.end());
    long double de = *menor, ate = *maior;
    if (de == ate) {
        de -= 0.5L;
        ate += 0.5L;
    }
    Histograma h;
    for (int i = 0; i < barras; ++i)
        h.limites.push_back(de + (ate - de) * i / barras);
    h.limites.push_back(ate);
    h.contagens.assign(static_cast<std::size_t>(barras), 0);
    // The bin is found among the limits themselves, so a value on a limit goes where it shows.
    for (long double v : valores) {
        const auto acima = std::upper_bound(h.limites.begin(), h.limites.end(), v);
        const auto i = std::clamp<std::ptrdiff_t>(acima - h.limites.begin() - 1, 0, barras - 1);
        ++h.contagens[static_cast<std::size_t>(i)];
    }
    return h;
}

void EscreverCsv(std::ostream& saida, const ResultadoConfiabilidade& resultado) {
    std::string linha;
    for (Variavel v : VariaveisAleatorias)
        linha.append(Descricao(v).cabecalho).push_back(',');
    const PedidoConfiabilidade& pedido = resultado.pedido;
    for (std::size_t s = 0; s < NumeroDeSaidas; ++s)
        if (Calculada(pedido, static_cast<Saida>(s)))
            linha.append(Saidas[s].cabecalho).push_back(',');
    linha.back() = '\n';
    saida.write(linha.data(), static_cast<std::streamsize>(linha.size()));
    for (const AmostraConfiabilidade& amostra : resultado.amostras) {
        linha.clear();
        for (long double x : amostra.x) {
            AcrescentarNumeroCsv(linha, x);
            linha.push_back(',');
        }
        for (std::size_t s = 0; s < NumeroDeSaidas; ++s) {
            if (!Calculada(pedido, static_cast<Saida>(s)))
                continue;
            if (amostra.estado[s] == EstadoResposta::Valor)
                AcrescentarNumeroCsv(linha, amostra.y[s]);
            linha.push_back(',');
        }
        linha.back() = '\n';
        saida.write(linha.data(), static_cast<std::streamsize>(linha.size()));
    }
}

long double InversaNormal(long double p) {
    if (!(p > 0))
        return p == 0 ? -std::numeric_limits<long double>::infinity() : std::nanl("");
    if (!(p < 1))
        return p == 1 ? std::numeric_limits<long double>::infinity() : std::nanl("");
    const long double q = p - 0.5L;
    if (std::fabs(q) <= 0.425L) {
        const long double r = 0.180625L - q * q;
        return q * Polinomio(centroA, r) / Polinomio(centroB, r);
    }
    long double r = std::sqrt(-std::log(q < 0 ? p : 1 - p));
    const long double z = r <= 5 ? Polinomio(caudaC, r - 1.6L) / Polinomio(caudaD, r - 1.6L)
                                 : Polinomio(extremoE, r - 5) / Polinomio(extremoF, r - 5);
    return q < 0 ? -z : z;
}
