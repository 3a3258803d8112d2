#pragma once

// A picture sheet of the test-results catalogue: an 800 × 600 picture shown unscaled from its
// top-left corner in a picture control smaller than the picture, inside a scroll box above a
// bottom panel with one close button. So only the picture control's area of the picture can be
// seen and scrolled to; the sheets draw their tables inside that area.

#include "Tela.h"

#include <QImage>
#include <QSize>

class QLabel;
class QPushButton;
class QScrollArea;

class Folha : public Tela {
    Q_OBJECT
public:
    explicit Folha(QWidget* parent = nullptr);

    // The size of every sheet's picture.
    static QSize TamanhoFigura() { return {800, 600}; }

    // The sheet's picture drawn from its resource (":/figuras/<nome>.svg") on white, at the
    // picture size, with a palette of at most 256 colours; a null image if the resource is missing.
    static QImage Figura(const QString& recurso);

protected:
    // After setupUi: puts the picture into the picture control (which keeps its designed size),
    // gives the close button the focus and makes it end the modal run.
    void MontarFolha(QScrollArea* caixa, QLabel* imagem, QPushButton* fechar,
                     const QString& recurso);

    void bFecharClick();
};
