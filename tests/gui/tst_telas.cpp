// The conventions every screen follows: showing, hiding when another screen of the program becomes
// active (and only then), modal windows, the close box, the frames, the focus and the status-bar
// focus texts kept while a screen is hidden, Enter and Esc.

#include "support/Apoio.h"

#include "app/Aplicacao.h"
#include "screens/Tela.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"
#include "screens/uEsquema.h"
#include "screens/uHipKan.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using namespace passos;

namespace {
// A small screen of our own, to drive the shared mechanisms where no screen of the program has
// the combination needed: two fields with focus texts, a status bar, and a button without one.
class TelaDeTeste : public Tela {
public:
    TelaDeTeste() : Tela(Tipo::Normal) {
        setObjectName(QStringLiteral("TelaDeTeste"));
        resize(300, 160);
        campo1 = new QLineEdit(this);
        campo1->setGeometry(10, 10, 100, 22);
        campo2 = new QLineEdit(this);
        campo2->setGeometry(10, 40, 100, 22);
        botao = new QPushButton(QStringLiteral("&Um"), this);
        botao->setGeometry(10, 80, 80, 25);
        auto* barra = new QStatusBar(this);
        barra->setGeometry(0, 138, 300, 22);
        FixarMoldura();
        PrepararBarraStatus(barra);
        TextoAoEntrar(campo1, QStringLiteral("Primeiro campo."));
        TextoAoEntrar(campo2, QStringLiteral("Segundo campo."));
        campo1->setFocus();
    }

    QLineEdit* campo1;
    QLineEdit* campo2;
    QPushButton* botao;
    int ativacoes = 0, desativacoes = 0;

protected:
    void FormActivate() override { ++ativacoes; }
    void FormDeactivate() override {
        ++desativacoes;
        Tela::FormDeactivate();
    }
};

// The user clicks on a window of the program: the window system activates it, the click lands.
void ClicarNaJanela(QWidget* janela, QWidget* alvo) {
    janela->activateWindow();
    QTest::mouseClick(alvo, Qt::LeftButton);
    QVERIFY(EsperarAtiva(janela));
}
} // namespace

class TstTelas : public QObject {
    Q_OBJECT
private slots:
    void botaoPadraoQueMostraOutraTelaEscondeADeOrigem();
    void modalNaoEscondeQuemAAbriu_data();
    void modalNaoEscondeQuemAAbriu();
    void outraAplicacaoNaoDesativaNada();
    void caixaDeFecharEscondeATela();
    void fimDoProgramaComCodigoZero_data();
    void fimDoProgramaComCodigoZero();
    void molduras();
    void soOEsquemaMudaDeTamanhoEOsControlesFicam();
    void cliqueEmOutraJanelaEscondeEOFocoVolta();
    void textoDeStatusNaoEhReescritoNaVolta();
    void escNaoFechaNada();
};

// Enter presses the default button; the screen that shows another one hides, the main one never.
void TstTelas::botaoPadraoQueMostraOutraTelaEscondeADeOrigem() {
    ProgramaEmTeste programa;
    QTest::keyClick(Focado(), Qt::Key_Return); // "&Iniciar"
    QVERIFY(EsperarAtiva(Esquema));
    QVERIFY(Apres->isVisible());
    QCOMPARE(Tela::TelaAtiva(), Esquema);

    QTest::keyClick(Focado(), Qt::Key_Return); // "&Continuar"
    QVERIFY(EsperarAtiva(Entdad));
    QTRY_VERIFY(!Esquema->isVisible());
    QVERIFY(Apres->isVisible());
}

void TstTelas::modalNaoEscondeQuemAAbriu_data() {
    QTest::addColumn<bool>("caixaDeMensagem");
    QTest::newRow("janela modal") << false;
    QTest::newRow("caixa de mensagem") << true;
}

// The opener stays visible and stays the active screen for the rule; the other windows ignore the
// mouse meanwhile; the close box ends the modal run.
void TstTelas::modalNaoEscondeQuemAAbriu() {
    QFETCH(bool, caixaDeMensagem);
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QString titulo, texto;
    bool esquemaVisivel = false, esquemaAtivaNaRegra = false, cliqueIgnorado = false;
    QuandoModal([&](QWidget* modal) {
        titulo = modal->windowTitle();
        if (auto* caixa = qobject_cast<QMessageBox*>(modal)) {
            texto = caixa->text();
        }
        esquemaVisivel = Esquema->isVisible();
        esquemaAtivaNaRegra = Tela::TelaAtiva() == Esquema;
        QPushButton* sair = Botao(Esquema, "bSair");
        QTest::mouseClick(Esquema->windowHandle(), Qt::LeftButton, {},
                          sair->mapTo(Esquema, sair->rect().center()));
        QTest::qWait(20);
        cliqueIgnorado = Esquema->isVisible() && QApplication::activeModalWidget() == modal;
        modal->close();
    });
    if (caixaDeMensagem) {
        MostrarCaixaMensagem("Dados incompletos.");
    } else {
        QTest::mouseClick(Botao(Esquema, "bKan"), Qt::LeftButton);
    }
    QCOMPARE(titulo, caixaDeMensagem ? QStringLiteral("Veltra") : HipKan->windowTitle());
    QCOMPARE(texto, caixaDeMensagem ? QStringLiteral("Dados incompletos.") : QString());
    QVERIFY(esquemaVisivel);
    QVERIFY(esquemaAtivaNaRegra);
    QVERIFY(cliqueIgnorado);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!HipKan->isVisible());
    QVERIFY(EsperarAtiva(Esquema));
    QCOMPARE(Tela::TelaAtiva(), Esquema);
}

void TstTelas::outraAplicacaoNaoDesativaNada() {
    ProgramaEmTeste programa;
    TelaDeTeste tela;
    QVERIFY(MostrarEEsperar(&tela));
    QCOMPARE(tela.ativacoes, 1);

    // Another application takes the focus, then the user comes back to this screen.
    QApplication::setActiveWindow(nullptr);
    QTest::qWait(20);
    QVERIFY(tela.isVisible());
    tela.activateWindow();
    QVERIFY(EsperarAtiva(&tela));
    QCOMPARE(tela.desativacoes, 0);
    QCOMPARE(tela.ativacoes, 1);
}

// The close box hides a screen: deactivated once, activated again when shown again.
void TstTelas::caixaDeFecharEscondeATela() {
    ProgramaEmTeste programa;
    TelaDeTeste tela;
    QVERIFY(MostrarEEsperar(&tela));
    QVERIFY(tela.close());
    QVERIFY(!tela.isVisible());
    QCOMPARE(tela.desativacoes, 1);
    QVERIFY(MostrarEEsperar(Esquema));
    QCOMPARE(tela.desativacoes, 1);
    QVERIFY(MostrarEEsperar(&tela));
    QCOMPARE(tela.ativacoes, 2);
    QVERIFY(Apres->isVisible());
}

void TstTelas::fimDoProgramaComCodigoZero_data() {
    QTest::addColumn<bool>("pelaCaixaDeFechar");
    QTest::newRow("caixa de fechar") << true;
    QTest::newRow("Sair") << false;
}

// With other screens visible, closing the main screen ends the program.
void TstTelas::fimDoProgramaComCodigoZero() {
    QFETCH(bool, pelaCaixaDeFechar);
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QVERIFY(MostrarEEsperar(Apres));
    const int codigo = ExecutarAteOFim([pelaCaixaDeFechar] {
        if (pelaCaixaDeFechar) {
            Apres->close();
        } else {
            QTest::mouseClick(Botao(Apres, "bSair"), Qt::LeftButton);
        }
    });
    QCOMPARE(codigo, 0);
    QVERIFY(!Apres->isVisible());
}

// Every title bar: system menu, close box, minimise, never maximise; every frame fixed but one.
void TstTelas::molduras() {
    ProgramaEmTeste programa;
    int telas = 0;
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (auto* tela = qobject_cast<Tela*>(janela)) {
            ++telas;
            const Qt::WindowFlags f = tela->windowFlags();
            const bool barra = f.testFlag(Qt::WindowSystemMenuHint) &&
                               f.testFlag(Qt::WindowCloseButtonHint) &&
                               f.testFlag(Qt::WindowMinimizeButtonHint) &&
                               !f.testFlag(Qt::WindowMaximizeButtonHint);
            const bool fixa =
                tela->minimumSize() == tela->size() && tela->maximumSize() == tela->size();
            QVERIFY2(barra && fixa == (tela != Esquema), qPrintable(tela->objectName()));
        }
    }
    QCOMPARE(telas, 19);
}

void TstTelas::soOEsquemaMudaDeTamanhoEOsControlesFicam() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QHash<QWidget*, QRect> antes;
    for (QWidget* filho : Esquema->findChildren<QWidget*>()) {
        antes.insert(filho, filho->geometry());
    }
    for (const QSize tamanho : {QSize(700, 500), QSize(400, 300)}) {
        Esquema->resize(tamanho);
        QTRY_COMPARE(Esquema->size(), tamanho);
        for (auto it = antes.cbegin(); it != antes.cend(); ++it) {
            QCOMPARE(it.key()->geometry(), it.value());
        }
    }
}

// A click on another window of the program hides the active screen; shown again, its focus is
// where it was left.
void TstTelas::cliqueEmOutraJanelaEscondeEOFocoVolta() {
    ProgramaEmTeste programa;
    QTest::mouseClick(Botao(Apres, "bIni"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Esquema));
    QTest::keyClick(Focado(), Qt::Key_Tab);
    QTest::keyClick(Focado(), Qt::Key_Tab);
    QCOMPARE(Focado(), Botao(Esquema, "bLow"));

    ClicarNaJanela(Apres, Achar<QLabel>(Apres, QStringLiteral("Label2")));
    QTRY_VERIFY(!Esquema->isVisible());
    QCOMPARE(Tela::TelaAtiva(), Apres);
    QTest::mouseClick(Botao(Apres, "bIni"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Esquema));
    QCOMPARE(Focado(), Botao(Esquema, "bLow"));
}

void TstTelas::textoDeStatusNaoEhReescritoNaVolta() {
    ProgramaEmTeste programa;
    TelaDeTeste tela;
    QCOMPARE(tela.TextoStatus(), QString()); // empty until a control receives the focus
    QVERIFY(MostrarEEsperar(&tela));
    QCOMPARE(tela.TextoStatus(), QStringLiteral("Primeiro campo."));
    QTest::keyClick(tela.campo1, Qt::Key_Tab);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("Segundo campo."));
    QTest::keyClick(tela.campo2, Qt::Key_Tab); // onto a button without a text: the bar stays
    QCOMPARE(Focado(), tela.botao);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("Segundo campo."));
    QTest::keyClick(tela.botao, Qt::Key_Backtab);

    // Hidden by another screen and shown again: the focus comes back to the same field and no
    // focus text is written for that return (the marker written meanwhile stays).
    tela.EscreverStatus(QStringLiteral("marca"));
    QVERIFY(MostrarEEsperar(Apres));
    QTRY_VERIFY(!tela.isVisible());
    QVERIFY(MostrarEEsperar(&tela));
    QCOMPARE(Focado(), tela.campo2);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("marca"));
    QTest::mouseClick(tela.campo1, Qt::LeftButton);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("Primeiro campo."));
}

// Esc closes nothing.
void TstTelas::escNaoFechaNada() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QTest::keyClick(Esquema, Qt::Key_Escape);
    QTest::keyClick(Apres, Qt::Key_Escape);
    QTest::qWait(20);
    QVERIFY(Esquema->isVisible());
    QVERIFY(Apres->isVisible());
}

QTEST_MAIN(TstTelas)
#include "tst_telas.moc"
