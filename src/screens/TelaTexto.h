#pragma once

// A text screen: a multi-line text with a vertical scroll bar filling the window above a panel
// with one close button, run modally over the screen that opened it.

#include "Tela.h"

#include <QRect>
#include <QSize>

#include <memory>

namespace Ui {
class TelaTexto;
}

class TelaTexto : public Tela {
    Q_OBJECT
public:
    // What one text screen has of its own; the form holds what they share.
    struct Descricao {
        const char* nome; // the window's object name
        const char* titulo;
        const char* texto;
        QSize tamanho; // the window's
        int alturaPainel;
        const char* nomeFechar;   // the close button's object name
        QRect fechar;             // the close button's place in the panel
        bool editavel = false;    // the user may type in it; otherwise a fixed text to read
        bool focoNoTexto = false; // the text, not the close button, has the focus first
    };
    // The method's assumptions and the papers, opened from the geometry screen; the help on the
    // reinforcement's safety factor, opened from the anchorage screen.
    static const Descricao hipotesesKaniraj, hipotesesLow, bibliografia, ajudaFatorSeguranca;

    explicit TelaTexto(const Descricao& descricao, QWidget* parent = nullptr);
    ~TelaTexto() override;

private:
    void bFecharClick();

    std::unique_ptr<Ui::TelaTexto> ui;
};
