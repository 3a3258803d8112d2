#include "Verificacao.h"

#include <cmath>

namespace {

// Every magnitude the analyses accept lies in [1E-100, 1E100] (or is zero). Within it no quotient,
// product or power of their formulas comes near the extended range (about 1E±4932); physical data
// are many orders of magnitude inside it.
constexpr long double maiorValor = 1e100L;
constexpr long double menorValor = 1e-100L;

bool NoIntervalo(long double v) {
    if (!std::isfinite(v))
        return false;
    const long double m = std::fabs(v);
    return m == 0 || (m >= menorValor && m <= maiorValor);
}

} // namespace

SituacaoDados VerificarDados(long double H, long double gama, long double T, long double Z,
                             std::initializer_list<long double> valores) {
    if (H == 0 || gama == 0 || T == 0)
        return SituacaoDados::Incompletos;
    if (H < 0 || gama < 0 || T < 0 || Z < 0)
        return SituacaoDados::Negativos;
    for (long double v : valores)
        if (!NoIntervalo(v))
            return SituacaoDados::ForaDoIntervalo;
    return SituacaoDados::Aceitos;
}

SituacaoDados VerificarDominio(long double phi, long double n, long double c, long double CS,
                               long double CZ, long double CF, long double F) {
    if (!(phi >= 0 && phi < 90))
        return SituacaoDados::AnguloAtrito;
    if (n < 0 || c < 0 || CS < 0 || CZ < 0 || CF < 0)
        return SituacaoDados::ResistenciasNegativas;
    if (!(F > 0))
        return SituacaoDados::FatorSeguranca;
    return SituacaoDados::Aceitos;
}

const char* MensagemDaSituacao(SituacaoDados situacao) {
    switch (situacao) {
    case SituacaoDados::Incompletos:
        return MensagemDadosIncompletos;
    case SituacaoDados::Negativos:
        return MensagemNegativos;
    case SituacaoDados::ForaDoIntervalo:
        return MensagemForaDoIntervalo;
    case SituacaoDados::AnguloAtrito:
        return MensagemAnguloAtrito;
    case SituacaoDados::ResistenciasNegativas:
        return MensagemResistenciasNegativas;
    case SituacaoDados::FatorSeguranca:
        return MensagemFatorSeguranca;
    case SituacaoDados::PosicaoReforco:
        return MensagemPosicaoReforco;
    case SituacaoDados::BermaMuitoLarga:
        return MensagemBermaLarga;
    case SituacaoDados::CamadaDelgadaKaniraj:
        return MensagemCamadaDelgadaKaniraj;
    case SituacaoDados::CamadaDelgadaLow:
        return MensagemCamadaDelgadaLow;
    case SituacaoDados::SemCirculoBishop:
        return MensagemSemCirculoBishop;
    case SituacaoDados::ProfundidadeTrinca:
        return MensagemProfundidadeTrinca;
    case SituacaoDados::Aceitos:
        break;
    }
    return "";
}

VigiaPontoFlutuante::VigiaPontoFlutuante() {
    std::fegetexceptflag(&salvos_, FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
}

VigiaPontoFlutuante::~VigiaPontoFlutuante() {
    std::fesetexceptflag(&salvos_, FE_ALL_EXCEPT);
}

bool VigiaPontoFlutuante::Falhou() const {
    return std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO) != 0;
}
