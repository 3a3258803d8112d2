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

private:
    std::unique_ptr<Ui::TMetcal> ui;
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
