#include "uSuperficies.h"

#include "Impressao.h"
#include "calc/Metodos.h"
#include "data/EstadoExecucao.h"
#include "desenhos/GraficosRuptura.h"

#include "ui_uSuperficies.h"

#include <QChart>
#include <QPainter>

TSuperficies::TSuperficies(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TSuperficies) {
    ui->setupUi(this);
    FixarMoldura(true);
    PrepararBarraStatus(ui->StatusBar1);
    for (QChartView* grafico : {ui->GraficoForcas, ui->GraficoFS0}) {
        grafico->setRenderHint(QPainter::Antialiasing);
        grafico->setFocusPolicy(Qt::NoFocus);
        grafico->setMinimumSize(240, 200);
    }
    AoClicar(ui->bImprimir, this, &TSuperficies::bImprimirClick);
    AoClicar(ui->bSalvarImagem, this, &TSuperficies::bSalvarImagemClick);
    AoClicar(ui->bFechar, this, &TSuperficies::bFecharClick);
    ui->bFechar->setFocus();
}

TSuperficies::~TSuperficies() = default;

void TSuperficies::showEvent(QShowEvent* e) {
    Tratado([this] { Atualizar(); })();
    Tela::showEvent(e);
}

// Everything is computed again from the copy the runs used, so the picture shows exactly the
// wedges behind the numbers on the results screens.
void TSuperficies::Atualizar() {
    const EstadoExecucao& x = Execucao();
    const DadosEntrada& d = x.CopiaDadosEntrada;
    CenarioSecao cenario;
    cenario.dados = d;
    CurvasRuptura curvas;
    if (x.DadosKaniraj && x.DadosKaniraj->problema == d) {
        const AvaliacaoMetodos kaniraj = AvaliarMetodos(*x.DadosKaniraj, SoKaniraj);
        curvas.semTrinca = kaniraj.semTrinca;
        curvas.comTrinca = kaniraj.comTrinca;
        cenario.temKaniraj = true;
        cenario.Fatsegkan = x.DadosKaniraj->fatores.Fatsegkan;
        cenario.Posref = x.DadosKaniraj->fatores.Posref;
        cenario.semTrinca = curvas.semTrinca->resultado;
        cenario.comTrinca = curvas.comTrinca->resultado;
    }
    if (x.DadosLow && MesmoProblemaLow(x.DadosLow->problema, d)) {
        curvas.low = AvaliarMetodos(*x.DadosLow, SoLow).low;
        curvas.Fatseglow = x.DadosLow->fatores.Fatseglow;
        cenario.temLow = true;
        cenario.Fatseglow = curvas.Fatseglow;
        cenario.low = curvas.low->resultado;
    }
    // Bishop's circles on the section the closed forms answer, or on its own when they answer none.
    const bool outros = cenario.temKaniraj || cenario.temLow;
    if (x.DadosBishop && (!outros || x.DadosBishop->problema == d)) {
        cenario.dados = x.DadosBishop->problema;
        cenario.temBishop = true;
        cenario.Fatsegbishop = x.DadosBishop->fatores.Fatsegbishop;
        cenario.bishop = x.SolucaoBishop;
    }
    ui->Secao->DefinirCenario(cenario);
    for (auto [vista, grafico] : {std::pair{ui->GraficoForcas, GraficoForcas(curvas)},
                                  std::pair{ui->GraficoFS0, GraficoFS0(curvas)}}) {
        QChart* antigo = vista->chart();
        vista->setChart(grafico);
        delete antigo;
    }
    ui->GraficoFS0->setVisible(curvas.low.has_value());
    const QString nota = NotaLacunas(curvas);
    ui->lNota->setText(nota);
    ui->lNota->setVisible(!nota.isEmpty());
}

void TSuperficies::bImprimirClick() {
    ImprimirNaImpressoraPadrao(ImagemDaTela(ui->Quadro));
}

void TSuperficies::bSalvarImagemClick() {
    SalvarImagemComDialogo(ui->Quadro, QStringLiteral("ruptura.png"));
}

void TSuperficies::bFecharClick() {
    Fechar();
}
