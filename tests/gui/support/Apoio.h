#pragma once

// What the window tests share: the program started afresh with messages recorded, the screens by
// name, controls found loudly, and the steps a user takes.

#include "app/Aplicacao.h"
#include "screens/Dialogos.h"
#include "screens/Tela.h"
#include "screens/Telas.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

inline const QString mensagemConversao =
    QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números.");
inline const QString semImpressora = QStringLiteral("Nenhuma impressora disponível.");

// The named child of the given type, or the test program stops with the list of what exists.
QString NomesDosFilhos(const QWidget* raiz);
template <class T = QWidget> T* Achar(const QWidget* raiz, const QString& nome) {
    T* filho = raiz->findChild<T*>(nome);
    if (!filho) {
        qFatal("Controle \"%s\" nao encontrado em %s. Existem: %s", qPrintable(nome),
               qPrintable(raiz->objectName()), qPrintable(NomesDosFilhos(raiz)));
    }
    return filho;
}

// The program as the user meets it: every screen created, the opening screen shown and active,
// the run state, the problem data, the design file and the settings as at start-up, messages and
// questions recorded instead of shown: every question gets `resposta`, every file dialog `arquivo`
// (an open dialog `arquivoAbrir`, when set).
class ProgramaEmTeste {
public:
    ProgramaEmTeste();
    ~ProgramaEmTeste();
    QStringList mensagens;
    QStringList perguntas;
    Resposta resposta = Resposta::Nao;
    QString arquivo; // empty: the dialog is cancelled
    QString arquivoAbrir;

private:
    std::unique_ptr<ConjuntoTelas> telas_;
};

// The running program's screen of that name; the test program stops if there is none.
Tela* Janela(IdTela id);
// Shows the screen as a button of the program would and waits until it is the active window.
bool MostrarEEsperar(IdTela id);
bool EsperarAtiva(IdTela id);
bool EsperarAtiva(QWidget* janela);

QWidget* Focado();
void Clicar(IdTela tela, const char* botao);
void Clicar(const QWidget* janela, const char* botao);
// Clears the field and types the text key by key.
void Digitar(IdTela tela, const char* campo, const QString& texto);
// Each text typed in the field named in the same place; names and texts separated by blanks.
void DigitarCampos(IdTela tela, const char* campos, const QString& textos);
// In each field of the window named, its text selected and typed over; names and texts separated
// by blanks.
void DigitarEm(const QWidget* janela, const char* campos, const QString& textos);
// A field of a screen that is not in front, written as a user left it.
void Escrever(IdTela tela, const char* campo, const QString& texto);
QString Texto(IdTela tela, const char* campo);
// The texts of the fields named, separated by blanks.
QStringList Textos(IdTela tela, const char* campos);
// The same of a window's fields and labels.
QStringList Textos(const QWidget* janela, const char* nomes);
// The data-entry fields, in the order the record's values are read.
inline const char* const camposEntdad[] = {"eAlt",   "eDecl",     "ePesesp",    "eCoesao",
                                           "eAngat", "eAltberma", "eLargberma", "eProf",
                                           "eDist",  "eSuperf",   "eProfZ",     "eCont"};
// The twelve texts typed on the data-entry screen, in that order.
void DigitarEntdad(const QStringList& textos);
// The worked embankment of Exemplo.h typed on the data-entry screen (the slope as "2,0"), then
// "&Métodos de cálculo" and its factors, Kaniraj's F and a and Low's F (F = 1,3, a = 0); whether
// the methods screen became active.
bool DigitarExemplo(const QString& angulo = QStringLiteral("30"),
                    const QString& espessura = QStringLiteral("6"),
                    const QString& fatores = QStringLiteral("1,3 0 1,3"));
// The methods screen's runs, from wherever the user is.
void ExecutarKaniraj(const QString& F = QStringLiteral("1,3"),
                     const QString& a = QStringLiteral("0"));
void ExecutarLow(const QString& F = QStringLiteral("1,3"));
// "&Geotêxteis" on the results screen, then "&Continuar": whether the anchorage screen is active.
bool AbrirAnaliseDoReforco(IdTela resultados);
// The interfaces cf, δf, ce, δe and FS1 typed on the anchorage screen, separated by blanks.
void DigitarInterfaces(const QString& valores);
// A number as the result fields write it.
QString Formato(long double valor);

// How many pixels of the rectangle of the picture (all of it, by default) `conta` accepts.
int Pixels(const QImage& imagem, const std::function<bool(const QColor&)>& conta, QRect onde = {});

// No label, button or group title of the window is cut; its image is kept as
// <VELTRA_PNG_DIR>/<object name>.png for a person to look at.
void VerificarTextosInteiros(QWidget* tela);

// Runs the step (which must close it) inside the modal window or message box that what the test
// does next opens, once it is active; dropped if none opens within five seconds.
void QuandoModal(std::function<void(QWidget* modal)> passo);
