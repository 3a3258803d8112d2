#include "RelatorioDasTelas.h"

#include "Dialogos.h"
#include "Projetos.h"
#include "SegundoPlano.h"
#include "data/EstadoExecucao.h"
#include "data/Mensagens.h"
#include "relatorio/ProjetoDigitado.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QUrl>

namespace {

// The samples of the reliability analysis the report needs and no window has run, in the
// background while a dialog shows how far they went; false when the user cancelled them or they
// failed (the error handler has said why).
bool AmostrarParaORelatorio(QWidget* pai, const PedidoConfiabilidade& pedido) {
    QProgressDialog andamento(
        QStringLiteral("Calculando as amostras da análise de confiabilidade para o memorial..."),
        QStringLiteral("Cancelar"), 0, pedido.amostras, pai);
    andamento.setWindowTitle(QStringLiteral("Memorial de cálculo"));
    andamento.setWindowModality(Qt::WindowModal);
    andamento.setAutoClose(false);
    andamento.setAutoReset(false);
    andamento.setMinimumDuration(0);
    std::exception_ptr erro;
    SegundoPlano<std::shared_ptr<const ResultadoConfiabilidade>> trabalho;
    trabalho.aoProgredir = [&](int feitos) { andamento.setValue(feitos); };
    trabalho.aoTerminar = [&](std::shared_ptr<const ResultadoConfiabilidade> resultado) {
        GuardarConfiabilidade(std::move(resultado));
        andamento.done(QDialog::Accepted);
    };
    trabalho.aoFalhar = [&](std::exception_ptr e) {
        erro = e;
        andamento.done(QDialog::Rejected);
    };
    QObject::connect(&andamento, &QProgressDialog::canceled, &andamento,
                     [&trabalho] { trabalho.Cancelar(); });
    trabalho.Iniciar([pedido](const Continuacao& continuar)
                         -> std::optional<std::shared_ptr<const ResultadoConfiabilidade>> {
        auto resultado = Amostrar(pedido, continuar);
        if (!resultado) {
            return std::nullopt;
        }
        return std::make_shared<const ResultadoConfiabilidade>(std::move(*resultado));
    });
    const bool feito = andamento.exec() == QDialog::Accepted;
    // The screen that asked for the report is the one the user goes on with.
    if (pai && pai->window()->isVisible()) {
        pai->window()->raise();
        pai->window()->activateWindow();
    }
    if (erro) {
        TratarErro(erro);
    }
    return feito;
}

} // namespace

MetodosAtuais MetodosDasTelas() {
    const Projeto projeto = ProjetoDasTelas();
    const EstadoExecucao& x = Execucao();
    // The data as typed now, read as the runs read them, each method with its own factors.
    const std::optional<DadosEntrada> problema = ProblemaDigitado(projeto);
    MetodosAtuais atuais;
    if (!problema) {
        return atuais;
    }
    const auto F = ValorDigitado(projeto, "Fatsegkan");
    const auto a = ValorDigitado(projeto, "Posref");
    const auto Flow = ValorDigitado(projeto, "Fatseglow");
    atuais.kaniraj = x.DadosKaniraj && F && a &&
                     RespondeKaniraj(*x.DadosKaniraj, {*problema, {.Fatsegkan = *F, .Posref = *a}});
    atuais.low = x.DadosLow && Flow && RespondeLow(*x.DadosLow, {*problema, {.Fatseglow = *Flow}});
    const auto Fb = ValorDigitado(projeto, "Fatsegbishop");
    const auto ab = ValorDigitado(projeto, "Posrefbishop");
    const bool trinca = TextoDigitado(projeto, "TrincaBishop") == QLatin1String("sim");
    atuais.bishop =
        x.DadosBishop && Fb && ab &&
        RespondeBishop(
            *x.DadosBishop,
            {*problema, {.Fatsegbishop = *Fb, .Posrefbishop = *ab, .TrincaBishop = trinca}});
    return atuais;
}

ConteudoRelatorio RelatorioDasTelas() {
    const MetodosAtuais atuais = MetodosDasTelas();
    const QString arquivo = ArquivoDoProjeto();
    ConteudoRelatorio conteudo = CalcularRelatorio(
        ProjetoDasTelas(), arquivo.isEmpty() ? QString() : QFileInfo(arquivo).fileName(),
        atuais.kaniraj, atuais.low, EscolhaNaLista(Execucao().EscolhaForcaGovernante),
        atuais.bishop);
    conteudo.alterado = ProjetoAlterado();
    return conteudo;
}

void RelatorioComDialogo(QWidget* pai) {
    const QString arquivo = ArquivoDoProjeto();
    const QString sugestao =
        arquivo.isEmpty() ? QDir::home().filePath(QStringLiteral("memorial.pdf"))
                          : QFileInfo(arquivo).absolutePath() + QLatin1Char('/') +
                                QFileInfo(arquivo).completeBaseName() + QStringLiteral(".pdf");
    QString caminho =
        EscolherArquivo(pai, Dialogo::Salvar, QStringLiteral("Salvar memorial de cálculo"),
                        sugestao, QStringLiteral("Documento PDF (*.pdf)"));
    if (caminho.isEmpty()) {
        return;
    }
    if (!caminho.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        caminho += QStringLiteral(".pdf");
    }
    QString problema;
    if (const auto pedido = ConfiabilidadeDoRelatorio(ProjetoDasTelas(), problema);
        pedido && !ConfiabilidadeGuardada(*pedido) && !AmostrarParaORelatorio(pai, *pedido)) {
        return;
    }
    const QString erro = GravarRelatorio(RelatorioDasTelas(), caminho);
    if (!erro.isEmpty()) {
        ExibirMensagem(erro.toStdString());
        return;
    }
    if (Perguntar(pai,
                  QStringLiteral("Memorial de cálculo salvo em \u00ab%1\u00bb. Deseja abri-lo?")
                      .arg(QFileInfo(caminho).fileName()),
                  Opcoes::SimNao) == Resposta::Sim) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(caminho));
    }
}
