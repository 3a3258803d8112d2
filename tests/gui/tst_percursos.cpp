// The user's paths through the windows: the typical run from the opening screen to the anchorage
// lengths, Low's results, a field that is not a number on each screen that reads fields, the
// methods screen's exits, Enter, and the return from the anchorage calculation to the results
// screen that opened the reinforcement analysis.

#include "support/Apoio.h"

#include "../comum/Analises.h"
#include "../comum/Exemplo.h"

#include "calc/Ancoragem.h"
#include "data/EstadoExecucao.h"

#include <QApplication>
#include <QWindow>

#include <array>
#include <tuple>

using enum IdTela;

namespace {
const QStringList vazios{QString(), QString()};

// Every factor typed as 7: results set by hand with those factors answer the typed data.
const QString comoCalculado = QStringLiteral("7 7 7");
// A value for each data field, in the order the record is read, as a user in Brazil types it.
const std::array<long double DadosEntrada::*, 12> membros{
    {&DadosEntrada::Alt, &DadosEntrada::Decl, &DadosEntrada::Pesesp, &DadosEntrada::Coesao,
     &DadosEntrada::Angat, &DadosEntrada::Altberma, &DadosEntrada::Largberma, &DadosEntrada::Prof,
     &DadosEntrada::Dist, &DadosEntrada::Superf, &DadosEntrada::ProfZ, &DadosEntrada::Cont}};
const QStringList textosEntdad{"3",    "2,5", "18,5", "5",  "30",   "0,5",
                               "1,25", "6",   "1,5",  "10", "12,5", "20"};
const long double valoresEntdad[] = {3, 2.5L, 18.5L, 5, 30, 0.5L, 1.25L, 6, 1.5L, 10, 12.5L, 20};
} // namespace

class TstPercursos : public QObject {
    Q_OBJECT
private slots:
    void usoTipicoDeKaniraj();
    void resultadosDeLow();
    void erroDeConversao_data();
    void erroDeConversao();
    void saidasDosMetodos_data();
    void saidasDosMetodos();
    void tecladoNosCampos();
    void voltaATelaQueAbriu_data();
    void voltaATelaQueAbriu();
};

void TstPercursos::usoTipicoDeKaniraj() {
    ProgramaEmTeste programa;
    Clicar(Apres, "bIni");
    QVERIFY(EsperarAtiva(Esquema));
    Clicar(Esquema, "bCont1");
    QVERIFY(EsperarAtiva(Entdad));
    QVERIFY(DigitarExemplo("30", "6", "")); // Kaniraj's factors typed below, Low's left empty

    // F = 1,3, a = 0: given this embankment the reinforcement must carry 61,68 kN/m with the
    // crack and 72,01 kN/m without, both on the wedge reaching the firm layer at 6 m.
    ExecutarKaniraj();
    QVERIFY(EsperarAtiva(Solkan));
    QVERIFY(!Janela(Metcal)->isVisible());
    QCOMPARE(Textos(Solkan, "eFatsegsol1 eDct eDst"), QStringList({"1,3", "6", "6"}));
    // Every field as the analyses give it, in the general format, shown from its first digit.
    const ResultadoKaniraj ct = Kaniraj(HipoteseKaniraj::ComTrinca, exemplo),
                           st = Kaniraj(HipoteseKaniraj::SemTrinca, exemplo);
    QCOMPARE(Textos(Solkan, "ePct eX0ct eY0ct eDct ePst eX0st eY0st eDst"),
             QStringList({Formato(ct.P), Formato(ct.X0), Formato(ct.Y0), Formato(ct.D),
                          Formato(st.P), Formato(st.X0), Formato(st.Y0), Formato(st.D)}));
    QCOMPARE(Achar<QLineEdit>(Janela(Solkan), QStringLiteral("ePct"))->cursorPosition(), 0);
    QCOMPARE(Textos(Solkan, "eComTr eSemTr"), vazios);

    // "&Geotêxteis", "&Continuar", the interfaces, Enter ("&Calcula" is the default button): back
    // here with both lengths, from the H and γ the run answers, not the copy taken for the run.
    QVERIFY(AbrirAnaliseDoReforco(Solkan));
    DigitarInterfaces(QStringLiteral("5 20 0 30 1,5"));
    Execucao().CopiaDadosEntrada.Alt = 6;
    QTest::keyClick(Focado(), Qt::Key_Return);
    QVERIFY(EsperarAtiva(Solkan));
    ComprimentosAncoragem c;
    QCOMPARE(CalcAncoragem(3, 18, 5, 20, 0, 30, 1.5L, ct.P, st.P, 0, 0, c),
             SituacaoAncoragem::Calculada);
    QCOMPARE(Textos(Solkan, "eComTr eSemTr"), QStringList({Formato(c.ComTr), Formato(c.SemTr)}));
    QCOMPARE(Texto(Solkan, "ePct"), Formato(ct.P));

    // "&Dados": the fields as typed; the lengths gone with the results screen.
    Clicar(Solkan, "bDados2");
    QVERIFY(EsperarAtiva(Entdad));
    QVERIFY(!Janela(Solkan)->isVisible());
    QCOMPARE(Texto(Entdad, "eDecl"), QStringLiteral("2,0"));
    QCOMPARE(Textos(Solkan, "eComTr eSemTr"), vazios);
    QVERIFY(programa.mensagens.isEmpty());
}

void TstPercursos::resultadosDeLow() {
    ProgramaEmTeste programa;
    // Low's one-wedge embankment (no cohesion, soft layer 1,5 m): only D = 1,5 m is examined; the
    // reinforcement must carry 21,06 kN/m horizontally and 17,82 kN/m along the bisector, and
    // unreinforced the embankment stands at 1,1172.
    DadosDoProblema = aterroExemplo;
    DadosDoProblema.Coesao = 0;
    DadosDoProblema.Prof = 1.5L;
    ExecutarLow(QStringLiteral("1,30"));
    QVERIFY(EsperarAtiva(Sollow));
    QVERIFY(!Janela(Metcal)->isVisible());
    QCOMPARE(Textos(Sollow, "eFatsegsol3 eSolicsolh eSolicsolb eprofcunsol1 eProfcun2h eProfcun2b"),
             QStringList({"1,3", "21,06", "17,82", "1,5", "1,5", "1,5"}));
    QVERIFY(Texto(Sollow, "eFatsegsol2").startsWith(QStringLiteral("1,1172")));

    // The typical embankment with a berm, which Low's method does not use: each field shows this
    // run's value, and the methods screen's copy keeps the berm of the last Kaniraj run.
    DadosDoProblema = aterroExemplo;
    DadosDoProblema.Altberma = 1;
    DadosDoProblema.Largberma = 4;
    ExecutarLow(QStringLiteral("1,5"));
    QVERIFY(EsperarAtiva(Sollow));
    const ResultadoLow r = Low({aterroExemplo, {0, 0, 1.5L}});
    QCOMPARE(Textos(Sollow, "eFatsegsol2 eprofcunsol1 eFatsegsol3 eSolicsolh eProfcun2h eSolicsolb "
                            "eProfcun2b"),
             QStringList({Formato(r.Fatsegsol), Formato(r.Profcunsol), "1,5", Formato(r.Solicsolh),
                          Formato(r.Profcunh), Formato(r.Solicsolb), Formato(r.Profcunb)}));
    QCOMPARE(Execucao().CopiaDadosEntrada.Altberma, 0.0L);
    QCOMPARE(Execucao().CopiaDadosEntrada.Prof, 6.0L);
    QCOMPARE(Textos(Sollow, "eHoriz eBiss"), vazios);
    QVERIFY(programa.mensagens.isEmpty());
}

// The screen and its button; what is typed (field=text|..., over fields typed well); the values
// stored before the press stopped; the field with the cursor after the message; the message.
using Conversao = std::tuple<IdTela, QString, QString, int, QString, QString>;

void TstPercursos::erroDeConversao_data() {
    QTest::addColumn<Conversao>("caso");
    const auto linha = [](const char* nome, IdTela tela, const char* botao, const char* digitado,
                          int lidos, const char* apontado,
                          const QString& mensagem = mensagemConversao) {
        QTest::newRow(nome) << Conversao{tela, botao, digitado, lidos, apontado, mensagem};
    };
    // A point is not the decimal separator here. Kaniraj reads F, then a; Low reads its F. The
    // anchorage's refusals: interfaces without strength, and FS1 near the largest extended real.
    // clang-format off
    linha("eAlt vazio", Entdad, "bContin", "eAlt=", 0, "eAlt");
    linha("eDecl com ponto", Entdad, "bContin", "eDecl=2.5", 1, "eDecl");
    linha("eAngat com unidade", Entdad, "bContin", "eAngat=30 graus", 4, "eAngat");
    linha("eCont so espacos", Entdad, "bContin", "eCont=   ", 11, "eCont");
    linha("F de Kaniraj com ponto", Metcal, "bCalkan", "eFatsegkan=1.3|ePosref=0", 0, "eFatsegkan");
    linha("a vazio", Metcal, "bCalkan", "eFatsegkan=1,3|ePosref=", 1, "ePosref");
    linha("F de Low com letra", Metcal, "bCallow", "eFatseglow=1,3x", 0, "eFatseglow");
    linha("cf vazio", Geot, "bCalc", "eCoeGeo1=", 0, "eCoeGeo1");
    linha("deltaf com letra", Geot, "bCalc", "eAngGeo1=2,5a", 0, "eAngGeo1");
    linha("ce vazio", Geot, "bCalc", "eCoeGeo2=", 0, "eCoeGeo2");
    linha("deltae com letra", Geot, "bCalc", "eAngGeo2=2,5a", 0, "eAngGeo2");
    linha("FS1 vazio", Geot, "bCalc", "eFS1=", 0, "eFS1");
    linha("resistencias que somam zero", Geot, "bCalc", "eCoeGeo1=0|eCoeGeo2=0", 0, "eCoeGeo1",
          "As resistências das interfaces somam zero; não é possível calcular o comprimento de ancoragem.");
    linha("angulo de 90 graus", Geot, "bCalc", "eAngGeo2=90", 0, "eAngGeo2",
          "Os ângulos de atrito das interfaces devem estar entre 0 e 90 graus, e as coesões não podem ser negativas.");
    linha("fora do intervalo", Geot, "bCalc", "eFS1=1E4932", 0, "eFS1", "Valores fora do intervalo de cálculo.");
    // clang-format on
}

void TstPercursos::erroDeConversao() {
    QFETCH(Conversao, caso);
    const auto& [tela, botao, digitado, lidos, apontado, mensagem] = caso;
    ProgramaEmTeste programa;
    EstadoExecucao& x = Execucao();
    if (tela == Entdad) {
        QVERIFY(MostrarEEsperar(Entdad));
        DigitarEntdad(textosEntdad);
        for (auto membro : membros) {
            DadosDoProblema.*membro = 99; // a value no typing here produces
        }
    } else if (tela == Metcal) {
        QVERIFY(DigitarExemplo("30", "6", ""));
        x.CopiaDadosEntrada.Largberma = 2.5L;
    } else {
        QVERIFY(DigitarExemplo("30", "6", comoCalculado));
        QVERIFY(MostrarEEsperar(Geot));
        DigitarInterfaces(QStringLiteral("50 0 50 0 1"));
    }
    x.Fatsegkan = x.Posref = x.Fatseglow = 7;
    x.SolucaoComTrinca.P = x.SolucaoSemTrinca.P = x.SolucaoLow.Solicsolh = 5;
    x.DadosKaniraj = x.DadosLow = DadosAnalise{aterroExemplo, {7, 7, 7}}; // as after accepted runs
    x.Comprimentos = {1, 2, 3, 4};
    QStringList campo;
    for (const QString& par : digitado.split(u'|')) {
        campo = par.split(u'=');
        Digitar(tela, qPrintable(campo[0]), campo[1]);
    }

    Clicar(tela, qPrintable(botao));

    QCOMPARE(programa.mensagens, QStringList{mensagem});
    QVERIFY(Janela(tela)->isActiveWindow());
    // The cursor in the field to correct, its text selected to be typed over.
    QCOMPARE(Focado()->objectName(), apontado);
    const auto* corrigir = qobject_cast<const QLineEdit*>(Focado());
    QCOMPARE(corrigir->selectedText(), corrigir->text());
    for (IdTela outra : {Metcal, Solkan, Sollow}) {
        QCOMPARE(Janela(outra)->isVisible(), outra == tela);
    }
    QCOMPARE(Texto(tela, qPrintable(campo[0])), campo[1]);
    for (int i = 0; i < 12 && tela == Entdad; ++i) {
        QVERIFY2(DadosDoProblema.*membros[i] == (i < lidos ? valoresEntdad[i] : 99),
                 camposEntdad[i]);
    }
    if (tela == Metcal) {
        // The copy is taken before the fields are read; Low's leaves the berm as it was.
        const DadosEntrada& c = x.CopiaDadosEntrada;
        QCOMPARE(c.Largberma, botao == QLatin1String("bCallow") ? 2.5L : 0.0L);
        QCOMPARE(c.Angat, 30.0L);
        QCOMPARE(c.Cont, 10.0L);
        const long double lido = botao == QLatin1String("bCallow") ? x.Fatseglow : x.Fatsegkan;
        QVERIFY(lidos == 1 ? qAbs(lido - 1.3L) < 1e-18L : lido == 7);
        QCOMPARE(x.Posref, 7.0L);
    }
    for (long double forca : {x.SolucaoComTrinca.P, x.SolucaoSemTrinca.P, x.SolucaoLow.Solicsolh}) {
        QCOMPARE(forca, 5.0L);
    }
    QCOMPARE(x.Comprimentos.ComTr, 1.0L);
    QCOMPARE(x.Comprimentos.Biss, 4.0L);
}

// Whether the focus is first on "&Sair"; a control clicked, or keys; the screen the user reaches.
using Caminho = std::tuple<bool, QString, IdTela>;

void TstPercursos::saidasDosMetodos_data() {
    QTest::addColumn<Caminho>("caso");
    QTest::newRow("Hipóteses de Kaniraj") << Caminho{false, "bEsq1", Esquema};
    QTest::newRow("Hipóteses de Low") << Caminho{false, "bEsq2", Esquema};
    QTest::newRow("Dados") << Caminho{false, "bDados1", Entdad};
    QTest::newRow("Sair") << Caminho{false, "bExit2", Apres};
    // The focus leaving "&Sair" for another control of the screen acts as "&Sair".
    QTest::newRow("Sair, Tab") << Caminho{true, "Tab", Apres};
    QTest::newRow("Sair, Backtab") << Caminho{true, "Backtab", Apres};
    QTest::newRow("Sair, clique em Calcular") << Caminho{true, "bCalkan", Apres};
    QTest::newRow("Sair, clique no campo F") << Caminho{true, "eFatsegkan", Apres};
    // The focus leaving with the window is not; Alt+C presses "&Calcular" without leaving "&Sair".
    QTest::newRow("Sair, outra janela ativada") << Caminho{true, "", Esquema};
    QTest::newRow("Sair, Alt+C") << Caminho{true, "Alt+C", Solkan};
}

void TstPercursos::saidasDosMetodos() {
    QFETCH(Caminho, caso);
    const auto& [focoEmSair, acao, destino] = caso;
    ProgramaEmTeste programa;
    QVERIFY(DigitarExemplo("30", "6", "1,3 0")); // Low's F left empty
    Tela* metcal = Janela(Metcal);
    if (focoEmSair) {
        // Backwards from the first field onto "&Sair": entering it does nothing yet.
        QTest::keyClick(Achar(metcal, QStringLiteral("eFatsegkan")), Qt::Key_Backtab);
        QCOMPARE(Focado(), Achar(metcal, QStringLiteral("bExit2")));
        QVERIFY(metcal->isActiveWindow());
    }
    QList<QWindow*> ativadas;
    QObject escuta; // disconnects when the test function returns, even on a failed check
    connect(qApp, &QGuiApplication::focusWindowChanged, &escuta,
            [&ativadas](QWindow* janela) { ativadas << janela; });

    if (acao == QLatin1String("Tab") || acao == QLatin1String("Backtab")) {
        QTest::keyClick(Focado(), acao == QLatin1String("Tab") ? Qt::Key_Tab : Qt::Key_Backtab);
    } else if (acao == QLatin1String("Alt+C")) {
        QTest::keyClick(Focado(), Qt::Key_C, Qt::AltModifier);
    } else if (acao.isEmpty()) {
        QVERIFY(MostrarEEsperar(Esquema));
    } else {
        QTest::mouseClick(Achar(metcal, acao), Qt::LeftButton, {}, QPoint(5, 5));
    }

    QTRY_VERIFY(Janela(destino)->isActiveWindow());
    QVERIFY(!metcal->isVisible());
    QCOMPARE(ativadas.contains(Janela(Apres)->windowHandle()), destino == Apres);
    QCOMPARE(Execucao().SolucaoComTrinca.P > 0, destino == Solkan);
    // Only the focus leaving "&Sair" acted: back on the screen, the next click acts on the control.
    if (focoEmSair && destino == Apres) {
        QVERIFY(MostrarEEsperar(Metcal));
        Clicar(Metcal, "bCalkan");
        QVERIFY(EsperarAtiva(Solkan));
    }
    QVERIFY(programa.mensagens.isEmpty());
}

// Enter in any data field presses "&Métodos de cálculo", the default button; the methods screen
// has none, so Enter in its fields starts no run. A data field entered by Tab keeps the caret, not
// selecting the text, and keeps its selection when left.
void TstPercursos::tecladoNosCampos() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    DigitarEntdad(textosEntdad);
    for (const char* campo : camposEntdad) {
        DadosDoProblema.Cont = 0;
        QVERIFY(MostrarEEsperar(Entdad));
        QTest::keyClick(Achar(Janela(Entdad), QString::fromLatin1(campo)), Qt::Key_Return);
        QVERIFY2(DadosDoProblema.Cont == 20 && EsperarAtiva(Metcal), campo);
    }
    DigitarCampos(Metcal, "eFatsegkan ePosref eFatseglow", QStringLiteral("1,3 0 1,3"));
    for (const char* campo : {"eFatsegkan", "ePosref", "eFatseglow"}) {
        QTest::keyClick(Achar(Janela(Metcal), QString::fromLatin1(campo)), Qt::Key_Return);
        QTest::keyClick(Achar(Janela(Metcal), QString::fromLatin1(campo)), Qt::Key_Enter);
    }
    QVERIFY(Janela(Metcal)->isActiveWindow());
    QVERIFY(!Janela(Solkan)->isVisible());
    QVERIFY(!Janela(Sollow)->isVisible());
    QCOMPARE(Execucao().Fatsegkan, 0.0L);
    QCOMPARE(Execucao().Fatseglow, 0.0L);
    QVERIFY(programa.mensagens.isEmpty());
    QVERIFY(MostrarEEsperar(Entdad));
    auto* altura = Achar<QLineEdit>(Janela(Entdad), QStringLiteral("eAlt"));
    QTest::keyClick(altura, Qt::Key_Tab);
    QVERIFY(!qobject_cast<QLineEdit*>(Focado())->hasSelectedText());
    QTest::keyClick(Focado(), Qt::Key_Backtab);
    QVERIFY(!altura->hasSelectedText());
    altura->selectAll();
    QTest::keyClick(altura, Qt::Key_Tab);
    QCOMPARE(altura->selectedText(), QStringLiteral("3"));
}

// Whether Kaniraj's results open the analysis; before it (0) the flag of another, finished
// analysis, or (1, 2) one opened from Kaniraj's (Low's) results and abandoned; the two forces; each
// length shown, the force over 100 ("1,00" below 1 m); the results screen's way out.
using Volta = std::tuple<bool, int, double, double, QStringList, const char*>;

void TstPercursos::voltaATelaQueAbriu_data() {
    QTest::addColumn<Volta>("caso");
    // clang-format off
    QTest::newRow("Low depois de Kaniraj abandonado") << Volta{false, 1, 100.01, 2106.0, {"1,0001", "21,06"}, "bExit4"};
    QTest::newRow("Kaniraj depois de Low abandonado") << Volta{true, 2, 100.0, 99.99, {"1", "1,00"}, "bDados2"};
    QTest::newRow("Low, origem antiga Kaniraj") << Volta{false, 0, 300.0, 0.0, {"3", "1,00"}, "bDados3"};
    QTest::newRow("Kaniraj, origem antiga Low") << Volta{true, 0, -50.0, 250.0, {"1,00", "2,5"}, "bExit3"};
    // clang-format on
}

// "&Geotêxteis" records its results screen; every "&Calcula" returns there with the lengths, the
// other results screen untouched; leaving the screen in any way empties the lengths; a new run
// then shows its own results, and the analysis, still open, still returns there.
void TstPercursos::voltaATelaQueAbriu() {
    QFETCH(Volta, caso);
    const auto& [kanirajAbre, antes, P1, P2, textos, saida] = caso;
    ProgramaEmTeste programa;
    EstadoExecucao& x = Execucao();
    QVERIFY(DigitarExemplo("30", "6", comoCalculado));
    x.Fatsegkan = x.Posref = x.Fatseglow = 7;
    x.SolucaoComTrinca.P = kanirajAbre ? P1 : 100;
    x.SolucaoSemTrinca.P = kanirajAbre ? P2 : 200;
    x.SolucaoLow.Solicsolh = kanirajAbre ? 300 : P1;
    x.SolucaoLow.Solicsolb = kanirajAbre ? 400 : P2;
    x.DadosKaniraj = x.DadosLow = DadosAnalise{aterroExemplo, {7, 7, 7}}; // as after accepted runs
    const IdTela volta = kanirajAbre ? Solkan : Sollow, outra = kanirajAbre ? Sollow : Solkan;
    const auto comprimentos = [](IdTela tela) {
        return Textos(tela, tela == Solkan ? "eComTr eSemTr" : "eHoriz eBiss");
    };
    if (antes == 0) {
        x.OrigemKaniraj = !kanirajAbre;
    } else {
        const IdTela primeira = antes == 1 ? Solkan : Sollow;
        QVERIFY(MostrarEEsperar(primeira));
        QVERIFY(AbrirAnaliseDoReforco(primeira));
        if (antes == 1) {
            Clicar(Geot, "bSair");
        } else {
            QVERIFY(MostrarEEsperar(Apres)); // the user clicks the opening screen
        }
        QVERIFY(EsperarAtiva(Apres));
    }
    QVERIFY(MostrarEEsperar(volta));
    QVERIFY(AbrirAnaliseDoReforco(volta));
    DigitarInterfaces(QStringLiteral("50 0 50 0 1"));
    for (int vez = 0; vez < 3; ++vez) {
        Clicar(Geot, "bCalc");
        QVERIFY(EsperarAtiva(volta));
        QVERIFY(!Janela(outra)->isVisible());
        QCOMPARE(comprimentos(volta), textos);
        QCOMPARE(comprimentos(outra), vazios);
        if (vez < 2) {
            QVERIFY(MostrarEEsperar(Geot)); // back onto the analysis, open behind
        } else {
            Clicar(volta, saida);
        }
        QTRY_VERIFY(!Janela(volta)->isVisible());
        QCOMPARE(comprimentos(volta), vazios);
    }
    if (kanirajAbre) {
        ExecutarKaniraj();
    } else {
        ExecutarLow(QStringLiteral("1,3"));
    }
    QVERIFY(EsperarAtiva(volta));
    const long double P = kanirajAbre ? x.SolucaoComTrinca.P : x.SolucaoLow.Solicsolh;
    QCOMPARE(Texto(volta, kanirajAbre ? "ePct" : "eSolicsolh"), Formato(P));
    QCOMPARE(comprimentos(volta), vazios);
    QVERIFY(MostrarEEsperar(Geot));
    Clicar(Geot, "bCalc");
    QVERIFY(EsperarAtiva(volta));
    QCOMPARE(comprimentos(volta).first(),
             QString::fromStdString(TextoComprimentoAncoragem(P / 100)));
    QVERIFY(programa.mensagens.isEmpty());
}

QTEST_MAIN(TstPercursos)
#include "tst_percursos.moc"
