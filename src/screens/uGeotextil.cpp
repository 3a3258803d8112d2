#include "uGeotextil.h"

#include "Uapres.h"
#include "Uentdad.h"
#include "Umetod.h"
#include "Usolkan.h"
#include "Usollow.h"
#include "calc/Ancoragem.h"
#include "data/DadosEntrada.h"
#include "data/Mensagens.h"
#include "data/ParseReal.h"
#include "uAjuda1.h"
#include "uEns.h"

#include "ui_uGeotextil.h"

#include <QLineEdit>

TGeot* Geot = nullptr;
ComprimentosAncoragem Comprimentos;

namespace {
long double Numero(const QLineEdit* campo) {
    return ParseReal(campo->text().toStdString());
}
} // namespace

TGeot::TGeot(QWidget* parent) : Tela(Tipo::SemDesativacao, parent), ui(new Ui::TGeot) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararBarraStatus(ui->StatusBar1);

    const struct {
        QWidget* campo;
        const char* texto;
    } textosFoco[] = {
        {ui->eCoeGeo1, "Coesão do solo na interface fundação/geotêxtil (kPa)."},
        {ui->eAngGeo1, "Ângulo de atrito interno do solo na interface fundação/geotêxtil (graus)."},
        {ui->eCoeGeo2, "Coesão do solo na interface aterro/geotêxtil (kPa)."},
        {ui->eAngGeo2, "Ângulo de atrito interno do solo na interface aterro/geotêxtil (graus)."},
        {ui->eFS1, "Fator de segurança a ser adotado no dimensionamento"},
    };
    for (const auto& t : textosFoco) {
        TextoAoEntrar(t.campo, QString::fromUtf8(t.texto));
    }

    AoClicar(ui->bCalc, this, &TGeot::bCalcClick);
    AoClicar(ui->bDados, this, &TGeot::bDadosClick);
    AoClicar(ui->bEns, this, &TGeot::bEnsClick);
    AoClicar(ui->bFS, this, &TGeot::bFSClick);
    AoClicar(ui->bSair, this, &TGeot::bSairClick);
    ui->eCoeGeo1->setFocus();
}

TGeot::~TGeot() = default;

void TGeot::bCalcClick() {
    const long double deltaf = Numero(ui->eAngGeo1);
    const long double cf = Numero(ui->eCoeGeo1);
    const long double deltae = Numero(ui->eAngGeo2);
    const long double ce = Numero(ui->eCoeGeo2);
    const long double FS1 = Numero(ui->eFS1);

    // H and γ as the data-entry screen last converted them, not the copy of the last run.
    ComprimentosAncoragem novos;
    switch (CalcAncoragem(DadosDoProblema.Alt, DadosDoProblema.Pesesp, cf, deltaf, ce, deltae, FS1,
                          SolucaoComTrinca.P, SolucaoSemTrinca.P, SolucaoLow.Solicsolh,
                          SolucaoLow.Solicsolb, novos)) {
    case SituacaoAncoragem::Calculada:
        break;
    case SituacaoAncoragem::ResistenciaNula:
        ExibirMensagem("As resistências das interfaces somam zero; não é possível calcular o "
                       "comprimento de ancoragem.");
        return;
    case SituacaoAncoragem::ForaDoIntervalo:
        ExibirMensagem("Valores fora do intervalo de cálculo.");
        return;
    }
    Comprimentos = novos;

    // Back to the results screen that opened this analysis, however often this is pressed.
    if (OrigemKaniraj) {
        Solkan->MostrarComprimentos();
    } else {
        Sollow->MostrarComprimentos();
    }
}

void TGeot::bDadosClick() {
    Entdad->Mostrar();
}

void TGeot::bEnsClick() {
    fEns->Mostrar();
}

void TGeot::bFSClick() {
    fAjuda1->MostrarModal();
}

void TGeot::bSairClick() {
    // This screen does not hide when another becomes active, so it leaves first.
    Fechar();
    Apres->Mostrar();
}
