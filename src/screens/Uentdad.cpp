#include "Uentdad.h"

#include "Impressao.h"
#include "Uapres.h"
#include "Umetod.h"
#include "data/DadosEntrada.h"
#include "data/ParseReal.h"
#include "ui_Uentdad.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>
#include <utility>

TEntdad* Entdad = nullptr;

void CampoEntrada::focusInEvent(QFocusEvent* e) {
    // QLineEdit selects the whole text when entered by Tab or an accelerator; these fields keep
    // the caret and selection as the user left them.
    const Qt::FocusReason motivo = e->reason();
    if (motivo == Qt::TabFocusReason || motivo == Qt::BacktabFocusReason ||
        motivo == Qt::ShortcutFocusReason) {
        QFocusEvent semSelecao(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&semSelecao);
        return;
    }
    QLineEdit::focusInEvent(e);
}

void CampoEntrada::focusOutEvent(QFocusEvent* e) {
    // QLineEdit drops its selection when another control takes the focus, but not when the window
    // loses activation: leaving as if the window had, keeps the selection.
    if (e->reason() != Qt::PopupFocusReason) {
        QFocusEvent mantendoSelecao(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QLineEdit::focusOutEvent(&mantendoSelecao);
        return;
    }
    QLineEdit::focusOutEvent(e);
}

namespace {
QPixmap Figura(const QString& arquivo, QSize tamanho) {
    QPixmap figura(tamanho);
    figura.fill(Qt::transparent);
    QSvgRenderer desenho(arquivo);
    QPainter pintor(&figura);
    desenho.render(&pintor);
    return figura;
}
} // namespace

TEntdad::TEntdad(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TEntdad) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararBarraStatus(ui->StatusBar1);

    ui->Image1->setPixmap(Figura(QStringLiteral(":/figuras/perfil.svg"), ui->Image1->size()));

    const std::pair<QWidget*, QString> textosAoEntrar[] = {
        {ui->eAlt, QStringLiteral("Altura do aterro (m).")},
        {ui->eDecl, QStringLiteral("Declividade do aterro (horizontal/vertical).")},
        {ui->ePesesp,
         QStringLiteral("Peso específico aparente total do material do aterro (kN/m3).")},
        {ui->eCoesao, QStringLiteral("Coesão do material do aterro (kPa).")},
        {ui->eAngat, QStringLiteral("Ângulo de atrito do material do aterro (graus).")},
        {ui->eAltberma, QStringLiteral("Altura da berma (m). - apenas para solução por Kaniraj")},
        {ui->eLargberma, QStringLiteral("Largura da berma (m). - apenas para solução por Kaniraj")},
        {ui->eProf, QStringLiteral("Profundidade do solo de fundação (m).")},
        {ui->eDist, QStringLiteral("Profundidade de inflexão no diagrama bi-linear.Se a "
                                   "distribuição da resistência do solo for linear, adotar Z = 0")},
        {ui->eSuperf, QStringLiteral("Módulo da resistência não drenada na interface "
                                     "fundação/aterro (kPa).")},
        {ui->eProfZ,
         QStringLiteral("Módulo da resistência não drenada na profundidade do ponto de inflexão "
                        "da distribuição (kPa). (igual ao da superfície se Z=0)")},
        {ui->eCont, QStringLiteral("Módulo da resistência não drenada na base da camada de solo "
                                   "mole considerada (kPa).")},
        {ui->bContin, QStringLiteral("Ativa o formulário dos métodos de cálculo possíveis.")},
        {ui->bImp1, QStringLiteral("Imprime este formulário.")},
        {ui->bExit,
         QStringLiteral("Ativa o formulário principal permitindo o fechamento do programa.")},
    };
    for (const auto& [controle, texto] : textosAoEntrar) {
        TextoAoEntrar(controle, texto);
    }

    AoClicar(ui->bContin, this, &TEntdad::bContinClick);
    AoClicar(ui->bImp1, this, &TEntdad::bImp1Click);
    AoClicar(ui->bExit, this, &TEntdad::bExitClick);

    ui->eAlt->setFocus();
}

TEntdad::~TEntdad() = default;

void TEntdad::bContinClick() {
    // Each value is stored the moment it is read: a field that is not a number stops the press
    // there, with the fields before it already stored and the methods screen not shown.
    const std::array<std::pair<QLineEdit*, long double DadosEntrada::*>, 12> campos{{
        {ui->eAlt, &DadosEntrada::Alt},
        {ui->eDecl, &DadosEntrada::Decl},
        {ui->ePesesp, &DadosEntrada::Pesesp},
        {ui->eCoesao, &DadosEntrada::Coesao},
        {ui->eAngat, &DadosEntrada::Angat},
        {ui->eAltberma, &DadosEntrada::Altberma},
        {ui->eLargberma, &DadosEntrada::Largberma},
        {ui->eProf, &DadosEntrada::Prof},
        {ui->eDist, &DadosEntrada::Dist},
        {ui->eSuperf, &DadosEntrada::Superf},
        {ui->eProfZ, &DadosEntrada::ProfZ},
        {ui->eCont, &DadosEntrada::Cont},
    }};
    for (const auto& [campo, valor] : campos) {
        DadosDoProblema.*valor = ParseReal(campo->text().toStdString());
    }
    Metcal->Mostrar();
}

void TEntdad::bImp1Click() {
    ImprimirTela(this);
}

void TEntdad::bExitClick() {
    Apres->Mostrar();
}
