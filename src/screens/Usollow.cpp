#include "Usollow.h"

#include "CamposResultado.h"
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

TSollow::TSollow(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TSollow) {
    ui->setupUi(this);
    FixarMoldura();
    move(189, 132);
    PrepararBarraStatus(ui->StatusBar1);

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

void TSollow::MostrarComprimentos() {
    retornoDaAncoragem_ = true;
    Mostrar();
}

void TSollow::FormActivate() {
    if (retornoDaAncoragem_) {
        retornoDaAncoragem_ = false;
        EscreverComprimento(ui->eHoriz, Comprimentos.Horiz);
        EscreverComprimento(ui->eBiss, Comprimentos.Biss);
        return;
    }
    EscreverValor(ui->eFatsegsol2, SolucaoLow.Fatsegsol);
    EscreverValor(ui->eprofcunsol1, SolucaoLow.Profcunsol);
    EscreverValor(ui->eFatsegsol3, Fatseglow);
    EscreverValor(ui->eSolicsolh, SolucaoLow.Solicsolh);
    EscreverValor(ui->eProfcun2h, SolucaoLow.Profcunh);
    EscreverValor(ui->eSolicsolb, SolucaoLow.Solicsolb);
    EscreverValor(ui->eProfcun2b, SolucaoLow.Profcunb);
}

void TSollow::FormDeactivate() {
    // The lengths are seen only from the return of the calculation until the screen is left.
    ui->eHoriz->clear();
    ui->eBiss->clear();
    retornoDaAncoragem_ = false;
    Tela::FormDeactivate();
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
