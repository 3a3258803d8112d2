#pragma once

// The one way to run the methods on a design: every method asked for, each with its record, the
// depths or wedges it examined and how its run went, and what each output answers. The windows,
// the report, the study, the checks and the reliability analysis all run them here; nothing here
// tells the user anything: refusals and warnings come back as values, for the caller to show.

#include "../data/DadosEntrada.h"
#include "Bishop.h"
#include "Kaniraj.h"
#include "Low.h"

#include <array>
#include <optional>

// What the methods give, in one order everywhere: the five forces the reinforcement must carry
// (Kaniraj with and without the tension crack, Low horizontal and along the bisector, Bishop's
// circles), then Low's lowest unreinforced safety factor.
enum class Saida { KanirajComTrinca, KanirajSemTrinca, LowHorizontal, LowBissetriz, Bishop, FS0 };
inline constexpr int NumeroDeSaidas = 6;
// The forces are the outputs before FS0.
using Forca = Saida;
inline constexpr int NumeroDeForcas = 5;

inline constexpr std::size_t Indice(Saida saida) {
    return static_cast<std::size_t>(saida);
}

// How each output is named, the one table of its names: what it is, in the windows, the charts
// and the report (UTF-8); its symbol where the name does not give it; its unit (empty for FS0);
// the heading of its column in the results tables, on two lines; and its column in exported tables
// (ASCII).
struct DescricaoSaida {
    const char* nome;
    const char* simbolo;
    const char* unidade;
    const char* coluna;
    const char* cabecalho;
};
inline constexpr std::array<DescricaoSaida, NumeroDeSaidas> Saidas{{
    {"Kaniraj com trinca", "", "kN/m", "Kaniraj\ncom trinca", "P com trinca (kN/m)"},
    {"Kaniraj sem trinca", "", "kN/m", "Kaniraj\nsem trinca", "P sem trinca (kN/m)"},
    {"Low horizontal", "", "kN/m", "Low\nhorizontal", "Ph (kN/m)"},
    {"Low bissetriz", "", "kN/m", "Low\nbissetriz", "Pb (kN/m)"},
    {"Bishop", "", "kN/m", "Bishop", "P Bishop (kN/m)"},
    {"Low sem reforço", "FS0", "", "Low\nFS0", "FS0 (-)"},
}};

// What an analysis answers for one of its results. SemSolucao: some Low wedge that no
// reinforcement brings to F in that direction, so the design fails whatever the strength (the
// analysis's record leaves such wedges out, so its number would understate the need), or some
// Bishop circle below F that the reinforcement does not cross. SemResposta: the analysis refused
// the data, among them data for which it examines no wedge, or it was not asked for.
enum class EstadoResposta : unsigned char { Valor, SemSolucao, SemResposta };
struct RespostaMetodo {
    EstadoResposta estado = EstadoResposta::SemResposta;
    long double valor = 0; // only with Valor
};

// The analyses a run asks for: Kaniraj's with and without the crack, Low's, Bishop's (some 30 to 50
// times slower than the others together, so asked for by name).
struct MetodosPedidos {
    bool comTrinca = true;
    bool semTrinca = true;
    bool low = true;
    bool bishop = false;
};
inline constexpr MetodosPedidos SoKaniraj{true, true, false, false};
inline constexpr MetodosPedidos SoLow{false, false, true, false};
inline constexpr MetodosPedidos SoBishop{false, false, false, true};
inline constexpr MetodosPedidos TodosOsMetodos{true, true, true, true};
// Only the analysis that gives this output.
MetodosPedidos SoParaSaida(Saida saida);

// One run of the methods on one design.
struct AvaliacaoMetodos {
    DadosAnalise dados; // the design the run answers
    // Each method asked for: its detail, record and how it went (rejected data leave no depths or
    // wedges); none for a method not asked for.
    std::optional<CunhasKaniraj> comTrinca, semTrinca;
    std::optional<CunhasLow> low;
    std::optional<RelatoBishop> bishop;
    // The five forces and FS0 as the design is checked against them; a method not asked for
    // answers nothing.
    std::array<RespostaMetodo, NumeroDeForcas> P;
    RespostaMetodo FS0;
    SituacaoDados situacao = SituacaoDados::Aceitos; // the first refusal: Kaniraj, Low, Bishop
    // Why some result has no answer, from the first analysis that gave none; empty otherwise.
    const char* motivo = "";
};
AvaliacaoMetodos AvaliarMetodos(const DadosAnalise& dados, MetodosPedidos pedidos = {});

// Whether the run asked for the analysis that gives this output.
bool Pedida(const AvaliacaoMetodos& avaliacao, Saida saida);

// Whether a method's run answers the design: its data and its own factors (Low's reads neither
// berm value nor Kaniraj's factors).
bool RespondeKaniraj(const DadosAnalise& corrida, const DadosAnalise& dados);
bool RespondeLow(const DadosAnalise& corrida, const DadosAnalise& dados);
bool RespondeBishop(const DadosAnalise& corrida, const DadosAnalise& dados);
