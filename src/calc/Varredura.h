#pragma once

// The parametric study: the required forces against one value of the problem, every other value
// as typed, and where each force meets the reinforcement's allowable strength. Bishop's force is
// swept only when asked for: its search costs some 30 to 50 times both closed forms.

#include "../data/DadosEntrada.h"
#include "Metodos.h"
#include "Paralelo.h"
#include "Verificacao.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The values a study may vary, in the order the window lists them: the problem's, in the order of
// its record, then F, every method's safety factor at once.
enum class Variavel { H, n, gama, c, phi, hb, b, T, Z, CS, CZ, CF, F };
inline constexpr int NumeroDeVariaveis = 13;

struct DescricaoVariavel {
    const char* simbolo;   // as the window writes it (UTF-8)
    const char* unidade;   // as the window writes it; empty for pure numbers
    const char* nome;      // what it is, in the variable list
    const char* cabecalho; // the CSV column, ASCII: any spreadsheet reads it
};
DescricaoVariavel Descricao(Variavel variavel);

// The data with the variable set to v (F: every method's factor).
DadosAnalise ComValor(DadosAnalise dados, Variavel variavel, long double v);
// The typed value of the variable on the side of that force (F differs between the methods).
long double ValorDe(const DadosAnalise& dados, Variavel variavel, Forca forca);

// The forces with a value; neither kind of gap has one, nor Bishop's when not asked for.
using Solicitacoes = std::array<std::optional<long double>, NumeroDeForcas>;
Solicitacoes CalcularSolicitacoes(const DadosAnalise& dados, bool bishop);

inline constexpr int MinimoDePontos = 2;
inline constexpr int MaximoDePontos = 2000;
// Sweeps up to this many points run while the user types; larger ones run in the background.
inline constexpr int PontosNoOrcamento = 200;
// The crossings are refined to this much of the variable: 1 mm for a length.
inline constexpr long double ResolucaoDoLimite = 0.001L;

struct PedidoEstudo {
    DadosAnalise dados;
    Variavel variavel = Variavel::H;
    long double de = 0, ate = 0;
    int pontos = PontosNoOrcamento;
    long double resistencia = 0; // allowable strength of the reinforcement, kN/m
    bool bishop = false;         // Bishop's force swept beside the closed forms'
};

// Whether the study sweeps that force: all but Bishop's, unless it asks for it.
bool Varrida(const PedidoEstudo& pedido, Forca forca);

// Why the request cannot be swept, for the user; empty when it can.
std::string ProblemaDoPedido(const PedidoEstudo& pedido);

struct PontoEstudo {
    long double x;
    Solicitacoes P;
    SituacaoDados situacao; // why the analyses rejected the data here; Aceitos otherwise
    // Bishop's critical circle stayed on the edge of its widened grid: its force may be short.
    bool bishopNaBorda = false;
};

enum class TipoLimite {
    Maximo,       // the force rises past the strength: x is the largest value it holds at
    Minimo,       // the force falls below the strength: x is the smallest value it holds from
    SempreAtende, // never crosses, at or below the strength wherever it has a value
    NuncaAtende,  // never crosses, above the strength wherever it has a value
    Interrompida, // holds on some stretches, but the changes fall in gaps of the curve
    SemValores,   // no value anywhere in the range
};

struct Limite {
    TipoLimite tipo = TipoLimite::SemValores;
    long double x = 0;    // Maximo/Minimo: where the force is still at or below the strength
    long double alem = 0; // the value within the resolution beyond x where it is above
    // Maximo/Minimo: the value to show, a whole number of CasasDoLimite decimals, rounded from x
    // toward the side where the force holds and checked there by a run of the methods: the value
    // exactly as shown, typed and run, gives a force at or below the strength.
    long double exibido = 0;
    // How many times the curve crosses the strength between neighbouring points with a value:
    // more than one, and the limit given is the first crossing only.
    int cruzamentos = 0;
};

// The limits are shown with this many decimals: the resolution of their bisection.
inline constexpr int CasasDoLimite = 3;

struct EstudoParametrico {
    PedidoEstudo pedido;
    std::vector<PontoEstudo> pontos;
    std::array<Limite, NumeroDeForcas> limites; // Bishop's: SemValores when not asked for
    Solicitacoes projeto;                       // at the typed values
    // Set when no point of the range has any value: then there is nothing to draw.
    std::string erro;
};

// The first change along the sweep of "computed and at or below the strength" between two
// neighbouring points that both have a value, refined by bisection to ResolucaoDoLimite, and the
// value to show for it.
Limite LimiteDe(Forca forca, const PedidoEstudo& pedido, const std::vector<PontoEstudo>& pontos);

// The sweep of a request ProblemaDoPedido accepts: `pontos` values evenly spaced from `de` to
// `ate`, both included, spread over the machine's cores; then the limits. None when `continuar`
// stopped it.
std::optional<EstudoParametrico> Varrer(const PedidoEstudo& pedido,
                                        const Continuacao& continuar = {});

// The curve as a table: one header line with units, then one line per point; a point as decimal
// separator, an empty cell where a force has no value.
std::string CsvDoEstudo(const EstudoParametrico& estudo);
