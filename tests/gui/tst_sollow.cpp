// The Low results screen: the run's seven results, the two anchorage lengths on the return from the
// reinforcement analysis, mouse-over hints in the status bar, printing.

#include "ApoioReforco.h"

#include "data/FormatoGeral.h"
#include "screens/Impressao.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

const QString mensagemConversao =
    QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números.");

// In the order the activation writes them.
const char* const camposResultado[] = {"eFatsegsol2", "eprofcunsol1", "eFatsegsol3", "eSolicsolh",
                                       "eProfcun2h",  "eSolicsolb",   "eProfcun2b"};

// Low's one-wedge embankment: only D = 1.5 is examined.
DadosEntrada UmaCunha() {
    DadosEntrada d;
    d.Alt = 3;
    d.Decl = 2;
    d.Pesesp = 18;
    d.Prof = 1.5L;
    d.Angat = 30;
    d.Superf = d.ProfZ = d.Cont = 10;
    return d;
}

// The Low run as the user starts it from the methods screen.
void ExecutarLow(const QString& F) {
    Metcal->Mostrar();
    QVERIFY(EsperarAtiva(Metcal));
    Digitar(Metcal, "eFatseglow", F);
    Clicar(Metcal, "bCallow");
}

QStringList TextosResultado() {
    QStringList t;
    for (const char* n : camposResultado) {
        t << TextoDe(Sollow, n);
    }
    return t;
}

QStringList TextosComprimento() {
    return {TextoDe(Sollow, "eHoriz"), TextoDe(Sollow, "eBiss")};
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
    void posicoesLegendasEDicas();
    void camposSomenteLeituraEOrdemDeTabulacao();
    void exemploDeUmaCunha();
    void fatorDigitadoComZeroFinal();
    void dadosIncompletos();
    void erroDeConversao();
    void bermaNaoMudaNada();
    void duasExecucoesSeguidas();
    void comprimentosNoRetornoDoCalculo_data();
    void comprimentosNoRetornoDoCalculo();
    void sairEsvaziaComprimentosENovaExecucaoMostraResultados();
    void dicasDoMouse();
    void imprimeEmPdf();
};

void TstSollow::posicoesLegendasEDicas() {
    ProgramaEmTeste programa;
    QCOMPARE(Sollow->windowTitle(), QStringLiteral("Solução por Low"));
    QCOMPARE(Sollow->statusTip(),
             QStringLiteral("Resultados do dimensionamento pelo método de Low."));
    QCOMPARE(Sollow->size(), QSize(418, 450));
    QCOMPARE(Sollow->pos(), QPoint(189, 132));
    struct Controle {
        const char* nome;
        const char* pai;
        QRect geometria; // empty: widened beyond the original to fit its text at this font
        const char* legenda;
        const char* dica;
    };
    const Controle controles[] = {
        {"GroupBox1",
         "TSollow",
         {16, 8, 329, 73},
         "Aterro sem reforço",
         "Resultados do dimensionamento para aterro sem reforço."},
        {"Label1",
         "GroupBox1",
         {16, 24, 191, 16},
         "Fator de segurança calculado",
         "Fator de segurança global calculado."},
        {"eFatsegsol2",
         "GroupBox1",
         {240, 16, 65, 24},
         nullptr,
         "Fator de segurança global calculado."},
        {"Label2",
         "GroupBox1",
         {16, 41, 173, 16},
         "Profundidade da cunha (m)",
         "Profundidade da cunha de ruptura para aterro sem reforço (m)."},
        {"eprofcunsol1",
         "GroupBox1",
         {240, 40, 65, 24},
         nullptr,
         "Profundidade da cunha de ruptura para aterro sem reforço (m)."},
        {"GroupBox2",
         "TSollow",
         {16, 88, 377, 121},
         "Aterro com reforço",
         "Resultados do dimensionamento para aterro com reforço."},
        {"Label3",
         "GroupBox2",
         {16, 24, 181, 16},
         "Fator de segurança adotado",
         "Fator de segurança global adotado para o dimensionamento pelo método de Low."},
        {"eFatsegsol3",
         "GroupBox2",
         {240, 16, 65, 24},
         nullptr,
         "Fator de segurança global adotado para o dimensionamento pelo método de Low."},
        {"Label6", "GroupBox2", {}, " Horizontal", "Solicitação atuandona direção horizontal."},
        {"Label7",
         "GroupBox2",
         {},
         "   Bissetor",
         "Solicitação atuando na direção bissetorial entr a horizontal e a tangente ao reforço."},
        {"Label4",
         "GroupBox2",
         {8, 65, 187, 16},
         "Solicitação no reforço (kN/m)",
         "Solicitação no reforço calculada  para aterro com reforço (kN/m)."},
        {"eSolicsolh",
         "GroupBox2",
         {200, 64, 65, 24},
         nullptr,
         "Solicitação no reforço calculada  para aterro com reforço atuando na direção horizontal "
         "(kN/m)."},
        {"eSolicsolb",
         "GroupBox2",
         {264, 64, 65, 24},
         nullptr,
         "Solicitação no reforço calculada  para aterro com reforço atuando na direção "
         "bissetorial entre a horizontal e a tangente ao reforço (kN/m)."},
        {"Label5",
         "GroupBox2",
         {8, 89, 173, 16},
         "Profundidade da cunha (m)",
         "Profundidade da cunha de ruptura para aterro com reforço (m)."},
        {"eProfcun2h",
         "GroupBox2",
         {200, 88, 65, 24},
         nullptr,
         "Profundidade da cunha de ruptura para aterro com reforço com solicitação na horizontal "
         "(m)."},
        {"eProfcun2b",
         "GroupBox2",
         {264, 88, 65, 24},
         nullptr,
         "Profundidade da cunha de ruptura para aterro com reforço com solicitação no bissetor "
         "(m)."},
        {"GroupBox3",
         "TSollow",
         {},
         "Escolha do reforço e cálculo do comprimento de ancoragem",
         "Análise do reforço."},
        {"Label8",
         "GroupBox3",
         {},
         "para uma análise do reforço, clique aqui:",
         "Análise do reforço."},
        {"bGeot1",
         "GroupBox3",
         {},
         "&Geotêxteis",
         "Ativa o formulário de análise de utilização de geotêxteis como reforço."},
        {"Label9",
         "GroupBox3",
         {},
         "Comprimento de ancoragem (m)",
         "Comprimento de ancoragem do reforço (m)."},
        {"Bevel1", "GroupBox3", {}, nullptr, "Comprimento de ancoragem do reforço (m)."},
        {"lab",
         "GroupBox3",
         {},
         "horizontal",
         "Comprimento de ancoragem para o caso de solicitação na direção horizontal (m)."},
        {"eHoriz",
         "GroupBox3",
         {},
         nullptr,
         "Comprimento de ancoragem para o caso de solicitação na direção horizontal (m)."},
        {"Label11",
         "GroupBox3",
         {},
         "bissetor",
         "Comprimento de ancoragem para o caso de solicitação na direção do bissetor (m)."},
        {"eBiss",
         "GroupBox3",
         {},
         nullptr,
         "Comprimento de ancoragem para o caso de solicitação na direção do bissetor (m)."},
        {"bDados3",
         "TSollow",
         {48, 368, 73, 25},
         "&Dados",
         "Ativa o formulário de entrada de dados."},
        {"bImp4", "TSollow", {176, 368, 75, 25}, "&Imprimir", "Imprime este formulário."},
        {"bExit4",
         "TSollow",
         {304, 368, 73, 25},
         "&Sair",
         "Ativa o formulário principal permitindo a sair do programa."},
    };
    for (const Controle& c : controles) {
        QWidget* w = Achar<QWidget>(Sollow, QString::fromLatin1(c.nome));
        QCOMPARE(w->parentWidget()->objectName(), QString::fromLatin1(c.pai));
        if (!c.geometria.isEmpty()) {
            QCOMPARE(w->geometry(), c.geometria);
        }
        QCOMPARE(w->statusTip(), QString::fromUtf8(c.dica));
        if (!c.legenda) {
            QVERIFY(qobject_cast<QLineEdit*>(w) || qobject_cast<QFrame*>(w));
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
    // The status bar: along the bottom edge, the full width, 19 pixels high.
    QCOMPARE(Achar<QWidget>(Sollow, "StatusBar1")->geometry(), QRect(0, 431, 418, 19));
    QVERIFY(Achar<QPushButton>(Sollow, "bDados3")->isDefault());
}

void TstSollow::camposSomenteLeituraEOrdemDeTabulacao() {
    ProgramaEmTeste programa;
    MostrarResultados(21.06L, 17.82L);
    for (const char* nome : camposResultado) {
        QLineEdit* e = Achar<QLineEdit>(Sollow, QString::fromLatin1(nome));
        QVERIFY2(e->isReadOnly() && !(e->focusPolicy() & Qt::TabFocus), nome);
    }
    for (const char* nome : {"eHoriz", "eBiss"}) {
        QLineEdit* e = Achar<QLineEdit>(Sollow, QString::fromLatin1(nome));
        QVERIFY2(e->isReadOnly() && !(e->focusPolicy() & Qt::TabFocus), nome);
        QVERIFY(e->text().isEmpty());
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("bDados3"));
    for (const char* nome : {"bImp4", "bExit4", "bGeot1", "bDados3"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(nome));
    }
    GravarPng(Sollow, QStringLiteral("TSollow"));
}

void TstSollow::exemploDeUmaCunha() {
    ProgramaEmTeste programa;
    DadosDoProblema = UmaCunha();
    ExecutarLow(QStringLiteral("1,3"));
    QVERIFY(EsperarAtiva(Sollow));
    QVERIFY(!Metcal->isVisible());
    QCOMPARE(TextoDe(Sollow, "eFatsegsol3"), QStringLiteral("1,3"));
    QCOMPARE(TextoDe(Sollow, "eSolicsolh"), QStringLiteral("21,06"));
    QCOMPARE(TextoDe(Sollow, "eSolicsolb"), QStringLiteral("17,82"));
    for (const char* nome : {"eprofcunsol1", "eProfcun2h", "eProfcun2b"}) {
        QCOMPARE(TextoDe(Sollow, nome), QStringLiteral("1,5"));
    }
    // The unreinforced safety factor, 1.1172 to four decimals, in full.
    QCOMPARE(TextoDe(Sollow, "eFatsegsol2"),
             QString::fromStdString(FormatoGeral(SolucaoLow.Fatsegsol)));
    QVERIFY(TextoDe(Sollow, "eFatsegsol2").startsWith(QStringLiteral("1,117")));
    QCOMPARE(TextosComprimento(), QStringList({QString(), QString()}));
    GravarPng(Sollow, QStringLiteral("TSollow-uma-cunha"));
}

void TstSollow::fatorDigitadoComZeroFinal() {
    ProgramaEmTeste programa;
    DadosDoProblema = UmaCunha();
    ExecutarLow(QStringLiteral("1,30"));
    QVERIFY(EsperarAtiva(Sollow));
    QCOMPARE(TextoDe(Sollow, "eFatsegsol3"), QStringLiteral("1,3"));
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

void TstSollow::erroDeConversao() {
    for (const char* F : {"", "1,3x", "x", "1 3"}) {
        ProgramaEmTeste programa;
        ZerarEstadoDasExecucoes();
        DadosDoProblema = UmaCunha();
        DadosDoProblema.Altberma = 2;
        CopiaDadosEntrada.Altberma = 7; // left there by an earlier Kaniraj run
        SolucaoLow.Solicsolh = 55;
        ExecutarLow(QString::fromLatin1(F));
        QVERIFY2(programa.gravador.mensagens == QStringList{mensagemConversao}, F);
        // The ten values were copied before the field was read; the berm was not.
        QCOMPARE(CopiaDadosEntrada.Alt, 3.0L);
        QCOMPARE(CopiaDadosEntrada.Prof, 1.5L);
        QCOMPARE(CopiaDadosEntrada.Altberma, 7.0L);
        QCOMPARE(SolucaoLow.Solicsolh, 55.0L);
        QTest::qWait(50);
        QVERIFY(!Sollow->isVisible());
        QVERIFY(Metcal->isVisible());
    }
}

void TstSollow::bermaNaoMudaNada() {
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
}

void TstSollow::duasExecucoesSeguidas() {
    ProgramaEmTeste programa;
    DadosDoProblema = UmaCunha();
    ExecutarLow(QStringLiteral("1,3"));
    QVERIFY(EsperarAtiva(Sollow));
    const QStringList primeira = TextosResultado();

    DadosDoProblema.Prof = 6;
    ExecutarLow(QStringLiteral("1,5"));
    QVERIFY(EsperarAtiva(Sollow));
    const QStringList segunda = TextosResultado();
    QCOMPARE(segunda.at(2), QStringLiteral("1,5"));
    QStringList esperada;
    for (long double v :
         {SolucaoLow.Fatsegsol, SolucaoLow.Profcunsol, Fatseglow, SolucaoLow.Solicsolh,
          SolucaoLow.Profcunh, SolucaoLow.Solicsolb, SolucaoLow.Profcunb}) {
        esperada << QString::fromStdString(FormatoGeral(v));
    }
    QCOMPARE(segunda, esperada);
    QVERIFY(segunda != primeira);
}

void TstSollow::comprimentosNoRetornoDoCalculo_data() {
    QTest::addColumn<double>("Ph");
    QTest::addColumn<double>("Pb");
    QTest::addColumn<QString>("textoH");
    QTest::addColumn<QString>("textoB");
    // Faces of 50 kPa each and FS1 = 1: each length is the force over 100.
    QTest::newRow("exatamente 1 m e logo abaixo") << 100.0 << 99.99 << "1"
                                                  << "1,00";
    QTest::newRow("logo acima de 1 m") << 100.01 << 2106.0 << "1,0001"
                                       << "21,06";
    QTest::newRow("nunca calculado") << 0.0 << 0.0 << "1,00"
                                     << "1,00";
}

void TstSollow::comprimentosNoRetornoDoCalculo() {
    QFETCH(double, Ph);
    QFETCH(double, Pb);
    QFETCH(QString, textoH);
    QFETCH(QString, textoB);
    ProgramaEmTeste programa;
    MostrarResultados(Ph, Pb);
    const QStringList resultados = TextosResultado();

    QVERIFY(AbrirAnaliseDoReforco(Sollow));
    QVERIFY(OrigemLow);
    QVERIFY(!OrigemKaniraj);
    DigitarInterfaces(cemKPa);
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Sollow));
    QVERIFY(!Solkan->isVisible());
    QCOMPARE(TextosComprimento(), QStringList({textoH, textoB}));
    QCOMPARE(TextosResultado(), resultados);
    if (QTest::currentDataTag() == QByteArray("logo acima de 1 m")) {
        GravarPng(Sollow, QStringLiteral("TSollow-comprimentos"));
    }
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
    QCOMPARE(TextosComprimento(), QStringList({QString(), QString()}));
    QCOMPARE(TextoDe(Sollow, "eSolicsolh"), QStringLiteral("300"));

    // The next run shows its own results and no lengths.
    ExecutarLow(QStringLiteral("1,3"));
    QVERIFY(EsperarAtiva(Sollow));
    QCOMPARE(TextoDe(Sollow, "eSolicsolh"), QStringLiteral("21,06"));
    QCOMPARE(TextosComprimento(), QStringList({QString(), QString()}));
}

void TstSollow::dicasDoMouse() {
    ProgramaEmTeste programa;
    Apres->move(2000, 0); // out of the pointer's way
    MostrarResultados(21.06L, 17.82L);
    const QString daTela = QStringLiteral("Resultados do dimensionamento pelo método de Low.");
    const QString doBevel = QStringLiteral("Comprimento de ancoragem do reforço (m).");
    const auto* bevel = Achar<QFrame>(Sollow, "Bevel1");
    const auto* grupo2 = Achar<QGroupBox>(Sollow, "GroupBox2");
    struct Passo {
        QPoint global;
        QString dica;
    };
    auto centro = [](const char* nome) {
        const QWidget* w = Achar<QWidget>(Sollow, QString::fromLatin1(nome));
        return w->mapToGlobal(w->rect().center());
    };
    const Passo passos[] = {
        {centro("eSolicsolb"), Achar<QWidget>(Sollow, "eSolicsolb")->statusTip()},
        {centro("Label6"), QStringLiteral("Solicitação atuandona direção horizontal.")},
        {centro("lab"), Achar<QWidget>(Sollow, "lab")->statusTip()},
        // The bevel away from its labels and fields.
        {bevel->mapToGlobal(QPoint(bevel->width() - 5, bevel->height() - 4)), doBevel},
        // The bare area of a frame: the frame's hint.
        {grupo2->mapToGlobal(QPoint(grupo2->width() - 20, 30)),
         QStringLiteral("Resultados do dimensionamento para aterro com reforço.")},
        // The bare window, then the status bar: the screen's hint.
        {Sollow->mapToGlobal(QPoint(405, 300)), daTela},
        {centro("StatusBar1"), daTela},
        // Over no window of the program: emptied.
        {Sollow->mapToGlobal(QPoint(-150, -120)), QString()},
        {centro("bGeot1"),
         QStringLiteral("Ativa o formulário de análise de utilização de geotêxteis como reforço.")},
    };
    for (const Passo& passo : passos) {
        ApontarPara(passo.global);
        QTRY_COMPARE(Sollow->TextoStatus(), passo.dica);
    }
}

void TstSollow::imprimeEmPdf() {
    ProgramaEmTeste programa;
    MostrarResultados(21.06L, 17.82L);
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("sollow.pdf"));
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    QVERIFY(ImprimirImagem(ImagemDaTela(Sollow), impressora));
    QFile pdf(arquivo);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray conteudo = pdf.readAll();
    QVERIFY(conteudo.startsWith("%PDF"));
    QCOMPARE(conteudo.count("/Type /Page\n") + conteudo.count("/Type /Page\r"), 1);
}

QTEST_MAIN(TstSollow)
#include "tst_sollow.moc"
