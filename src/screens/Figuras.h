#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// A picture of the program drawn from its SVG resource onto the background, at the given size
// (an invalid size: the drawing's own); a null image when the resource cannot be read.
QImage DesenharSvg(const QString& recurso, QSize tamanho, const QColor& fundo);
