#include "Usolbishop.h"

#include "data/EstadoExecucao.h"

#include "ui_Usolbishop.h"

TSolbishop::TSolbishop(QWidget* parent)
    : TelaResultados(Metodo::Bishop, parent), ui(new Ui::TSolbishop) {
    ui->setupUi(this);
    MontarResultados(ui->StatusBar1, ui->eAncBishop, nullptr, ui->bDados4, ui->bImp5, ui->bExit5,
                     ui->bGeot1, ui->bRuptura, ui->bRelatorio);
    ui->bDados4->setFocus();
}

TSolbishop::~TSolbishop() = default;

void TSolbishop::EscreverResultados() {
    const EstadoExecucao& x = Execucao();
    const ResultadoBishop& r = x.SolucaoBishop;
    EscreverValor(ui->eFS0bishop, r.FS0);
    EscreverValor(ui->eXcFS0, r.circuloFS0.xc);
    EscreverValor(ui->eYcFS0, r.circuloFS0.yc);
    EscreverValor(ui->eDFS0, r.circuloFS0.D);
    EscreverValor(ui->eFatsegsol4, x.DadosBishop ? x.DadosBishop->fatores.Fatsegbishop : 0);
    // Every circle holding at F needs no force, and the force has no circle to show.
    for (QLineEdit* campo : {ui->ePbishop, ui->eXcP, ui->eYcP, ui->eDP}) {
        campo->clear();
    }
    QStringList avisos;
    if (r.semSolucao) {
        avisos << QStringLiteral(
            "há círculos abaixo do fator de segurança adotado que o reforço, a "
            "essa altura, não atravessa; nenhuma solicitação os estabiliza.");
    } else {
        EscreverValor(ui->ePbishop, r.P);
        if (r.P > 0) {
            EscreverValor(ui->eXcP, r.circuloP.xc);
            EscreverValor(ui->eYcP, r.circuloP.yc);
            EscreverValor(ui->eDP, r.circuloP.D);
        }
    }
    if (r.naBorda) {
        avisos << QStringLiteral("o círculo crítico ficou na borda da malha de centros pesquisada, "
                                 "mesmo depois de ampliá-la.");
    }
    EscreverAviso(
        ui->lAviso,
        avisos.isEmpty()
            ? QString()
            : QStringLiteral("Atenção: %1").arg(avisos.join(QStringLiteral(" Além disso, "))));
}

void TSolbishop::EscreverComprimentos() {
    EscreverComprimento(ui->eAncBishop, Execucao().Comprimentos.Bishop);
}
