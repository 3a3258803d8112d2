#pragma once

// The reliability analysis: the closed forms' four forces and Low's FS0, and Bishop's force when
// asked for, when γ, c, φ, the clay's strengths and the soft layer's thickness are uncertain. A
// Monte Carlo run over many samples of the data, and beside it a first-order (Taylor series)
// estimate from a few runs around the means.

#include "Varredura.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The uncertain values, in the order the window lists them; every array of the request and of a
// sample follows it.
inline constexpr int NumeroDeAleatorias = 7;
inline constexpr std::array<Variavel, NumeroDeAleatorias> VariaveisAleatorias{
    Variavel::gama, Variavel::c,  Variavel::phi, Variavel::CS,
    Variavel::CZ,   Variavel::CF, Variavel::T};

// Lognormal: ln X normal with σ = √(ln(1 + V²)) and mean ln μ − σ²/2, so that X has mean μ and
// coefficient of variation V. Normal: standard deviation V·|μ|.
enum class Distribuicao { Lognormal, Normal };

struct Incerteza {
    long double cv = 0; // coefficient of variation in per cent, as typed; 0: the value is fixed
    Distribuicao distribuicao = Distribuicao::Lognormal;
    bool operator==(const Incerteza&) const = default;
};

inline constexpr int MinimoDeAmostras = 100;
inline constexpr int MaximoDeAmostras = 1000000;

struct PedidoConfiabilidade {
    DadosAnalise dados; // the typed values: the means
    std::array<Incerteza, NumeroDeAleatorias> incertezas{};
    // One standard normal variable drives CS, CZ and CF (each with its own mean and V).
    bool resistenciasCorrelacionadas = true;
    int amostras = 10000;
    std::uint64_t semente = 1;
    std::optional<long double> Td; // design strength, kN/m; none: no exceedance probability
    // Bishop's force beside the others: a sample then costs some 50 times the closed forms'.
    bool bishop = false;
    bool operator==(const PedidoConfiabilidade&) const = default;
};

// Why the request cannot run, for the user; empty when it can.
std::string ProblemaDoPedido(const PedidoConfiabilidade& pedido);

// Whether the request computes that output: all but Bishop's force, unless it asks for it. The
// samples' results, statistics and estimate of an output not computed are all SemResposta, and
// count for nothing.
bool Calculada(const PedidoConfiabilidade& pedido, Saida saida);

// The values of sample `indice` (0 ... amostras − 1), in the order of VariaveisAleatorias: a fixed
// value is its mean. The draws of a sample depend on `semente` and its index alone: draw k (the
// variable's position; CS's for the three strengths when they are correlated) is the (k + 1)-th
// output of a SplitMix64 generator started at the (indice + 1)-th output of a SplitMix64 generator
// started at `semente`; its top 63 bits give u in (0, 1) and the normal deviate is Φ⁻¹(u).
std::array<long double, NumeroDeAleatorias> Sortear(const PedidoConfiabilidade& pedido, int indice);

struct AmostraConfiabilidade {
    std::array<long double, NumeroDeAleatorias> x; // the values drawn
    std::array<long double, NumeroDeSaidas> y;     // the results, where estado is Valor
    std::array<EstadoResposta, NumeroDeSaidas> estado;
    const char* motivo; // why some result has no answer (a static text); empty when all have one
    // Bishop's critical circle stayed on the edge of its widened grid: its force may be short.
    bool bishopNaBorda;
};

inline RespostaMetodo RespostaDe(const AmostraConfiabilidade& amostra, Saida saida) {
    const auto s = static_cast<std::size_t>(saida);
    return {amostra.estado[s], amostra.y[s]};
}

// How often the design fails, over the samples with an answer.
struct Probabilidade {
    int casos = 0, total = 0;
    long double p = 0;
    long double inferior = 0, superior = 0; // Wilson's 95 % interval
    // β = −Φ⁻¹(p), and at the interval's ends: +∞ where the probability is 0, −∞ where it is 1.
    long double beta = 0, betaInferior = 0, betaSuperior = 0;
};

struct EstatisticasSaida {
    int valores = 0, semSolucao = 0, semResposta = 0;
    // Over the samples with a value: σ with n − 1; none without values (σ: with fewer than two).
    std::optional<long double> media, desvio;
    // The 5 % and 95 % values (the 95 % one: the force with a 95 % chance of being enough). Nearest
    // rank over the n samples with an answer, those without solution beyond every value: the k-th
    // smallest, k = ⌈q·n/100⌉ for the q % value. SemSolucao when it falls among those; SemResposta
    // when no sample answered.
    RespostaMetodo p05, p95;
    // A force above Td (a sample without solution counts: no strength holds it), or FS0 below 1.
    // None without Td (forces) or without answers.
    std::optional<Probabilidade> falha;
};

// The statistics of one result over all samples, in sample order.
EstatisticasSaida Resumir(const std::vector<RespostaMetodo>& respostas, Saida saida,
                          std::optional<long double> Td);

// The first-order estimate: f at the means; σ_f² = Σ ((f+ − f−)/2)², f± with one variable at μ ± σ
// (σ = V·|μ| for both distributions) and the others at their means; correlated strengths move
// together as one term.
struct ParcelaPrimeiraOrdem {
    std::vector<Variavel> variaveis; // one, or the varying strengths moved together
    RespostaMetodo mais, menos;
    std::optional<long double> variancia; // ((f+ − f−)/2)², where both have a value
    std::optional<long double> fracao;    // its share of σ_f², where σ_f is positive
};

struct PrimeiraOrdemSaida {
    RespostaMetodo media;              // f at the means
    std::optional<long double> desvio; // none where some evaluation has no value
    std::vector<ParcelaPrimeiraOrdem> parcelas;
};

std::array<PrimeiraOrdemSaida, NumeroDeSaidas>
EstimarPrimeiraOrdem(const PedidoConfiabilidade& pedido);

struct ResultadoConfiabilidade {
    PedidoConfiabilidade pedido;
    std::vector<AmostraConfiabilidade> amostras; // by index; 224 bytes each, 214 MB at the most
    std::array<EstatisticasSaida, NumeroDeSaidas> estatisticas;
    std::array<PrimeiraOrdemSaida, NumeroDeSaidas> primeiraOrdem;
    int semResposta = 0;                // samples where some result computed has no answer
    const char* motivoSemResposta = ""; // the first of them's reason
    int bishopNaBorda = 0;              // samples whose Bishop force may be short
};

// More than 1 % of the samples without an answer: the statistics may not stand for the data.
bool AvisarSemResposta(const ResultadoConfiabilidade& resultado);

// The Monte Carlo run of a request ProblemaDoPedido accepts (throws std::invalid_argument with its
// message otherwise), the samples spread over `nucleos` threads (0: the machine's cores) and the
// first-order estimate. The numbers are the same bit for bit whatever the threads. `continuar` is
// called on the calling thread with the samples done so far; none when it stopped the run.
std::optional<ResultadoConfiabilidade> Amostrar(const PedidoConfiabilidade& pedido,
                                                const Continuacao& continuar = {}, int nucleos = 0);

// The last run finished is kept for whoever asks for the same request next (the report, after the
// window): the same request gives the same numbers bit for bit, without the wait. Any thread.
void GuardarConfiabilidade(std::shared_ptr<const ResultadoConfiabilidade> resultado);
std::shared_ptr<const ResultadoConfiabilidade>
ConfiabilidadeGuardada(const PedidoConfiabilidade& pedido);

// The values of one result over the samples, in sample order.
std::vector<long double> ValoresDe(const ResultadoConfiabilidade& resultado, Saida saida);

// `barras` equal bins from the smallest value to the largest, each [limite i, limite i+1), the last
// closed; when every value is the same, the bins span it ± 0.5. Empty without values.
struct Histograma {
    std::vector<long double> limites; // barras + 1
    std::vector<int> contagens;       // barras
};
Histograma HistogramaDe(const std::vector<long double>& valores, int barras);

// Every sample as a table: an ASCII header with units, then one line per sample with the values
// drawn and the results computed; a point as decimal separator, an empty cell where a result has
// none.
void EscreverCsv(std::ostream& saida, const ResultadoConfiabilidade& resultado);

// Φ⁻¹(p), Wichura's algorithm AS 241 (relative error about 1E-16); −∞ at 0, +∞ at 1.
long double InversaNormal(long double p);
