#include "Tela.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include <iostream>

namespace {
TratadorErros& tratadorAtual() {
    static TratadorErros tratador;
    return tratador;
}
} // namespace

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
}

Tela::~Tela() = default;

Tela* Tela::TelaAtiva() {
    return ativa_.data();
}

void Tela::Mostrar() {
    show();
    raise();
    activateWindow();
}

void Tela::MostrarModal() {
    QPointer<QWidget> abridor = QApplication::activeWindow();
    exec();
    if (abridor && abridor->isVisible()) {
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
}

void Tela::PrepararBarraStatus(QStatusBar* barra) {
    barra->setSizeGripEnabled(false);
    painel_ = new QLabel(barra);
    painel_->setObjectName(QStringLiteral("Painel"));
    painel_->setTextFormat(Qt::PlainText);
    barra->addWidget(painel_, 1);
}

void Tela::TextoAoEntrar(QWidget* controle, const QString& texto) {
    textosFoco_.insert(controle, texto);
    controle->installEventFilter(this);
}

bool Tela::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        auto it = textosFoco_.constFind(objeto);
        if (it != textosFoco_.constEnd()) {
            EscreverStatus(it.value());
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
    QDialog::keyPressEvent(e);
}

void Tela::closeEvent(QCloseEvent* e) {
    if (tipo_ == Tipo::Principal) {
        e->accept();
        QDialog::closeEvent(e);
        QApplication::quit();
        return;
    }
    QDialog::closeEvent(e);
}
