#include "Metodos.h"

#include <algorithm>

namespace {

// The force of one hypothesis: only a completed search answers.
RespostaMetodo ForcaKaniraj(const CunhasKaniraj& k) {
    if (k.relato.desfecho != DesfechoKaniraj::Calculado)
        return {};
    return {EstadoResposta::Valor, k.resultado.P};
}

// Low's forces and FS0 from one run: the record, and the wedges the record leaves out.
void RespostasLow(const CunhasLow& detalhe, AvaliacaoMetodos& a) {
    RespostaMetodo& Ph = a.P[Indice(Saida::LowHorizontal)];
    RespostaMetodo& Pb = a.P[Indice(Saida::LowBissetriz)];
    if (detalhe.relato.situacao != SituacaoDados::Aceitos)
        return;
    const ResultadoLow& r = detalhe.resultado;
    Ph = {EstadoResposta::Valor, r.Solicsolh};
    Pb = {EstadoResposta::Valor, r.Solicsolb};
    a.FS0 = {EstadoResposta::Valor, r.Fatsegsol};
    if (!detalhe.relato.haCunhaSemSolucao)
        return;
    // Every wedge left unsolved lacks at least its horizontal force, so Ph has none; the bisector
    // force still answers when every wedge has one.
    Ph = {EstadoResposta::SemSolucao};
    const bool todasBissetriz = std::all_of(detalhe.cunhas.begin(), detalhe.cunhas.end(),
                                            [](const CunhaLow& c) { return c.Pb.has_value(); });
    if (!todasBissetriz)
        Pb = {EstadoResposta::SemSolucao};
}

// Bishop's force: none for refused data; none either where some circle below F is one the
// reinforcement does not cross, since no force brings it to F.
RespostaMetodo ForcaBishop(const RelatoBishop& r) {
    if (r.situacao != SituacaoDados::Aceitos)
        return {};
    if (r.semSolucao)
        return {EstadoResposta::SemSolucao};
    return {EstadoResposta::Valor, r.P};
}

} // namespace

MetodosPedidos SoParaSaida(Saida saida) {
    switch (saida) {
    case Saida::KanirajComTrinca:
        return {true, false, false};
    case Saida::KanirajSemTrinca:
        return {false, true, false};
    case Saida::LowHorizontal:
    case Saida::LowBissetriz:
    case Saida::FS0:
        return SoLow;
    case Saida::Bishop:
        return SoBishop;
    }
    return {};
}

AvaliacaoMetodos AvaliarMetodos(const DadosAnalise& dados, MetodosPedidos pedidos) {
    AvaliacaoMetodos a;
    a.dados = dados;
    if (pedidos.comTrinca) {
        a.comTrinca = DetalheKaniraj(HipoteseKaniraj::ComTrinca, dados);
        a.P[Indice(Saida::KanirajComTrinca)] = ForcaKaniraj(*a.comTrinca);
    }
    if (pedidos.semTrinca) {
        a.semTrinca = DetalheKaniraj(HipoteseKaniraj::SemTrinca, dados);
        a.P[Indice(Saida::KanirajSemTrinca)] = ForcaKaniraj(*a.semTrinca);
    }
    if (pedidos.low) {
        a.low = DetalheLow(dados);
        RespostasLow(*a.low, a);
    }
    if (pedidos.bishop) {
        TrincaBishop trinca;
        trinca.atravesDoAterro = dados.fatores.TrincaBishop;
        a.bishop = AnaliseBishop(dados.problema, dados.fatores.Fatsegbishop,
                                 dados.fatores.Posrefbishop, trinca);
        a.P[Indice(Saida::Bishop)] = ForcaBishop(*a.bishop);
    }
    // Kaniraj's checks include Low's: its refusal comes first (the crack's, which reads the same
    // data as the intact fill's but for the fill's strength).
    const auto situacao = [](const auto& corrida) {
        return corrida ? corrida->relato.situacao : SituacaoDados::Aceitos;
    };
    const SituacaoDados deBishop = a.bishop ? a.bishop->situacao : SituacaoDados::Aceitos;
    for (SituacaoDados s : {situacao(a.comTrinca), situacao(a.low), deBishop}) {
        if (s != SituacaoDados::Aceitos) {
            a.situacao = s;
            break;
        }
    }
    for (SituacaoDados s :
         {situacao(a.comTrinca), situacao(a.semTrinca), situacao(a.low), deBishop}) {
        if (s != SituacaoDados::Aceitos) {
            a.motivo = MensagemDaSituacao(s);
            break;
        }
    }
    return a;
}

bool Pedida(const AvaliacaoMetodos& a, Saida saida) {
    switch (saida) {
    case Saida::KanirajComTrinca:
        return a.comTrinca.has_value();
    case Saida::KanirajSemTrinca:
        return a.semTrinca.has_value();
    case Saida::LowHorizontal:
    case Saida::LowBissetriz:
    case Saida::FS0:
        return a.low.has_value();
    case Saida::Bishop:
        return a.bishop.has_value();
    }
    return false;
}

bool RespondeKaniraj(const DadosAnalise& corrida, const DadosAnalise& dados) {
    return corrida.problema == dados.problema &&
           corrida.fatores.Fatsegkan == dados.fatores.Fatsegkan &&
           corrida.fatores.Posref == dados.fatores.Posref;
}

bool RespondeBishop(const DadosAnalise& corrida, const DadosAnalise& dados) {
    return corrida.problema == dados.problema &&
           corrida.fatores.Fatsegbishop == dados.fatores.Fatsegbishop &&
           corrida.fatores.Posrefbishop == dados.fatores.Posrefbishop &&
           corrida.fatores.TrincaBishop == dados.fatores.TrincaBishop;
}

bool RespondeLow(const DadosAnalise& corrida, const DadosAnalise& dados) {
    return MesmoProblemaLow(corrida.problema, dados.problema) &&
           corrida.fatores.Fatseglow == dados.fatores.Fatseglow;
}
