#pragma once

// The embankment's cross-section to true scale with the critical wedges of the last runs: the
// foundation surface, the soft layer over the firm base, the fill with its berm, the reinforcement,
// Kaniraj's critical circles (with and without tension crack) and Low's critical depths. It paints
// itself on the screen and, through Desenhar, on a printer, a PDF page or an SVG picture.

#include "data/DadosEntrada.h"
#include "data/Resultados.h"

#include <QWidget>

class QPainter;

struct CenarioSecao {
    DadosEntrada dados;
    long double Posref = 0; // the reinforcement's height a (m)
    bool temKaniraj = false;
    long double Fatsegkan = 0;
    ResultadoKaniraj semTrinca, comTrinca;
    bool temLow = false;
    long double Fatseglow = 0;
    ResultadoLow low;
    bool temBishop = false;
    long double Fatsegbishop = 0;
    ResultadoBishop bishop;
};

class SecaoTransversal : public QWidget {
    Q_OBJECT
public:
    explicit SecaoTransversal(QWidget* parent = nullptr);

    void DefinirCenario(const CenarioSecao& cenario);
    const CenarioSecao& Cenario() const { return cenario_; }

    // Paints the section into the rectangle, in the painter's own units.
    void Desenhar(QPainter& pintor, const QRectF& area) const;

    QSize sizeHint() const override { return {640, 300}; }
    QSize minimumSizeHint() const override { return {320, 160}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    CenarioSecao cenario_;
};
