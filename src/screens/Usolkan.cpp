#include "Usolkan.h"

#include "calc/Kaniraj.h"
#include "data/EstadoExecucao.h"

#include "ui_Usolkan.h"

TSolkan::TSolkan(QWidget* parent) : TelaResultados(Metodo::Kaniraj, parent), ui(new Ui::TSolkan) {
    ui->setupUi(this);
    MontarResultados(ui->StatusBar1, ui->eComTr, ui->eSemTr, ui->bDados2, ui->bImp3, ui->bExit3,
                     ui->bGeot1, ui->bRuptura, ui->bRelatorio);
    ui->bDados2->setFocus();
}

TSolkan::~TSolkan() = default;

void TSolkan::EscreverResultados() {
    const EstadoExecucao& x = Execucao();
    EscreverValor(ui->eFatsegsol1, x.Fatsegkan);
    EscreverValor(ui->ePct, x.SolucaoComTrinca.P);
    EscreverValor(ui->eX0ct, x.SolucaoComTrinca.X0);
    EscreverValor(ui->eY0ct, x.SolucaoComTrinca.Y0);
    EscreverValor(ui->eDct, x.SolucaoComTrinca.D);
    EscreverValor(ui->ePst, x.SolucaoSemTrinca.P);
    EscreverValor(ui->eX0st, x.SolucaoSemTrinca.X0);
    EscreverValor(ui->eY0st, x.SolucaoSemTrinca.Y0);
    EscreverValor(ui->eDst, x.SolucaoSemTrinca.D);

    // Depths whose critical radius lies beyond the method's reach give no force: said here, where
    // the forces are read.
    const std::string aviso =
        AvisoProfundidadesSemRaio(x.ExaminadasKaniraj, x.SemRaioComTrinca, x.SemRaioSemTrinca);
    EscreverAviso(ui->lAviso,
                  aviso.empty() ? QString()
                                : QStringLiteral("Atenção: %1").arg(QString::fromStdString(aviso)));
}

void TSolkan::EscreverComprimentos() {
    EscreverComprimento(ui->eComTr, Execucao().Comprimentos.ComTr);
    EscreverComprimento(ui->eSemTr, Execucao().Comprimentos.SemTr);
}
