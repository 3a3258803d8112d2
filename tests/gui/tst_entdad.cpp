// The data-entry screen: twelve fields typed with a decimal comma, read into the problem record one
// by one by "&Métodos de cálculo", with the focus texts in the status bar.

#include "support/Apoio.h"

#include "data/DadosEntrada.h"
#include "screens/Impressao.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"
#include "screens/Umetod.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cstddef>

using namespace passos;

namespace {
// In the order the record is read, which is the order of the record's values.
const std::array<const char*, 12> campos{{"eAlt", "eDecl", "ePesesp", "eCoesao", "eAngat",
                                          "eAltberma", "eLargberma", "eProf", "eDist", "eSuperf",
                                          "eProfZ", "eCont"}};
static_assert(sizeof(DadosEntrada) == 12 * sizeof(long double) &&
              offsetof(DadosEntrada, Cont) == 11 * sizeof(long double));

long double& Valor(int i) {
    return reinterpret_cast<long double*>(&DadosDoProblema)[i];
}

// Twelve different values, each typed as a user in Brazil would.
const std::array<const char*, 12> textos{
    {"3", "2,5", "18,5", "5", "30", "0,5", "1,25", "6", "1,5", "10", "12,5", "20"}};
const std::array<long double, 12> valores{
    {3.0L, 2.5L, 18.5L, 5.0L, 30.0L, 0.5L, 1.25L, 6.0L, 1.5L, 10.0L, 12.5L, 20.0L}};

QLineEdit* CampoDe(int i) {
    return Achar<QLineEdit>(Entdad, QString::fromLatin1(campos[i]));
}

void DigitarTodos() {
    for (int i = 0; i < 12; ++i) {
        Digitar(CampoDe(i), QString::fromUtf8(textos[i]));
    }
}
} // namespace

class TstEntdad : public QObject {
    Q_OBJECT
private slots:
    void init();
    void leituraDoRegistro_data();
    void leituraDoRegistro();
    void enterEmQualquerCampoAcionaMetodos();
    void textosDeFocoEOrdemDeTab();
    void voltarMantemOsTextosDigitados();
    void campoNaoSelecionaAoEntrarEMantemSelecao();
    void imprimir();
};

void TstEntdad::init() {
    DadosDoProblema = DadosEntrada{};
}

void TstEntdad::leituraDoRegistro_data() {
    QTest::addColumn<int>("invalido"); // 12: every field valid
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("todosVazios");
    QTest::newRow("todos validos") << 12 << QString() << false;
    // A point is not the decimal separator here.
    QTest::newRow("eDecl com ponto") << 1 << QStringLiteral("2.5") << false;
    QTest::newRow("eAlt vazio") << 0 << QString() << false;
    QTest::newRow("eAngat com unidade") << 4 << QStringLiteral("30 graus") << false;
    QTest::newRow("eDist com milhar") << 8 << QStringLiteral("1 000") << false;
    QTest::newRow("eCont so espacos") << 11 << QStringLiteral("   ") << false;
    QTest::newRow("todos vazios") << 0 << QString() << true;
}

// Fields are stored in order up to the first bad one, which stops the press with one message.
void TstEntdad::leituraDoRegistro() {
    QFETCH(int, invalido);
    QFETCH(QString, texto);
    QFETCH(bool, todosVazios);
    ProgramaEmTeste programa;
    for (int i = 0; i < 12; ++i) {
        Valor(i) = 99.0L; // a value no typing produces
    }
    QVERIFY(MostrarEEsperar(Entdad));
    if (!todosVazios) {
        DigitarTodos();
    }
    if (invalido < 12) {
        Digitar(CampoDe(invalido), texto);
    }

    QTest::mouseClick(Botao(Entdad, "bContin"), Qt::LeftButton);

    for (int i = 0; i < 12; ++i) {
        const long double esperado = i < invalido ? valores[i] : 99.0L;
        QVERIFY2(Valor(i) == esperado, campos[i]);
    }
    if (invalido == 12) {
        QVERIFY(programa.gravador.mensagens.isEmpty());
        QTRY_VERIFY(Metcal->isActiveWindow());
        QTRY_VERIFY(!Entdad->isVisible());
        return;
    }
    QCOMPARE(programa.gravador.mensagens, QStringList{mensagemConversao});
    QTest::qWait(50);
    QVERIFY(!Metcal->isVisible());
    QVERIFY(Entdad->isActiveWindow());
    QCOMPARE(CampoDe(invalido)->text(), texto);
}

void TstEntdad::enterEmQualquerCampoAcionaMetodos() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    DigitarTodos();
    for (int i = 0; i < 12; ++i) {
        DadosDoProblema.Cont = 0;
        QVERIFY(MostrarEEsperar(Entdad));
        CampoDe(i)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(CampoDe(i), Qt::Key_Return);
        QVERIFY2(DadosDoProblema.Cont == 20.0L, campos[i]);
        QTRY_VERIFY(Metcal->isActiveWindow());
    }
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

void TstEntdad::textosDeFocoEOrdemDeTab() {
    const std::array<std::pair<const char*, QString>, 15> esperados{{
        {"eAlt", QStringLiteral("Altura do aterro (m).")},
        {"eDecl", QStringLiteral("Declividade do aterro (horizontal/vertical).")},
        {"ePesesp",
         QStringLiteral("Peso específico aparente total do material do aterro (kN/m3).")},
        {"eCoesao", QStringLiteral("Coesão do material do aterro (kPa).")},
        {"eAngat", QStringLiteral("Ângulo de atrito do material do aterro (graus).")},
        {"eAltberma", QStringLiteral("Altura da berma (m). - apenas para solução por Kaniraj")},
        {"eLargberma", QStringLiteral("Largura da berma (m). - apenas para solução por Kaniraj")},
        {"eProf", QStringLiteral("Profundidade do solo de fundação (m).")},
        {"eDist", QStringLiteral("Profundidade de inflexão no diagrama bi-linear.Se a "
                                 "distribuição da resistência do solo for linear, adotar Z = 0")},
        {"eSuperf", QStringLiteral("Módulo da resistência não drenada na interface "
                                   "fundação/aterro (kPa).")},
        {"eProfZ", QStringLiteral("Módulo da resistência não drenada na profundidade do ponto de "
                                  "inflexão da distribuição (kPa). (igual ao da superfície se "
                                  "Z=0)")},
        {"eCont", QStringLiteral("Módulo da resistência não drenada na base da camada de solo "
                                 "mole considerada (kPa).")},
        {"bContin", QStringLiteral("Ativa o formulário dos métodos de cálculo possíveis.")},
        {"bImp1", QStringLiteral("Imprime este formulário.")},
        {"bExit",
         QStringLiteral("Ativa o formulário principal permitindo o fechamento do programa.")},
    }};
    ProgramaEmTeste programa;
    QVERIFY(Entdad->TextoStatus().isEmpty());
    QVERIFY(MostrarEEsperar(Entdad));

    // The first focus is on the height; then Tab walks the fifteen controls in order and back.
    for (const auto& [nome, texto] : esperados) {
        QVERIFY(Focado());
        QCOMPARE(Focado()->objectName(), QString::fromLatin1(nome));
        QCOMPARE(Entdad->TextoStatus(), texto);
        QTest::keyClick(Focado(), Qt::Key_Tab);
    }
    QCOMPARE(Focado()->objectName(), QStringLiteral("eAlt"));
    QCOMPARE(Entdad->TextoStatus(), esperados[0].second);
    QTest::keyClick(Focado(), Qt::Key_Backtab);
    QCOMPARE(Focado()->objectName(), QStringLiteral("bExit"));
    QCOMPARE(Entdad->TextoStatus(), esperados[14].second);
    QVERIFY(Entdad->isActiveWindow());
}

// Left by "&Sair" (nothing stored) or through the methods screen, the fields keep what was typed,
// not the values stored.
void TstEntdad::voltarMantemOsTextosDigitados() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    DigitarTodos();
    Digitar(CampoDe(1), QStringLiteral(" 2,50 "));
    QTest::mouseClick(Botao(Entdad, "bExit"), Qt::LeftButton);
    QTRY_VERIFY(Apres->isActiveWindow());
    QTRY_VERIFY(!Entdad->isVisible());
    QVERIFY(DadosDoProblema.Alt == 0.0L);

    QVERIFY(MostrarEEsperar(Entdad));
    QTest::mouseClick(Botao(Entdad, "bContin"), Qt::LeftButton);
    QTRY_VERIFY(Metcal->isActiveWindow());
    QVERIFY(DadosDoProblema.Decl == 2.5L);
    QTest::mouseClick(Botao(Metcal, "bDados1"), Qt::LeftButton);

    QTRY_VERIFY(Entdad->isActiveWindow());
    QCOMPARE(CampoDe(1)->text(), QStringLiteral(" 2,50 "));
    for (int i = 2; i < 12; ++i) {
        QCOMPARE(CampoDe(i)->text(), QString::fromUtf8(textos[i]));
    }
    QCOMPARE(Focado(), Botao(Entdad, "bContin"));
}

void TstEntdad::campoNaoSelecionaAoEntrarEMantemSelecao() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    QLineEdit* altura = CampoDe(0);
    QLineEdit* declividade = CampoDe(1);
    Digitar(altura, QStringLiteral("3,5"));
    Digitar(declividade, QStringLiteral("2"));

    QTest::keyClick(altura, Qt::Key_Tab);
    QCOMPARE(Focado(), declividade);
    QVERIFY(!declividade->hasSelectedText());
    QTest::keyClick(declividade, Qt::Key_Backtab);
    QVERIFY(!altura->hasSelectedText());

    altura->selectAll();
    QTest::keyClick(altura, Qt::Key_Tab);
    QCOMPARE(altura->selectedText(), QStringLiteral("3,5"));
}

// The client area with the profile picture goes to a PDF page; with no printer, "&Imprimir" says
// so.
void TstEntdad::imprimir() {
    ProgramaEmTeste programa;
    QVERIFY(ChegarAosMetodosComOExemplo());
    QVERIFY(MostrarEEsperar(Entdad));
    GravarPng(Entdad, QStringLiteral("entdad"));
    const QImage imagem = ImagemDaTela(Entdad);
    QCOMPARE(imagem.size(), QSize(522, 385));
    // Light grey in the picture's corner, the section's black outline along its top edge.
    const QLabel* figura = Achar<QLabel>(Entdad, "Image1");
    QCOMPARE(imagem.pixelColor(figura->mapTo(Entdad, QPoint(2, 60))), QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(imagem.pixelColor(figura->mapTo(Entdad, QPoint(60, 22))).value(), 0);

    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pasta.filePath(QStringLiteral("entdad.pdf")));
    QVERIFY(ImprimirImagem(imagem, impressora));
    QVERIFY(QFileInfo(pasta.filePath(QStringLiteral("entdad.pdf"))).size() > 1000);

    if (QPrinterInfo::defaultPrinter().isNull()) {
        QTest::mouseClick(Botao(Entdad, "bImp1"), Qt::LeftButton);
        QCOMPARE(programa.gravador.mensagens,
                 QStringList{QStringLiteral("Nenhuma impressora disponível.")});
        QVERIFY(Entdad->isActiveWindow());
    }
}

QTEST_MAIN(TstEntdad)
#include "tst_entdad.moc"
