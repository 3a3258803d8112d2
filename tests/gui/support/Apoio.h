#pragma once

// What the window tests share: the whole program started per test, a recorder in place of the
// message box, and a finder that fails loudly and lists what exists when a name is wrong.

#include "app/Aplicacao.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>

// Lists the object names under the root; used when a control is not found.
QString NomesDosFilhos(const QWidget* raiz);

// The named child of the given type, or the test program stops with the list of what exists.
template <class T> T* Achar(const QWidget* raiz, const QString& nome) {
    T* filho = raiz->findChild<T*>(nome);
    if (!filho) {
        qFatal("Controle \"%s\" nao encontrado em %s. Existem: %s", qPrintable(nome),
               qPrintable(raiz->objectName()), qPrintable(NomesDosFilhos(raiz)));
    }
    return filho;
}

// The messages that would have been shown in a message box, in order.
class GravadorMensagens {
public:
    GravadorMensagens();
    ~GravadorMensagens();
    QStringList mensagens;
};

// The program as the user meets it: every screen created, the opening screen shown and active,
// messages recorded instead of shown. Destroyed at the end of each test.
class ProgramaEmTeste {
public:
    ProgramaEmTeste();
    ~ProgramaEmTeste();
    GravadorMensagens gravador;

private:
    std::unique_ptr<ConjuntoTelas> telas_;
};

// Shows the screen as a button of the program would and waits until it is the active window.
bool MostrarEEsperar(QWidget* tela);

// Waits until the window is the application's active window.
bool EsperarAtiva(QWidget* janela);

// Saves the window's image as <VELTRA_PNG_DIR>/<nome>.png for a person to look at.
void GravarPng(QWidget* janela, const QString& nome);

// Runs the step from inside the modal run that is about to start (a modal window or a message box
// opened by what the test does next), once that window is open and active. The step must close
// it. If no modal window opens within five seconds, the step is dropped and the test's own checks
// then fail.
void QuandoModal(std::function<void(QWidget* modal)> passo);
