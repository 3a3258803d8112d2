// The calculation-methods screen: the two runs fed from the problem record and the screen's own
// fields, their failures, the focus texts, and "&Sair", which also acts when the focus leaves it.

#include "support/Apoio.h"

#include "calc/Kanct.h"
#include "calc/Kanst.h"
#include "calc/Low.h"
#include "data/DadosEntrada.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"
#include "screens/Umetod.h"
#include "screens/Usolkan.h"
#include "screens/Usollow.h"
#include "screens/uEsquema.h"

#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>

using namespace passos;

namespace {
const QString textoSair =
    QStringLiteral("Ativa o formulário principal permitindo o fechamento do programa.");

QLineEdit* Campo(const char* nome) {
    return Achar<QLineEdit>(Metcal, QString::fromLatin1(nome));
}

void DigitarFatores() {
    Digitar(Campo("eFatsegkan"), QStringLiteral("1,3"));
    Digitar(Campo("ePosref"), QStringLiteral("0"));
    Digitar(Campo("eFatseglow"), QStringLiteral("1,3"));
}

// The records hold long doubles only: equal when every value is.
template <class T> bool Iguais(const T& a, const T& b) {
    static_assert(sizeof(T) % sizeof(long double) == 0);
    const auto* x = reinterpret_cast<const long double*>(&a);
    const auto* y = reinterpret_cast<const long double*>(&b);
    return std::equal(x, x + sizeof(T) / sizeof(long double), y);
}

const ResultadoKaniraj anteriorComTrinca{1, 2, 3, 4};
const ResultadoKaniraj anteriorSemTrinca{5, 6, 7, 8};
const ResultadoLow anteriorLow{1, 2, 3, 4, 5, 6};

QWidget* Destino(const QString& nome) {
    return nome == QLatin1String("Esquema")  ? static_cast<QWidget*>(Esquema)
           : nome == QLatin1String("Entdad") ? static_cast<QWidget*>(Entdad)
           : nome == QLatin1String("Solkan") ? static_cast<QWidget*>(Solkan)
                                             : static_cast<QWidget*>(Apres);
}
} // namespace

class TstMetcal : public QObject {
    Q_OBJECT
private slots:
    void init();
    void execucaoKanirajPreencheOsRegistros();
    void execucaoLowPreencheORegistro();
    void erroDeConversao_data();
    void erroDeConversao();
    void enterNumCampoNaoIniciaNada();
    void textosDeFocoEOrdemDeTab();
    void saidasDaTela_data();
    void saidasDaTela();
    void imprimirSemImpressora();
};

void TstMetcal::init() {
    DadosDoProblema = DadosEntrada{};
    CopiaDadosEntrada = DadosEntrada{};
    Fatsegkan = Posref = Fatseglow = 0;
    SolucaoComTrinca = SolucaoSemTrinca = ResultadoKaniraj{};
    SolucaoLow = ResultadoLow{};
}

void TstMetcal::execucaoKanirajPreencheOsRegistros() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    DigitarFatores();
    GravarPng(Metcal, QStringLiteral("metcal"));

    QTest::mouseClick(Botao(Metcal, "bCalkan"), Qt::LeftButton);

    QTRY_VERIFY(Solkan->isActiveWindow());
    QTRY_VERIFY(!Metcal->isVisible());
    QVERIFY(Iguais(CopiaDadosEntrada, DadosDoProblema));
    QVERIFY(std::fabs(Fatsegkan - 1.3L) < 1e-18L);
    QVERIFY(Posref == 0.0L);

    // The run hands the analyses exactly what was typed.
    ResultadoKaniraj comTrinca, semTrinca;
    CalcKanct(3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, Fatsegkan, 0, comTrinca);
    CalcKanst(3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10, Fatsegkan, 0, semTrinca);
    QVERIFY2(Iguais(SolucaoComTrinca, comTrinca), QByteArray::number(double(SolucaoComTrinca.P)));
    QVERIFY2(Iguais(SolucaoSemTrinca, semTrinca), QByteArray::number(double(SolucaoSemTrinca.P)));

    // Given this embankment, the reinforcement must carry 61,68 kN/m with the crack and
    // 72,01 kN/m without, both on the wedge reaching the rigid layer at 6 m.
    QVERIFY2(std::fabs(SolucaoComTrinca.P - 61.68L) < 0.005L,
             QByteArray::number(double(SolucaoComTrinca.P)));
    QVERIFY(SolucaoComTrinca.D == 6.0L);
    QVERIFY2(std::fabs(SolucaoSemTrinca.P - 72.01L) < 0.005L,
             QByteArray::number(double(SolucaoSemTrinca.P)));
    QVERIFY(SolucaoSemTrinca.D == 6.0L);
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

void TstMetcal::execucaoLowPreencheORegistro() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    // As an earlier Kaniraj run with a berm would have left the copy: Low keeps its berm.
    CopiaDadosEntrada.Altberma = 1.5L;
    CopiaDadosEntrada.Largberma = 2.5L;
    DigitarFatores();

    QTest::mouseClick(Botao(Metcal, "bCallow"), Qt::LeftButton);

    QTRY_VERIFY(Sollow->isActiveWindow());
    QTRY_VERIFY(!Metcal->isVisible());
    QVERIFY(std::fabs(Fatseglow - 1.3L) < 1e-18L);
    DadosEntrada esperada = DadosDoProblema;
    esperada.Altberma = 1.5L;
    esperada.Largberma = 2.5L;
    QVERIFY(Iguais(CopiaDadosEntrada, esperada));

    ResultadoLow direto;
    CalcLow(3, 2, 18, 5, 30, 1.5L, 2.5L, 6, 0, 10, 10, 10, Fatseglow, direto);
    QVERIFY(Iguais(SolucaoLow, direto));
    QVERIFY(SolucaoLow.Fatsegsol > 0);
    QVERIFY(Iguais(SolucaoComTrinca, ResultadoKaniraj{}));
}

void TstMetcal::erroDeConversao_data() {
    QTest::addColumn<bool>("kaniraj");
    QTest::addColumn<QString>("fator");
    QTest::addColumn<QString>("posicao");
    QTest::addColumn<bool>("fatorLido");
    QTest::newRow("Kaniraj vazio") << true << QString() << QString() << false;
    // A point is not the decimal separator here.
    QTest::newRow("Kaniraj F com ponto")
        << true << QStringLiteral("1.3") << QStringLiteral("0") << false;
    QTest::newRow("Kaniraj a vazio") << true << QStringLiteral("1,3") << QString() << true;
    QTest::newRow("Kaniraj a com unidade")
        << true << QStringLiteral("1,3") << QStringLiteral("0 m") << true;
    QTest::newRow("Low vazio") << false << QString() << QString() << false;
    QTest::newRow("Low com letra") << false << QStringLiteral("1,3x") << QString() << false;
}

// One message; the record is copied before the factors are read, and the factors up to the bad one
// are stored; no run, no results screen.
void TstMetcal::erroDeConversao() {
    QFETCH(bool, kaniraj);
    QFETCH(QString, fator);
    QFETCH(QString, posicao);
    QFETCH(bool, fatorLido);
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    Fatsegkan = Posref = Fatseglow = 7;
    SolucaoComTrinca = anteriorComTrinca;
    SolucaoSemTrinca = anteriorSemTrinca;
    SolucaoLow = anteriorLow;
    CopiaDadosEntrada.Altberma = 1.5L;
    CopiaDadosEntrada.Largberma = 2.5L;
    Digitar(Campo(kaniraj ? "eFatsegkan" : "eFatseglow"), fator);
    Digitar(Campo("ePosref"), posicao);

    QTest::mouseClick(Botao(Metcal, kaniraj ? "bCalkan" : "bCallow"), Qt::LeftButton);

    QCOMPARE(programa.gravador.mensagens, QStringList{mensagemConversao});
    DadosEntrada esperada = DadosDoProblema;
    if (!kaniraj) {
        esperada.Altberma = 1.5L;
        esperada.Largberma = 2.5L;
    }
    QVERIFY(Iguais(CopiaDadosEntrada, esperada));
    long double& lido = kaniraj ? Fatsegkan : Fatseglow;
    QVERIFY(fatorLido ? std::fabs(lido - 1.3L) < 1e-18L : lido == 7);
    QVERIFY(Posref == 7);
    QVERIFY(Iguais(SolucaoComTrinca, anteriorComTrinca));
    QVERIFY(Iguais(SolucaoSemTrinca, anteriorSemTrinca));
    QVERIFY(Iguais(SolucaoLow, anteriorLow));
    QTest::qWait(50);
    QVERIFY(!Solkan->isVisible());
    QVERIFY(!Sollow->isVisible());
    QVERIFY(Metcal->isActiveWindow());
}

// The screen has no default button: Enter in a field starts no run.
void TstMetcal::enterNumCampoNaoIniciaNada() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    DigitarFatores();
    for (const char* nome : {"eFatsegkan", "ePosref", "eFatseglow"}) {
        Campo(nome)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(Campo(nome), Qt::Key_Return);
        QTest::keyClick(Campo(nome), Qt::Key_Enter);
    }
    QTest::qWait(100);

    QVERIFY(programa.gravador.mensagens.isEmpty());
    QVERIFY(Metcal->isActiveWindow());
    QVERIFY(!Solkan->isVisible());
    QVERIFY(!Sollow->isVisible());
    QVERIFY(Fatsegkan == 0 && Fatseglow == 0);
    QVERIFY(Iguais(SolucaoComTrinca, ResultadoKaniraj{}));
    QVERIFY(Iguais(SolucaoLow, ResultadoLow{}));
}

void TstMetcal::textosDeFocoEOrdemDeTab() {
    const QString fator = QStringLiteral("Fator de segurança global que se deseja garantir.");
    const QString hipoteses =
        QStringLiteral("Ativa o formulário de Geometria e Hipóteses do método.");
    const std::array<std::pair<const char*, QString>, 11> esperados{{
        {"eFatsegkan", fator},
        {"ePosref", QStringLiteral("Posição do reforço no aterro (m). - em geral igual a zero")},
        {"bCalkan", QStringLiteral("Dimensionamento pelo método de Kaniraj.")},
        {"bEsq1", hipoteses},
        {"eFatseglow", fator},
        {"bCallow", QStringLiteral("Dimensionamento pelo método de Low.")},
        {"bEsq2", hipoteses},
        {"bEstudo", QStringLiteral("Curvas da solicitação requerida em função de um valor do "
                                   "problema, com a resistência do reforço.")},
        {"bDados1", QStringLiteral("Ativa o formulário de entrada de dados.")},
        {"bImp2", QStringLiteral("Imprime este formulário.")},
        {"bExit2", textoSair},
    }};
    ProgramaEmTeste programa;
    QVERIFY(Metcal->TextoStatus().isEmpty());
    QVERIFY(ChegarAosMetodosComOExemplo());

    for (const auto& [nome, texto] : esperados) {
        QVERIFY(Focado());
        QCOMPARE(Focado()->objectName(), QString::fromLatin1(nome));
        QCOMPARE(Metcal->TextoStatus(), texto);
        QVERIFY(Metcal->isActiveWindow());
        QTest::keyClick(Focado(), Qt::Key_Tab);
    }
    // Leaving "&Sair" by Tab acts as "&Sair".
    QTRY_VERIFY(Apres->isActiveWindow());
    QTRY_VERIFY(!Metcal->isVisible());
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

void TstMetcal::saidasDaTela_data() {
    QTest::addColumn<bool>("focoEmSair");
    QTest::addColumn<QString>("acao");
    QTest::addColumn<QString>("destino");
    QTest::newRow("Hipóteses de Kaniraj") << false << "bEsq1" << QStringLiteral("Esquema");
    QTest::newRow("Hipóteses de Low") << false << "bEsq2" << QStringLiteral("Esquema");
    QTest::newRow("Dados") << false << "bDados1" << QStringLiteral("Entdad");
    QTest::newRow("Sair") << false << "bExit2" << QStringLiteral("Apres");
    // With the focus on "&Sair", leaving it by Backtab or a click on the screen acts as "&Sair".
    QTest::newRow("Sair, Backtab") << true << "Backtab" << QStringLiteral("Apres");
    QTest::newRow("Sair, clique em Calcular") << true << "bCalkan" << QStringLiteral("Apres");
    QTest::newRow("Sair, clique no campo F") << true << "eFatsegkan" << QStringLiteral("Apres");
    QTest::newRow("Sair, clique em Dados") << true << "bDados1" << QStringLiteral("Apres");
    // The focus leaving with the window is neither.
    QTest::newRow("Sair, outra janela ativada") << true << "" << QStringLiteral("Esquema");
    // Alt+C presses "&Calcular": the run, not "&Sair".
    QTest::newRow("Sair, Alt+C") << true << "Alt+C" << QStringLiteral("Solkan");
}

void TstMetcal::saidasDaTela() {
    QFETCH(bool, focoEmSair);
    QFETCH(QString, acao);
    QFETCH(QString, destino);
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    DigitarFatores();
    if (focoEmSair) {
        // Backwards from the first field onto "&Sair": entering it does nothing yet.
        Campo("eFatsegkan")->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(Focado(), Qt::Key_Backtab);
        QCOMPARE(Focado(), Botao(Metcal, "bExit2"));
        QCOMPARE(Metcal->TextoStatus(), textoSair);
        QTest::qWait(50);
        QVERIFY(Metcal->isActiveWindow());
    }
    QList<QWindow*> ativadas;
    QObject escuta; // disconnects when the test function returns, even on a failed check
    connect(qApp, &QGuiApplication::focusWindowChanged, &escuta,
            [&ativadas](QWindow* janela) { ativadas << janela; });

    if (acao == QLatin1String("Backtab")) {
        QTest::keyClick(Focado(), Qt::Key_Backtab);
    } else if (acao == QLatin1String("Alt+C")) {
        QTest::keyClick(Focado(), Qt::Key_C, Qt::AltModifier);
    } else if (acao.isEmpty()) {
        QVERIFY(MostrarEEsperar(Esquema));
    } else {
        QTest::mouseClick(Achar<QWidget>(Metcal, acao), Qt::LeftButton, {}, QPoint(5, 5));
    }

    QWidget* tela = Destino(destino);
    QTRY_VERIFY(tela->isActiveWindow());
    QTRY_VERIFY(!Metcal->isVisible());
    QTest::qWait(50);
    QVERIFY(tela->isActiveWindow());
    QCOMPARE(ativadas.contains(Apres->windowHandle()), destino == QLatin1String("Apres"));
    QCOMPARE(SolucaoComTrinca.P > 0, destino == QLatin1String("Solkan"));
    QCOMPARE(Entdad->isVisible(), destino == QLatin1String("Entdad"));

    // Only the focus leaving "&Sair" acts: back on the screen, the next click acts on the control.
    if (focoEmSair && destino == QLatin1String("Apres")) {
        QVERIFY(MostrarEEsperar(Metcal));
        QTest::mouseClick(Botao(Metcal, "bCalkan"), Qt::LeftButton);
        QTRY_VERIFY(Solkan->isActiveWindow());
        QVERIFY(SolucaoComTrinca.P > 0);
    }
}

void TstMetcal::imprimirSemImpressora() {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("This machine has a printer.");
    }
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    QTest::mouseClick(Botao(Metcal, "bImp2"), Qt::LeftButton);
    QCOMPARE(programa.gravador.mensagens,
             QStringList{QStringLiteral("Nenhuma impressora disponível.")});
    QVERIFY(Metcal->isActiveWindow());
}

QTEST_MAIN(TstMetcal)
#include "tst_metcal.moc"
