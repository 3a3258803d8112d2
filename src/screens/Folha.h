#pragma once

// A picture sheet of the test-results catalogue: an 800 × 600 picture shown unscaled from its
// top-left corner in a picture control smaller than the picture, inside a scroll box above a
// bottom panel with one close button. So only the picture control's area of the picture can be
// seen and scrolled to; the sheets draw their tables inside that area.

#include "Tela.h"

#include <QImage>
#include <QSize>

#include <memory>
#include <optional>

namespace Ui {
class Folha;
}

class Folha : public Tela {
    Q_OBJECT
public:
    // What one sheet has of its own; the form holds what they share.
    struct Descricao {
        const char* nome; // the window's object name
        const char* titulo;
        const char* recurso; // ":/figuras/<nome>.svg"
        QSize tamanho;       // the window's
        QSize imagem;        // the picture control's: the part of the picture that can be seen
        int alturaPainel = 41;
        const char* textoFechar = "&Fechar";
        bool fecharPadrao = true; // the close button is the default button
        std::optional<Qt::CursorShape> cursorFechar = std::nullopt;
    };
    static const Descricao caso2, caso3, caso4, caso10, tabela1, tabela2;

    explicit Folha(const Descricao& descricao, QWidget* parent = nullptr);
    ~Folha() override;

    // The size of every sheet's picture.
    static QSize TamanhoFigura() { return {800, 600}; }

    // The sheet's picture drawn from its resource (":/figuras/<nome>.svg") on white, at the
    // picture size, with a palette of at most 256 colours; a null image if the resource is missing.
    static QImage Figura(const QString& recurso);

private:
    void Dispor(const Descricao& descricao);
    void bFecharClick();

    std::unique_ptr<Ui::Folha> ui;
};
