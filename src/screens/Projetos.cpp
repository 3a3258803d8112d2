#include "Projetos.h"

#include "Dialogos.h"
#include "Tela.h"
#include "Telas.h"
#include "data/Mensagens.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>

namespace {

struct Estado {
    Projeto ultimo = ProjetoInicial(); // as last opened or saved; at start, the new design
    QString arquivo;
};

Estado& estado() {
    static Estado e;
    return e;
}

const QString filtro = QStringLiteral("Projetos Veltra (*.veltra)");
const QString chavePasta = QStringLiteral("projetos/pasta");
const QString chaveRecentes = QStringLiteral("projetos/recentes");

// The control that holds a value, wherever it is: each is on exactly one screen.
QLineEdit* Controle(const char* nome) {
    for (int i = 0; i < NumeroDeTelas; ++i) {
        if (Tela* tela = Telas::Buscar(static_cast<IdTela>(i))) {
            if (auto* campo = tela->findChild<QLineEdit*>(QString::fromLatin1(nome))) {
                return campo;
            }
        }
    }
    return nullptr;
}

void ProjetoNasTelas(const Projeto& projeto) {
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        if (QLineEdit* campo = Controle(CamposProjeto[i].controle)) {
            campo->setText(projeto.valores[i]);
        }
    }
    if (QLineEdit* descricao = Controle(ControleDescricao)) {
        descricao->setText(projeto.descricao);
    }
}

QString Escolher(QWidget* pai, Dialogo dialogo, const QString& sugestao) {
    return EscolherArquivo(pai, dialogo,
                           dialogo == Dialogo::Abrir ? QStringLiteral("Abrir projeto")
                                                     : QStringLiteral("Salvar projeto"),
                           sugestao, filtro);
}

QString UltimaPasta() {
    return QSettings().value(chavePasta, QDir::homePath()).toString();
}

void LembrarPasta(const QString& caminho) {
    QSettings().setValue(chavePasta, QFileInfo(caminho).absolutePath());
}

void GuardarRecentes(QStringList recentes) {
    while (recentes.size() > NumeroDeRecentes) {
        recentes.removeLast();
    }
    QSettings().setValue(chaveRecentes, recentes);
}

// The design's file from now on: the one just opened or saved, first in the recent list.
void TornarArquivoDoProjeto(const QString& caminho, const Projeto& projeto) {
    const QString absoluto = QFileInfo(caminho).absoluteFilePath();
    estado().ultimo = projeto;
    estado().arquivo = absoluto;
    LembrarPasta(absoluto);
    QStringList recentes = ProjetosRecentes();
    recentes.removeAll(absoluto);
    recentes.prepend(absoluto);
    GuardarRecentes(recentes);
}

bool Gravar(const QString& caminho) {
    const Projeto projeto = ProjetoDasTelas();
    const Desfecho desfecho = GravarProjeto(caminho, projeto);
    if (!desfecho.ok) {
        ExibirMensagem(desfecho.mensagem.toStdString());
        return false;
    }
    TornarArquivoDoProjeto(caminho, projeto);
    return true;
}

} // namespace

Projeto ProjetoDasTelas() {
    Projeto projeto;
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        if (const QLineEdit* campo = Controle(CamposProjeto[i].controle)) {
            projeto.valores[i] = campo->text();
        }
    }
    if (const QLineEdit* descricao = Controle(ControleDescricao)) {
        projeto.descricao = descricao->text();
    }
    return projeto;
}

QString ArquivoDoProjeto() {
    return estado().arquivo;
}

bool ProjetoAlterado() {
    return ProjetoDasTelas() != estado().ultimo;
}

void AbrirProjetoComDialogo(QWidget* pai) {
    if (!ConfirmarSaida(pai)) {
        return;
    }
    const QString caminho = Escolher(pai, Dialogo::Abrir, UltimaPasta());
    if (!caminho.isEmpty()) {
        AbrirProjeto(caminho);
    }
}

bool AbrirProjeto(const QString& caminho) {
    Projeto projeto;
    const Desfecho desfecho = LerProjeto(caminho, projeto);
    if (!desfecho.ok) {
        ExibirMensagem(desfecho.mensagem.toStdString());
        return false;
    }
    ProjetoNasTelas(projeto);
    TornarArquivoDoProjeto(caminho, projeto);
    Telas::Mostrar(IdTela::Entdad);
    return true;
}

void AbrirProjetoRecente(QWidget* pai, const QString& caminho) {
    if (!QFileInfo(caminho).isFile()) {
        QStringList recentes = ProjetosRecentes();
        recentes.removeAll(caminho);
        GuardarRecentes(recentes);
        ExibirMensagem(QStringLiteral("O projeto \u00ab%1\u00bb não existe mais em \u00ab%2\u00bb "
                                      "e foi retirado da lista de projetos recentes.")
                           .arg(QFileInfo(caminho).fileName(),
                                QDir::toNativeSeparators(QFileInfo(caminho).absolutePath()))
                           .toStdString());
        return;
    }
    if (ConfirmarSaida(pai)) {
        AbrirProjeto(caminho);
    }
}

QStringList ProjetosRecentes() {
    return QSettings().value(chaveRecentes).toStringList().mid(0, NumeroDeRecentes);
}

bool SalvarProjeto(QWidget* pai) {
    if (estado().arquivo.isEmpty()) {
        return SalvarProjetoComo(pai);
    }
    return Gravar(estado().arquivo);
}

bool SalvarProjetoComo(QWidget* pai) {
    const QString sugestao = estado().arquivo.isEmpty()
                                 ? QDir(UltimaPasta()).filePath(QStringLiteral("projeto.veltra"))
                                 : estado().arquivo;
    QString caminho = Escolher(pai, Dialogo::Salvar, sugestao);
    if (caminho.isEmpty()) {
        return false;
    }
    if (!caminho.endsWith(QStringLiteral(".veltra"), Qt::CaseInsensitive)) {
        caminho += QStringLiteral(".veltra");
    }
    return Gravar(caminho);
}

bool ConfirmarSaida(QWidget* pai) {
    if (!ProjetoAlterado()) {
        return true;
    }
    switch (Perguntar(pai, QString::fromUtf8(PerguntaSalvar), Opcoes::SimNaoCancelar)) {
    case Resposta::Sim:
        return SalvarProjeto(pai);
    case Resposta::Nao:
        return true;
    case Resposta::Cancelar:
        break;
    }
    return false;
}

void ReiniciarProjeto() {
    estado().ultimo = ProjetoInicial();
    estado().arquivo.clear();
}
