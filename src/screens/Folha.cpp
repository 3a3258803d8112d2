#include "Folha.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSvgRenderer>

Folha::Folha(QWidget* parent) : Tela(Tipo::Modal, parent) {}

QImage Folha::Figura(const QString& recurso) {
    QSvgRenderer desenho(recurso);
    if (!desenho.isValid()) {
        return {};
    }
    QImage figura(TamanhoFigura(), QImage::Format_RGB32);
    figura.fill(Qt::white);
    {
        QPainter pintor(&figura);
        desenho.render(&pintor, QRectF(QPointF(0, 0), QSizeF(TamanhoFigura())));
    }
    // Black on white with grey edges: the palette takes every colour exactly.
    return figura.convertToFormat(QImage::Format_Indexed8);
}

void Folha::MontarFolha(QScrollArea* caixa, QLabel* imagem, QPushButton* fechar,
                        const QString& recurso) {
    // The picture control keeps the size it was designed with; the picture is drawn at its own
    // size from the control's top-left corner and whatever lies beyond the control is cut off.
    caixa->setWidgetResizable(false);
    caixa->setFocusPolicy(Qt::NoFocus);
    imagem->setFixedSize(imagem->size());
    imagem->setScaledContents(false);
    imagem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imagem->setPixmap(QPixmap::fromImage(Figura(recurso)));

    fechar->setFocus();
    AoClicar(fechar, this, &Folha::bFecharClick);
}

void Folha::bFecharClick() {
    Fechar();
}
