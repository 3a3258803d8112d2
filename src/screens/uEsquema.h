#pragma once

#include "Tela.h"
#include "Telas.h"

#include <memory>

namespace Ui {
class TEsquema;
}

// Geometry and hypotheses: the cross-section sketch, what the methods assume, and the way on to
// the data, the hypotheses of each method and the bibliography. The only resizable screen.
class TEsquema : public Tela {
    Q_OBJECT
public:
    explicit TEsquema(QWidget* parent = nullptr);
    ~TEsquema() override;

private:
    void bCont1Click();
    void bKanClick();
    void bLowClick();
    void bBiblClick();
    void bSairClick();
    void AbrirTexto(IdTela id);

    std::unique_ptr<Ui::TEsquema> ui;
};
