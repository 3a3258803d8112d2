// The Kaniraj results screen: the run's results, the two anchorage lengths on the return from the
// reinforcement analysis, mouse-over hints in the status bar, printing.

#include "ApoioReforco.h"

#include "calc/Kanct.h"
#include "calc/Kanst.h"
#include "data/FormatoGeral.h"
#include "screens/Impressao.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTemporaryDir>

namespace {

const QString mensagemConversao =
    QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números.");

// The nine result fields, with crack above without, each row P, X0, Y0, D.
const char* const camposResultado[] = {"eFatsegsol1", "ePct",  "eX0ct", "eY0ct", "eDct",
                                       "ePst",        "eX0st", "eY0st", "eDst"};

// The typical use's embankment: H = 3, n = 2, γ = 18, c = 5, φ = 30, no berm, T = 6, Z = 0,
// CS = CZ = CF = 10.
DadosEntrada AterroTipico() {
    DadosEntrada d;
    d.Alt = 3;
    d.Decl = 2;
    d.Pesesp = 18;
    d.Coesao = 5;
    d.Angat = 30;
    d.Prof = 6;
    d.Superf = d.ProfZ = d.Cont = 10;
    return d;
}

// The Kaniraj run as the user starts it from the methods screen.
void ExecutarKaniraj(const QString& F, const QString& a) {
    Metcal->Mostrar();
    QVERIFY(EsperarAtiva(Metcal));
    Digitar(Metcal, "eFatsegkan", F);
    Digitar(Metcal, "ePosref", a);
    Clicar(Metcal, "bCalkan");
}

// Results as a run would leave them, shown as the run shows them.
void MostrarResultados(long double Pct, long double Pst) {
    Fatsegkan = 1.3L;
    SolucaoComTrinca = {Pct, 7.5L, 1.25L, 3};
    SolucaoSemTrinca = {Pst, 8.5L, 2.25L, 4.5L};
    QVERIFY(MostrarEEsperar(Solkan));
}

QStringList Textos(const QWidget* tela, std::initializer_list<const char*> nomes) {
    QStringList t;
    for (const char* n : nomes) {
        t << TextoDe(tela, n);
    }
    return t;
}

QStringList TextosResultado() {
    QStringList t;
    for (const char* n : camposResultado) {
        t << TextoDe(Solkan, n);
    }
    return t;
}

} // namespace

class TstSolkan : public QObject {
    Q_OBJECT
private slots:
    void init() { ZerarEstadoDasExecucoes(); }
    void legendasEDicas();
    void camposSomenteLeituraEOrdemDeTabulacao();
    void execucaoMostraOsValoresCalculados();
    void erroDeConversaoEmCadaCampo();
    void dadosIncompletosMostramZeros();
    void comprimentosNoRetornoDoCalculo_data();
    void comprimentosNoRetornoDoCalculo();
    void sairEDadosEsvaziamOsComprimentos();
    void cadaCalculaVoltaAoKaniraj();
    void novaExecucaoDepoisDeAnaliseAbandonada();
    void dicasDoMouse_data();
    void dicasDoMouse();
    void dicaSegueOPonteiroEApagaForaDoPrograma();
    void imprimeEmPdf();
    void imprimirSemImpressora();
};

void TstSolkan::legendasEDicas() {
    ProgramaEmTeste programa;
    struct Controle {
        const char* nome;
        const char* legenda; // nullptr: a value field
        const char* dica;
    };
    const QString comTrinca = QStringLiteral("quando se considera trinca no aterro");
    const Controle controles[] = {
        {"Fatsegsol1", "Fator de segurança adotado",
         "Fator de segurança global adotado para o dimensionamento pelo método de Kaniraj."},
        {"eFatsegsol1", nullptr,
         "Fator de segurança global adotado para o dimensionamento pelo método de Kaniraj."},
        {"P", "   Solicitação           (kN/m)", "Solicitação no reforço (kN/m)."},
        {"X0", "    X0          (m)", "Abscissa do centro de curvatura da cunha (m)."},
        {"Y0", "    Y0          (m)", "Ordenada calculada do centro de curvatura da cunha (m)."},
        {"D", "    Profundidade                  (m)", "Profundidade da cunha de ruptura (m)."},
        {"Ct", "com trinca", "Situação em que se considera trinca no aterro."},
        {"ePct", nullptr, "Solicitação no reforço quando se considera trinca no aterro (kN/m)."},
        {"eX0ct", nullptr,
         "Abscissa do centro de curvatura da cunha quando se considera trinca no aterro (m)."},
        {"eY0ct", nullptr,
         "Ordenada calculada do centro de curvatura da cunha quando se considera trinca no aterro "
         "(m)."},
        {"eDct", nullptr,
         "Profundidade da cunha de ruptura quando se considera trinca no aterro (m)."},
        {"St", "sem trinca", "Situação em que não se considera trinca no aterro."},
        {"ePst", nullptr,
         "Solicitação no reforço quando não se considera trinca no aterro (kN/m)."},
        {"eX0st", nullptr,
         "Abscissa do centro de curvatura da cunha quando não se considera trinca no aterro (m)."},
        {"eY0st", nullptr,
         "Ordenada calculada do centro de curvatura da cunha quando não se considera trinca no "
         "aterro (m)."},
        {"eDst", nullptr,
         "Profundidade da cunha de ruptura quando não se considera trinca no aterro (m)."},
        {"GroupBox1", "Escolha do reforço e cálculo do comprimento de ancoragem",
         "Análise do reforço."},
        {"Label1", "para uma análise do reforço, clique aqui:", "Análise do reforço."},
        {"bGeot1", "&Geotêxteis",
         "Ativa o formulário de análise de utilização de geotêxteis como reforço."},
        {"Label2", "Comprimento de ancoragem (m)", "Comprimento de ancoragem do reforço (m)."},
        {"Bevel1", nullptr, "Comprimento de ancoragem do reforço (m)."},
        {"Label3", "com trinca",
         "Comprimento de ancoragem para o cálculo considerando trinca de tração (m)."},
        {"eComTr", nullptr,
         "Comprimento de ancoragem para o cálculo considerando trinca de tração (m)."},
        {"Label4", "sem trinca",
         "Comprimento de ancoragem para o cálculo sem a consideração de  trinca de tração (m)."},
        {"eSemTr", nullptr,
         "Comprimento de ancoragem para o cálculo sem a consideração de  trinca de tração (m)."},
        {"bDados2", "&Dados", "Ativa o formulário de entrada de dados."},
        {"bImp3", "&Imprimir", "Imprime este formulário."},
        {"bExit3", "&Sair", "Ativa o formulário principal permitindo a sair do programa."},
    };
    QCOMPARE(Solkan->windowTitle(), QStringLiteral("Solução por Kaniraj"));
    QCOMPARE(Solkan->statusTip(),
             QStringLiteral("Resultados do dimensionamento pelo método de Kaniraj."));
    QCOMPARE(Solkan->size(), QSize(424, 438));
    for (const Controle& c : controles) {
        const QString nome = QString::fromLatin1(c.nome);
        QWidget* w = Achar<QWidget>(Solkan, nome);
        QCOMPARE(w->statusTip(), QString::fromUtf8(c.dica));
        if (!c.legenda) {
            continue;
        }
        QString legenda;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            legenda = l->text();
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            legenda = b->text();
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            legenda = g->title();
        }
        QCOMPARE(legenda, QString::fromUtf8(c.legenda));
    }
    // The four columns: P 81 pixels wide, X0 and Y0 65, D 89.
    QCOMPARE(Achar<QLineEdit>(Solkan, "ePct")->width(), 81);
    QCOMPARE(Achar<QLineEdit>(Solkan, "eX0st")->width(), 65);
    QCOMPARE(Achar<QLineEdit>(Solkan, "eY0ct")->width(), 65);
    QCOMPARE(Achar<QLineEdit>(Solkan, "eDst")->width(), 89);
    QVERIFY(Achar<QPushButton>(Solkan, "bDados2")->isDefault());
}

void TstSolkan::camposSomenteLeituraEOrdemDeTabulacao() {
    ProgramaEmTeste programa;
    MostrarResultados(10, 20);
    const char* const todos[] = {"eFatsegsol1", "ePct",  "eX0ct", "eY0ct",  "eDct",  "ePst",
                                 "eX0st",       "eY0st", "eDst",  "eComTr", "eSemTr"};
    for (const char* nome : todos) {
        QLineEdit* e = Achar<QLineEdit>(Solkan, QString::fromLatin1(nome));
        QVERIFY2(e->isReadOnly(), nome);
        QVERIFY2(!(e->focusPolicy() & Qt::TabFocus), nome);
    }
    // "&Dados" has the focus; Tab goes on to "&Imprimir", "&Sair", "&Geotêxteis" and back.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("bDados2"));
    const char* const ordem[] = {"bImp3", "bExit3", "bGeot1", "bDados2"};
    for (const char* nome : ordem) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(nome));
    }
    GravarPng(Solkan, QStringLiteral("TSolkan"));
}

void TstSolkan::execucaoMostraOsValoresCalculados() {
    ProgramaEmTeste programa;
    DadosDoProblema = AterroTipico();
    ExecutarKaniraj(QStringLiteral("1,3"), QStringLiteral("0"));
    QVERIFY(EsperarAtiva(Solkan));
    QVERIFY(!Metcal->isVisible());
    QVERIFY(programa.gravador.mensagens.isEmpty());

    // The same analyses on the same data give what the fields must show.
    const DadosEntrada d = AterroTipico();
    ResultadoKaniraj ct, st;
    CalcKanct(d.Alt, d.Decl, d.Pesesp, d.Coesao, d.Angat, d.Altberma, d.Largberma, d.Prof, d.Dist,
              d.Superf, d.ProfZ, d.Cont, 1.3L, 0, ct);
    CalcKanst(d.Alt, d.Decl, d.Pesesp, d.Coesao, d.Angat, d.Altberma, d.Largberma, d.Prof, d.Dist,
              d.Superf, d.ProfZ, d.Cont, 1.3L, 0, st);
    QVERIFY(ct.P > 0 && st.P > 0);
    QStringList esperados{QStringLiteral("1,3")};
    for (const ResultadoKaniraj& r : {ct, st}) {
        for (long double v : {r.P, r.X0, r.Y0, r.D}) {
            esperados << QString::fromStdString(FormatoGeral(v));
        }
    }
    QCOMPARE(TextosResultado(), esperados);
    // A number longer than its field is shown from its first digit.
    QCOMPARE(Achar<QLineEdit>(Solkan, "ePct")->cursorPosition(), 0);
    QCOMPARE(Textos(Solkan, {"eComTr", "eSemTr"}), QStringList({QString(), QString()}));
    GravarPng(Solkan, QStringLiteral("TSolkan-resultados"));
}

void TstSolkan::erroDeConversaoEmCadaCampo() {
    struct Caso {
        const char* F;
        const char* a;
    };
    const Caso casos[] = {{"", "0"}, {"1,3", ""}, {"1.3.", "0"}, {"1,3", "a"}, {"", ""}};
    for (const Caso& caso : casos) {
        ProgramaEmTeste programa;
        ZerarEstadoDasExecucoes();
        DadosDoProblema = AterroTipico();
        const ResultadoKaniraj antes{11, 12, 13, 14};
        SolucaoComTrinca = SolucaoSemTrinca = antes;
        ExecutarKaniraj(QString::fromUtf8(caso.F), QString::fromUtf8(caso.a));
        QCOMPARE(programa.gravador.mensagens, QStringList{mensagemConversao});
        // No analysis ran and no results screen came up; the copy was already refreshed.
        QCOMPARE(SolucaoComTrinca.P, antes.P);
        QCOMPARE(SolucaoSemTrinca.D, antes.D);
        QCOMPARE(CopiaDadosEntrada.Alt, 3.0L);
        QCOMPARE(CopiaDadosEntrada.Cont, 10.0L);
        QTest::qWait(50);
        QVERIFY(!Solkan->isVisible());
        QVERIFY(Metcal->isVisible());
    }
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
    QStringList zeros{QStringLiteral("1,3")};
    for (int i = 0; i < 8; ++i) {
        zeros << QStringLiteral("0");
    }
    QCOMPARE(TextosResultado(), zeros);
}

void TstSolkan::comprimentosNoRetornoDoCalculo_data() {
    QTest::addColumn<double>("Pct");
    QTest::addColumn<double>("Pst");
    QTest::addColumn<QString>("textoCt");
    QTest::addColumn<QString>("textoSt");
    // Faces of 50 kPa each and FS1 = 1: each length is the force over 100.
    QTest::newRow("exatamente 1 m e logo abaixo") << 100.0 << 99.99 << "1"
                                                  << "1,00";
    QTest::newRow("logo acima de 1 m") << 100.01 << 250.0 << "1,0001"
                                       << "2,5";
    QTest::newRow("forca nula e negativa") << 0.0 << -50.0 << "1,00"
                                           << "1,00";
}

void TstSolkan::comprimentosNoRetornoDoCalculo() {
    QFETCH(double, Pct);
    QFETCH(double, Pst);
    QFETCH(QString, textoCt);
    QFETCH(QString, textoSt);
    ProgramaEmTeste programa;
    MostrarResultados(Pct, Pst);
    const QStringList resultados = TextosResultado();

    QVERIFY(AbrirAnaliseDoReforco(Solkan));
    QVERIFY(OrigemKaniraj);
    QVERIFY(!Solkan->isVisible());
    QVERIFY(!ApresGeo->isVisible());
    DigitarInterfaces(cemKPa);
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(Textos(Solkan, {"eComTr", "eSemTr"}), QStringList({textoCt, textoSt}));
    // The results stay as the run left them; the analysis stays open behind.
    QCOMPARE(TextosResultado(), resultados);
    QVERIFY(Geot->isVisible());
    QVERIFY(programa.gravador.mensagens.isEmpty());
    if (QTest::currentDataTag() == QByteArray("exatamente 1 m e logo abaixo")) {
        GravarPng(Solkan, QStringLiteral("TSolkan-comprimentos"));
    }
}

void TstSolkan::sairEDadosEsvaziamOsComprimentos() {
    for (const char* botao : {"bExit3", "bDados2"}) {
        ProgramaEmTeste programa;
        ZerarEstadoDasExecucoes();
        MostrarResultados(150, 250);
        const QStringList resultados = TextosResultado();
        QVERIFY(AbrirAnaliseDoReforco(Solkan));
        DigitarInterfaces(cemKPa);
        Clicar(Geot, "bCalc");
        QVERIFY(EsperarAtiva(Solkan));
        QCOMPARE(TextoDe(Solkan, "eComTr"), QStringLiteral("1,5"));

        Clicar(Solkan, botao);
        QWidget* destino = QByteArray(botao) == "bExit3" ? static_cast<QWidget*>(Apres) : Entdad;
        QVERIFY(EsperarAtiva(destino));
        QTRY_VERIFY(!Solkan->isVisible());
        QCOMPARE(Textos(Solkan, {"eComTr", "eSemTr"}), QStringList({QString(), QString()}));
        QCOMPARE(TextosResultado(), resultados);
        QVERIFY(OrigemKaniraj);
    }
}

void TstSolkan::cadaCalculaVoltaAoKaniraj() {
    ProgramaEmTeste programa;
    MostrarResultados(150, 250);
    QVERIFY(AbrirAnaliseDoReforco(Solkan));
    DigitarInterfaces(cemKPa);
    for (const char* fs : {"1", "2"}) {
        Digitar(Geot, "eFS1", QString::fromLatin1(fs));
        Clicar(Geot, "bCalc");
        QVERIFY(EsperarAtiva(Solkan));
        QVERIFY(!Sollow->isVisible());
        const QString esperado =
            QByteArray(fs) == "1" ? QStringLiteral("1,5") : QStringLiteral("3");
        QCOMPARE(TextoDe(Solkan, "eComTr"), esperado);
        // The user clicks on the analysis, still open behind: the results screen leaves.
        QVERIFY(MostrarEEsperar(Geot));
        QTRY_VERIFY(!Solkan->isVisible());
        QCOMPARE(TextoDe(Solkan, "eComTr"), QString());
    }
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
    QCOMPARE(TextoDe(Solkan, "eFatsegsol1"), QStringLiteral("1,3"));
    QCOMPARE(TextoDe(Solkan, "ePct"), QString::fromStdString(FormatoGeral(SolucaoComTrinca.P)));
    QVERIFY(SolucaoComTrinca.P != 150);
    QCOMPARE(Textos(Solkan, {"eComTr", "eSemTr"}), QStringList({QString(), QString()}));
}

void TstSolkan::dicasDoMouse_data() {
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("dica");
    QTest::newRow("campo") << "eX0st"
                           << "Abscissa do centro de curvatura da cunha quando não se considera "
                              "trinca no aterro (m).";
    QTest::newRow("rotulo") << "Ct"
                            << "Situação em que se considera trinca no aterro.";
    QTest::newRow("cabecalho") << "D"
                               << "Profundidade da cunha de ruptura (m).";
    QTest::newRow("botao") << "bImp3"
                           << "Imprime este formulário.";
    QTest::newRow("comprimento") << "eSemTr"
                                 << "Comprimento de ancoragem para o cálculo sem a consideração "
                                    "de  trinca de tração (m).";
    QTest::newRow("barra de status, sem dica: a da tela")
        << "StatusBar1"
        << "Resultados do dimensionamento pelo método de Kaniraj.";
}

void TstSolkan::dicasDoMouse() {
    QFETCH(QString, controle);
    QFETCH(QString, dica);
    ProgramaEmTeste programa;
    Apres->move(2000, 0); // out from under the pointer's way
    MostrarResultados(10, 20);
    ApontarPara(Achar<QWidget>(Solkan, controle));
    QTRY_COMPARE(Solkan->TextoStatus(), dica);
}

void TstSolkan::dicaSegueOPonteiroEApagaForaDoPrograma() {
    ProgramaEmTeste programa;
    Apres->move(2000, 0);
    MostrarResultados(10, 20);
    const auto* grupo = Achar<QGroupBox>(Solkan, "GroupBox1");
    const auto* bevel = Achar<QFrame>(Solkan, "Bevel1");
    const auto* campo = Achar<QLineEdit>(Solkan, "eComTr");

    ApontarPara(campo);
    QTRY_COMPARE(Solkan->TextoStatus(), campo->statusTip());
    // Onto the bevel beside the field: the bevel's hint.
    ApontarPara(bevel->mapToGlobal(QPoint(bevel->width() - 6, bevel->height() - 4)));
    QTRY_COMPARE(Solkan->TextoStatus(), QStringLiteral("Comprimento de ancoragem do reforço (m)."));
    // The frame's bare area below the bevel: the frame's hint.
    ApontarPara(grupo->mapToGlobal(QPoint(grupo->width() / 2, grupo->height() - 5)));
    QTRY_COMPARE(Solkan->TextoStatus(), QStringLiteral("Análise do reforço."));
    // The bare window between the frame and the buttons: the screen's own hint.
    ApontarPara(Solkan->mapToGlobal(QPoint(8, grupo->geometry().bottom() + 10)));
    QTRY_COMPARE(Solkan->TextoStatus(),
                 QStringLiteral("Resultados do dimensionamento pelo método de Kaniraj."));
    // Out of every window of the program: emptied.
    ApontarPara(Solkan->mapToGlobal(QPoint(-300, -300)));
    QTRY_COMPARE(Solkan->TextoStatus(), QString());
    // Back over a field.
    ApontarPara(Achar<QWidget>(Solkan, "ePct"));
    QTRY_COMPARE(Solkan->TextoStatus(), Achar<QWidget>(Solkan, "ePct")->statusTip());
}

void TstSolkan::imprimeEmPdf() {
    ProgramaEmTeste programa;
    MostrarResultados(72.01L, 80);
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("solkan.pdf"));
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    QVERIFY(ImprimirImagem(ImagemDaTela(Solkan), impressora));
    QFile pdf(arquivo);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray conteudo = pdf.readAll();
    QVERIFY(conteudo.startsWith("%PDF"));
    QCOMPARE(conteudo.count("/Type /Page\n") + conteudo.count("/Type /Page\r"), 1);
}

void TstSolkan::imprimirSemImpressora() {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("Esta máquina tem impressora padrão.");
    }
    ProgramaEmTeste programa;
    MostrarResultados(10, 20);
    Clicar(Solkan, "bImp3");
    QCOMPARE(programa.gravador.mensagens,
             QStringList{QStringLiteral("Nenhuma impressora disponível.")});
    QVERIFY(Solkan->isVisible());
}

QTEST_MAIN(TstSolkan)
#include "tst_solkan.moc"
