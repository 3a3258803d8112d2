#include "Projetos.h"

#include "Dialogos.h"
#include "Tela.h"
#include "Telas.h"
#include "data/Mensagens.h"

#include <QCheckBox>
#include <QComboBox>
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
QWidget* Controle(const char* nome) {
    for (int i = 0; i < NumeroDeTelas; ++i) {
        if (Tela* tela = Telas::Buscar(static_cast<IdTela>(i))) {
            if (auto* controle = tela->findChild<QWidget*>(QString::fromLatin1(nome))) {
                return controle;
            }
        }
    }
    return nullptr;
}

// A value as its control holds it: a field's text, a list's choice, a box's "sim" or "nao".
QString TextoDe(const QWidget* controle) {
    if (const auto* campo = qobject_cast<const QLineEdit*>(controle)) {
        return campo->text();
    }
    if (const auto* lista = qobject_cast<const QComboBox*>(controle)) {
        return lista->currentText();
    }
    if (const auto* caixa = qobject_cast<const QCheckBox*>(controle)) {
        return caixa->isChecked() ? QStringLiteral("sim") : QStringLiteral("nao");
    }
    return {};
}

void EscreverEm(QWidget* controle, const QString& texto) {
    if (auto* campo = qobject_cast<QLineEdit*>(controle)) {
        campo->setText(texto);
    } else if (auto* lista = qobject_cast<QComboBox*>(controle)) {
        lista->setCurrentText(texto);
    } else if (auto* caixa = qobject_cast<QCheckBox*>(controle)) {
        caixa->setChecked(texto == QLatin1String("sim"));
    }
}

void ProjetoNasTelas(const Projeto& projeto) {
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        if (QWidget* controle = Controle(CamposProjeto[i].controle)) {
            EscreverEm(controle, projeto.valores[i]);
        }
    }
    if (QWidget* descricao = Controle(ControleDescricao)) {
        EscreverEm(descricao, projeto.descricao);
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
        if (const QWidget* controle = Controle(CamposProjeto[i].controle)) {
            projeto.valores[i] = TextoDe(controle);
        }
    }
    if (const QWidget* descricao = Controle(ControleDescricao)) {
        projeto.descricao = TextoDe(descricao);
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
