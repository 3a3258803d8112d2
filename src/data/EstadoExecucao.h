#pragma once

#include "DadosEntrada.h"
#include "Resultados.h"

#include <optional>

// What one run of the program shares between its windows: the methods screen's copy of the problem
// data and the values it read, the three result records, the anchorage lengths and the results
// screen that opened the reinforcement analysis. Zero at start.
struct EstadoExecucao {
    DadosEntrada CopiaDadosEntrada;
    long double Fatsegkan = 0; // adopted safety factor, Kaniraj
    long double Posref = 0;    // reinforcement height above the foundation (m)
    long double Fatseglow = 0; // adopted safety factor, Low
    ResultadoKaniraj SolucaoComTrinca;
    ResultadoKaniraj SolucaoSemTrinca;
    ResultadoLow SolucaoLow;
    // Of the depths the last Kaniraj run examined, those whose radius search found no radius, with
    // and without crack: their wedges give no force, and the results screen says so.
    int ExaminadasKaniraj = 0;
    int SemRaioComTrinca = 0;
    int SemRaioSemTrinca = 0;
    // Changed only by a successful anchorage calculation.
    ComprimentosAncoragem Comprimentos;
    // The force the limit-state checks take as governing: 0, the largest; 1 to 5, one method's
    // force (Kaniraj with crack, without, Low horizontal, bisector, Bishop).
    int EscolhaForcaGovernante = 0;
    // The reinforcement analysis in progress was opened from the Kaniraj results, or from
    // Bishop's (both clear: from Low's); the anchorage calculation returns there every time it is
    // pressed.
    bool OrigemKaniraj = false;
    bool OrigemBishop = false;

    // The design each method's records answer, its factors with it: that of its last run the
    // analyses accepted; none before one, and none after a rejected run. A picture or a report
    // shows a method's results only for the design they answer.
    std::optional<DadosAnalise> DadosKaniraj;
    std::optional<DadosAnalise> DadosLow;
    // Bishop's last accepted run and the design it answers.
    ResultadoBishop SolucaoBishop;
    std::optional<DadosAnalise> DadosBishop;
};

// The one run state of the program.
EstadoExecucao& Execucao();

// Back to start-up: the run state and the problem data all zero.
void ReiniciarExecucao();
