#pragma once

#include <cfenv>
#include <initializer_list>

// What the analyses tell the user about data they cannot compute.
inline constexpr char MensagemDadosIncompletos[] = "Dados incompletos.";
inline constexpr char MensagemNegativos[] =
    "Altura, peso específico, espessura e Z não podem ser negativos.";
inline constexpr char MensagemForaDoIntervalo[] = "Valores fora do intervalo de cálculo.";
inline constexpr char MensagemAnguloAtrito[] =
    "O ângulo de atrito do aterro deve estar entre 0 e 90 graus.";
inline constexpr char MensagemResistenciasNegativas[] =
    "Inclinação, coesão e resistências não drenadas não podem ser negativas.";
inline constexpr char MensagemFatorSeguranca[] = "O fator de segurança deve ser maior que zero.";
inline constexpr char MensagemPosicaoReforco[] =
    "A posição do reforço deve estar entre zero e a altura do aterro.";
inline constexpr char MensagemBermaLarga[] = "Berma muito larga.";
inline constexpr char MensagemCamadaDelgadaKaniraj[] =
    "A camada mole é delgada demais para as cunhas do método de Kaniraj: nenhuma cunha foi "
    "examinada.";
inline constexpr char MensagemCamadaDelgadaLow[] =
    "A camada mole é mais fina que metade da altura do aterro: o método de Low não examina "
    "nenhuma cunha.";
inline constexpr char MensagemSemCirculoBishop[] =
    "Nenhum círculo do método de Bishop atravessa o aterro e a camada mole com estes dados.";
inline constexpr char MensagemProfundidadeTrinca[] =
    "A profundidade da trinca de tração deve ser maior que zero.";
inline constexpr char MensagemCunhasSemReforco[] =
    "Há cunhas que o reforço não leva ao fator de segurança adotado; as solicitações mostradas "
    "não as consideram.";

enum class SituacaoDados {
    Aceitos,
    Incompletos,
    Negativos,
    ForaDoIntervalo,
    AnguloAtrito,
    ResistenciasNegativas,
    FatorSeguranca,
    PosicaoReforco,
    // The data are sound, but the method examines no wedge for them, so it has no answer.
    BermaMuitoLarga,      // every Kaniraj circle would cut the berm
    CamadaDelgadaKaniraj, // without a berm, no Kaniraj circle clears the toe within the layer
    CamadaDelgadaLow,     // the layer is thinner than Low's shallowest wedge, D = H/2
    SemCirculoBishop,     // no circle of Bishop's search cuts the fill and the soft layer
    ProfundidadeTrinca,   // a tension crack of no depth
};

// The checks every analysis makes before any search, in this order: H, γ or T zero; H, γ, T or Z
// negative; any value outside the range in which no computation of the analyses can overflow.
SituacaoDados VerificarDados(long double H, long double gama, long double T, long double Z,
                             std::initializer_list<long double> valores);

// The physical domain of data that passed VerificarDados, in this order: φ outside 0 ≤ φ < 90 (a
// wedge through a fill at 90° or more has no meaning, and tan φ blows up near 90); n, c, CS, CZ or
// CF negative; F zero or negative. A negative zero is zero.
SituacaoDados VerificarDominio(long double phi, long double n, long double c, long double CS,
                               long double CZ, long double CF, long double F);

const char* MensagemDaSituacao(SituacaoDados situacao);

// Watches the floating-point exception flags over one analysis: overflow, an invalid operation or a
// division by zero means a result must not be trusted. The caller's flags are restored at the end.
class VigiaPontoFlutuante {
public:
    VigiaPontoFlutuante();
    ~VigiaPontoFlutuante();
    VigiaPontoFlutuante(const VigiaPontoFlutuante&) = delete;
    VigiaPontoFlutuante& operator=(const VigiaPontoFlutuante&) = delete;

    bool Falhou() const;

private:
    std::fexcept_t salvos_;
};
