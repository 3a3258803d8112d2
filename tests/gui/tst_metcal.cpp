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

#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <array>
#include <cmath>

namespace {
const QString mensagemConversao =
    QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números.");
const QString textoSair =
    QStringLiteral("Ativa o formulário principal permitindo o fechamento do programa.");

QLineEdit* Campo(const char* nome) {
    return Achar<QLineEdit>(Metcal, QString::fromLatin1(nome));
}
QPushButton* Botao(QWidget* tela, const char* nome) {
    return Achar<QPushButton>(tela, QString::fromLatin1(nome));
}
QWidget* Focado() {
    return QApplication::focusWidget();
}

void Digitar(QLineEdit* campo, const QString& texto) {
    campo->clear();
    QTest::keyClicks(campo, texto);
}

// The worked embankment: H = 3 m, slope 2, γ = 18 kN/m3, c = 5 kPa, φ = 30°, no berm, a soft layer
// 6 m thick with a uniform strength of 10 kPa.
bool ChegarAosMetodosComOExemplo() {
    if (!MostrarEEsperar(Entdad)) {
        return false;
    }
    const std::array<std::pair<const char*, const char*>, 12> exemplo{{
        {"eAlt", "3"},
        {"eDecl", "2"},
        {"ePesesp", "18"},
        {"eCoesao", "5"},
        {"eAngat", "30"},
        {"eAltberma", "0"},
        {"eLargberma", "0"},
        {"eProf", "6"},
        {"eDist", "0"},
        {"eSuperf", "10"},
        {"eProfZ", "10"},
        {"eCont", "10"},
    }};
    for (const auto& [nome, texto] : exemplo) {
        Digitar(Achar<QLineEdit>(Entdad, QString::fromLatin1(nome)), QString::fromLatin1(texto));
    }
    QTest::mouseClick(Botao(Entdad, "bContin"), Qt::LeftButton);
    return EsperarAtiva(Metcal);
}

bool Iguais(const DadosEntrada& a, const DadosEntrada& b) {
    return a.Alt == b.Alt && a.Decl == b.Decl && a.Pesesp == b.Pesesp && a.Coesao == b.Coesao &&
           a.Angat == b.Angat && a.Altberma == b.Altberma && a.Largberma == b.Largberma &&
           a.Prof == b.Prof && a.Dist == b.Dist && a.Superf == b.Superf && a.ProfZ == b.ProfZ &&
           a.Cont == b.Cont;
}
bool Iguais(const ResultadoKaniraj& a, const ResultadoKaniraj& b) {
    return a.P == b.P && a.Y0 == b.Y0 && a.X0 == b.X0 && a.D == b.D;
}
bool Iguais(const ResultadoLow& a, const ResultadoLow& b) {
    return a.Profcunh == b.Profcunh && a.Profcunsol == b.Profcunsol && a.Fatsegsol == b.Fatsegsol &&
           a.Solicsolh == b.Solicsolh && a.Profcunb == b.Profcunb && a.Solicsolb == b.Solicsolb;
}
QByteArray Texto(const ResultadoKaniraj& r) {
    return QStringLiteral("P=%1 Y0=%2 X0=%3 D=%4")
        .arg(double(r.P), 0, 'g', 17)
        .arg(double(r.Y0), 0, 'g', 17)
        .arg(double(r.X0), 0, 'g', 17)
        .arg(double(r.D), 0, 'g', 17)
        .toUtf8();
}

const ResultadoKaniraj anteriorComTrinca{1, 2, 3, 4};
const ResultadoKaniraj anteriorSemTrinca{5, 6, 7, 8};
const ResultadoLow anteriorLow{1, 2, 3, 4, 5, 6};
} // namespace

class TstMetcal : public QObject {
    Q_OBJECT
private slots:
    void init();
    void camposVaziosMensagemSemResultados_data();
    void camposVaziosMensagemSemResultados();
    void execucaoKanirajPreencheOsRegistros();
    void execucaoLowPreencheORegistro();
    void erroDeConversaoNoKaniraj_data();
    void erroDeConversaoNoKaniraj();
    void erroDeConversaoNoLow();
    void enterNumCampoNaoIniciaNada_data();
    void enterNumCampoNaoIniciaNada();
    void textosDeFocoEOrdemDeTab();
    void backtabDeSairMostraAAbertura();
    void primeiroCliqueAposSairMostraAAbertura_data();
    void primeiroCliqueAposSairMostraAAbertura();
    void desativacaoComFocoEmSairNaoMostraAAbertura();
    void aceleradorComFocoEmSairSoApertaOBotao();
    void botoesDeNavegacao_data();
    void botoesDeNavegacao();
    void imprimirSemImpressora();
    void desenhaATela();
};

void TstMetcal::init() {
    DadosDoProblema = DadosEntrada{};
    CopiaDadosEntrada = DadosEntrada{};
    Fatsegkan = Posref = Fatseglow = 0;
    SolucaoComTrinca = SolucaoSemTrinca = ResultadoKaniraj{};
    SolucaoLow = ResultadoLow{};
}

void TstMetcal::camposVaziosMensagemSemResultados_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<bool>("kaniraj");
    QTest::newRow("Kaniraj") << QStringLiteral("bCalkan") << true;
    QTest::newRow("Low") << QStringLiteral("bCallow") << false;
}

void TstMetcal::camposVaziosMensagemSemResultados() {
    QFETCH(QString, botao);
    QFETCH(bool, kaniraj);
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    SolucaoComTrinca = anteriorComTrinca;
    SolucaoSemTrinca = anteriorSemTrinca;
    SolucaoLow = anteriorLow;

    QTest::mouseClick(Achar<QPushButton>(Metcal, botao), Qt::LeftButton);

    QCOMPARE(programa.gravador.mensagens, QStringList{mensagemConversao});
    QVERIFY(Iguais(SolucaoComTrinca, anteriorComTrinca));
    QVERIFY(Iguais(SolucaoSemTrinca, anteriorSemTrinca));
    QVERIFY(Iguais(SolucaoLow, anteriorLow));
    QTest::qWait(50);
    QVERIFY(!(kaniraj ? static_cast<QWidget*>(Solkan) : Sollow)->isVisible());
    QVERIFY(Metcal->isActiveWindow());
}

void TstMetcal::execucaoKanirajPreencheOsRegistros() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    Digitar(Campo("eFatsegkan"), QStringLiteral("1,3"));
    Digitar(Campo("ePosref"), QStringLiteral("0"));

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
    QVERIFY2(Iguais(SolucaoComTrinca, comTrinca), Texto(SolucaoComTrinca));
    QVERIFY2(Iguais(SolucaoSemTrinca, semTrinca), Texto(SolucaoSemTrinca));

    // Given this embankment, the reinforcement must carry 61,68 kN/m with the crack and
    // 72,01 kN/m without, both on the wedge reaching the rigid layer at 6 m.
    QVERIFY2(std::fabs(SolucaoComTrinca.P - 61.68L) < 0.005L, Texto(SolucaoComTrinca));
    QVERIFY(SolucaoComTrinca.D == 6.0L);
    QVERIFY2(std::fabs(SolucaoSemTrinca.P - 72.01L) < 0.005L, Texto(SolucaoSemTrinca));
    QVERIFY(SolucaoSemTrinca.D == 6.0L);
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

void TstMetcal::execucaoLowPreencheORegistro() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    // As an earlier Kaniraj run with a berm would have left the copy.
    CopiaDadosEntrada.Altberma = 1.5L;
    CopiaDadosEntrada.Largberma = 2.5L;
    Digitar(Campo("eFatseglow"), QStringLiteral("1,3"));

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

void TstMetcal::erroDeConversaoNoKaniraj_data() {
    QTest::addColumn<QString>("fator");
    QTest::addColumn<QString>("posicao");
    QTest::addColumn<bool>("fatorLido");
    // A point is not the decimal separator here.
    QTest::newRow("F com ponto") << QStringLiteral("1.3") << QStringLiteral("0") << false;
    QTest::newRow("a vazio") << QStringLiteral("1,3") << QString() << true;
    QTest::newRow("a com unidade") << QStringLiteral("1,3") << QStringLiteral("0 m") << true;
}

void TstMetcal::erroDeConversaoNoKaniraj() {
    QFETCH(QString, fator);
    QFETCH(QString, posicao);
    QFETCH(bool, fatorLido);
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    Fatsegkan = Posref = 7;
    SolucaoComTrinca = anteriorComTrinca;
    SolucaoSemTrinca = anteriorSemTrinca;
    Digitar(Campo("eFatsegkan"), fator);
    Digitar(Campo("ePosref"), posicao);

    QTest::mouseClick(Botao(Metcal, "bCalkan"), Qt::LeftButton);

    QCOMPARE(programa.gravador.mensagens, QStringList{mensagemConversao});
    QVERIFY(Iguais(CopiaDadosEntrada, DadosDoProblema));
    QVERIFY(fatorLido ? std::fabs(Fatsegkan - 1.3L) < 1e-18L : Fatsegkan == 7);
    QVERIFY(Posref == 7);
    QVERIFY(Iguais(SolucaoComTrinca, anteriorComTrinca));
    QVERIFY(Iguais(SolucaoSemTrinca, anteriorSemTrinca));
    QTest::qWait(50);
    QVERIFY(!Solkan->isVisible());
    QVERIFY(Metcal->isActiveWindow());
}

void TstMetcal::erroDeConversaoNoLow() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    Fatseglow = 7;
    SolucaoLow = anteriorLow;
    CopiaDadosEntrada.Largberma = 2.5L;
    Digitar(Campo("eFatseglow"), QStringLiteral("1,3x"));

    QTest::mouseClick(Botao(Metcal, "bCallow"), Qt::LeftButton);

    QCOMPARE(programa.gravador.mensagens, QStringList{mensagemConversao});
    DadosEntrada esperada = DadosDoProblema;
    esperada.Largberma = 2.5L;
    QVERIFY(Iguais(CopiaDadosEntrada, esperada));
    QVERIFY(Fatseglow == 7);
    QVERIFY(Iguais(SolucaoLow, anteriorLow));
    QTest::qWait(50);
    QVERIFY(!Sollow->isVisible());
    QVERIFY(Metcal->isActiveWindow());
}

void TstMetcal::enterNumCampoNaoIniciaNada_data() {
    QTest::addColumn<QString>("campo");
    QTest::newRow("eFatsegkan") << QStringLiteral("eFatsegkan");
    QTest::newRow("ePosref") << QStringLiteral("ePosref");
    QTest::newRow("eFatseglow") << QStringLiteral("eFatseglow");
}

void TstMetcal::enterNumCampoNaoIniciaNada() {
    QFETCH(QString, campo);
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    Digitar(Campo("eFatsegkan"), QStringLiteral("1,3"));
    Digitar(Campo("ePosref"), QStringLiteral("0"));
    Digitar(Campo("eFatseglow"), QStringLiteral("1,3"));
    QLineEdit* alvo = Achar<QLineEdit>(Metcal, campo);
    alvo->setFocus(Qt::MouseFocusReason);

    QTest::keyClick(alvo, Qt::Key_Return);
    QTest::keyClick(alvo, Qt::Key_Enter);
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
    const std::array<std::pair<const char*, QString>, 10> esperados{{
        {"eFatsegkan", fator},
        {"ePosref", QStringLiteral("Posição do reforço no aterro (m). - em geral igual a zero")},
        {"bCalkan", QStringLiteral("Dimensionamento pelo método de Kaniraj.")},
        {"bEsq1", hipoteses},
        {"eFatseglow", fator},
        {"bCallow", QStringLiteral("Dimensionamento pelo método de Low.")},
        {"bEsq2", hipoteses},
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

void TstMetcal::backtabDeSairMostraAAbertura() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    // Backwards from the first field reaches "&Sair" without leaving it: nothing happens yet.
    QTest::keyClick(Focado(), Qt::Key_Backtab);
    QCOMPARE(Focado(), Botao(Metcal, "bExit2"));
    QCOMPARE(Metcal->TextoStatus(), textoSair);
    QTest::qWait(50);
    QVERIFY(Metcal->isActiveWindow());

    QTest::keyClick(Focado(), Qt::Key_Backtab);

    QTRY_VERIFY(Apres->isActiveWindow());
    QTRY_VERIFY(!Metcal->isVisible());
}

void TstMetcal::primeiroCliqueAposSairMostraAAbertura_data() {
    QTest::addColumn<QString>("controle");
    QTest::newRow("Calcular") << QStringLiteral("bCalkan");
    QTest::newRow("campo F") << QStringLiteral("eFatsegkan");
    QTest::newRow("Dados") << QStringLiteral("bDados1");
}

void TstMetcal::primeiroCliqueAposSairMostraAAbertura() {
    QFETCH(QString, controle);
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    Digitar(Campo("eFatsegkan"), QStringLiteral("1,3"));
    Digitar(Campo("ePosref"), QStringLiteral("0"));

    QTest::mouseClick(Botao(Metcal, "bExit2"), Qt::LeftButton);
    QTRY_VERIFY(Apres->isActiveWindow());
    QTRY_VERIFY(!Metcal->isVisible());

    // Back through the data-entry screen: the focus is still on "&Sair".
    QVERIFY(MostrarEEsperar(Entdad));
    QTest::mouseClick(Botao(Entdad, "bContin"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Metcal));
    QCOMPARE(Focado(), Botao(Metcal, "bExit2"));
    QCOMPARE(Metcal->TextoStatus(), textoSair);

    QWidget* alvo = Achar<QWidget>(Metcal, controle);
    QTest::mouseClick(alvo, Qt::LeftButton, {}, QPoint(5, 5));

    QTRY_VERIFY(Apres->isActiveWindow());
    QTRY_VERIFY(!Metcal->isVisible());
    QTest::qWait(50);
    QVERIFY(Apres->isActiveWindow());
    QVERIFY(!Solkan->isVisible());
    QVERIFY(!Entdad->isVisible());
    QVERIFY(Iguais(SolucaoComTrinca, ResultadoKaniraj{}));

    // Only that first click: the next one acts on the control.
    QVERIFY(MostrarEEsperar(Metcal));
    QTest::mouseClick(Botao(Metcal, "bCalkan"), Qt::LeftButton);
    QTRY_VERIFY(Solkan->isActiveWindow());
    QVERIFY(SolucaoComTrinca.P > 0);
}

void TstMetcal::desativacaoComFocoEmSairNaoMostraAAbertura() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    QTest::keyClick(Focado(), Qt::Key_Backtab);
    QCOMPARE(Focado(), Botao(Metcal, "bExit2"));

    // Another window of the program becomes active (as by a click on it): the screen hides, and
    // the focus leaving with the window is not a Tab or a click on this screen.
    QVERIFY(MostrarEEsperar(Esquema));
    QTRY_VERIFY(!Metcal->isVisible());
    QTest::qWait(100);
    QVERIFY(Esquema->isActiveWindow());
}

void TstMetcal::aceleradorComFocoEmSairSoApertaOBotao() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    Digitar(Campo("eFatsegkan"), QStringLiteral("1,3"));
    Digitar(Campo("ePosref"), QStringLiteral("0"));
    QTest::keyClick(Focado(), Qt::Key_Backtab);
    QCOMPARE(Focado(), Botao(Metcal, "bExit2"));
    QList<QWindow*> ativadas;
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            [&ativadas](QWindow* janela) { ativadas << janela; });

    // Alt+C presses "&Calcular": the run, not "&Sair".
    QTest::keyClick(Focado(), Qt::Key_C, Qt::AltModifier);

    QTRY_VERIFY(Solkan->isActiveWindow());
    QVERIFY(SolucaoComTrinca.P > 0);
    QVERIFY(!ativadas.contains(Apres->windowHandle()));
    disconnect(qApp, &QGuiApplication::focusWindowChanged, this, nullptr);
}

void TstMetcal::botoesDeNavegacao_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("destino");
    QTest::newRow("Hipóteses de Kaniraj") << QStringLiteral("bEsq1") << QStringLiteral("Esquema");
    QTest::newRow("Hipóteses de Low") << QStringLiteral("bEsq2") << QStringLiteral("Esquema");
    QTest::newRow("Dados") << QStringLiteral("bDados1") << QStringLiteral("Entdad");
    QTest::newRow("Sair") << QStringLiteral("bExit2") << QStringLiteral("Apres");
}

void TstMetcal::botoesDeNavegacao() {
    QFETCH(QString, botao);
    QFETCH(QString, destino);
    ProgramaEmTeste programa;
    QWidget* tela = destino == QLatin1String("Esquema")  ? static_cast<QWidget*>(Esquema)
                    : destino == QLatin1String("Entdad") ? static_cast<QWidget*>(Entdad)
                                                         : static_cast<QWidget*>(Apres);
    QVERIFY(ChegarAosMetodosComOExemplo());

    QTest::mouseClick(Achar<QPushButton>(Metcal, botao), Qt::LeftButton);

    QTRY_VERIFY(tela->isActiveWindow());
    QTRY_VERIFY(!Metcal->isVisible());
    QTest::qWait(50);
    QVERIFY(tela->isActiveWindow());
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

void TstMetcal::desenhaATela() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    Digitar(Campo("eFatsegkan"), QStringLiteral("1,3"));
    Digitar(Campo("ePosref"), QStringLiteral("0"));
    Digitar(Campo("eFatseglow"), QStringLiteral("1,3"));
    QCOMPARE(Metcal->size(), QSize(369, 328));
    QCOMPARE(Metcal->windowTitle(), QStringLiteral("Métodos de cálculo"));
    const std::array<std::pair<const char*, QString>, 11> rotulos{{
        {"GroupBox1", QStringLiteral("Método de Kaniraj")},
        {"GroupBox2", QStringLiteral("Método de Low")},
        {"Label1", QStringLiteral("Fator de segurança adotado")},
        {"Label2", QStringLiteral("Posição do reforço")},
        {"bCalkan", QStringLiteral("&Calcular")},
        {"bEsq1", QStringLiteral("&Hipóteses")},
        {"bCallow", QStringLiteral("C&alcular")},
        {"bEsq2", QStringLiteral("&Hipóteses")},
        {"bDados1", QStringLiteral("&Dados")},
        {"bImp2", QStringLiteral("&Imprimir")},
        {"bExit2", QStringLiteral("&Sair")},
    }};
    for (const auto& [nome, texto] : rotulos) {
        const QWidget* controle = Achar<QWidget>(Metcal, QString::fromLatin1(nome));
        const char* propriedade = controle->inherits("QGroupBox") ? "title" : "text";
        QCOMPARE(controle->property(propriedade).toString(), texto);
    }
    for (const char* nome : {"eFatsegkan", "ePosref", "eFatseglow"}) {
        QCOMPARE(Campo(nome)->width(), 65);
    }
    for (QPushButton* botao : Metcal->findChildren<QPushButton*>()) {
        QVERIFY2(!botao->isDefault(), qPrintable(botao->objectName()));
    }
    // The Low label is one text shown on two lines.
    const QLabel* rotulo = Achar<QLabel>(Metcal, "Label3");
    QCOMPARE(rotulo->text(), QStringLiteral("Fator de segurança adotado  para aterro com reforço"));
    const int linha = rotulo->fontMetrics().lineSpacing();
    const int altura = rotulo->heightForWidth(rotulo->width());
    QVERIFY2(altura > 3 * linha / 2 && altura < 5 * linha / 2, QByteArray::number(altura));
    QVERIFY(rotulo->height() >= altura);
    GravarPng(Metcal, QStringLiteral("metcal"));
}

QTEST_MAIN(TstMetcal)
#include "tst_metcal.moc"
