#pragma once

#include "Tela.h"
#include "data/DadosEntrada.h"
#include "data/Resultados.h"

#include <memory>

namespace Ui {
class TMetcal;
}

class TMetcal : public Tela {
    Q_OBJECT
public:
    explicit TMetcal(QWidget* parent = nullptr);
    ~TMetcal() override;

protected:
    void FormDeactivate() override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void bCalkanClick();
    void bEsq1Click();
    void bCallowClick();
    void bEsq2Click();
    void bDados1Click();
    void bImp2Click();
    void bExit2Click();

    std::unique_ptr<Ui::TMetcal> ui;
    // The click that took the focus from "&Sair" has already left this screen; the control clicked
    // does not act on it.
    bool ignorarClique_ = false;
};

extern TMetcal* Metcal;

// What the runs of this screen work on, alive for the whole run of the program: the copy of the
// problem data, the values last read from this screen's fields, and the three result records.
extern DadosEntrada CopiaDadosEntrada;
extern long double Fatsegkan; // adopted safety factor, Kaniraj
extern long double Posref;    // reinforcement height above the foundation (m)
extern long double Fatseglow; // adopted safety factor, Low
extern ResultadoKaniraj SolucaoComTrinca;
extern ResultadoKaniraj SolucaoSemTrinca;
extern ResultadoLow SolucaoLow;
