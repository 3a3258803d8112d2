#pragma once

#include "screens/Telas.h"

#include <QStringList>

#include <array>
#include <memory>
#include <string>

class QApplication;

// The screens of the program, created once in their fixed order and hidden, and the one
// the screens open one another through while it lives. Creating it installs the error handler;
// destroying it destroys every screen in the reverse order.
class ConjuntoTelas : public Telas {
public:
    ConjuntoTelas();
    ~ConjuntoTelas() override;
    ConjuntoTelas(const ConjuntoTelas&) = delete;
    ConjuntoTelas& operator=(const ConjuntoTelas&) = delete;

    Tela* Obter(IdTela id) const override;

private:
    // The screen made with what its constructor takes: nothing, or the description of one of
    // the screens made alike.
    template <class T, class... Descricao> void Criar(IdTela id, const Descricao&... descricao);

    std::array<std::unique_ptr<Tela>, NumeroDeTelas> telas_;
};

// The program's message box: the text, an OK button, captioned "Veltra", modal over every window.
void MostrarCaixaMensagem(const std::string& texto);

// Start-up without the event loop: the floating-point environment, the locale's decimal separator,
// the program's font, the message box for every message, the error handler, the screen set, and
// the opening screen shown.
std::unique_ptr<ConjuntoTelas> IniciarVeltra(QApplication& aplicacao);

// The design file named on the command line, opened once the event loop runs; nothing when the
// path is empty.
void AbrirProjetoInicial(const QString& caminho);

// "veltra --relatorio PROJETO PDF": the three analyses and the anchorage lengths of the design,
// and its calculation report, without any window and with no display needed. Returns the exit
// code: 0, or 1 after one line on standard error.
int GerarRelatorioSemJanelas(int argc, char* argv[], const QString& projeto, const QString& pdf);
