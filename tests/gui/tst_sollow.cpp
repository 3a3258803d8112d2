// The Low results screen: the run's seven results, the two anchorage lengths on the return from the
// reinforcement analysis, mouse-over hints in the status bar, printing.

#include "ApoioReforco.h"

#include "data/FormatoGeral.h"
#include "screens/Uapres.h"

#include <QFrame>
#include <QGroupBox>

namespace {

// Low's one-wedge embankment: only D = 1.5 is examined.
DadosEntrada UmaCunha() {
    DadosEntrada d = AterroTipico();
    d.Coesao = 0;
    d.Prof = 1.5L;
    return d;
}

// In the order the activation writes them.
QStringList TextosResultado() {
    return TextosDe(Sollow, {"eFatsegsol2", "eprofcunsol1", "eFatsegsol3", "eSolicsolh",
                             "eProfcun2h", "eSolicsolb", "eProfcun2b"});
}
QStringList TextosComprimento() {
    return TextosDe(Sollow, {"eHoriz", "eBiss"});
}

// Results as a run would leave them, shown as the run shows them.
void MostrarResultados(long double Solicsolh, long double Solicsolb) {
    Fatseglow = 1.3L;
    SolucaoLow = {2.5L, 1.5L, 1.1172L, Solicsolh, 3, Solicsolb};
    QVERIFY(MostrarEEsperar(Sollow));
}

} // namespace

class TstSollow : public QObject {
    Q_OBJECT
private slots:
    void init() { ZerarEstadoDasExecucoes(); }
    void camposEOrdemDeTabulacao();
    void exemploDeUmaCunha();
    void dadosIncompletos();
    void bermaNaoMudaNadaENovaExecucaoMostraASua();
    void sairEsvaziaComprimentosENovaExecucaoMostraResultados();
    void dicasDoMouse();
    void impressao();
};

void TstSollow::camposEOrdemDeTabulacao() {
    ProgramaEmTeste programa;
    MostrarResultados(21.06L, 17.82L);
    QCOMPARE(TextosComprimento(), vazios);
    VerificarCamposEOrdemDeTabulacao(Sollow, {"bDados3", "bImp4", "bExit4", "bGeot1"});
    GravarPng(Sollow, QStringLiteral("TSollow"));
}

void TstSollow::exemploDeUmaCunha() {
    ProgramaEmTeste programa;
    DadosDoProblema = UmaCunha();
    ExecutarLow(QStringLiteral("1,30")); // shown as the number, not as typed
    QVERIFY(EsperarAtiva(Sollow));
    QVERIFY(!Metcal->isVisible());
    QCOMPARE(TextoDe(Sollow, "eFatsegsol3"), QStringLiteral("1,3"));
    QCOMPARE(TextoDe(Sollow, "eSolicsolh"), QStringLiteral("21,06"));
    QCOMPARE(TextoDe(Sollow, "eSolicsolb"), QStringLiteral("17,82"));
    QCOMPARE(TextosDe(Sollow, {"eprofcunsol1", "eProfcun2h", "eProfcun2b"}),
             QStringList({"1,5", "1,5", "1,5"}));
    // The unreinforced safety factor, 1.1172 to four decimals, in full.
    QCOMPARE(TextoDe(Sollow, "eFatsegsol2"),
             QString::fromStdString(FormatoGeral(SolucaoLow.Fatsegsol)));
    QVERIFY(TextoDe(Sollow, "eFatsegsol2").startsWith(QStringLiteral("1,117")));
    QCOMPARE(TextosComprimento(), vazios);
    GravarPng(Sollow, QStringLiteral("TSollow-uma-cunha"));
}

void TstSollow::dadosIncompletos() {
    ProgramaEmTeste programa;
    DadosDoProblema = UmaCunha();
    DadosDoProblema.Alt = 0;
    ExecutarLow(QStringLiteral("1,3"));
    QVERIFY(EsperarAtiva(Sollow));
    QCOMPARE(programa.gravador.mensagens, QStringList{QStringLiteral("Dados incompletos.")});
    QCOMPARE(TextosResultado(), QStringList({"100", "0", "1,3", "0", "0", "0", "0"}));
}

void TstSollow::bermaNaoMudaNadaENovaExecucaoMostraASua() {
    ProgramaEmTeste programa;
    DadosDoProblema = UmaCunha();
    ExecutarLow(QStringLiteral("1,3"));
    QVERIFY(EsperarAtiva(Sollow));
    const QStringList semBerma = TextosResultado();

    DadosDoProblema.Altberma = 1;
    DadosDoProblema.Largberma = 4;
    ExecutarLow(QStringLiteral("1,3"));
    QVERIFY(EsperarAtiva(Sollow));
    QCOMPARE(TextosResultado(), semBerma);
    QVERIFY(programa.gravador.mensagens.isEmpty());

    // Other data and factor: every field shows the new run's values.
    DadosDoProblema.Prof = 6;
    ExecutarLow(QStringLiteral("1,5"));
    QVERIFY(EsperarAtiva(Sollow));
    QStringList esperada;
    for (long double v :
         {SolucaoLow.Fatsegsol, SolucaoLow.Profcunsol, Fatseglow, SolucaoLow.Solicsolh,
          SolucaoLow.Profcunh, SolucaoLow.Solicsolb, SolucaoLow.Profcunb}) {
        esperada << QString::fromStdString(FormatoGeral(v));
    }
    QCOMPARE(TextosResultado(), esperada);
    QCOMPARE(esperada.at(2), QStringLiteral("1,5"));
    QVERIFY(esperada != semBerma);
}

void TstSollow::sairEsvaziaComprimentosENovaExecucaoMostraResultados() {
    ProgramaEmTeste programa;
    DadosDoProblema = UmaCunha();
    MostrarResultados(300, 250);
    QVERIFY(AbrirAnaliseDoReforco(Sollow));
    DigitarInterfaces(cemKPa);
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Sollow));
    QCOMPARE(TextosComprimento(), QStringList({"3", "2,5"}));

    Clicar(Sollow, "bExit4");
    QVERIFY(EsperarAtiva(Apres));
    QTRY_VERIFY(!Sollow->isVisible());
    QCOMPARE(TextosComprimento(), vazios);
    QCOMPARE(TextoDe(Sollow, "eSolicsolh"), QStringLiteral("300"));

    // The next run shows its own results and no lengths.
    ExecutarLow(QStringLiteral("1,3"));
    QVERIFY(EsperarAtiva(Sollow));
    QCOMPARE(TextoDe(Sollow, "eSolicsolh"), QStringLiteral("21,06"));
    QCOMPARE(TextosComprimento(), vazios);
}

// The hint of the control under the pointer, else of the nearest enclosing control with one, else
// the screen's; emptied outside the program.
void TstSollow::dicasDoMouse() {
    ProgramaEmTeste programa;
    Apres->move(2000, 0); // out of the pointer's way
    MostrarResultados(21.06L, 17.82L);
    const QString daTela = QStringLiteral("Resultados do dimensionamento pelo método de Low.");
    const auto* bevel = Achar<QFrame>(Sollow, "Bevel1");
    const auto* grupo2 = Achar<QGroupBox>(Sollow, "GroupBox2");
    PercorrerComOPonteiro(
        Sollow,
        {{CentroDe(Sollow, "eSolicsolb"),
          QStringLiteral("Solicitação no reforço calculada  para aterro com reforço atuando na "
                         "direção bissetorial entre a horizontal e a tangente ao reforço (kN/m).")},
         {CentroDe(Sollow, "Label6"), QStringLiteral("Solicitação atuandona direção horizontal.")},
         {bevel->mapToGlobal(QPoint(bevel->width() - 5, bevel->height() - 4)),
          QStringLiteral("Comprimento de ancoragem do reforço (m).")},
         {grupo2->mapToGlobal(QPoint(grupo2->width() - 20, 30)),
          QStringLiteral("Resultados do dimensionamento para aterro com reforço.")},
         {Sollow->mapToGlobal(QPoint(405, 300)), daTela},
         {Sollow->mapToGlobal(QPoint(-150, -120)), QString()},
         {CentroDe(Sollow, "bGeot1"), QStringLiteral("Ativa o formulário de análise de utilização "
                                                     "de geotêxteis como reforço.")}});
}

void TstSollow::impressao() {
    ProgramaEmTeste programa;
    MostrarResultados(21.06L, 17.82L);
    VerificarImpressao(Sollow, "bImp4", programa.gravador);
}

QTEST_MAIN(TstSollow)
#include "tst_sollow.moc"
