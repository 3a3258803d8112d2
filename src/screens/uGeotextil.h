#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TGeot;
}

// The reinforcement analysis: the interface parameters and the safety factor on the product give
// the anchorage lengths for the four forces of the two methods.
class TGeot : public Tela {
    Q_OBJECT
public:
    explicit TGeot(QWidget* parent = nullptr);
    ~TGeot() override;

private:
    void bCalcClick();
    void bDadosClick();
    void bEnsClick();
    void bFSClick();
    void bSairClick();

    std::unique_ptr<Ui::TGeot> ui;
};
