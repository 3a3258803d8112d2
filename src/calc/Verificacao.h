#pragma once

#include <cfenv>
#include <initializer_list>

// What the analyses tell the user about data they cannot compute.
inline constexpr char MensagemDadosIncompletos[] = "Dados incompletos.";
inline constexpr char MensagemNegativos[] =
    "Altura, peso específico, espessura e Z não podem ser negativos.";
inline constexpr char MensagemForaDoIntervalo[] = "Valores fora do intervalo de cálculo.";
inline constexpr char MensagemBermaLarga[] = "Berma muito larga.";
inline constexpr char MensagemCunhasSemReforco[] =
    "Há cunhas que o reforço não leva ao fator de segurança adotado; as solicitações mostradas "
    "não as consideram.";

enum class SituacaoDados { Aceitos, Incompletos, Negativos, ForaDoIntervalo };

// The checks every analysis makes before any search, in this order: H, γ or T zero; H, γ, T or Z
// negative; any value outside the range in which no computation of the analyses can overflow.
SituacaoDados VerificarDados(long double H, long double gama, long double T, long double Z,
                             std::initializer_list<long double> valores);

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
