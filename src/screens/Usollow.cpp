#include "Usollow.h"

#include "data/EstadoExecucao.h"

#include "ui_Usollow.h"

TSollow::TSollow(QWidget* parent) : TelaResultados(Metodo::Low, parent), ui(new Ui::TSollow) {
    ui->setupUi(this);
    MontarResultados(ui->StatusBar1, ui->eHoriz, ui->eBiss, ui->bDados3, ui->bImp4, ui->bExit4,
                     ui->bGeot1, ui->bRuptura, ui->bRelatorio);
    move(189, 132);
    ui->bDados3->setFocus();
}

TSollow::~TSollow() = default;

void TSollow::EscreverResultados() {
    const EstadoExecucao& x = Execucao();
    EscreverValor(ui->eFatsegsol2, x.SolucaoLow.Fatsegsol);
    EscreverValor(ui->eprofcunsol1, x.SolucaoLow.Profcunsol);
    EscreverValor(ui->eFatsegsol3, x.Fatseglow);
    EscreverValor(ui->eSolicsolh, x.SolucaoLow.Solicsolh);
    EscreverValor(ui->eProfcun2h, x.SolucaoLow.Profcunh);
    EscreverValor(ui->eSolicsolb, x.SolucaoLow.Solicsolb);
    EscreverValor(ui->eProfcun2b, x.SolucaoLow.Profcunb);
}

void TSollow::EscreverComprimentos() {
    EscreverComprimento(ui->eHoriz, Execucao().Comprimentos.Horiz);
    EscreverComprimento(ui->eBiss, Execucao().Comprimentos.Biss);
}
