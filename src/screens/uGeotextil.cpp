#include "uGeotextil.h"

#include "RelatorioDasTelas.h"
#include "TelaResultados.h"
#include "Telas.h"
#include "calc/Ancoragem.h"
#include "calc/Verificacao.h"
#include "data/EstadoExecucao.h"
#include "data/Mensagens.h"

#include "ui_uGeotextil.h"

#include <QLineEdit>

TGeot::TGeot(QWidget* parent) : Tela(Tipo::SemDesativacao, parent), ui(new Ui::TGeot) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararBarraStatus(ui->StatusBar1);

    AoClicar(ui->bCalc, this, &TGeot::bCalcClick);
    AoClicar(ui->bDados, this, &TGeot::bDadosClick);
    AoClicar(ui->bEns, this, &TGeot::bEnsClick);
    AoClicar(ui->bFS, this, &TGeot::bFSClick);
    AoClicar(ui->bSair, this, &TGeot::bSairClick);
    ui->eCoeGeo1->setFocus();
}

TGeot::~TGeot() = default;

void TGeot::bCalcClick() {
    const long double deltaf = LerNumero(ui->eAngGeo1);
    const long double cf = LerNumero(ui->eCoeGeo1);
    const long double deltae = LerNumero(ui->eAngGeo2);
    const long double ce = LerNumero(ui->eCoeGeo2);
    const long double FS1 = LerNumero(ui->eFS1);

    // Only the forces of runs that answer the data and factors typed now are anchored, with the H
    // and γ they answer: the report computes the same lengths from the same typed values.
    EstadoExecucao& x = Execucao();
    const MetodosAtuais atuais = MetodosDasTelas();
    const bool bishop = x.OrigemBishop;
    const char* metodo = bishop ? "Bishop" : x.OrigemKaniraj ? "Kaniraj" : "Low";
    const bool atual = bishop ? atuais.bishop : x.OrigemKaniraj ? atuais.kaniraj : atuais.low;
    const std::optional<DadosAnalise>& corrida = bishop            ? x.DadosBishop
                                                 : x.OrigemKaniraj ? x.DadosKaniraj
                                                                   : x.DadosLow;
    if (!atual) {
        // A rejected last run left no force to anchor: its zeros would read as a short anchorage.
        ExibirMensagem(corrida ? std::string("Os dados ou fatores digitados mudaram desde o último "
                                             "cálculo pelo método de ") +
                                     metodo +
                                     ": calcule-o novamente para obter os comprimentos de "
                                     "ancoragem."
                               : std::string("O método de ") + metodo +
                                     " não foi calculado para os dados atuais: não há solicitação "
                                     "para ancorar.");
        return;
    }
    // Bishop's force holds only where the reinforcement crosses every circle below F.
    const bool forcaBishop = atuais.bishop && !x.SolucaoBishop.semSolucao;
    if (bishop && !forcaBishop) {
        ExibirMensagem("Há círculos abaixo do fator de segurança adotado que o reforço não "
                       "atravessa: o método de Bishop não dá solicitação para ancorar.");
        return;
    }
    const DadosEntrada& d = corrida->problema;
    const long double zero = 0;
    ComprimentosAncoragem novos;
    SituacaoAncoragem situacao = CalcAncoragem(
        d.Alt, d.Pesesp, cf, deltaf, ce, deltae, FS1, atuais.kaniraj ? x.SolucaoComTrinca.P : zero,
        atuais.kaniraj ? x.SolucaoSemTrinca.P : zero, atuais.low ? x.SolucaoLow.Solicsolh : zero,
        atuais.low ? x.SolucaoLow.Solicsolb : zero, novos);
    if (situacao == SituacaoAncoragem::Calculada) {
        situacao = CalcAncoragemForca(d.Alt, d.Pesesp, cf, deltaf, ce, deltae, FS1,
                                      forcaBishop ? x.SolucaoBishop.P : zero, novos.Bishop);
    }
    switch (situacao) {
    case SituacaoAncoragem::Calculada:
        break;
    case SituacaoAncoragem::InterfacesInvalidas:
        ExibirMensagem("Os ângulos de atrito das interfaces devem estar entre 0 e 90 graus, e as "
                       "coesões não podem ser negativas.");
        // The first value of the screen outside its range.
        for (const auto& [campo, valido] :
             {std::pair{ui->eCoeGeo1, cf >= 0}, std::pair{ui->eAngGeo1, deltaf >= 0 && deltaf < 90},
              std::pair{ui->eCoeGeo2, ce >= 0},
              std::pair{ui->eAngGeo2, deltae >= 0 && deltae < 90}}) {
            if (!valido) {
                ApontarCampo(campo);
            }
        }
        return;
    case SituacaoAncoragem::FatorSegurancaNulo:
        ExibirMensagem(MensagemFatorSeguranca);
        ApontarCampo(ui->eFS1);
        return;
    case SituacaoAncoragem::ResistenciaNula:
        ExibirMensagem("As resistências das interfaces somam zero; não é possível calcular o "
                       "comprimento de ancoragem.");
        ApontarCampo(ui->eCoeGeo1);
        return;
    case SituacaoAncoragem::ForaDoIntervalo:
        ExibirMensagem("Valores fora do intervalo de cálculo.");
        ApontarCampo(ui->eFS1);
        return;
    }
    x.Comprimentos = novos;

    // Back to the results screen that opened this analysis, however often this is pressed.
    const IdTela origem = bishop            ? IdTela::Solbishop
                          : x.OrigemKaniraj ? IdTela::Solkan
                                            : IdTela::Sollow;
    if (auto* resultados = qobject_cast<TelaResultados*>(Telas::Buscar(origem))) {
        resultados->MostrarComprimentos();
    }
}

void TGeot::bDadosClick() {
    Telas::Mostrar(IdTela::Entdad);
}

void TGeot::bEnsClick() {
    Telas::Mostrar(IdTela::fEns);
}

void TGeot::bFSClick() {
    Telas::MostrarModal(IdTela::fAjuda1);
}

void TGeot::bSairClick() {
    // This screen does not hide when another becomes active, so it leaves first.
    Fechar();
    Telas::Mostrar(IdTela::Apres);
}
