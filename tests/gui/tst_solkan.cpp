// The Kaniraj results screen: the run's results, the two anchorage lengths on the return from the
// reinforcement analysis, mouse-over hints in the status bar, printing.

#include "ApoioReforco.h"

#include "calc/Ancoragem.h"
#include "data/FormatoGeral.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"

#include <QFrame>
#include <QGroupBox>

namespace {

// With crack above without, each row P, X0, Y0, D.
QStringList TextosResultado() {
    return TextosDe(Solkan, {"eFatsegsol1", "ePct", "eX0ct", "eY0ct", "eDct", "ePst", "eX0st",
                             "eY0st", "eDst"});
}
QStringList TextosComprimento() {
    return TextosDe(Solkan, {"eComTr", "eSemTr"});
}

// Results as a run would leave them, shown as the run shows them.
void MostrarResultados(long double Pct, long double Pst) {
    Fatsegkan = 1.3L;
    SolucaoComTrinca = {Pct, 7.5L, 1.25L, 3};
    SolucaoSemTrinca = {Pst, 8.5L, 2.25L, 4.5L};
    QVERIFY(MostrarEEsperar(Solkan));
}

} // namespace

class TstSolkan : public QObject {
    Q_OBJECT
private slots:
    void init() { ZerarEstadoDasExecucoes(); }
    void camposEOrdemDeTabulacao();
    void dadosIncompletosMostramZeros();
    void cadaCalculaVoltaESairEsvazia_data();
    void cadaCalculaVoltaESairEsvazia();
    void novaExecucaoDepoisDeAnaliseAbandonada();
    void dicasDoMouse();
    void impressao();
};

void TstSolkan::camposEOrdemDeTabulacao() {
    ProgramaEmTeste programa;
    MostrarResultados(10, 20);
    VerificarCamposEOrdemDeTabulacao(Solkan, {"bDados2", "bImp3", "bExit3", "bGeot1"});
    GravarPng(Solkan, QStringLiteral("TSolkan"));
}

void TstSolkan::dadosIncompletosMostramZeros() {
    ProgramaEmTeste programa;
    DadosDoProblema = AterroTipico();
    ExecutarKaniraj(QStringLiteral("1,3"), QStringLiteral("0"));
    QVERIFY(EsperarAtiva(Solkan));
    QVERIFY(TextoDe(Solkan, "ePct") != QStringLiteral("0"));

    // Then H = 0: "Dados incompletos." once, and the screen shows zeros, not the earlier forces.
    DadosDoProblema.Alt = 0;
    ExecutarKaniraj(QStringLiteral("1,3"), QStringLiteral("0"));
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(programa.gravador.mensagens, QStringList{QStringLiteral("Dados incompletos.")});
    QCOMPARE(TextosResultado(), QStringList({"1,3", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

void TstSolkan::cadaCalculaVoltaESairEsvazia_data() {
    QTest::addColumn<QString>("botao");
    QTest::newRow("Sair") << "bExit3";
    QTest::newRow("Dados") << "bDados2";
}

// Every "&Calcula" of one visit returns here; each way of leaving empties the lengths only.
void TstSolkan::cadaCalculaVoltaESairEsvazia() {
    QFETCH(QString, botao);
    ProgramaEmTeste programa;
    MostrarResultados(150, 250);
    const QStringList resultados = TextosResultado();
    QVERIFY(AbrirAnaliseDoReforco(Solkan));
    DigitarInterfaces(cemKPa);
    for (const char* fs : {"1", "2"}) {
        Digitar(Geot, "eFS1", QString::fromLatin1(fs));
        Clicar(Geot, "bCalc");
        QVERIFY(EsperarAtiva(Solkan));
        QVERIFY(!Sollow->isVisible());
        QCOMPARE(TextosComprimento(),
                 QByteArray(fs) == "1" ? QStringList({"1,5", "2,5"}) : QStringList({"3", "5"}));
        if (QByteArray(fs) == "1") {
            // The user clicks on the analysis, still open behind: the results screen leaves.
            QVERIFY(MostrarEEsperar(Geot));
            QTRY_VERIFY(!Solkan->isVisible());
            QCOMPARE(TextosComprimento(), vazios);
        }
    }
    Clicar(Solkan, qPrintable(botao));
    QVERIFY(EsperarAtiva(botao == "bExit3" ? static_cast<QWidget*>(Apres) : Entdad));
    QTRY_VERIFY(!Solkan->isVisible());
    QCOMPARE(TextosComprimento(), vazios);
    QCOMPARE(TextosResultado(), resultados);

    // A new run shows its own results and no lengths; the analysis, still open, still returns here.
    DadosDoProblema = AterroTipico();
    ExecutarKaniraj(QStringLiteral("1,3"), QStringLiteral("0"));
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(TextoDe(Solkan, "ePct"), QString::fromStdString(FormatoGeral(SolucaoComTrinca.P)));
    QCOMPARE(TextosComprimento(), vazios);
    QVERIFY(MostrarEEsperar(Geot));
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(TextoDe(Solkan, "eComTr"),
             QString::fromStdString(TextoComprimentoAncoragem(SolucaoComTrinca.P * 2 / 100)));
}

void TstSolkan::novaExecucaoDepoisDeAnaliseAbandonada() {
    ProgramaEmTeste programa;
    DadosDoProblema = AterroTipico();
    MostrarResultados(150, 250);
    QVERIFY(AbrirAnaliseDoReforco(Solkan));
    Clicar(Geot, "bSair"); // left without "&Calcula"
    QVERIFY(EsperarAtiva(Apres));

    // The next run shows its own results, whatever the flag says, and no lengths.
    ExecutarKaniraj(QStringLiteral("1,3"), QStringLiteral("0"));
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(TextoDe(Solkan, "ePct"), QString::fromStdString(FormatoGeral(SolucaoComTrinca.P)));
    QVERIFY(SolucaoComTrinca.P != 150);
    QCOMPARE(TextosComprimento(), vazios);
}

// The hint of the control under the pointer, else of the nearest enclosing control with one, else
// the screen's; emptied outside the program.
void TstSolkan::dicasDoMouse() {
    ProgramaEmTeste programa;
    Apres->move(2000, 0); // out of the pointer's way
    MostrarResultados(10, 20);
    const auto* grupo = Achar<QGroupBox>(Solkan, "GroupBox1");
    const auto* bevel = Achar<QFrame>(Solkan, "Bevel1");
    const QString daTela = QStringLiteral("Resultados do dimensionamento pelo método de Kaniraj.");
    PercorrerComOPonteiro(
        Solkan,
        {{CentroDe(Solkan, "eX0st"),
          QStringLiteral("Abscissa do centro de curvatura da cunha "
                         "quando não se considera trinca no aterro (m).")},
         {CentroDe(Solkan, "Ct"), QStringLiteral("Situação em que se considera trinca no aterro.")},
         {CentroDe(Solkan, "eSemTr"),
          QStringLiteral("Comprimento de ancoragem para o cálculo sem a "
                         "consideração de  trinca de tração (m).")},
         {bevel->mapToGlobal(QPoint(bevel->width() - 6, bevel->height() - 4)),
          QStringLiteral("Comprimento de ancoragem do reforço (m).")},
         {grupo->mapToGlobal(QPoint(grupo->width() / 2, grupo->height() - 5)),
          QStringLiteral("Análise do reforço.")},
         {Solkan->mapToGlobal(QPoint(8, grupo->geometry().bottom() + 10)), daTela},
         {CentroDe(Solkan, "StatusBar1"), daTela},
         {Solkan->mapToGlobal(QPoint(-300, -300)), QString()},
         {CentroDe(Solkan, "bImp3"), QStringLiteral("Imprime este formulário.")}});
}

void TstSolkan::impressao() {
    ProgramaEmTeste programa;
    MostrarResultados(72.01L, 80);
    VerificarImpressao(Solkan, "bImp3", programa.gravador);
}

QTEST_MAIN(TstSolkan)
#include "tst_solkan.moc"
