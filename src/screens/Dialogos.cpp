#include "Dialogos.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
EscolhedorArquivo& escolhedorAtual() {
    static EscolhedorArquivo escolhedor;
    return escolhedor;
}

Perguntador& perguntadorAtual() {
    static Perguntador perguntador;
    return perguntador;
}
} // namespace

QString EscolherArquivo(QWidget* pai, Dialogo dialogo, const QString& titulo,
                        const QString& sugestao, const QString& filtro) {
    if (escolhedorAtual()) {
        return escolhedorAtual()(pai, dialogo, sugestao, filtro);
    }
    return dialogo == Dialogo::Abrir ? QFileDialog::getOpenFileName(pai, titulo, sugestao, filtro)
                                     : QFileDialog::getSaveFileName(pai, titulo, sugestao, filtro);
}

void DefinirEscolhedorArquivo(EscolhedorArquivo escolhedor) {
    escolhedorAtual() = std::move(escolhedor);
}

Resposta Perguntar(QWidget* pai, const QString& pergunta, Opcoes opcoes) {
    if (perguntadorAtual()) {
        return perguntadorAtual()(pai, pergunta);
    }
    QMessageBox::StandardButtons botoes = QMessageBox::Yes | QMessageBox::No;
    if (opcoes == Opcoes::SimNaoCancelar) {
        botoes |= QMessageBox::Cancel;
    }
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Veltra"), pergunta, botoes, pai);
    caixa.setDefaultButton(QMessageBox::Yes);
    caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    caixa.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    if (opcoes == Opcoes::SimNaoCancelar) {
        caixa.button(QMessageBox::Cancel)->setText(QStringLiteral("&Cancelar"));
    }
    switch (caixa.exec()) {
    case QMessageBox::Yes:
        return Resposta::Sim;
    case QMessageBox::No:
        return Resposta::Nao;
    default:
        return Resposta::Cancelar;
    }
}

void DefinirPerguntador(Perguntador perguntador) {
    perguntadorAtual() = std::move(perguntador);
}
