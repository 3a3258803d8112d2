#pragma once

// The limit states of a basal reinforcement beyond the circular wedges of the two methods, as the
// design guides for embankments on soft ground ask them: spreading of the fill on the
// reinforcement and its sliding, extrusion of the soft layer, bearing capacity of the foundation,
// and the reinforcement's long-term design strength and stiffness against the governing force.
// Angles in degrees, converted with the full π: these are not the methods' fitted formulas.

#include "Varredura.h"

#include <array>
#include <optional>
#include <string>

// Calculado: a value the design needs, with nothing to hold it against (the governing force, the
// required stiffness).
enum class Veredito { Atende, NaoAtende, NaoSeAplica, NaoVerificado, Calculado };

// Which force governs the design: one method's force, or none for the largest of the methods run;
// the spreading force counts in every case.
using EscolhaForca = std::optional<Forca>;
// The choices in the order the checks' window lists them and the run state keeps them: the largest
// first, then each force in its order.
inline constexpr int NumeroDeEscolhas = NumeroDeForcas + 1;
EscolhaForca EscolhaNaLista(int posicao);

// Each value typed by the user is none when it is not (or is not a number).
struct EntradaVerificacoes {
    DadosEntrada problema; // neither the fill's cohesion nor the berm is read
    // The fill/geotextile interface of the anchorage screen.
    std::optional<long double> CoeGeo2, AngGeo2;
    std::optional<long double> FSdesl, FSext, FScap;
    // The catalogued strength and its reduction factors.
    std::optional<long double> Tult, FRid, FRfl, FRdq;
    std::optional<long double> Epsadm; // allowable strain, %
    EscolhaForca escolha;              // none: the largest
    AvaliacaoMetodos metodos;          // the methods run on the design
};

// One line of the checks: its value, what is required of it, the verdict and, when there is no
// verdict of "atende" or "não atende" to give, why.
struct LinhaVerificacao {
    std::optional<long double> valor;
    std::optional<long double> requerido; // at least this; at most this when `maximo`
    Veredito veredito = Veredito::NaoVerificado;
    std::string motivo;
    bool maximo = false;
};

struct ResultadoVerificacoes {
    long double Ka = 0, PA = 0;    // active thrust of the fill, kN/m
    LinhaVerificacao espalhamento; // Tls = FSdesl·PA, at most Td
    LinhaVerificacao deslizamento; // FSd = R/PA against FSdesl
    // R, the resistance of the fill/reinforcement interface under the slope to the thrust, kN/m;
    // none where the sliding is not checked.
    std::optional<long double> R;
    LinhaVerificacao extrusao;   // FSe against FSext
    LinhaVerificacao capacidade; // FSc against FScap
    long double cu = 0;          // the least undrained strength of the layer, kPa
    // The governing force; `fonte` names it ("Low horizontal", "espalhamento lateral"...).
    LinhaVerificacao governante;
    std::string fonte;
    LinhaVerificacao resistencia; // Td against the governing force; `uso` its use, %
    std::optional<long double> uso;
    LinhaVerificacao rigidez; // J = governing force / (Epsadm/100)
};

ResultadoVerificacoes Verificar(const EntradaVerificacoes& entrada);

// Td = Tult/(FRid·FRfl·FRdq), when the four values are typed and sound.
std::optional<long double> ResistenciaDeProjeto(const EntradaVerificacoes& entrada);

// The least undrained strength of the profile between the top and the base of the layer.
long double MenorResistencia(long double T, long double Z, long double CS, long double CZ,
                             long double CF);

const char* NomeDaEscolha(EscolhaForca escolha);
const char* TextoDoVeredito(Veredito veredito);
