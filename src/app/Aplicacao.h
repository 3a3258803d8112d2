#pragma once

#include <memory>
#include <string>

class QApplication;

// The nineteen screens of the program, created once in their fixed order and hidden; destroying
// the set destroys every screen and clears their instance names.
class ConjuntoTelas {
public:
    ConjuntoTelas();
    ~ConjuntoTelas();
    ConjuntoTelas(const ConjuntoTelas&) = delete;
    ConjuntoTelas& operator=(const ConjuntoTelas&) = delete;
};

// The program's message box: the text, an OK button, captioned "Veltra", modal over every window.
void MostrarCaixaMensagem(const std::string& texto);

// Start-up without the event loop: the floating-point environment, the locale's decimal separator,
// the program's font, the message box for every message, the error handler, the screen set, and
// the opening screen shown.
std::unique_ptr<ConjuntoTelas> IniciarVeltra(QApplication& aplicacao);
