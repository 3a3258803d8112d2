#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TSuperficies;
}

struct CurvasRuptura;

// The failure seen: the cross-section to true scale with the critical wedges of the last runs, and
// the search as curves, for the methods whose results answer the data now copied for the runs.
// Opens modally over the results screen.
class TSuperficies : public Tela {
    Q_OBJECT
public:
    explicit TSuperficies(QWidget* parent = nullptr);
    ~TSuperficies() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Atualizar();
    void bImprimirClick();
    void bSalvarImagemClick();
    void bFecharClick();

    std::unique_ptr<Ui::TSuperficies> ui;
};
