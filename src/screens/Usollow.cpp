#include "Usollow.h"

#include "DicasMouse.h"
#include "Impressao.h"
#include "Uapres.h"
#include "Uentdad.h"
#include "Umetod.h"
#include "Usolkan.h"
#include "uApresGeo.h"
#include "uGeotextil.h"

#include "ui_Usollow.h"

TSollow* Sollow = nullptr;
bool OrigemLow = false;

TSollow::TSollow(QWidget* parent) : TelaResultados(parent), ui(new Ui::TSollow) {
    ui->setupUi(this);
    FixarMoldura();
    move(189, 132);
    PrepararBarraStatus(ui->StatusBar1);
    DefinirCamposComprimento(ui->eHoriz, ui->eBiss);

    AoClicar(ui->bDados3, this, &TSollow::bDados3Click);
    AoClicar(ui->bExit4, this, &TSollow::bExit4Click);
    AoClicar(ui->bImp4, this, &TSollow::bImp4Click);
    AoClicar(ui->bGeot1, this, &TSollow::bGeot1Click);
    FormCreate();
    ui->bDados3->setFocus();
}

TSollow::~TSollow() = default;

void TSollow::FormCreate() {
    MostrarDicasDoMouse(this);
}

void TSollow::EscreverResultados() {
    EscreverValor(ui->eFatsegsol2, SolucaoLow.Fatsegsol);
    EscreverValor(ui->eprofcunsol1, SolucaoLow.Profcunsol);
    EscreverValor(ui->eFatsegsol3, Fatseglow);
    EscreverValor(ui->eSolicsolh, SolucaoLow.Solicsolh);
    EscreverValor(ui->eProfcun2h, SolucaoLow.Profcunh);
    EscreverValor(ui->eSolicsolb, SolucaoLow.Solicsolb);
    EscreverValor(ui->eProfcun2b, SolucaoLow.Profcunb);
}

void TSollow::EscreverComprimentos() {
    EscreverComprimento(ui->eHoriz, Comprimentos.Horiz);
    EscreverComprimento(ui->eBiss, Comprimentos.Biss);
}

void TSollow::bDados3Click() {
    Entdad->Mostrar();
}

void TSollow::bImp4Click() {
    ImprimirTela(this);
}

void TSollow::bExit4Click() {
    Apres->Mostrar();
}

void TSollow::bGeot1Click() {
    OrigemLow = true;
    OrigemKaniraj = false;
    ApresGeo->Mostrar();
}
