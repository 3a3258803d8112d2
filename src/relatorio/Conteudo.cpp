// What the report holds: the typed design read as the runs read it, each method run silently (or
// the reason it is not calculated), the anchorage lengths of the forces shown, and the checks.

#include "ProjetoDigitado.h"
#include "Relatorio.h"
#include "TextoConfiabilidade.h"
#include "calc/Ancoragem.h"
#include "calc/Verificacao.h"
#include "data/FormatoGeral.h"

namespace {

QString Motivo(const char* mensagem) {
    return QString::fromUtf8(mensagem).chopped(1); // without its full stop
}

// A method's input that is not typed, or not a number: "posição do reforço vazio"; empty when it
// is a number.
QString CampoNaoDigitado(const ConteudoRelatorio& c, const char* chave, const char* nome) {
    if (ValorDigitado(c.projeto, chave)) {
        return {};
    }
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(nome),
                                       TextoDigitado(c.projeto, chave).isEmpty()
                                           ? QStringLiteral("vazio")
                                           : QStringLiteral("não numérico"));
}

// Why a method is left "não calculado": a factor not typed, its own refusal of the data, or a
// last run on other data.
QString MotivoNaoCalculado(const ConteudoRelatorio& c, const AvaliacaoMetodos& a, bool kaniraj) {
    const auto campo = [&](const char* chave, const char* nome) {
        return CampoNaoDigitado(c, chave, nome);
    };
    if (kaniraj) {
        QString motivo = campo("Fatsegkan", "fator de segurança de Kaniraj");
        if (motivo.isEmpty()) {
            motivo = campo("Posref", "posição do reforço");
        }
        if (!motivo.isEmpty()) {
            return motivo;
        }
        const RelatoKaniraj& relato = a.comTrinca->relato;
        return relato.desfecho == DesfechoKaniraj::Rejeitado
                   ? Motivo(MensagemDaSituacao(relato.situacao))
                   : QStringLiteral("não calculado para os dados e fatores digitados");
    }
    QString motivo = campo("Fatseglow", "fator de segurança de Low");
    if (!motivo.isEmpty()) {
        return motivo;
    }
    const RelatoLow& relato = a.low->relato;
    return relato.situacao != SituacaoDados::Aceitos
               ? Motivo(MensagemDaSituacao(relato.situacao))
               : QStringLiteral("não calculado para os dados e o fator digitados");
}

void Kaniraj(ConteudoRelatorio& c, const AvaliacaoMetodos& a) {
    if (a.comTrinca->relato.desfecho == DesfechoKaniraj::Rejeitado) {
        c.avisos << QStringLiteral("Kaniraj: %1")
                        .arg(QString::fromUtf8(MensagemDaSituacao(a.comTrinca->relato.situacao)));
        return;
    }
    c.comTrinca = a.comTrinca;
    c.semTrinca = a.semTrinca;
    const std::string aviso = AvisoProfundidadesSemRaio(
        c.comTrinca->relato.examinadas, c.comTrinca->relato.semRaio, c.semTrinca->relato.semRaio);
    if (!aviso.empty()) {
        c.avisos << QStringLiteral("Kaniraj: %1").arg(QString::fromStdString(aviso));
    }
}

void Low(ConteudoRelatorio& c, const AvaliacaoMetodos& a) {
    const CunhasLow& l = *a.low;
    if (l.relato.situacao != SituacaoDados::Aceitos) {
        c.avisos << QStringLiteral("Low: %1").arg(
            QString::fromUtf8(MensagemDaSituacao(l.relato.situacao)));
        return;
    }
    if (l.relato.haCunhaSemSolucao) {
        c.avisos << QStringLiteral("Low: %1").arg(QString::fromUtf8(MensagemCunhasSemReforco));
    }
    c.low = l;
}

// Bishop's search when it counts as calculated and its inputs are typed; else why not.
void Bishop(ConteudoRelatorio& c, const AvaliacaoMetodos& a, bool calculado) {
    if (!a.bishop || !calculado) {
        QString motivo = CampoNaoDigitado(c, "Fatsegbishop", "fator de segurança de Bishop");
        if (motivo.isEmpty()) {
            motivo = CampoNaoDigitado(c, "Posrefbishop", "posição do reforço");
        }
        if (!motivo.isEmpty()) {
            c.avisos << QStringLiteral("Bishop: %1.").arg(motivo);
        } else if (!calculado) {
            c.avisos << QStringLiteral("Bishop: não calculado para os dados e fatores digitados.");
        }
        return;
    }
    if (a.bishop->situacao != SituacaoDados::Aceitos) {
        c.avisos << QStringLiteral("Bishop: %1")
                        .arg(QString::fromUtf8(MensagemDaSituacao(a.bishop->situacao)));
        return;
    }
    if (a.bishop->semSolucao) {
        c.avisos << QStringLiteral("Bishop: há círculos abaixo do fator de segurança adotado que o "
                                   "reforço não atravessa; nenhuma solicitação os estabiliza.");
    }
    if (a.bishop->naBorda) {
        c.avisos << QStringLiteral("Bishop: o círculo crítico ficou na borda da malha de centros.");
    }
    c.bishop = a.bishop;
}

// The lengths of the forces shown, from the interfaces typed.
void Ancoragens(ConteudoRelatorio& c) {
    const auto valor = [&](const char* chave) { return ValorDigitado(c.projeto, chave); };
    const auto cf = valor("CoeGeo1"), df = valor("AngGeo1");
    const auto ce = valor("CoeGeo2"), de = valor("AngGeo2");
    const auto fs = valor("FS1");
    // Bishop's force, where no circle below F escapes the reinforcement.
    const bool bishop = c.bishop && !c.bishop->semSolucao;
    if (!(cf && df && ce && de && fs && (c.comTrinca || c.low || bishop))) {
        return;
    }
    ComprimentosAncoragem l;
    const long double zero = 0;
    const SituacaoAncoragem s = CalcAncoragem(c.dados->Alt, c.dados->Pesesp, *cf, *df, *ce, *de,
                                              *fs, c.comTrinca ? c.comTrinca->resultado.P : zero,
                                              c.semTrinca ? c.semTrinca->resultado.P : zero,
                                              c.low ? c.low->resultado.Solicsolh : zero,
                                              c.low ? c.low->resultado.Solicsolb : zero, l);
    long double deBishop = 0;
    const SituacaoAncoragem sb =
        CalcAncoragemForca(c.dados->Alt, c.dados->Pesesp, *cf, *df, *ce, *de, *fs,
                           bishop ? c.bishop->P : zero, deBishop);
    if (s != SituacaoAncoragem::Calculada || sb != SituacaoAncoragem::Calculada) {
        c.avisos << QStringLiteral("Ancoragem: os parâmetros das interfaces não permitem "
                                   "calcular os comprimentos.");
        return;
    }
    if (c.comTrinca) {
        c.ComTr = l.ComTr;
        c.SemTr = l.SemTr;
    }
    if (c.low) {
        c.Horiz = l.Horiz;
        c.Biss = l.Biss;
    }
    if (bishop) {
        c.AncoragemBishop = deBishop;
    }
}

// The reliability analysis of the typed design when some value varies: the window's run when it
// answers the same request (the same numbers), else run here.
void Confiabilidade(ConteudoRelatorio& c) {
    QString problema;
    const std::optional<PedidoConfiabilidade> pedido =
        ConfiabilidadeDoRelatorio(c.projeto, problema);
    if (!pedido) {
        if (!problema.isEmpty()) {
            c.avisos << QStringLiteral("Confiabilidade: %1").arg(problema);
        }
        return;
    }
    c.confiabilidade = ConfiabilidadeGuardada(*pedido);
    if (!c.confiabilidade) {
        c.confiabilidade = std::make_shared<const ResultadoConfiabilidade>(*Amostrar(*pedido));
        GuardarConfiabilidade(c.confiabilidade);
    }
    if (AvisarSemResposta(*c.confiabilidade)) {
        c.avisos << QStringLiteral("Confiabilidade: %1 das %2 amostras não têm resposta (%3); as "
                                   "estatísticas não as consideram.")
                        .arg(c.confiabilidade->semResposta)
                        .arg(c.confiabilidade->amostras.size())
                        .arg(QString::fromUtf8(c.confiabilidade->motivoSemResposta));
    }
    if (c.confiabilidade->bishopNaBorda > 0) {
        c.avisos << QStringLiteral("Confiabilidade: %1").arg(AvisoBishopNaBorda(*c.confiabilidade));
    }
}

} // namespace

std::optional<PedidoConfiabilidade> ConfiabilidadeDoRelatorio(const Projeto& projeto,
                                                              QString& problema) {
    problema.clear();
    if (!VariacaoDigitada(projeto)) {
        return std::nullopt;
    }
    // With no Td of its own, the analysis takes the checks' design strength, as its window does.
    Projeto comTd = projeto;
    const auto Td = ResistenciaDeProjetoDigitada(comTd);
    if (TextoDigitado(comTd, "TdConfiabilidade").trimmed().isEmpty() && Td) {
        EscreverDigitado(comTd, "TdConfiabilidade", QString::fromStdString(FormatoGeral(*Td)));
    }
    return ConfiabilidadeDigitada(comTd, problema);
}

ConteudoRelatorio CalcularRelatorio(const Projeto& projeto, const QString& arquivo, bool kaniraj,
                                    bool low, EscolhaForca escolha, bool bishop) {
    ConteudoRelatorio c;
    c.projeto = projeto;
    c.arquivo = arquivo;
    c.dados = ProblemaDigitado(projeto);
    if (!c.dados) {
        c.avisos << QStringLiteral("Dados de entrada incompletos ou não numéricos: nenhum método "
                                   "foi calculado.");
        return c;
    }
    c.Fatsegkan = ValorDigitado(projeto, "Fatsegkan");
    c.Posref = ValorDigitado(projeto, "Posref");
    c.Fatseglow = ValorDigitado(projeto, "Fatseglow");

    // One run of each method whose factors are typed gives the report's results, the reasons of
    // those left out and the checks (which count every method run, as their window does).
    c.Fatsegbishop = ValorDigitado(projeto, "Fatsegbishop");
    c.Posrefbishop = ValorDigitado(projeto, "Posrefbishop");
    c.TrincaBishop = TextoDigitado(projeto, "TrincaBishop") == QLatin1String("sim");
    const bool fatoresKaniraj = c.Fatsegkan && c.Posref;
    const bool fatoresBishop = c.Fatsegbishop && c.Posrefbishop;
    const DadosAnalise dados{*c.dados,
                             {.Fatsegkan = fatoresKaniraj ? *c.Fatsegkan : 0,
                              .Posref = fatoresKaniraj ? *c.Posref : 0,
                              .Fatseglow = c.Fatseglow.value_or(0),
                              .Fatsegbishop = c.Fatsegbishop.value_or(0),
                              .Posrefbishop = c.Posrefbishop.value_or(0),
                              .TrincaBishop = c.TrincaBishop}};
    const AvaliacaoMetodos metodos = AvaliarMetodos(
        dados, {fatoresKaniraj, fatoresKaniraj, c.Fatseglow.has_value(), fatoresBishop});
    if (kaniraj && fatoresKaniraj) {
        Kaniraj(c, metodos);
    } else {
        c.avisos << QStringLiteral("Kaniraj: %1.").arg(MotivoNaoCalculado(c, metodos, true));
    }
    if (low && c.Fatseglow) {
        Low(c, metodos);
    } else {
        c.avisos << QStringLiteral("Low: %1.").arg(MotivoNaoCalculado(c, metodos, false));
    }
    Bishop(c, metodos, bishop);
    Ancoragens(c);

    QString invalido;
    if (DadosDigitados(projeto, invalido)) {
        c.entradaVerificacoes = VerificacoesDigitadas(projeto, metodos, escolha);
        c.verificacoes = Verificar(*c.entradaVerificacoes);
    } else {
        c.avisos << QStringLiteral("Verificações complementares: o valor de «%1» não é um número.")
                        .arg(invalido);
    }
    Confiabilidade(c);
    return c;
}
