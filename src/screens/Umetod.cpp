#include "Umetod.h"

#include "Impressao.h"
#include "Uapres.h"
#include "Uentdad.h"
#include "Usolkan.h"
#include "Usollow.h"
#include "calc/Kanct.h"
#include "calc/Kanst.h"
#include "calc/Low.h"
#include "data/ParseReal.h"
#include "uEsquema.h"
#include "ui_Umetod.h"

#include <QApplication>
#include <QFocusEvent>

#include <utility>

TMetcal* Metcal = nullptr;

DadosEntrada CopiaDadosEntrada;
long double Fatsegkan = 0;
long double Posref = 0;
long double Fatseglow = 0;
ResultadoKaniraj SolucaoComTrinca;
ResultadoKaniraj SolucaoSemTrinca;
ResultadoLow SolucaoLow;

TMetcal::TMetcal(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TMetcal) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararBarraStatus(ui->StatusBar1);

    const QString hipoteses =
        QStringLiteral("Ativa o formulário de Geometria e Hipóteses do método.");
    const QString fatorSeguranca =
        QStringLiteral("Fator de segurança global que se deseja garantir.");
    const std::pair<QWidget*, QString> textosAoEntrar[] = {
        {ui->eFatsegkan, fatorSeguranca},
        {ui->ePosref, QStringLiteral("Posição do reforço no aterro (m). - em geral igual a zero")},
        {ui->bCalkan, QStringLiteral("Dimensionamento pelo método de Kaniraj.")},
        {ui->bEsq1, hipoteses},
        {ui->eFatseglow, fatorSeguranca},
        {ui->bCallow, QStringLiteral("Dimensionamento pelo método de Low.")},
        {ui->bEsq2, hipoteses},
        {ui->bDados1, QStringLiteral("Ativa o formulário de entrada de dados.")},
        {ui->bImp2, QStringLiteral("Imprime este formulário.")},
        {ui->bExit2,
         QStringLiteral("Ativa o formulário principal permitindo o fechamento do programa.")},
    };
    for (const auto& [controle, texto] : textosAoEntrar) {
        TextoAoEntrar(controle, texto);
        controle->installEventFilter(this);
    }

    AoClicar(ui->bCalkan, this, &TMetcal::bCalkanClick);
    AoClicar(ui->bEsq1, this, &TMetcal::bEsq1Click);
    AoClicar(ui->bCallow, this, &TMetcal::bCallowClick);
    AoClicar(ui->bEsq2, this, &TMetcal::bEsq2Click);
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
    CopiaDadosEntrada = DadosDoProblema;
    Fatsegkan = ParseReal(ui->eFatsegkan->text().toStdString());
    Posref = ParseReal(ui->ePosref->text().toStdString());
    const DadosEntrada& d = CopiaDadosEntrada;
    CalcKanct(d.Alt, d.Decl, d.Pesesp, d.Coesao, d.Angat, d.Altberma, d.Largberma, d.Prof, d.Dist,
              d.Superf, d.ProfZ, d.Cont, Fatsegkan, Posref, SolucaoComTrinca);
    CalcKanst(d.Alt, d.Decl, d.Pesesp, d.Coesao, d.Angat, d.Altberma, d.Largberma, d.Prof, d.Dist,
              d.Superf, d.ProfZ, d.Cont, Fatsegkan, Posref, SolucaoSemTrinca);
    Solkan->Mostrar();
}

void TMetcal::bEsq1Click() {
    Esquema->Mostrar();
}

void TMetcal::bCallowClick() {
    // The berm values stay as the last Kaniraj run left them: Low's method does not use them.
    const DadosEntrada& dados = DadosDoProblema;
    DadosEntrada& d = CopiaDadosEntrada;
    d.Alt = dados.Alt;
    d.Decl = dados.Decl;
    d.Pesesp = dados.Pesesp;
    d.Coesao = dados.Coesao;
    d.Angat = dados.Angat;
    d.Prof = dados.Prof;
    d.Dist = dados.Dist;
    d.Superf = dados.Superf;
    d.ProfZ = dados.ProfZ;
    d.Cont = dados.Cont;
    Fatseglow = ParseReal(ui->eFatseglow->text().toStdString());
    CalcLow(d.Alt, d.Decl, d.Pesesp, d.Coesao, d.Angat, d.Altberma, d.Largberma, d.Prof, d.Dist,
            d.Superf, d.ProfZ, d.Cont, Fatseglow, SolucaoLow);
    Sollow->Mostrar();
}

void TMetcal::bEsq2Click() {
    Esquema->Mostrar();
}

void TMetcal::bDados1Click() {
    Entdad->Mostrar();
}

void TMetcal::bImp2Click() {
    ImprimirTela(this);
}

void TMetcal::bExit2Click() {
    Apres->Mostrar();
}
