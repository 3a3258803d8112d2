// The reinforcement analysis: its introduction, the anchorage screen's fields, focus texts and
// buttons, the failures of "&Calcula", the return to the screen that opened the analysis, and the
// typical use of the program from the opening screen to the anchorage lengths.

#include "ApoioReforco.h"

#include "calc/Ancoragem.h"
#include "calc/Kanct.h"
#include "calc/Kanst.h"
#include "data/FormatoGeral.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"
#include "screens/uAjuda1.h"
#include "screens/uEns.h"
#include "screens/uEsquema.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

const QString mensagemConversao =
    QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números.");
const QString mensagemResistenciaNula =
    QStringLiteral("As resistências das interfaces somam zero; não é possível calcular o "
                   "comprimento de ancoragem.");

// The anchorage screen's fields in tab order, with their focus texts.
struct CampoGeot {
    const char* nome;
    const char* texto;
};
const CampoGeot camposGeot[] = {
    {"eCoeGeo1", "Coesão do solo na interface fundação/geotêxtil (kPa)."},
    {"eAngGeo1", "Ângulo de atrito interno do solo na interface fundação/geotêxtil (graus)."},
    {"eCoeGeo2", "Coesão do solo na interface aterro/geotêxtil (kPa)."},
    {"eAngGeo2", "Ângulo de atrito interno do solo na interface aterro/geotêxtil (graus)."},
    {"eFS1", "Fator de segurança a ser adotado no dimensionamento"},
};

// The worked interfaces: foundation cf = 5, δf = 20°; fill ce = 0, δe = 30°; FS1 = 1.5.
const Interfaces exemplo{QStringLiteral("5"), QStringLiteral("20"), QStringLiteral("0"),
                         QStringLiteral("30"), QStringLiteral("1,5")};

bool AbrirDireto() {
    return MostrarEEsperar(Geot);
}

// Each results screen with forces of its own, so the lengths tell which was shown.
void ForcasDosDoisMetodos() {
    DadosDoProblema.Alt = 3;
    DadosDoProblema.Pesesp = 18;
    SolucaoComTrinca.P = 100;
    SolucaoSemTrinca.P = 200;
    SolucaoLow.Solicsolh = 300;
    SolucaoLow.Solicsolb = 400;
}

} // namespace

class TstGeot : public QObject {
    Q_OBJECT
private slots:
    void init() { ZerarEstadoDasExecucoes(); }
    void introducao();
    void introducaoSair();
    void legendasEOrdemDeTabulacao();
    void textosDeFoco();
    void exemploDoisSolos();
    void enterCalcula();
    void erroDeConversaoEmCadaCampo();
    void resistenciasQueSomamZero();
    void comprimentoForaDoIntervalo();
    void sairDadosEnsaiosAjuda();
    void voltaAoLowDepoisDeKanirajAbandonado();
    void voltaAoKanirajDepoisDeLowAbandonado();
    void cadaCalculaVoltaAoLow();
    void execucaoDepoisDoRetornoMostraResultados();
    void usoTipicoDePontaAPonta();
};

void TstGeot::introducao() {
    ProgramaEmTeste programa;
    QCOMPARE(ApresGeo->windowTitle(), QStringLiteral("Análise do reforço"));
    QCOMPARE(ApresGeo->size(), QSize(333, 293));
    QCOMPARE(Achar<QLabel>(ApresGeo, "Label1")->text(), QStringLiteral("Considerações iniciais"));
    const QStringList linhas{
        "    Os aterros sobre solos moles são obras de ",
        "terra que consistem de uma quantidade de ",
        "solo, chamado de solo de aterro, colocado ",
        "sobre outro solo, que na maioria dos casos, é ",
        "uma argila. ",
        "    Para estas estruturas, deve-se por ",
        "ocasião do projeto, estudar a estabilidade ",
        "interna e externa do mesmo. Para garantir a ",
        "estabilidade interna, pode-se contar com o ",
        "auxílio de uma inclusão de reforço, que no ",
        "caso deste programa, é um reforço de ",
        "geossintéticos. A rotina então realiza a ",
        "escolha deste e dimensionamento do ",
        "comprimento de ancoragem necessário para ",
        "que este não seja arrancado. Para isto, são ",
        "fornecidos aos usuários parâmetros ",
        "experimentais, para que o mesmo possa ",
        "decidir sobre o uso ou não deste reforço, ",
        "assim como o melhor reforço para sua obra.",
    };
    auto* texto = Achar<QPlainTextEdit>(ApresGeo, "Memo1");
    QCOMPARE(texto->toPlainText().split(QLatin1Char('\n')), linhas);
    QCOMPARE(texto->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(Achar<QPushButton>(ApresGeo, "bEntGeo")->text(), QStringLiteral("&Continuar"));
    QCOMPARE(Achar<QPushButton>(ApresGeo, "bSair")->text(), QStringLiteral("&Sair"));
    QVERIFY(Achar<QPushButton>(ApresGeo, "bEntGeo")->isDefault());

    QVERIFY(MostrarEEsperar(ApresGeo));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("bEntGeo"));
    // The text can be changed in place; nothing reads it.
    QVERIFY(!texto->isReadOnly());
    GravarPng(ApresGeo, QStringLiteral("TApresGeo"));
    // Enter presses "&Continuar".
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(EsperarAtiva(Geot));
    QTRY_VERIFY(!ApresGeo->isVisible());
}

void TstGeot::introducaoSair() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(ApresGeo));
    Clicar(ApresGeo, "bSair");
    QVERIFY(EsperarAtiva(Apres));
    QTRY_VERIFY(!ApresGeo->isVisible());
    QVERIFY(!Geot->isVisible());
}

void TstGeot::legendasEOrdemDeTabulacao() {
    ProgramaEmTeste programa;
    QCOMPARE(Geot->windowTitle(), QStringLiteral("Análise do reforço"));
    QCOMPARE(Geot->size(), QSize(384, 364));
    struct Legenda {
        const char* nome;
        const char* texto;
    };
    const Legenda legendas[] = {
        {"GroupBox1", "Para as seguintes interfaces entre com os parâmetros:"},
        {"GroupBox2", "solo de fundação/geotêxtil"},
        {"GroupBox3", "solo de aterro/geotêxtil"},
        {"Label1", "Coesão "},
        {"Label2", "Ângulo de atrito "},
        {"Label3", "Coesão"},
        {"Label4", "Ângulo de atrito"},
        {"Label5", "Fator de segurança"},
        {"bFS", "&Ajuda"},
        {"bCalc", "&Calcula"},
        {"bDados", "&Dados"},
        {"bEns", "&Ensaios"},
        {"bSair", "&Sair"},
    };
    for (const Legenda& l : legendas) {
        QWidget* w = Achar<QWidget>(Geot, QString::fromLatin1(l.nome));
        QString texto;
        if (auto* g = qobject_cast<QGroupBox*>(w)) {
            texto = g->title();
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            texto = b->text();
        } else if (auto* r = qobject_cast<QLabel*>(w)) {
            texto = r->text();
        }
        QCOMPARE(texto, QString::fromUtf8(l.texto));
    }
    // Each field sits in its frame; this screen's controls carry no hints.
    QCOMPARE(Achar<QWidget>(Geot, "eAngGeo1")->parentWidget()->objectName(),
             QStringLiteral("GroupBox2"));
    QCOMPARE(Achar<QWidget>(Geot, "eCoeGeo2")->parentWidget()->objectName(),
             QStringLiteral("GroupBox3"));
    for (QWidget* w : Geot->findChildren<QWidget*>()) {
        QVERIFY2(w->statusTip().isEmpty(), qPrintable(w->objectName()));
    }
    QVERIFY(Achar<QPushButton>(Geot, "bCalc")->isDefault());

    QVERIFY(AbrirDireto());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("eCoeGeo1"));
    const char* const ordem[] = {"eAngGeo1", "eCoeGeo2", "eAngGeo2", "eFS1",  "bFS",
                                 "bCalc",    "bDados",   "bEns",     "bSair", "eCoeGeo1"};
    for (const char* nome : ordem) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(nome));
    }
    for (const CampoGeot& c : camposGeot) {
        QVERIFY(Achar<QLineEdit>(Geot, QString::fromLatin1(c.nome))->text().isEmpty());
    }
    GravarPng(Geot, QStringLiteral("TGeot"));
}

void TstGeot::textosDeFoco() {
    ProgramaEmTeste programa;
    QVERIFY(AbrirDireto());
    QCOMPARE(Geot->TextoStatus(), QString::fromUtf8(camposGeot[0].texto));
    for (int i = 1; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Geot->TextoStatus(), QString::fromUtf8(camposGeot[i].texto));
    }
    // The buttons write nothing: the last text stays.
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Geot->TextoStatus(), QString::fromUtf8(camposGeot[4].texto));
    }
    // A click into a field writes its text.
    QTest::mouseClick(Achar<QLineEdit>(Geot, "eAngGeo2"), Qt::LeftButton);
    QCOMPARE(Geot->TextoStatus(), QString::fromUtf8(camposGeot[3].texto));
}

void TstGeot::exemploDoisSolos() {
    // H = 3, γ = 18 as the data-entry screen converted them; the run's copy says otherwise.
    ProgramaEmTeste programa;
    DadosDoProblema.Alt = 3;
    DadosDoProblema.Pesesp = 18;
    CopiaDadosEntrada.Alt = 6;
    CopiaDadosEntrada.Pesesp = 20;
    SolucaoComTrinca.P = 100;
    SolucaoSemTrinca.P = 10;
    OrigemKaniraj = true;
    QVERIFY(AbrirDireto());
    DigitarInterfaces(exemplo);
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Solkan));
    // τf ≈ 24.654 kPa, τe ≈ 31.177 kPa: 2.6867 m for 100 kN/m, 0.2687 m for 10 kN/m.
    QCOMPARE(TextoDe(Solkan, "eComTr"), QStringLiteral("2,68666466107678"));
    QCOMPARE(TextoDe(Solkan, "eSemTr"), QStringLiteral("1,00"));
    QVERIFY(qAbs(Comprimentos.SemTr - 0.2687L) < 0.0001L);
    // The Low forces were never computed: zero lengths, computed all the same.
    QCOMPARE(Comprimentos.Horiz, 0.0L);
    QCOMPARE(Comprimentos.Biss, 0.0L);
}

void TstGeot::enterCalcula() {
    ProgramaEmTeste programa;
    ForcasDosDoisMetodos();
    QVERIFY(AbrirDireto());
    DigitarInterfaces(cemKPa);
    QTest::keyClick(Achar<QLineEdit>(Geot, "eFS1"), Qt::Key_Return);
    QVERIFY(EsperarAtiva(Sollow));
    QCOMPARE(TextoDe(Sollow, "eHoriz"), QStringLiteral("3"));
    QCOMPARE(TextoDe(Sollow, "eBiss"), QStringLiteral("4"));
}

void TstGeot::erroDeConversaoEmCadaCampo() {
    for (const CampoGeot& c : camposGeot) {
        for (const char* errado : {"", "2,5a"}) {
            ProgramaEmTeste programa;
            ZerarEstadoDasExecucoes();
            ForcasDosDoisMetodos();
            Comprimentos = {1, 2, 3, 4};
            QVERIFY(AbrirDireto());
            DigitarInterfaces(cemKPa);
            Digitar(Geot, c.nome, QString::fromLatin1(errado));
            Clicar(Geot, "bCalc");
            QVERIFY2(programa.gravador.mensagens == QStringList{mensagemConversao}, c.nome);
            QCOMPARE(Comprimentos.ComTr, 1.0L);
            QCOMPARE(Comprimentos.Biss, 4.0L);
            QTest::qWait(50);
            QVERIFY(Geot->isActiveWindow());
            QVERIFY(!Sollow->isVisible() && !Solkan->isVisible());
        }
    }
}

void TstGeot::resistenciasQueSomamZero() {
    ProgramaEmTeste programa;
    ForcasDosDoisMetodos();
    Comprimentos = {1, 2, 3, 4};
    QVERIFY(AbrirDireto());
    DigitarInterfaces({"0", "0", "0", "0", "1,5"});
    Clicar(Geot, "bCalc");
    QCOMPARE(programa.gravador.mensagens, QStringList{mensagemResistenciaNula});
    QCOMPARE(Comprimentos.ComTr, 1.0L);
    QCOMPARE(Comprimentos.SemTr, 2.0L);
    QCOMPARE(Comprimentos.Horiz, 3.0L);
    QCOMPARE(Comprimentos.Biss, 4.0L);
    QTest::qWait(50);
    QVERIFY(Geot->isActiveWindow());
    QVERIFY(!Sollow->isVisible() && !Solkan->isVisible());
}

void TstGeot::comprimentoForaDoIntervalo() {
    ProgramaEmTeste programa;
    ForcasDosDoisMetodos();
    Comprimentos = {1, 2, 3, 4};
    QVERIFY(AbrirDireto());
    // FS1 near the largest extended real: the force times FS1 does not fit.
    DigitarInterfaces({"50", "0", "50", "0", "1E4932"});
    Clicar(Geot, "bCalc");
    QCOMPARE(programa.gravador.mensagens,
             QStringList{QStringLiteral("Valores fora do intervalo de cálculo.")});
    QCOMPARE(Comprimentos.ComTr, 1.0L);
    QCOMPARE(Comprimentos.Biss, 4.0L);
    QVERIFY(!Sollow->isVisible() && !Solkan->isVisible());
}

void TstGeot::sairDadosEnsaiosAjuda() {
    ProgramaEmTeste programa;
    QVERIFY(AbrirDireto());
    // "&Dados": the data-entry screen in front, this screen still open behind.
    Clicar(Geot, "bDados");
    QVERIFY(EsperarAtiva(Entdad));
    QTest::qWait(50);
    QVERIFY(Geot->isVisible());

    QVERIFY(MostrarEEsperar(Geot));
    Clicar(Geot, "bEns");
    QVERIFY(EsperarAtiva(fEns));
    QTest::qWait(50);
    QVERIFY(Geot->isVisible());

    // "&Ajuda": modal over this screen, which is active again once it is closed.
    QVERIFY(MostrarEEsperar(Geot));
    bool ajudaAberta = false;
    QTimer::singleShot(0, [&] {
        ajudaAberta = fAjuda1->isVisible() && QApplication::activeModalWidget() == fAjuda1;
        Clicar(fAjuda1, "bFechar");
    });
    Clicar(Geot, "bFS");
    QVERIFY(ajudaAberta);
    QVERIFY(!fAjuda1->isVisible());
    QVERIFY(EsperarAtiva(Geot));

    // "&Sair": this screen hides, the opening screen comes forward.
    Clicar(Geot, "bSair");
    QVERIFY(EsperarAtiva(Apres));
    QVERIFY(!Geot->isVisible());
}

void TstGeot::voltaAoLowDepoisDeKanirajAbandonado() {
    ProgramaEmTeste programa;
    ForcasDosDoisMetodos();
    QVERIFY(MostrarEEsperar(Solkan));
    QVERIFY(AbrirAnaliseDoReforco(Solkan));
    Clicar(Geot, "bSair"); // abandoned
    QVERIFY(EsperarAtiva(Apres));

    QVERIFY(MostrarEEsperar(Sollow)); // as a Low run shows it
    QVERIFY(AbrirAnaliseDoReforco(Sollow));
    DigitarInterfaces(cemKPa);
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Sollow));
    QVERIFY(!Solkan->isVisible());
    QCOMPARE(TextoDe(Sollow, "eHoriz"), QStringLiteral("3"));
    QCOMPARE(TextoDe(Solkan, "eComTr"), QString());
}

void TstGeot::voltaAoKanirajDepoisDeLowAbandonado() {
    ProgramaEmTeste programa;
    ForcasDosDoisMetodos();
    QVERIFY(MostrarEEsperar(Sollow));
    QVERIFY(AbrirAnaliseDoReforco(Sollow));
    QVERIFY(MostrarEEsperar(Apres)); // the user clicks the opening screen and leaves it all

    QVERIFY(MostrarEEsperar(Solkan));
    QVERIFY(AbrirAnaliseDoReforco(Solkan));
    DigitarInterfaces(cemKPa);
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Solkan));
    QVERIFY(!Sollow->isVisible());
    QCOMPARE(TextoDe(Solkan, "eComTr"), QStringLiteral("1"));
    QCOMPARE(TextoDe(Solkan, "eSemTr"), QStringLiteral("2"));
}

void TstGeot::cadaCalculaVoltaAoLow() {
    ProgramaEmTeste programa;
    ForcasDosDoisMetodos();
    OrigemKaniraj = true; // left by an earlier, finished analysis from the Kaniraj results
    QVERIFY(MostrarEEsperar(Sollow));
    QVERIFY(AbrirAnaliseDoReforco(Sollow));
    DigitarInterfaces(cemKPa);
    for (int vez = 0; vez < 3; ++vez) {
        Clicar(Geot, "bCalc");
        QVERIFY(EsperarAtiva(Sollow));
        QVERIFY(!Solkan->isVisible());
        QCOMPARE(TextoDe(Sollow, "eBiss"), QStringLiteral("4"));
        QVERIFY(MostrarEEsperar(Geot)); // back onto the analysis, open behind
        QTRY_VERIFY(!Sollow->isVisible());
    }
}

void TstGeot::execucaoDepoisDoRetornoMostraResultados() {
    // Back from "&Calcula" on the Kaniraj results, then data, methods and a new run: the run's
    // results, not the lengths; the analysis, still open, still returns to the Kaniraj results.
    ProgramaEmTeste programa;
    DadosDoProblema = {3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10};
    SolucaoComTrinca.P = 100;
    QVERIFY(MostrarEEsperar(Solkan));
    QVERIFY(AbrirAnaliseDoReforco(Solkan));
    DigitarInterfaces(cemKPa);
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(TextoDe(Solkan, "eComTr"), QStringLiteral("1"));

    Clicar(Solkan, "bDados2");
    QVERIFY(EsperarAtiva(Entdad));
    QVERIFY(MostrarEEsperar(Metcal));
    Digitar(Metcal, "eFatsegkan", QStringLiteral("1,3"));
    Digitar(Metcal, "ePosref", QStringLiteral("0"));
    Clicar(Metcal, "bCalkan");
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(TextoDe(Solkan, "ePct"), QString::fromStdString(FormatoGeral(SolucaoComTrinca.P)));
    QVERIFY(SolucaoComTrinca.P != 100);
    QCOMPARE(TextoDe(Solkan, "eComTr"), QString());
    QVERIFY(Geot->isVisible());

    QVERIFY(MostrarEEsperar(Geot));
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(TextoDe(Solkan, "eComTr"),
             QString::fromStdString(TextoComprimentoAncoragem(SolucaoComTrinca.P / 100)));
}

void TstGeot::usoTipicoDePontaAPonta() {
    ProgramaEmTeste programa;
    // 1. "&Iniciar", then "&Continuar" on the geometry screen.
    Clicar(Apres, "bIni");
    QVERIFY(EsperarAtiva(Esquema));
    Clicar(Esquema, "bCont1");
    QVERIFY(EsperarAtiva(Entdad));

    // 2. The twelve values, then "&Métodos de cálculo".
    const struct {
        const char* campo;
        const char* texto;
    } dados[] = {{"eAlt", "3"},    {"eDecl", "2"},     {"ePesesp", "18"},   {"eCoesao", "5"},
                 {"eAngat", "30"}, {"eAltberma", "0"}, {"eLargberma", "0"}, {"eProf", "6"},
                 {"eDist", "0"},   {"eSuperf", "10"},  {"eProfZ", "10"},    {"eCont", "10"}};
    for (const auto& d : dados) {
        Digitar(Entdad, d.campo, QString::fromLatin1(d.texto));
    }
    Clicar(Entdad, "bContin");
    QVERIFY(EsperarAtiva(Metcal));

    // 3. F = 1,3 and a = 0, "&Calcular": the Kaniraj results.
    Digitar(Metcal, "eFatsegkan", QStringLiteral("1,3"));
    Digitar(Metcal, "ePosref", QStringLiteral("0"));
    Clicar(Metcal, "bCalkan");
    QVERIFY(EsperarAtiva(Solkan));
    ResultadoKaniraj ct, st;
    CalcKanct(3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0, ct);
    CalcKanst(3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0, st);
    auto formato = [](long double v) { return QString::fromStdString(FormatoGeral(v)); };
    QCOMPARE(TextoDe(Solkan, "eFatsegsol1"), QStringLiteral("1,3"));
    QCOMPARE(TextoDe(Solkan, "ePct"), formato(ct.P));
    QCOMPARE(TextoDe(Solkan, "eX0ct"), formato(ct.X0));
    QCOMPARE(TextoDe(Solkan, "eY0ct"), formato(ct.Y0));
    QCOMPARE(TextoDe(Solkan, "eDct"), formato(ct.D));
    QCOMPARE(TextoDe(Solkan, "ePst"), formato(st.P));
    QCOMPARE(TextoDe(Solkan, "eX0st"), formato(st.X0));
    QCOMPARE(TextoDe(Solkan, "eY0st"), formato(st.Y0));
    QCOMPARE(TextoDe(Solkan, "eDst"), formato(st.D));

    // 4. "&Geotêxteis", then "&Continuar".
    QVERIFY(AbrirAnaliseDoReforco(Solkan));

    // 5. The interfaces, "&Calcula": back to the Kaniraj results with both lengths.
    DigitarInterfaces(exemplo);
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(Solkan));
    ComprimentosAncoragem esperado;
    QCOMPARE(CalcAncoragem(3, 18, 5, 20, 0, 30, 1.5L, ct.P, st.P, 0, 0, esperado),
             SituacaoAncoragem::Calculada);
    QVERIFY(esperado.ComTr > 1 && esperado.SemTr > 1);
    QCOMPARE(TextoDe(Solkan, "eComTr"), formato(esperado.ComTr));
    QCOMPARE(TextoDe(Solkan, "eSemTr"), formato(esperado.SemTr));
    QCOMPARE(TextoDe(Solkan, "ePct"), formato(ct.P));
    QVERIFY(programa.gravador.mensagens.isEmpty());
    GravarPng(Solkan, QStringLiteral("TSolkan-uso-tipico"));

    // 6. "&Sair": the opening screen, the results screen gone and its lengths emptied.
    Clicar(Solkan, "bExit3");
    QVERIFY(EsperarAtiva(Apres));
    QTRY_VERIFY(!Solkan->isVisible());
    QCOMPARE(TextoDe(Solkan, "eComTr"), QString());
}

QTEST_MAIN(TstGeot)
#include "tst_geot.moc"
