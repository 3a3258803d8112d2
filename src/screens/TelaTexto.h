#pragma once

// A text screen: a multi-line text with a vertical scroll bar filling the window above one close
// button, run modally over the screen that opened it.

#include "Tela.h"

class QPlainTextEdit;
class QPushButton;

class TelaTexto : public Tela {
    Q_OBJECT
public:
    explicit TelaTexto(QWidget* parent = nullptr);

protected:
    enum class Texto { SomenteLeitura, Editavel };

    // After setupUi (the text is the form's): the frame, the text, the control that has the focus
    // first, and the button that ends the modal run.
    void MontarTexto(QPlainTextEdit* texto, Texto tipo, QPushButton* fechar, QWidget* primeiroFoco);

private:
    void bFecharClick();
};
