#pragma once

// Printing a screen: its client-area image on the default printer, scaled to the page keeping its
// proportions, at the page's top-left corner, one page per press, with no dialog.

#include <QImage>
#include <QSize>

class QPagedPaintDevice;
class QWidget;

// The printed size of an image of w × h on a printable area of W × P: the full page height when
// the image is narrower in proportion than the page, else the full page width. Each quotient is a
// product then a division, rounded to the nearest integer.
QSize AjustarAPagina(QSize imagem, QSize pagina);

// The screen's client area as it stands: its background colour, then its controls.
QImage ImagemDaTela(QWidget* tela);

// Prints the image on one page of the printer (or PDF); false when it cannot be started.
bool ImprimirImagem(const QImage& imagem, QPagedPaintDevice& pagina);

// Prints the image on the default printer, or tells the user there is none.
void ImprimirNaImpressoraPadrao(const QImage& imagem);

// "Salvar &imagem...": the drawing as a PNG picture or an SVG drawing, as the user chooses; says
// so when it cannot be written.
void SalvarImagemComDialogo(QWidget* desenho, const QString& sugestao);

// "&Imprimir": prints the screen on the default printer, or tells the user there is none.
void ImprimirTela(QWidget* tela);
