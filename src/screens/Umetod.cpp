#include "Umetod.h"

#include "ui_Umetod.h"

TMetcal* Metcal = nullptr;

DadosEntrada CopiaDadosEntrada;
long double Fatsegkan = 0;
long double Posref = 0;
long double Fatseglow = 0;
ResultadoKaniraj SolucaoComTrinca;
ResultadoKaniraj SolucaoSemTrinca;
ResultadoLow SolucaoLow;

TMetcal::TMetcal(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TMetcal) {
    ui->setupUi(this);
    FixarMoldura();
}

TMetcal::~TMetcal() = default;
