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

class QImage;
class Tela;

// The program's screen whose class (object name) is given; the test program stops if none.
Tela* TelaPeloNome(const QString& classe);

// The object names of the visible top-level windows, sorted.
QStringList JanelasVisiveis();

// Saves an image as <VELTRA_PNG_DIR>/<nome>.png for a person to look at.
void GravarImagem(const QImage& imagem, const QString& nome);

class QLineEdit;
class QPushButton;

// Steps the tests of the shell and of the first screens share; in their own namespace so that no
// other test file's local helpers clash with them.
namespace passos {
inline const QString mensagemConversao =
    QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números.");

QWidget* Focado();
QPushButton* Botao(const QWidget* tela, const char* nome);
// Clears the field and types the text key by key.
void Digitar(QLineEdit* campo, const QString& texto);
// The worked embankment typed on the data-entry screen (H = 3 m, slope 2, γ = 18 kN/m3, c = 5 kPa,
// φ = 30°, no berm, soft layer 6 m thick at 10 kPa throughout), then "&Métodos de cálculo".
bool ChegarAosMetodosComOExemplo();
// Runs the action from inside the program's event loop and returns the loop's exit code (7 when
// the loop is still running five seconds later).
int ExecutarAteOFim(const std::function<void()>& acao);
} // namespace passos
