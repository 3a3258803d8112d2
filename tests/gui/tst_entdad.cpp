// The data-entry screen as the user meets it: twelve fields typed with a decimal comma, read into
// the problem record one by one by "&Métodos de cálculo", with the focus texts in the status bar.

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

namespace {
const QString mensagemConversao =
    QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números.");

struct Campo {
    const char* nome;
    long double DadosEntrada::*valor;
};

// In the order the record is read.
const std::array<Campo, 12> campos{{
    {"eAlt", &DadosEntrada::Alt},
    {"eDecl", &DadosEntrada::Decl},
    {"ePesesp", &DadosEntrada::Pesesp},
    {"eCoesao", &DadosEntrada::Coesao},
    {"eAngat", &DadosEntrada::Angat},
    {"eAltberma", &DadosEntrada::Altberma},
    {"eLargberma", &DadosEntrada::Largberma},
    {"eProf", &DadosEntrada::Prof},
    {"eDist", &DadosEntrada::Dist},
    {"eSuperf", &DadosEntrada::Superf},
    {"eProfZ", &DadosEntrada::ProfZ},
    {"eCont", &DadosEntrada::Cont},
}};

// Twelve different values, each typed as a user in Brazil would.
const std::array<const char*, 12> textos{
    {"3", "2,5", "18,5", "5", "30", "0,5", "1,25", "6", "1,5", "10", "12,5", "20"}};
const std::array<long double, 12> valores{
    {3.0L, 2.5L, 18.5L, 5.0L, 30.0L, 0.5L, 1.25L, 6.0L, 1.5L, 10.0L, 12.5L, 20.0L}};

QLineEdit* CampoDe(int i) {
    return Achar<QLineEdit>(Entdad, QString::fromLatin1(campos[i].nome));
}

void Digitar(QLineEdit* campo, const QString& texto) {
    campo->clear();
    QTest::keyClicks(campo, texto);
}

void DigitarTodos() {
    for (int i = 0; i < 12; ++i) {
        Digitar(CampoDe(i), QString::fromUtf8(textos[i]));
    }
}

// A record that no typing produces, to see which fields a press has written.
DadosEntrada RegistroAnterior() {
    DadosEntrada d;
    for (const Campo& c : campos) {
        d.*(c.valor) = 99.0L;
    }
    return d;
}

QWidget* Focado() {
    return QApplication::focusWidget();
}
} // namespace

class TstEntdad : public QObject {
    Q_OBJECT
private slots:
    void init();
    void osDozeCamposVaoAoRegistroNaOrdem();
    void campoInvalidoParaAPressaoAli_data();
    void campoInvalidoParaAPressaoAli();
    void camposVaziosUmaMensagemRegistroIntacto();
    void enterEmQualquerCampoAcionaMetodos_data();
    void enterEmQualquerCampoAcionaMetodos();
    void textosDeFocoEOrdemDeTab();
    void focoEStatusVoltamAoMostrarDeNovo();
    void sairMostraAAbertura();
    void dadosDevolveOsTextosDigitados();
    void campoNaoSelecionaAoEntrarEMantemSelecao();
    void figuraDoPerfilENiveisDosCampos();
    void imprimirSemImpressora();
    void imagemImpressaTemAFiguraEOsTextos();
    void desenhaATela();
};

void TstEntdad::init() {
    DadosDoProblema = DadosEntrada{};
}

void TstEntdad::osDozeCamposVaoAoRegistroNaOrdem() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    DigitarTodos();
    QTest::mouseClick(Achar<QPushButton>(Entdad, "bContin"), Qt::LeftButton);

    for (int i = 0; i < 12; ++i) {
        QVERIFY2(DadosDoProblema.*(campos[i].valor) == valores[i], campos[i].nome);
    }
    QVERIFY(programa.gravador.mensagens.isEmpty());
    QTRY_VERIFY(Metcal->isActiveWindow());
    QTRY_VERIFY(!Entdad->isVisible());
}

void TstEntdad::campoInvalidoParaAPressaoAli_data() {
    QTest::addColumn<int>("invalido");
    QTest::addColumn<QString>("texto");
    // A point is not the decimal separator here.
    QTest::newRow("eDecl com ponto") << 1 << QStringLiteral("2.5");
    QTest::newRow("eAlt vazio") << 0 << QString();
    QTest::newRow("eAngat com unidade") << 4 << QStringLiteral("30 graus");
    QTest::newRow("eDist com milhar") << 8 << QStringLiteral("1 000");
    QTest::newRow("eCont so espacos") << 11 << QStringLiteral("   ");
}

void TstEntdad::campoInvalidoParaAPressaoAli() {
    QFETCH(int, invalido);
    QFETCH(QString, texto);
    ProgramaEmTeste programa;
    DadosDoProblema = RegistroAnterior();
    QVERIFY(MostrarEEsperar(Entdad));
    DigitarTodos();
    Digitar(CampoDe(invalido), texto);

    QTest::mouseClick(Achar<QPushButton>(Entdad, "bContin"), Qt::LeftButton);

    QCOMPARE(programa.gravador.mensagens, QStringList{mensagemConversao});
    for (int i = 0; i < 12; ++i) {
        const long double esperado = i < invalido ? valores[i] : 99.0L;
        QVERIFY2(DadosDoProblema.*(campos[i].valor) == esperado, campos[i].nome);
    }
    QTest::qWait(50);
    QVERIFY(!Metcal->isVisible());
    QVERIFY(Entdad->isActiveWindow());
    QCOMPARE(CampoDe(invalido)->text(), texto);
    QCOMPARE(CampoDe(0)->text(), invalido == 0 ? texto : QStringLiteral("3"));
}

void TstEntdad::camposVaziosUmaMensagemRegistroIntacto() {
    ProgramaEmTeste programa;
    DadosDoProblema = RegistroAnterior();
    QVERIFY(MostrarEEsperar(Entdad));

    QTest::mouseClick(Achar<QPushButton>(Entdad, "bContin"), Qt::LeftButton);

    QCOMPARE(programa.gravador.mensagens, QStringList{mensagemConversao});
    for (const Campo& c : campos) {
        QVERIFY2(DadosDoProblema.*(c.valor) == 99.0L, c.nome);
    }
    QTest::qWait(50);
    QVERIFY(!Metcal->isVisible());
    QVERIFY(Entdad->isActiveWindow());
}

void TstEntdad::enterEmQualquerCampoAcionaMetodos_data() {
    QTest::addColumn<int>("campo");
    for (int i = 0; i < 12; ++i) {
        QTest::newRow(campos[i].nome) << i;
    }
}

void TstEntdad::enterEmQualquerCampoAcionaMetodos() {
    QFETCH(int, campo);
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    DigitarTodos();
    CampoDe(campo)->setFocus(Qt::MouseFocusReason);

    QTest::keyClick(CampoDe(campo), Qt::Key_Return);

    QVERIFY(DadosDoProblema.Cont == 20.0L);
    QTRY_VERIFY(Metcal->isActiveWindow());
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

void TstEntdad::focoEStatusVoltamAoMostrarDeNovo() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(Focado(), Qt::Key_Tab);
    }
    QCOMPARE(Focado(), CampoDe(3));
    const QString texto = Entdad->TextoStatus();
    QCOMPARE(texto, QStringLiteral("Coesão do material do aterro (kPa)."));

    QVERIFY(MostrarEEsperar(Apres));
    QTRY_VERIFY(!Entdad->isVisible());
    QVERIFY(MostrarEEsperar(Entdad));

    QCOMPARE(Focado(), CampoDe(3));
    QCOMPARE(Entdad->TextoStatus(), texto);
}

void TstEntdad::sairMostraAAbertura() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    Digitar(CampoDe(0), QStringLiteral("3"));

    QTest::mouseClick(Achar<QPushButton>(Entdad, "bExit"), Qt::LeftButton);

    QTRY_VERIFY(Apres->isActiveWindow());
    QTRY_VERIFY(!Entdad->isVisible());
    QVERIFY(Apres->isVisible());
    QVERIFY(DadosDoProblema.Alt == 0.0L);
    QVERIFY(MostrarEEsperar(Entdad));
    QCOMPARE(CampoDe(0)->text(), QStringLiteral("3"));
}

void TstEntdad::dadosDevolveOsTextosDigitados() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    DigitarTodos();
    // Typed with a trailing zero and blanks: the screen shows the text, not the value stored.
    Digitar(CampoDe(1), QStringLiteral(" 2,50 "));
    QTest::mouseClick(Achar<QPushButton>(Entdad, "bContin"), Qt::LeftButton);
    QTRY_VERIFY(Metcal->isActiveWindow());
    QVERIFY(DadosDoProblema.Decl == 2.5L);

    QTest::mouseClick(Achar<QPushButton>(Metcal, "bDados1"), Qt::LeftButton);

    QTRY_VERIFY(Entdad->isActiveWindow());
    QTRY_VERIFY(!Metcal->isVisible());
    QCOMPARE(CampoDe(1)->text(), QStringLiteral(" 2,50 "));
    for (int i = 2; i < 12; ++i) {
        QCOMPARE(CampoDe(i)->text(), QString::fromUtf8(textos[i]));
    }
    QCOMPARE(Focado(), Achar<QPushButton>(Entdad, "bContin"));
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
    QCOMPARE(Focado(), altura);
    QVERIFY(!altura->hasSelectedText());

    altura->selectAll();
    QTest::keyClick(altura, Qt::Key_Tab);
    QCOMPARE(Focado(), declividade);
    QCOMPARE(altura->selectedText(), QStringLiteral("3,5"));
}

void TstEntdad::figuraDoPerfilENiveisDosCampos() {
    ProgramaEmTeste programa;
    const QLabel* figura = Achar<QLabel>(Entdad, "Image1");
    const QImage imagem = figura->pixmap().toImage();
    QCOMPARE(imagem.size(), QSize(125, 121));
    QCOMPARE(figura->size(), QSize(125, 121));
    // Light grey in the corner, the section's black outline along its top edge (row 22).
    QCOMPARE(imagem.pixelColor(2, 60), QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(imagem.pixelColor(60, 22).value(), 0);
    QCOMPARE(imagem.pixelColor(60, 102).value(), 0);

    // CS at the top edge, CZ at the kink, CF at the base of the section.
    const std::array<std::pair<const char*, int>, 3> niveis{
        {{"eSuperf", 22}, {"eProfZ", 60}, {"eCont", 102}}};
    for (const auto& [nome, linha] : niveis) {
        const QLineEdit* campo = Achar<QLineEdit>(Entdad, QString::fromLatin1(nome));
        const int centro = campo->mapTo(Entdad, QPoint(0, campo->height() / 2)).y();
        const int nivel = figura->mapTo(Entdad, QPoint(0, linha)).y();
        QVERIFY2(qAbs(centro - nivel) <= 1, nome);
        QVERIFY(campo->x() > figura->x() + figura->width());
    }
}

void TstEntdad::imprimirSemImpressora() {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("This machine has a printer.");
    }
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    QTest::mouseClick(Achar<QPushButton>(Entdad, "bImp1"), Qt::LeftButton);
    QCOMPARE(programa.gravador.mensagens,
             QStringList{QStringLiteral("Nenhuma impressora disponível.")});
    QVERIFY(Entdad->isActiveWindow());
}

void TstEntdad::imagemImpressaTemAFiguraEOsTextos() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    Digitar(CampoDe(0), QStringLiteral("3"));
    const QImage imagem = ImagemDaTela(Entdad);
    QCOMPARE(imagem.size(), QSize(522, 385));
    // The profile picture is in the printed image where it is on the screen.
    const QLabel* figura = Achar<QLabel>(Entdad, "Image1");
    const QPoint canto = figura->mapTo(Entdad, QPoint(2, 60));
    QCOMPARE(imagem.pixelColor(canto), QColor(0xc0, 0xc0, 0xc0));
    const QPoint borda = figura->mapTo(Entdad, QPoint(60, 22));
    QCOMPARE(imagem.pixelColor(borda).value(), 0);

    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pasta.filePath(QStringLiteral("entdad.pdf")));
    QVERIFY(ImprimirImagem(imagem, impressora));
    QVERIFY(QFileInfo(pasta.filePath(QStringLiteral("entdad.pdf"))).size() > 1000);
}

void TstEntdad::desenhaATela() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    const std::array<const char*, 12> exemplo{
        {"3", "2", "18", "5", "30", "0", "0", "6", "0", "10", "10", "10"}};
    for (int i = 0; i < 12; ++i) {
        Digitar(CampoDe(i), QString::fromLatin1(exemplo[i]));
    }
    QCOMPARE(Entdad->size(), QSize(522, 385));
    QCOMPARE(Entdad->windowTitle(), QStringLiteral("Entrada de dados"));
    // The texts as they stand, odd blanks included.
    const std::array<std::pair<const char*, QString>, 18> rotulos{{
        {"GroupBox1", QStringLiteral("Aterro")},
        {"GroupBox2", QStringLiteral("Berma")},
        {"GroupBox3", QStringLiteral("Solo de fundação")},
        {"Label1", QStringLiteral("Altura (m)")},
        {"Label2", QStringLiteral("Declividade (h/v)")},
        {"Label3", QStringLiteral("Peso específico ")},
        {"Label4", QStringLiteral(" aparente  total (kN/m3)")},
        {"Label5", QStringLiteral("Coesão (kPa)")},
        {"Label6", QStringLiteral("Ângulo de atrito (graus)")},
        {"Label7", QStringLiteral("Altura (m)")},
        {"Label8", QStringLiteral("Largura (m)")},
        {"Label9", QStringLiteral("Espessura da  camada mole (m)")},
        {"Label10", QStringLiteral("Resistência não drenada")},
        {"Label11", QStringLiteral(" Z (m)")},
        {"Label12", QStringLiteral("CS (kPa)")},
        {"Label13", QStringLiteral("CZ (kPa)")},
        {"Label14", QStringLiteral("CF (kPa)")},
        {"bContin", QStringLiteral("&Métodos de cálculo")},
    }};
    for (const auto& [nome, texto] : rotulos) {
        const QWidget* controle = Achar<QWidget>(Entdad, QString::fromLatin1(nome));
        const char* propriedade = controle->inherits("QGroupBox") ? "title" : "text";
        QCOMPARE(controle->property(propriedade).toString(), texto);
    }
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(CampoDe(i)->width(), 65);
    }
    GravarPng(Entdad, QStringLiteral("entdad"));
}

QTEST_MAIN(TstEntdad)
#include "tst_entdad.moc"
