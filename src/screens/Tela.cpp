#include "Tela.h"

#include "data/ParseReal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QThread>

#include <algorithm>
#include <iostream>

namespace {
TratadorErros& tratadorAtual() {
    static TratadorErros tratador;
    return tratador;
}
} // namespace

namespace {
QPointer<QLineEdit>& CampoApontado() {
    static QPointer<QLineEdit> campo;
    return campo;
}
} // namespace

void ApontarCampo(QLineEdit* campo) {
    if (!CampoApontado()) {
        CampoApontado() = campo;
    }
}

void FocarCampoApontado() {
    QPointer<QLineEdit> campo = CampoApontado();
    CampoApontado() = nullptr;
    if (campo && campo->isVisible()) {
        campo->setFocus(Qt::OtherFocusReason);
        campo->selectAll();
    }
}

long double LerNumero(QLineEdit* campo) {
    try {
        return ParseReal(campo->text().toStdString());
    } catch (const EConvertError&) {
        ApontarCampo(campo);
        throw;
    }
}

void DefinirTratadorErros(TratadorErros tratador) {
    tratadorAtual() = std::move(tratador);
}

void TratarErro(std::exception_ptr erro) {
    if (tratadorAtual()) {
        try {
            tratadorAtual()(erro);
            return;
        } catch (...) {
            // The handler itself failed: nothing else may leave through the event loop.
        }
    }
    try {
        std::rethrow_exception(erro);
    } catch (const std::exception& e) {
        std::cerr << "Erro inesperado: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "Erro inesperado.\n";
    }
}

QPointer<Tela> Tela::ativa_;

Tela::Tela(Tipo tipo, QWidget* parent) : QDialog(parent), tipo_(tipo) {
    if (tipo_ == Tipo::Modal) {
        setModal(true);
    }
    // The control that last had the focus inside this window, whatever it is.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* agora) {
        if (agora && agora->window() == this) {
            ultimoFoco_ = agora;
        }
    });
}

Tela::~Tela() {
    if (ativa_ == this) {
        ativa_ = nullptr;
    }
}

Tela* Tela::TelaAtiva() {
    return ativa_.data();
}

void Tela::Mostrar() {
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}

void Tela::MostrarModal() {
    QPointer<QWidget> abridor = QApplication::activeWindow();
    if (!abridor) {
        abridor = TelaAtiva();
    }
    exec();
    if (abridor && abridor->isVisible()) {
        abridor->raise();
        abridor->activateWindow();
    }
}

void Tela::Fechar() {
    close();
}

QString Tela::TextoStatus() const {
    return painel_ ? painel_->text() : QString();
}

void Tela::EscreverStatus(const QString& texto) {
    if (painel_) {
        painel_->setText(texto);
    }
}

void Tela::FormDeactivate() {
    if (tipo_ == Tipo::Normal) {
        Fechar();
    }
}

void Tela::FixarMoldura(bool redimensionavel) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint;
    if (!redimensionavel) {
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    }
    setWindowFlags(flags);
    setSizeGripEnabled(false);
    if (!redimensionavel) {
        setFixedSize(size());
    }

    // A screen designed without a default button must not get one: a dialog would otherwise make
    // its first button the default, and Enter in any field would press it. Enter then presses
    // only the button that has the focus (see keyPressEvent).
    const auto botoes = findChildren<QPushButton*>();
    semBotaoPadrao_ =
        std::none_of(botoes.begin(), botoes.end(), [](QPushButton* b) { return b->isDefault(); });
    if (semBotaoPadrao_) {
        for (QPushButton* botao : botoes) {
            botao->setAutoDefault(false);
        }
    }
}

void Tela::PrepararBarraStatus(QStatusBar* barra) {
    barra->setSizeGripEnabled(false);
    painel_ = new QLabel(barra);
    painel_->setObjectName(QStringLiteral("Painel"));
    painel_->setTextFormat(Qt::PlainText);
    painel_->setWordWrap(true);
    painel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    barra->addWidget(painel_, 1);

    // The focus texts are held by the form, on each control, as the property textoStatus.
    QStringList textos{statusTip()};
    for (QWidget* controle : findChildren<QWidget*>()) {
        const QVariant texto = controle->property(PropriedadeTextoStatus);
        if (texto.isValid()) {
            TextoAoEntrar(controle, texto.toString());
            textos << texto.toString();
        }
        textos << controle->statusTip(); // the mouse-over hints of the results screens
    }

    // Every text the bar may show is read whole: the bar grows, and the window with it, to the
    // lines that the longest text needs at the bar's width.
    barra->layout()->activate();
    const QFontMetrics medidas(painel_->font());
    const QRect linha(0, 0, painel_->contentsRect().width(), 1 << 20);
    int altura = medidas.height();
    for (const QString& texto : textos) {
        altura = std::max(altura, medidas.boundingRect(linha, Qt::TextWordWrap, texto).height());
    }
    const int acrescimo = altura - medidas.height();
    if (acrescimo > 0) {
        barra->resize(barra->width(), barra->height() + acrescimo);
        const QSize novo(width(), height() + acrescimo);
        if (minimumSize() == maximumSize()) {
            setFixedSize(novo);
        } else {
            resize(novo);
        }
    }
}

void Tela::TextoAoEntrar(QWidget* controle, const QString& texto) {
    textosFoco_.insert(controle, texto);
    controle->installEventFilter(this);
}

void Tela::PrepararTextoFixo(QPlainTextEdit* texto) {
    texto->setReadOnly(true);
    texto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    texto->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    texto->setTabChangesFocus(true);
    textosFixos_.insert(texto);
    texto->installEventFilter(this);
}

bool Tela::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        auto it = textosFoco_.constFind(objeto);
        if (it != textosFoco_.constEnd()) {
            // The focus coming back to the control that last had it in this window (the window
            // active again after being hidden, or under a message box) writes nothing: the bar
            // already says what it said.
            const bool retorno = ultimoFoco_ == objeto;
            if (!retorno) {
                EscreverStatus(it.value());
            }
        }
    } else if (e->type() == QEvent::KeyPress && textosFixos_.contains(objeto)) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            return true;
        }
    }
    return QDialog::eventFilter(objeto, e);
}

bool Tela::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        Tratado([this] { Ativada(); })();
    }
    return QDialog::event(e);
}

// The deactivation rule: when a non-modal screen of the program becomes active, the screen that
// was active before is told so. Modal windows and message boxes are not screens in this sense, so
// opening one over a screen leaves that screen alone; another application becoming active sends
// no WindowActivate to any screen, so it deactivates nothing.
void Tela::Ativada() {
    if (tipo_ == Tipo::Modal || ativa_ == this) {
        return;
    }
    QPointer<Tela> anterior = ativa_;
    ativa_ = this;
    if (anterior) {
        anterior->FormDeactivate();
    }
    FormActivate();
}

void Tela::keyPressEvent(QKeyEvent* e) {
    // Escape closes nothing here: every window is closed by its own button or its close box.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        return;
    }
    if (semBotaoPadrao_ && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        // With no default button, Enter presses the focused button and nothing else.
        if (auto* botao = qobject_cast<QPushButton*>(focusWidget());
            botao && botao->isEnabled() && botao->isVisible()) {
            botao->click();
        }
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tela::closeEvent(QCloseEvent* e) {
    QDialog::closeEvent(e);
    if (tipo_ == Tipo::Principal) {
        // Closing the main screen ends the program, whatever other screens are visible.
        e->accept();
        hide();
        if (QThread::currentThread()->loopLevel() > 0) {
            QCoreApplication::exit(0);
        }
    }
}

// A screen hidden while it is the active one (its close box, its own button) has stopped being
// the active screen: it is deactivated now, so that the next screen to become active, itself
// included, starts afresh. Minimising (a spontaneous hide) is not a deactivation.
void Tela::showEvent(QShowEvent* e) {
    CaberNaTela();
    QDialog::showEvent(e);
}

// Every window opens inside the available area of its screen: one that can be resized shrinks
// to it, and any window moves so that its title bar, and as much of it as fits, is on the screen.
void Tela::CaberNaTela() {
    const QScreen* tela = screen();
    if (!tela) {
        return;
    }
    const QRect area = tela->availableGeometry();
    // Until the window manager has framed the window its frame is unknown: room for a title bar.
    QMargins moldura(geometry().left() - frameGeometry().left(),
                     geometry().top() - frameGeometry().top(),
                     frameGeometry().right() - geometry().right(),
                     frameGeometry().bottom() - geometry().bottom());
    if (frameGeometry() == geometry()) {
        moldura = QMargins(4, 30, 4, 4);
    }
    const QSize cabe = area.size().shrunkBy(moldura);
    if (minimumSize() != maximumSize()) {
        resize(size().boundedTo(cabe).expandedTo(minimumSize()));
    }
    // A window's position is its frame's.
    const auto limitar = [](int posicao, int inicio, int fim) {
        return std::max(inicio, std::min(posicao, fim));
    };
    const QPoint canto(limitar(pos().x(), area.left(),
                               area.right() + 1 - width() - moldura.left() - moldura.right()),
                       limitar(pos().y(), area.top(),
                               area.bottom() + 1 - height() - moldura.top() - moldura.bottom()));
    if (canto != pos()) {
        move(canto);
    }
}

void Tela::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (!e->spontaneous() && ativa_ == this) {
        ativa_ = nullptr;
        Tratado([this] { FormDeactivate(); })();
    }
}
