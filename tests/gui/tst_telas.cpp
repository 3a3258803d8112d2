// The conventions every screen follows: showing, hiding when another screen of the program becomes
// active (and only then), modal windows, the close box, the frames, the first focus, and the
// status-bar focus texts kept while a screen is hidden.

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
#include <QTimer>

namespace {
// A small screen of our own, to drive the shared mechanisms where no screen of the program has
// the combination needed: two fields with focus texts, a status bar, and two buttons.
class TelaDeTeste : public Tela {
public:
    explicit TelaDeTeste(Tipo tipo, bool comPadrao) : Tela(tipo) {
        setObjectName(QStringLiteral("TelaDeTeste"));
        resize(300, 160);
        campo1 = new QLineEdit(this);
        campo1->setGeometry(10, 10, 100, 22);
        campo2 = new QLineEdit(this);
        campo2->setGeometry(10, 40, 100, 22);
        botao1 = new QPushButton(QStringLiteral("&Um"), this);
        botao1->setGeometry(10, 80, 80, 25);
        botao2 = new QPushButton(QStringLiteral("&Dois"), this);
        botao2->setGeometry(100, 80, 80, 25);
        botao1->setDefault(comPadrao);
        auto* barra = new QStatusBar(this);
        barra->setGeometry(0, 138, 300, 22);
        FixarMoldura();
        PrepararBarraStatus(barra);
        TextoAoEntrar(campo1, QStringLiteral("Primeiro campo."));
        TextoAoEntrar(campo2, QStringLiteral("Segundo campo."));
        campo1->setFocus();
        AoClicar(botao1, this, &TelaDeTeste::botao1Click);
        AoClicar(botao2, this, &TelaDeTeste::botao2Click);
    }

    QLineEdit* campo1;
    QLineEdit* campo2;
    QPushButton* botao1;
    QPushButton* botao2;
    int cliques1 = 0;
    int cliques2 = 0;
    int ativacoes = 0;
    int desativacoes = 0;

protected:
    void FormActivate() override { ++ativacoes; }
    void FormDeactivate() override {
        ++desativacoes;
        Tela::FormDeactivate();
    }

private:
    void botao1Click() { ++cliques1; }
    void botao2Click() { ++cliques2; }
};

QPushButton* Botao(const QWidget* tela, const char* nome) {
    return Achar<QPushButton>(tela, QString::fromLatin1(nome));
}

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
    void botaoQueMostraOutraTelaEscondeADeOrigem();
    void cliqueEmOutraJanelaDoProgramaEscondeATelaAtiva();
    void janelaModalNaoEscondeQuemAAbriu();
    void caixaDeMensagemNaoEscondeATela();
    void outraAplicacaoNaoDesativaNada();
    void telaEscondidaPelaCaixaDeFecharEhDesativadaUmaVez();
    void caixaDeFecharSoEscondeAsOutrasTelas();
    void fecharATelaPrincipalEncerraOProgramaComCodigoZero();
    void molduras_data();
    void molduras();
    void soOEsquemaMudaDeTamanhoEOsControlesFicam();
    void primeiroFoco_data();
    void primeiroFoco();
    void focoVoltaAoControleQueOTinha();
    void textoDeStatusNaoEhReescritoNaVolta();
    void enterSemBotaoPadraoSoApertaOBotaoComFoco();
    void enterComBotaoPadraoApertaOPadrao();
    void escNaoFechaNada();
};

void TstTelas::botaoQueMostraOutraTelaEscondeADeOrigem() {
    ProgramaEmTeste programa;
    QTest::mouseClick(Botao(Apres, "bIni"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Esquema));
    QVERIFY(Apres->isVisible()); // the main screen never hides
    QCOMPARE(Tela::TelaAtiva(), Esquema);

    QTest::mouseClick(Botao(Esquema, "bCont1"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Entdad));
    QTRY_VERIFY(!Esquema->isVisible());
    QVERIFY(Apres->isVisible());
}

void TstTelas::cliqueEmOutraJanelaDoProgramaEscondeATelaAtiva() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    ClicarNaJanela(Apres, Achar<QLabel>(Apres, QStringLiteral("Label1")));
    QTRY_VERIFY(!Esquema->isVisible());
    QCOMPARE(Tela::TelaAtiva(), Apres);

    // Back and forth between two screens that hide: each click hides the other one.
    QVERIFY(MostrarEEsperar(Esquema));
    QVERIFY(MostrarEEsperar(Entdad));
    QTRY_VERIFY(!Esquema->isVisible());
}

void TstTelas::janelaModalNaoEscondeQuemAAbriu() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    struct {
        bool aberta = false, esquemaVisivel = false, esquemaAtivaNaRegra = false;
        bool cliqueIgnorado = false;
    } visto;
    QuandoModal([&](QWidget* modal) {
        visto.aberta = modal == HipKan && HipKan->isVisible();
        visto.esquemaVisivel = Esquema->isVisible();
        visto.esquemaAtivaNaRegra = Tela::TelaAtiva() == Esquema;
        // The other windows ignore the mouse while the modal window is open.
        QPushButton* sair = Botao(Esquema, "bSair");
        QTest::mouseClick(Esquema->windowHandle(), Qt::LeftButton, {},
                          sair->mapTo(Esquema, sair->rect().center()));
        QTest::qWait(20);
        visto.cliqueIgnorado = Esquema->isVisible() && QApplication::activeModalWidget() == HipKan;
        QTest::mouseClick(Botao(HipKan, "bFec1"), Qt::LeftButton);
    });
    QTest::mouseClick(Botao(Esquema, "bKan"), Qt::LeftButton);
    QVERIFY(visto.aberta);
    QVERIFY(visto.esquemaVisivel);
    QVERIFY(visto.esquemaAtivaNaRegra);
    QVERIFY(visto.cliqueIgnorado);
    QVERIFY(!HipKan->isVisible());
    QVERIFY(EsperarAtiva(Esquema));
    QVERIFY(Esquema->isVisible());
}

void TstTelas::caixaDeMensagemNaoEscondeATela() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QString titulo, texto;
    bool esquemaVisivel = false;
    QuandoModal([&](QWidget* modal) {
        auto* caixa = qobject_cast<QMessageBox*>(modal);
        if (caixa) {
            titulo = caixa->windowTitle();
            texto = caixa->text();
            esquemaVisivel = Esquema->isVisible();
            QTest::mouseClick(caixa->button(QMessageBox::Ok), Qt::LeftButton);
        }
    });
    MostrarCaixaMensagem("Dados incompletos.");
    QCOMPARE(titulo, QStringLiteral("Veltra"));
    QCOMPARE(texto, QStringLiteral("Dados incompletos."));
    QVERIFY(esquemaVisivel);
    QVERIFY(EsperarAtiva(Esquema));
    QVERIFY(Esquema->isVisible());
    QCOMPARE(Tela::TelaAtiva(), Esquema);
}

void TstTelas::outraAplicacaoNaoDesativaNada() {
    ProgramaEmTeste programa;
    TelaDeTeste tela(Tela::Tipo::Normal, false);
    QVERIFY(MostrarEEsperar(&tela));
    QCOMPARE(tela.ativacoes, 1);

    // Another application takes the focus, then the user comes back to this screen.
    QApplication::setActiveWindow(nullptr);
    QTest::qWait(20);
    QVERIFY(tela.isVisible());
    tela.activateWindow();
    QVERIFY(EsperarAtiva(&tela));
    QVERIFY(tela.isVisible());
    QCOMPARE(tela.desativacoes, 0);
    QCOMPARE(tela.ativacoes, 1);
    QVERIFY(Apres->isVisible());
}

void TstTelas::telaEscondidaPelaCaixaDeFecharEhDesativadaUmaVez() {
    ProgramaEmTeste programa;
    TelaDeTeste tela(Tela::Tipo::Normal, false);
    QVERIFY(MostrarEEsperar(&tela));
    tela.close(); // the close box
    QVERIFY(!tela.isVisible());
    QCOMPARE(tela.desativacoes, 1);
    QVERIFY(MostrarEEsperar(Apres));
    QCOMPARE(tela.desativacoes, 1);
    // Shown again, it is activated again (a results screen fills its fields on activation).
    QVERIFY(MostrarEEsperar(&tela));
    QCOMPARE(tela.ativacoes, 2);
}

void TstTelas::caixaDeFecharSoEscondeAsOutrasTelas() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QVERIFY(Esquema->close());
    QVERIFY(!Esquema->isVisible());
    QVERIFY(Apres->isVisible());
    QVERIFY(Esquema != nullptr); // hidden, not destroyed: the same instance comes back
    QTest::mouseClick(Botao(Apres, "bIni"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Esquema));

    // On a modal window the close box ends the modal run.
    bool aberta = false;
    QuandoModal([&](QWidget* modal) {
        aberta = modal == HipKan;
        modal->close();
    });
    QTest::mouseClick(Botao(Esquema, "bKan"), Qt::LeftButton);
    QVERIFY(aberta);
    QVERIFY(!HipKan->isVisible());
    QVERIFY(Esquema->isVisible());
}

void TstTelas::fecharATelaPrincipalEncerraOProgramaComCodigoZero() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QTimer guarda; // a stuck loop would otherwise hang the test
    guarda.setSingleShot(true);
    connect(&guarda, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
    guarda.start(5000);
    QTimer::singleShot(0, qApp, [] { Apres->close(); }); // the close box, other screens visible
    const int codigo = QApplication::exec();
    guarda.stop();
    QCOMPARE(codigo, 0);
    QVERIFY(!Apres->isVisible());
}

void TstTelas::molduras_data() {
    QTest::addColumn<QString>("nome");
    for (const char* nome :
         {"TApres", "TSolkan", "TEntdad", "TMetcal", "TSollow", "TGeot", "TEsquema", "THipKan",
          "THipLow", "TBibl", "TApresGeo", "TfCaso2", "TfCaso3", "TfCaso4", "TfAjuda1", "TfEns",
          "TfCaso10", "TfTab1", "TfTab2"}) {
        QTest::newRow(nome) << QString::fromLatin1(nome);
    }
}

// Every title bar: system menu, close box, minimise, never maximise; every frame fixed but one.
void TstTelas::molduras() {
    QFETCH(QString, nome);
    ProgramaEmTeste programa;
    Tela* tela = nullptr;
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<Tela*>(janela); t && t->objectName() == nome) {
            tela = t;
        }
    }
    QVERIFY2(tela, qPrintable(nome));
    const Qt::WindowFlags f = tela->windowFlags();
    QVERIFY(f.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(f.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(f.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint));
    if (nome == QLatin1String("TEsquema")) {
        QVERIFY(tela->minimumSize() != tela->maximumSize());
    } else {
        QCOMPARE(tela->minimumSize(), tela->size());
        QCOMPARE(tela->maximumSize(), tela->size());
    }
}

void TstTelas::soOEsquemaMudaDeTamanhoEOsControlesFicam() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QCOMPARE(Esquema->size(), QSize(512, 387));
    QHash<QWidget*, QRect> antes;
    for (QWidget* filho : Esquema->findChildren<QWidget*>()) {
        antes.insert(filho, filho->geometry());
    }
    Esquema->resize(700, 500);
    QTRY_COMPARE(Esquema->size(), QSize(700, 500));
    for (auto it = antes.cbegin(); it != antes.cend(); ++it) {
        QCOMPARE(it.key()->geometry(), it.value());
    }
    Esquema->resize(400, 300);
    QTRY_COMPARE(Esquema->size(), QSize(400, 300));
    QCOMPARE(Achar<QPushButton>(Esquema, QStringLiteral("bCont1"))->geometry(),
             antes.value(Achar<QPushButton>(Esquema, QStringLiteral("bCont1"))));
}

void TstTelas::primeiroFoco_data() {
    QTest::addColumn<QString>("tela");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("status");
    QTest::newRow("abertura") << "TApres"
                              << "bIni" << QString();
    QTest::newRow("esquema") << "TEsquema"
                             << "bCont1" << QString();
    QTest::newRow("entrada de dados") << "TEntdad"
                                      << "eAlt" << QStringLiteral("Altura do aterro (m).");
    QTest::newRow("metodos de calculo")
        << "TMetcal"
        << "eFatsegkan" << QStringLiteral("Fator de segurança global que se deseja garantir.");
}

// A screen's first appearance puts the focus on its designated first control, which writes its
// focus text.
void TstTelas::primeiroFoco() {
    QFETCH(QString, tela);
    QFETCH(QString, controle);
    QFETCH(QString, status);
    ProgramaEmTeste programa;
    Tela* t = nullptr;
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (auto* candidata = qobject_cast<Tela*>(janela);
            candidata && candidata->objectName() == tela) {
            t = candidata;
        }
    }
    QVERIFY(t);
    QVERIFY(MostrarEEsperar(t));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), controle);
    QCOMPARE(t->TextoStatus(), status);
}

void TstTelas::focoVoltaAoControleQueOTinha() {
    ProgramaEmTeste programa;
    QCOMPARE(QApplication::focusWidget(), Botao(Apres, "bIni"));
    QTest::mouseClick(Botao(Apres, "bIni"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Esquema));
    QCOMPARE(QApplication::focusWidget(), Botao(Esquema, "bCont1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Botao(Esquema, "bLow"));

    ClicarNaJanela(Apres, Achar<QLabel>(Apres, QStringLiteral("Label2")));
    QTRY_VERIFY(!Esquema->isVisible());
    QTest::mouseClick(Botao(Apres, "bIni"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Esquema));
    QCOMPARE(QApplication::focusWidget(), Botao(Esquema, "bLow"));
}

void TstTelas::textoDeStatusNaoEhReescritoNaVolta() {
    ProgramaEmTeste programa;
    TelaDeTeste tela(Tela::Tipo::Normal, false);
    QCOMPARE(tela.TextoStatus(), QString()); // empty until a control receives the focus
    QVERIFY(MostrarEEsperar(&tela));
    QCOMPARE(QApplication::focusWidget(), tela.campo1);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("Primeiro campo."));
    QTest::keyClick(tela.campo1, Qt::Key_Tab);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("Segundo campo."));
    QTest::keyClick(tela.campo2, Qt::Key_Tab); // onto a button without a text: the bar stays
    QCOMPARE(QApplication::focusWidget(), tela.botao1);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("Segundo campo."));
    QTest::keyClick(tela.botao1, Qt::Key_Backtab);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("Segundo campo."));

    // Hidden by another screen and shown again: the focus comes back to the same field and no
    // focus text is written for that return (the marker written meanwhile stays).
    tela.EscreverStatus(QStringLiteral("marca"));
    QVERIFY(MostrarEEsperar(Apres));
    QTRY_VERIFY(!tela.isVisible());
    QVERIFY(MostrarEEsperar(&tela));
    QCOMPARE(QApplication::focusWidget(), tela.campo2);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("marca"));
    // Moving on writes again.
    QTest::mouseClick(tela.campo1, Qt::LeftButton);
    QCOMPARE(tela.TextoStatus(), QStringLiteral("Primeiro campo."));
}

void TstTelas::enterSemBotaoPadraoSoApertaOBotaoComFoco() {
    ProgramaEmTeste programa;
    TelaDeTeste tela(Tela::Tipo::Normal, false);
    QVERIFY(MostrarEEsperar(&tela));
    QVERIFY(!tela.botao1->isDefault());
    QVERIFY(!tela.botao2->isDefault());
    QTest::keyClick(tela.campo1, Qt::Key_Return);
    QTest::keyClick(tela.campo1, Qt::Key_Enter);
    QCOMPARE(tela.cliques1 + tela.cliques2, 0);
    tela.botao2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tela.botao2, Qt::Key_Return);
    QCOMPARE(tela.cliques2, 1);
    QCOMPARE(tela.cliques1, 0);
}

void TstTelas::enterComBotaoPadraoApertaOPadrao() {
    ProgramaEmTeste programa;
    TelaDeTeste tela(Tela::Tipo::Normal, true);
    QVERIFY(MostrarEEsperar(&tela));
    QTest::keyClick(tela.campo2, Qt::Key_Return);
    QCOMPARE(tela.cliques1, 1);
    QCOMPARE(tela.cliques2, 0);
}

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
