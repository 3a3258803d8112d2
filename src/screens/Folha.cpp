#include "Folha.h"

#include "Figuras.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

Folha::Folha(QWidget* parent) : Tela(Tipo::Modal, parent) {}

QImage Folha::Figura(const QString& recurso) {
    const QImage figura = DesenharSvg(recurso, TamanhoFigura(), Qt::white);
    // Black on white with grey edges: the palette takes every colour exactly.
    return figura.isNull() ? figura
                           : figura.convertToFormat(QImage::Format_RGB32)
                                 .convertToFormat(QImage::Format_Indexed8);
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
