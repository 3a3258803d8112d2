#include "Uentdad.h"

#include "Figuras.h"
#include "Impressao.h"
#include "Projetos.h"
#include "Telas.h"
#include "data/DadosEntrada.h"
#include "data/ParseReal.h"
#include "ui_Uentdad.h"

#include <QFileInfo>
#include <QFocusEvent>
#include <QKeySequence>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include <array>
#include <utility>

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

TEntdad::TEntdad(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TEntdad) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararBarraStatus(ui->StatusBar1);

    ui->Image1->setPixmap(QPixmap::fromImage(
        DesenharSvg(QStringLiteral(":/figuras/perfil.svg"), ui->Image1->size(), Qt::transparent)));

    AoClicar(ui->bContin, this, &TEntdad::bContinClick);
    AoClicar(ui->bImp1, this, &TEntdad::bImp1Click);
    AoClicar(ui->bExit, this, &TEntdad::bExitClick);
    AoClicar(ui->bAbrir, this, &TEntdad::bAbrirClick);
    AoClicar(ui->bSalvar, this, &TEntdad::bSalvarClick);
    AoClicar(ui->bSalvarComo, this, &TEntdad::bSalvarComoClick);
    const auto atalho = [this](QKeySequence tecla, QPushButton* botao) {
        connect(new QShortcut(tecla, this), &QShortcut::activated, botao, &QPushButton::click);
    };
    atalho(QKeySequence::Open, ui->bAbrir);
    atalho(QKeySequence::Save, ui->bSalvar);
    atalho(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), ui->bSalvarComo);
    titulo_ = windowTitle();
    // The caption marks unsaved changes as they are typed.
    for (QLineEdit* campo : findChildren<QLineEdit*>()) {
        connect(campo, &QLineEdit::textChanged, this, &TEntdad::AtualizarTitulo);
    }

    ui->eAlt->setFocus();
}

TEntdad::~TEntdad() = default;

void TEntdad::bContinClick() {
    // Each value is stored the moment it is read: a field that is not a number stops the press
    // there, with the fields before it already stored and the methods screen not shown.
    for (const Grandeza& g : Grandezas) {
        DadosDoProblema.*g.membro =
            LerNumero(findChild<QLineEdit*>(QString::fromLatin1(g.controle)));
    }
    Telas::Mostrar(IdTela::Metcal);
}

void TEntdad::bImp1Click() {
    ImprimirTela(this);
}

void TEntdad::FormActivate() {
    AtualizarTitulo();
}

void TEntdad::bAbrirClick() {
    AbrirProjetoComDialogo(this);
    AtualizarTitulo();
}

void TEntdad::bSalvarClick() {
    SalvarProjeto(this);
    AtualizarTitulo();
}

void TEntdad::bSalvarComoClick() {
    SalvarProjetoComo(this);
    AtualizarTitulo();
}

void TEntdad::AtualizarTitulo() {
    const QString arquivo = ArquivoDoProjeto();
    const bool alterado = ProjetoAlterado();
    QString titulo = titulo_;
    if (!arquivo.isEmpty()) {
        titulo += QStringLiteral(" - ") + QFileInfo(arquivo).fileName();
    } else if (alterado) {
        titulo += QStringLiteral(" - projeto sem nome");
    }
    setWindowTitle(alterado ? titulo + QLatin1Char('*') : titulo);
}

void TEntdad::bExitClick() {
    Telas::Mostrar(IdTela::Apres);
}
