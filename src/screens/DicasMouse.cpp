#include "DicasMouse.h"

#include "Tela.h"

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QWidget>

QString DicaDe(const QWidget* controle) {
    for (const QWidget* w = controle; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty()) {
            return w->statusTip();
        }
        if (w->isWindow()) {
            break;
        }
    }
    return {};
}

namespace {

// Follows the pointer through the Enter and Leave events that Qt sends to every widget it crosses
// (sent whether or not a widget tracks the mouse), and writes the hint into the active screen.
class ObservadorDicas : public QObject {
public:
    explicit ObservadorDicas(QObject* pai) : QObject(pai) {}

    void Registrar(Tela* tela) {
        telas_.removeAll(nullptr);
        if (!telas_.contains(tela)) {
            telas_.append(tela);
        }
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Enter:
            if (auto* w = qobject_cast<QWidget*>(objeto)) {
                // Qt enters the outermost widget first, the one under the pointer last.
                sobPonteiro_ = w;
                Escrever(Tela::TelaAtiva());
            }
            break;
        case QEvent::Leave:
            if (auto* w = qobject_cast<QWidget*>(objeto)) {
                // Leaving a control puts the pointer over its enclosing control (a sibling entered
                // next refines it); leaving a window puts it over no window of the program.
                sobPonteiro_ = w->isWindow() ? nullptr : w->parentWidget();
                Escrever(Tela::TelaAtiva());
            }
            break;
        case QEvent::WindowActivate:
            // The screen is becoming the active one: it shows the hint at once, not at the next
            // move of the pointer.
            if (auto* tela = qobject_cast<Tela*>(objeto)) {
                Escrever(tela);
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(objeto, e);
    }

private:
    void Escrever(Tela* tela) {
        if (!tela || !telas_.contains(tela)) {
            return;
        }
        const QString dica = sobPonteiro_ ? DicaDe(sobPonteiro_) : QString();
        if (tela->TextoStatus() != dica) {
            tela->EscreverStatus(dica);
        }
    }

    QList<QPointer<Tela>> telas_;
    QPointer<QWidget> sobPonteiro_;
};

} // namespace

void MostrarDicasDoMouse(Tela* tela) {
    static QPointer<ObservadorDicas> observador;
    if (!observador) {
        observador = new ObservadorDicas(qApp);
        qApp->installEventFilter(observador);
    }
    observador->Registrar(tela);
}
