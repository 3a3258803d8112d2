#pragma once

// What every window of the program shares: how it is shown, shown modally, closed and hidden when
// another window of the program becomes active; the status-bar panel and its focus texts; and the
// wrapper that keeps every exception of an event handler away from Qt's event loop.

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QSet>

#include <exception>
#include <functional>
#include <utility>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStatusBar;

// The application-wide error handler (AppException); installed once at start-up.
using TratadorErros = std::function<void(std::exception_ptr)>;
void DefinirTratadorErros(TratadorErros tratador);
void TratarErro(std::exception_ptr erro);

// After the message that the event handler in progress shows, the cursor goes to this field with
// its text selected: the first value the user must correct. Later calls in the same handler are
// ignored.
void ApontarCampo(QLineEdit* campo);
// Done at the end of every wrapped handler: the field pointed at, if any, takes the focus.
void FocarCampoApontado();

// Reads a field by the number-reading rule; a text that is not a number throws EConvertError, and
// the field is pointed at.
long double LerNumero(QLineEdit* campo);

// Wraps an event handler so that whatever it throws reaches the application-wide handler: the
// handler stops where the error arose and the program goes on.
template <class F> auto Tratado(F f) {
    return [f = std::move(f)](auto&&...) mutable {
        try {
            f();
        } catch (...) {
            TratarErro(std::current_exception());
        }
        FocarCampoApontado();
    };
}

// The property of a control, set in its form, that holds the status-bar text written whenever the
// control receives the focus.
inline constexpr char PropriedadeTextoStatus[] = "textoStatus";

class Tela : public QDialog {
    Q_OBJECT
public:
    enum class Tipo {
        Principal,      // the opening screen: never hides; closing it ends the program
        Normal,         // hides itself when another screen of the program becomes active
        SemDesativacao, // stays visible when another screen becomes active
        Modal,          // runs modally over its opener; never tracked as the active screen
    };

    explicit Tela(Tipo tipo, QWidget* parent = nullptr);
    ~Tela() override;

    Tipo tipo() const { return tipo_; }

    // Make visible, bring to the front and activate; an already visible screen is only brought
    // forward and activated.
    void Mostrar();
    // Run modally until closed, with every other window disabled; then the window that was active
    // before is active again.
    void MostrarModal();
    // Modal window: end the modal run; main screen: end the program; other screens: hide.
    void Fechar();

    // The screen that is (or was last) the program's active non-modal screen.
    static Tela* TelaAtiva();

    // Status bar: one panel across the whole width.
    QString TextoStatus() const;
    void EscreverStatus(const QString& texto);

protected:
    // Called when this screen becomes the program's active screen, and when another screen of the
    // program takes that place from it. The default deactivation hides a Normal screen.
    virtual void FormActivate() {}
    virtual void FormDeactivate();

    // Fixes the window at its current size (the size designed in its .ui): no sizing border,
    // system menu, close box and minimise button, never maximise.
    void FixarMoldura(bool redimensionavel = false);
    // Adds the single panel to the screen's status bar, and gives every control that carries a
    // focus text in the form (PropriedadeTextoStatus) that text.
    void PrepararBarraStatus(QStatusBar* barra);
    // The status-bar text written whenever the control receives the focus.
    void TextoAoEntrar(QWidget* controle, const QString& texto);
    // A fixed text to read: read-only, selectable and copyable by mouse and keyboard, wrapped, with
    // a vertical scroll bar; Enter in it does nothing (it never presses the default button).
    void PrepararTextoFixo(QPlainTextEdit* texto);
    // Connects a button's click to a handler of the screen through the error wrapper.
    template <class B, class T> void AoClicar(B* botao, T* tela, void (T::*tratador)()) {
        connect(botao, &B::clicked, this, Tratado([tela, tratador] { (tela->*tratador)(); }));
    }

    bool event(QEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void Ativada();
    void CaberNaTela();

    Tipo tipo_;
    QLabel* painel_ = nullptr;
    QHash<QObject*, QString> textosFoco_;
    QPointer<QObject> ultimoFoco_; // the last control whose focus text was in play
    QSet<QObject*> textosFixos_;   // read-only texts in which Enter does nothing
    bool semBotaoPadrao_ = false;  // designed without a default button: Enter presses none
    static QPointer<Tela> ativa_;
};
