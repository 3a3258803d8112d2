#include "RelatorioDasTelas.h"

#include "Dialogos.h"
#include "Projetos.h"
#include "data/EstadoExecucao.h"
#include "data/Mensagens.h"
#include "relatorio/ProjetoDigitado.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

MetodosAtuais MetodosDasTelas() {
    const Projeto projeto = ProjetoDasTelas();
    const EstadoExecucao& x = Execucao();
    const auto mesmo = [&](const char* chave, long double usado) {
        const auto v = ValorDigitado(projeto, chave);
        return v && *v == usado;
    };
    // The data as typed now, read as the runs read them.
    const std::optional<DadosEntrada> dados = ProblemaDigitado(projeto);
    MetodosAtuais atuais;
    if (dados) {
        atuais.kaniraj = x.DadosKaniraj && *x.DadosKaniraj == *dados &&
                         mesmo("Fatsegkan", x.Fatsegkan) && mesmo("Posref", x.Posref);
        atuais.low =
            x.DadosLow && MesmoProblemaLow(*x.DadosLow, *dados) && mesmo("Fatseglow", x.Fatseglow);
    }
    return atuais;
}

ConteudoRelatorio RelatorioDasTelas() {
    const MetodosAtuais atuais = MetodosDasTelas();
    const QString arquivo = ArquivoDoProjeto();
    ConteudoRelatorio conteudo = CalcularRelatorio(
        ProjetoDasTelas(), arquivo.isEmpty() ? QString() : QFileInfo(arquivo).fileName(),
        atuais.kaniraj, atuais.low, static_cast<EscolhaForca>(Execucao().EscolhaForcaGovernante));
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
