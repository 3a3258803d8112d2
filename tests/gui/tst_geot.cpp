// The reinforcement analysis: its introduction, the anchorage screen's focus texts and buttons, the
// failures of "&Calcula", the return to the screen that opened the analysis, and the typical use
// of the program from the opening screen to the anchorage lengths.

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

#include <QTimer>

namespace {

// The anchorage screen's fields in tab order.
const char* const camposGeot[] = {"eCoeGeo1", "eAngGeo1", "eCoeGeo2", "eAngGeo2", "eFS1"};

// The worked interfaces: foundation cf = 5, δf = 20°; fill ce = 0, δe = 30°; FS1 = 1.5.
const Interfaces exemplo{QStringLiteral("5"), QStringLiteral("20"), QStringLiteral("0"),
                         QStringLiteral("30"), QStringLiteral("1,5")};

QString Formato(long double v) {
    return QString::fromStdString(FormatoGeral(v));
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
    void textosDeFocoEOrdemDeTabulacao();
    void exemploDoisSolosComEnter();
    void calculoRecusado_data();
    void calculoRecusado();
    void sairDadosEnsaiosAjuda();
    void voltaATelaQueAbriu_data();
    void voltaATelaQueAbriu();
    void usoTipicoDePontaAPonta();
};

void TstGeot::introducao() {
    ProgramaEmTeste programa;
    // Enter presses "&Continuar", which has the focus.
    QVERIFY(MostrarEEsperar(ApresGeo));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("bEntGeo"));
    GravarPng(ApresGeo, QStringLiteral("TApresGeo"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(EsperarAtiva(Geot));
    QTRY_VERIFY(!ApresGeo->isVisible());
    Clicar(Geot, "bSair");
    QVERIFY(EsperarAtiva(Apres));
    // "&Sair": the opening screen, and no analysis.
    QVERIFY(MostrarEEsperar(ApresGeo));
    Clicar(ApresGeo, "bSair");
    QVERIFY(EsperarAtiva(Apres));
    QTRY_VERIFY(!ApresGeo->isVisible());
    QVERIFY(!Geot->isVisible());
}

void TstGeot::textosDeFocoEOrdemDeTabulacao() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Geot));
    for (const char* campo : camposGeot) {
        QVERIFY(TextoDe(Geot, campo).isEmpty());
    }
    const QString coesao = QStringLiteral("Coesão do solo na interface fundação/geotêxtil (kPa).");
    const QString angulo =
        QStringLiteral("Ângulo de atrito interno do solo na interface aterro/geotêxtil (graus).");
    const QString fs = QStringLiteral("Fator de segurança a ser adotado no dimensionamento");
    // Each field writes its text; the buttons write nothing, so the last text stays.
    const std::pair<const char*, QString> ordem[] = {
        {"eCoeGeo1", coesao},
        {"eAngGeo1", QStringLiteral("Ângulo de atrito interno do solo na interface "
                                    "fundação/geotêxtil (graus).")},
        {"eCoeGeo2", QStringLiteral("Coesão do solo na interface aterro/geotêxtil (kPa).")},
        {"eAngGeo2", angulo},
        {"eFS1", fs},
        {"bFS", fs},
        {"bCalc", fs},
        {"bDados", fs},
        {"bEns", fs},
        {"bSair", fs},
        {"eCoeGeo1", coesao},
    };
    for (const auto& [nome, texto] : ordem) {
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(nome));
        QCOMPARE(Geot->TextoStatus(), texto);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // A click into a field writes its text.
    QTest::mouseClick(Achar<QLineEdit>(Geot, "eAngGeo2"), Qt::LeftButton);
    QCOMPARE(Geot->TextoStatus(), angulo);
    GravarPng(Geot, QStringLiteral("TGeot"));
}

void TstGeot::exemploDoisSolosComEnter() {
    // H = 3, γ = 18 as the data-entry screen converted them; the run's copy says otherwise.
    ProgramaEmTeste programa;
    DadosDoProblema.Alt = 3;
    DadosDoProblema.Pesesp = 18;
    CopiaDadosEntrada.Alt = 6;
    CopiaDadosEntrada.Pesesp = 20;
    SolucaoComTrinca.P = 100;
    SolucaoSemTrinca.P = 10;
    OrigemKaniraj = true;
    QVERIFY(MostrarEEsperar(Geot));
    DigitarInterfaces(exemplo);
    QTest::keyClick(Achar<QLineEdit>(Geot, "eFS1"), Qt::Key_Return); // "&Calcula" is the default
    QVERIFY(EsperarAtiva(Solkan));
    // τf ≈ 24.654 kPa, τe ≈ 31.177 kPa: 2.6867 m for 100 kN/m, 0.2687 m for 10 kN/m.
    QCOMPARE(TextoDe(Solkan, "eComTr"), QStringLiteral("2,68666466107678"));
    QCOMPARE(TextoDe(Solkan, "eSemTr"), QStringLiteral("1,00"));
    QVERIFY(qAbs(Comprimentos.SemTr - 0.2687L) < 0.0001L);
    // The Low forces were never computed: zero lengths, computed all the same.
    QCOMPARE(Comprimentos.Horiz, 0.0L);
    QCOMPARE(Comprimentos.Biss, 0.0L);
}

void TstGeot::calculoRecusado_data() {
    QTest::addColumn<QStringList>("valores"); // cf, δf, ce, δe, FS1
    QTest::addColumn<QString>("mensagem");
    const QStringList cem{"50", "0", "50", "0", "1"};
    for (int i = 0; i < 5; ++i) {
        for (const char* errado : {"", "2,5a"}) {
            QStringList valores = cem;
            valores[i] = QString::fromLatin1(errado);
            QTest::addRow("%s com '%s'", camposGeot[i], errado) << valores << mensagemConversao;
        }
    }
    QTest::newRow("resistencias que somam zero")
        << QStringList{"0", "0", "0", "0", "1,5"}
        << "As resistências das interfaces somam zero; não é possível calcular o comprimento de "
           "ancoragem.";
    // FS1 near the largest extended real: the force times FS1 does not fit.
    QTest::newRow("fora do intervalo")
        << QStringList{"50", "0", "50", "0", "1E4932"} << "Valores fora do intervalo de cálculo.";
}

// The message once, no length changed, and the screen stays where it is.
void TstGeot::calculoRecusado() {
    QFETCH(QStringList, valores);
    QFETCH(QString, mensagem);
    ProgramaEmTeste programa;
    ForcasDosDoisMetodos();
    Comprimentos = {1, 2, 3, 4};
    QVERIFY(MostrarEEsperar(Geot));
    for (int i = 0; i < 5; ++i) {
        Digitar(Geot, camposGeot[i], valores.at(i));
    }
    Clicar(Geot, "bCalc");
    QCOMPARE(programa.gravador.mensagens, QStringList{mensagem});
    QCOMPARE(Comprimentos.ComTr, 1.0L);
    QCOMPARE(Comprimentos.SemTr, 2.0L);
    QCOMPARE(Comprimentos.Horiz, 3.0L);
    QCOMPARE(Comprimentos.Biss, 4.0L);
    QTest::qWait(50);
    QVERIFY(Geot->isActiveWindow());
    QVERIFY(!Sollow->isVisible() && !Solkan->isVisible());
}

void TstGeot::sairDadosEnsaiosAjuda() {
    ProgramaEmTeste programa;
    // "&Dados" and "&Ensaios": the other screen in front, this one still open behind.
    for (const auto& [botao, tela] : {std::pair<const char*, QWidget*>{"bDados", Entdad},
                                      std::pair<const char*, QWidget*>{"bEns", fEns}}) {
        QVERIFY(MostrarEEsperar(Geot));
        Clicar(Geot, botao);
        QVERIFY(EsperarAtiva(tela));
        QTest::qWait(50);
        QVERIFY(Geot->isVisible());
    }

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

void TstGeot::voltaATelaQueAbriu_data() {
    QTest::addColumn<int>("abandonada"); // 0 none (the flags left by another, finished one)
    QTest::addColumn<bool>("kanirajAbre");
    QTest::addColumn<double>("P1");
    QTest::addColumn<double>("P2");
    QTest::addColumn<QStringList>("textos");
    // Each length is the force over 100; below 1 m shown as "1,00".
    QTest::newRow("Low depois de Kaniraj abandonado")
        << 1 << false << 100.01 << 2106.0 << QStringList({"1,0001", "21,06"});
    QTest::newRow("Kaniraj depois de Low abandonado")
        << 2 << true << 100.0 << 99.99 << QStringList({"1", "1,00"});
    QTest::newRow("Low, origem antiga Kaniraj")
        << 0 << false << 300.0 << 0.0 << QStringList({"3", "1,00"});
    QTest::newRow("Kaniraj, origem antiga Low")
        << 0 << true << -50.0 << 250.0 << QStringList({"1,00", "2,5"});
}

// Each "&Geotêxteis" records its own screen; every "&Calcula" of the visit returns there with the
// lengths, the other results screen untouched.
void TstGeot::voltaATelaQueAbriu() {
    QFETCH(int, abandonada);
    QFETCH(bool, kanirajAbre);
    QFETCH(double, P1);
    QFETCH(double, P2);
    QFETCH(QStringList, textos);
    ProgramaEmTeste programa;
    ForcasDosDoisMetodos();
    (kanirajAbre ? SolucaoComTrinca.P : SolucaoLow.Solicsolh) = P1;
    (kanirajAbre ? SolucaoSemTrinca.P : SolucaoLow.Solicsolb) = P2;
    if (abandonada == 0) {
        OrigemKaniraj = !kanirajAbre;
        OrigemLow = kanirajAbre;
    } else {
        Tela* primeira = abandonada == 1 ? static_cast<Tela*>(Solkan) : Sollow;
        QVERIFY(MostrarEEsperar(primeira));
        QVERIFY(AbrirAnaliseDoReforco(primeira));
        if (abandonada == 1) {
            Clicar(Geot, "bSair");
        } else {
            QVERIFY(MostrarEEsperar(Apres)); // the user clicks the opening screen
        }
        QVERIFY(EsperarAtiva(Apres));
    }
    Tela* volta = kanirajAbre ? static_cast<Tela*>(Solkan) : Sollow;
    Tela* outra = kanirajAbre ? static_cast<Tela*>(Sollow) : Solkan;
    const auto comprimentos = [](bool kaniraj) {
        return kaniraj ? TextosDe(Solkan, {"eComTr", "eSemTr"})
                       : TextosDe(Sollow, {"eHoriz", "eBiss"});
    };
    QVERIFY(MostrarEEsperar(volta));
    QVERIFY(AbrirAnaliseDoReforco(volta));
    QCOMPARE(OrigemKaniraj, kanirajAbre);
    QVERIFY(!volta->isVisible() && !ApresGeo->isVisible());
    DigitarInterfaces(cemKPa);
    for (int vez = 0; vez < 3; ++vez) {
        Clicar(Geot, "bCalc");
        QVERIFY(EsperarAtiva(volta));
        QVERIFY(!outra->isVisible());
        QCOMPARE(comprimentos(kanirajAbre), textos);
        QCOMPARE(comprimentos(!kanirajAbre), vazios);
        QVERIFY(programa.gravador.mensagens.isEmpty());
        GravarPng(volta, volta->objectName() + QStringLiteral("-comprimentos"));
        QVERIFY(MostrarEEsperar(Geot)); // back onto the analysis, open behind
        QTRY_VERIFY(!volta->isVisible());
        QCOMPARE(comprimentos(kanirajAbre), vazios);
    }
}

void TstGeot::usoTipicoDePontaAPonta() {
    ProgramaEmTeste programa;
    // 1. "&Iniciar", then "&Continuar" on the geometry screen.
    Clicar(Apres, "bIni");
    QVERIFY(EsperarAtiva(Esquema));
    Clicar(Esquema, "bCont1");
    QVERIFY(EsperarAtiva(Entdad));

    // 2. The twelve values, then "&Métodos de cálculo".
    const std::pair<const char*, const char*> dados[] = {
        {"eAlt", "3"},    {"eDecl", "2"},     {"ePesesp", "18"},   {"eCoesao", "5"},
        {"eAngat", "30"}, {"eAltberma", "0"}, {"eLargberma", "0"}, {"eProf", "6"},
        {"eDist", "0"},   {"eSuperf", "10"},  {"eProfZ", "10"},    {"eCont", "10"}};
    for (const auto& [campo, texto] : dados) {
        Digitar(Entdad, campo, QString::fromLatin1(texto));
    }
    Clicar(Entdad, "bContin");
    QVERIFY(EsperarAtiva(Metcal));

    // 3. F = 1,3 and a = 0, "&Calcular": the Kaniraj results, each as the analyses give it.
    Digitar(Metcal, "eFatsegkan", QStringLiteral("1,3"));
    Digitar(Metcal, "ePosref", QStringLiteral("0"));
    Clicar(Metcal, "bCalkan");
    QVERIFY(EsperarAtiva(Solkan));
    QVERIFY(!Metcal->isVisible());
    ResultadoKaniraj ct, st;
    CalcKanct(3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0, ct);
    CalcKanst(3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, 1.3L, 0, st);
    QVERIFY(ct.P > 0 && st.P > 0);
    QCOMPARE(TextosDe(Solkan, {"eFatsegsol1", "ePct", "eX0ct", "eY0ct", "eDct", "ePst", "eX0st",
                               "eY0st", "eDst"}),
             QStringList({"1,3", Formato(ct.P), Formato(ct.X0), Formato(ct.Y0), Formato(ct.D),
                          Formato(st.P), Formato(st.X0), Formato(st.Y0), Formato(st.D)}));
    // A number longer than its field is shown from its first digit.
    QCOMPARE(Achar<QLineEdit>(Solkan, "ePct")->cursorPosition(), 0);
    QCOMPARE(TextosDe(Solkan, {"eComTr", "eSemTr"}), vazios);

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
    QCOMPARE(TextosDe(Solkan, {"eComTr", "eSemTr"}),
             QStringList({Formato(esperado.ComTr), Formato(esperado.SemTr)}));
    QCOMPARE(TextoDe(Solkan, "ePct"), Formato(ct.P));
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
