#include "Usolkan.h"

#include "DicasMouse.h"
#include "Impressao.h"
#include "Uapres.h"
#include "Uentdad.h"
#include "Umetod.h"
#include "Usollow.h"
#include "uApresGeo.h"
#include "uGeotextil.h"

#include "ui_Usolkan.h"

TSolkan* Solkan = nullptr;
bool OrigemKaniraj = false;

TSolkan::TSolkan(QWidget* parent) : TelaResultados(parent), ui(new Ui::TSolkan) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararBarraStatus(ui->StatusBar1);
    DefinirCamposComprimento(ui->eComTr, ui->eSemTr);

    AoClicar(ui->bDados2, this, &TSolkan::bDados2Click);
    AoClicar(ui->bImp3, this, &TSolkan::bImp3Click);
    AoClicar(ui->bExit3, this, &TSolkan::bExit3Click);
    AoClicar(ui->bGeot1, this, &TSolkan::bGeot1Click);
    FormCreate();
    ui->bDados2->setFocus();
}

TSolkan::~TSolkan() = default;

void TSolkan::FormCreate() {
    MostrarDicasDoMouse(this);
}

void TSolkan::EscreverResultados() {
    EscreverValor(ui->eFatsegsol1, Fatsegkan);
    EscreverValor(ui->ePct, SolucaoComTrinca.P);
    EscreverValor(ui->eX0ct, SolucaoComTrinca.X0);
    EscreverValor(ui->eY0ct, SolucaoComTrinca.Y0);
    EscreverValor(ui->eDct, SolucaoComTrinca.D);
    EscreverValor(ui->ePst, SolucaoSemTrinca.P);
    EscreverValor(ui->eX0st, SolucaoSemTrinca.X0);
    EscreverValor(ui->eY0st, SolucaoSemTrinca.Y0);
    EscreverValor(ui->eDst, SolucaoSemTrinca.D);
}

void TSolkan::EscreverComprimentos() {
    EscreverComprimento(ui->eComTr, Comprimentos.ComTr);
    EscreverComprimento(ui->eSemTr, Comprimentos.SemTr);
}

void TSolkan::bDados2Click() {
    Entdad->Mostrar();
}

void TSolkan::bImp3Click() {
    ImprimirTela(this);
}

void TSolkan::bExit3Click() {
    Apres->Mostrar();
}

void TSolkan::bGeot1Click() {
    OrigemKaniraj = true;
    OrigemLow = false;
    ApresGeo->Mostrar();
}
