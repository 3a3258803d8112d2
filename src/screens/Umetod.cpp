#include "Umetod.h"

#include "Impressao.h"
#include "Telas.h"
#include "calc/Metodos.h"
#include "data/EstadoExecucao.h"
#include "data/Mensagens.h"
#include "ui_Umetod.h"

#include <QApplication>
#include <QFocusEvent>

TMetcal::TMetcal(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TMetcal) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararBarraStatus(ui->StatusBar1);

    AoClicar(ui->bCalkan, this, &TMetcal::bCalkanClick);
    AoClicar(ui->bEsq1, this, &TMetcal::bEsq1Click);
    AoClicar(ui->bCallow, this, &TMetcal::bCallowClick);
    AoClicar(ui->bCalbishop, this, &TMetcal::bCalbishopClick);
    AoClicar(ui->bEsq2, this, &TMetcal::bEsq2Click);
    AoClicar(ui->bEstudo, this, &TMetcal::bEstudoClick);
    AoClicar(ui->bVerificacoes, this, &TMetcal::bVerificacoesClick);
    AoClicar(ui->bConfiabilidade, this, &TMetcal::bConfiabilidadeClick);
    AoClicar(ui->bDados1, this, &TMetcal::bDados1Click);
    AoClicar(ui->bImp2, this, &TMetcal::bImp2Click);
    AoClicar(ui->bExit2, this, &TMetcal::bExit2Click);

    ui->eFatsegkan->setFocus();
}

TMetcal::~TMetcal() = default;

void TMetcal::FormDeactivate() {
    ignorarClique_ = false;
    Tela::FormDeactivate();
}

// "&Sair" also acts when the focus leaves it for another control of this screen (by Tab,
// Shift+Tab or a click), as if it had been pressed; not when the window itself loses activation.
// A button's accelerator presses that button without leaving "&Sair" first.
bool TMetcal::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == ui->bExit2 && e->type() == QEvent::FocusOut) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(e)->reason();
        const QWidget* destino = QApplication::focusWidget();
        const bool paraOutroControle =
            motivo == Qt::TabFocusReason || motivo == Qt::BacktabFocusReason ||
            motivo == Qt::MouseFocusReason || motivo == Qt::OtherFocusReason;
        if (paraOutroControle && destino && destino->window() == this) {
            ignorarClique_ = motivo == Qt::MouseFocusReason;
            Tratado([this] { bExit2Click(); })();
        }
    } else if (ignorarClique_ && e->type() == QEvent::MouseButtonPress) {
        ignorarClique_ = false;
        return true;
    }
    return Tela::eventFilter(objeto, e);
}

void TMetcal::bCalkanClick() {
    EstadoExecucao& x = Execucao();
    x.CopiaDadosEntrada = DadosDoProblema;
    x.Fatsegkan = LerNumero(ui->eFatsegkan);
    x.Posref = LerNumero(ui->ePosref);
    const DadosAnalise dados{x.CopiaDadosEntrada, {.Fatsegkan = x.Fatsegkan, .Posref = x.Posref}};
    const AvaliacaoMetodos corrida = AvaliarMetodos(dados, SoKaniraj);
    const RelatoKaniraj& comTrinca = corrida.comTrinca->relato;
    x.SolucaoComTrinca = corrida.comTrinca->resultado;
    x.SolucaoSemTrinca = corrida.semTrinca->resultado;
    x.ExaminadasKaniraj = comTrinca.examinadas;
    x.SemRaioComTrinca = comTrinca.semRaio;
    x.SemRaioSemTrinca = corrida.semTrinca->relato.semRaio;
    // Rejected data end the run with the message: no results screen reads like an answer. Both
    // hypotheses check the same data: the crack's refusal is the one told.
    x.DadosKaniraj.reset();
    if (comTrinca.desfecho == DesfechoKaniraj::Calculado) {
        x.DadosKaniraj = dados;
        Telas::Mostrar(IdTela::Solkan);
        return;
    }
    ExibirMensagem(MensagemDaSituacao(comTrinca.situacao));
    if (comTrinca.situacao == SituacaoDados::FatorSeguranca) {
        ApontarCampo(ui->eFatsegkan);
    } else if (comTrinca.situacao == SituacaoDados::PosicaoReforco) {
        ApontarCampo(ui->ePosref);
    }
}

void TMetcal::bEsq1Click() {
    Telas::Mostrar(IdTela::Esquema);
}

void TMetcal::bCallowClick() {
    // The berm values stay as the last Kaniraj run left them: Low's method does not use them.
    EstadoExecucao& x = Execucao();
    DadosEntrada& d = x.CopiaDadosEntrada;
    const long double hb = d.Altberma, b = d.Largberma;
    d = DadosDoProblema;
    d.Altberma = hb;
    d.Largberma = b;
    x.Fatseglow = LerNumero(ui->eFatseglow);
    x.DadosLow.reset();
    const DadosAnalise dados{d, {.Fatseglow = x.Fatseglow}};
    const AvaliacaoMetodos corrida = AvaliarMetodos(dados, SoLow);
    const RelatoLow& relato = corrida.low->relato;
    // Rejected data leave the record with its entry values, which answer nothing.
    x.SolucaoLow = corrida.low->resultado;
    if (relato.situacao != SituacaoDados::Aceitos) {
        ExibirMensagem(MensagemDaSituacao(relato.situacao));
        if (relato.situacao == SituacaoDados::FatorSeguranca) {
            ApontarCampo(ui->eFatseglow);
        }
        return;
    }
    // The forces shown leave out the wedges no reinforcement stabilises: say so.
    if (relato.haCunhaSemSolucao) {
        ExibirMensagem(MensagemCunhasSemReforco);
    }
    x.DadosLow = dados;
    Telas::Mostrar(IdTela::Sollow);
}

void TMetcal::bCalbishopClick() {
    // Bishop's run keeps its own copy of the design: the closed forms' copy is what the drawing of
    // their wedges answers.
    DadosAnalise dados{DadosDoProblema, {}};
    dados.fatores.Fatsegbishop = LerNumero(ui->eFatsegbishop);
    dados.fatores.Posrefbishop = LerNumero(ui->ePosrefbishop);
    dados.fatores.TrincaBishop = ui->chTrincaBishop->isChecked();
    EstadoExecucao& x = Execucao();
    x.DadosBishop.reset();
    const RelatoBishop r = *AvaliarMetodos(dados, SoBishop).bishop;
    if (r.situacao != SituacaoDados::Aceitos) {
        ExibirMensagem(MensagemDaSituacao(r.situacao));
        if (r.situacao == SituacaoDados::FatorSeguranca) {
            ApontarCampo(ui->eFatsegbishop);
        } else if (r.situacao == SituacaoDados::PosicaoReforco) {
            ApontarCampo(ui->ePosrefbishop);
        }
        return;
    }
    x.SolucaoBishop = r;
    x.DadosBishop = dados;
    Telas::Mostrar(IdTela::Solbishop);
}

void TMetcal::bEsq2Click() {
    Telas::Mostrar(IdTela::Esquema);
}

void TMetcal::bEstudoClick() {
    Telas::MostrarModal(IdTela::Estudo);
}

void TMetcal::bVerificacoesClick() {
    Telas::MostrarModal(IdTela::Verificacoes);
}

void TMetcal::bConfiabilidadeClick() {
    Telas::MostrarModal(IdTela::Confiabilidade);
}

void TMetcal::bDados1Click() {
    Telas::Mostrar(IdTela::Entdad);
}

void TMetcal::bImp2Click() {
    ImprimirTela(this);
}

void TMetcal::bExit2Click() {
    Telas::Mostrar(IdTela::Apres);
}
