#include "Figuras.h"

#include <QPainter>
#include <QSvgRenderer>

QImage DesenharSvg(const QString& recurso, QSize tamanho, const QColor& fundo) {
    QSvgRenderer desenho(recurso);
    if (!desenho.isValid()) {
        return {};
    }
    if (!tamanho.isValid()) {
        tamanho = desenho.defaultSize();
    }
    QImage figura(tamanho, QImage::Format_ARGB32_Premultiplied);
    figura.fill(fundo);
    QPainter pintor(&figura);
    desenho.render(&pintor, QRectF(QPointF(0, 0), QSizeF(tamanho)));
    return figura;
}
