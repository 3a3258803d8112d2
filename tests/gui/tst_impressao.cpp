// Printing a screen: the fit-to-page arithmetic, one page with the screen's image at the page's
// top-left corner, and the message when there is no printer.

#include "support/Apoio.h"

#include "screens/Impressao.h"
#include "screens/uEsquema.h"

#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TstImpressao : public QObject {
    Q_OBJECT
private slots:
    void ajusteAPagina_data();
    void ajusteAPagina();
    void imagemDaTelaTemOTamanhoDaAreaCliente();
    void imprimeUmaPaginaComATelaNoCanto();
    void semImpressoraAvisa();
};

void TstImpressao::ajusteAPagina_data() {
    QTest::addColumn<QSize>("imagem");
    QTest::addColumn<QSize>("pagina");
    QTest::addColumn<QSize>("impresso");
    // A4 at 600 dpi less margins, as a printer reports it.
    const QSize a4(4760, 6779);
    // Screens wider in proportion than the page print across the full width.
    QTest::newRow("entrada de dados, largura da pagina")
        << QSize(522, 385) << a4 << QSize(4760, 3511); // 3510.73
    QTest::newRow("esquema, largura da pagina") << QSize(512, 387) << a4 << QSize(4760, 3598);
    // Narrower ones over the full height.
    QTest::newRow("estreita, altura da pagina")
        << QSize(300, 600) << QSize(1000, 1000) << QSize(500, 1000);
    QTest::newRow("retrato em paisagem")
        << QSize(369, 328) << QSize(6779, 4760) << QSize(5355, 4760); // exact
    // w·P/h equal to W is not less than W: the full width.
    QTest::newRow("igual a largura") << QSize(400, 200) << QSize(800, 400) << QSize(800, 400);
    // Rounding to the nearest: halves go up, below a half goes down.
    QTest::newRow("meio arredonda para cima") << QSize(3, 2) << QSize(10, 1) << QSize(2, 1);
    QTest::newRow("terco arredonda para baixo") << QSize(4, 3) << QSize(10, 1) << QSize(1, 1);
    QTest::newRow("altura com meio") << QSize(4, 1) << QSize(2, 10) << QSize(2, 1);  // 0.5
    QTest::newRow("altura com 2,4") << QSize(5, 6) << QSize(2, 100) << QSize(2, 2);  // 2.4
    QTest::newRow("altura com 2,6") << QSize(5, 13) << QSize(1, 100) << QSize(1, 3); // 2.6
    QTest::newRow("produto grande") << QSize(30000, 20000) << QSize(100000, 100000)
                                    << QSize(100000, 66667); // needs more than 32 bits
}

void TstImpressao::ajusteAPagina() {
    QFETCH(QSize, imagem);
    QFETCH(QSize, pagina);
    QFETCH(QSize, impresso);
    QCOMPARE(AjustarAPagina(imagem, pagina), impresso);
}

void TstImpressao::imagemDaTelaTemOTamanhoDaAreaCliente() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    const QImage imagem = ImagemDaTela(Esquema);
    QCOMPARE(imagem.size(), QSize(512, 387));
    // The controls are painted into it as they stand: the picture's white sky at its corner and
    // the background colour where there is no control.
    QCOMPARE(QColor(imagem.pixel(12, 12)), QColor(Qt::white));
    QCOMPARE(QColor(imagem.pixel(360, 380)), Esquema->palette().color(QPalette::Window));
}

namespace {
QString Executar(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}
} // namespace

void TstImpressao::imprimeUmaPaginaComATelaNoCanto() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        QSKIP("poppler-utils (pdfinfo, pdftoppm) not installed");
    }
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString pdf = pasta.filePath(QStringLiteral("tela.pdf"));
    {
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        impressora.setPageSize(QPageSize(QPageSize::A4));
        impressora.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QVERIFY(ImprimirImagem(ImagemDaTela(Esquema), impressora));
    }
    const QString info = Executar(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));

    // Rendered back at 40 dpi (A4 = 331 × 468 pixels): the screen, wider in proportion than the
    // page, fills the width from the top-left corner and ends at 387/512 of the width.
    const QString base = pasta.filePath(QStringLiteral("pagina"));
    Executar(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
              QStringLiteral("-singlefile"), pdf, base});
    QImage pagina(base + QStringLiteral(".png"));
    QVERIFY(!pagina.isNull());
    const int fimDaImagem = qRound(pagina.width() * 387.0 / 512.0);
    const QColor fundo = Esquema->palette().color(QPalette::Window);
    auto proximo = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 &&
               qAbs(a.blue() - b.blue()) < 12;
    };
    // The background colour of the screen at the right end of the top and just above the end.
    QVERIFY(proximo(pagina.pixelColor(pagina.width() - 2, 2), fundo));
    QVERIFY(proximo(pagina.pixelColor(pagina.width() / 2, fimDaImagem - 3), fundo));
    // Blank paper below it.
    QVERIFY(proximo(pagina.pixelColor(pagina.width() / 2, fimDaImagem + 4), Qt::white));
    QVERIFY(proximo(pagina.pixelColor(5, pagina.height() - 5), Qt::white));
}

void TstImpressao::semImpressoraAvisa() {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("this machine has a default printer");
    }
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    ImprimirTela(Esquema);
    QCOMPARE(programa.gravador.mensagens,
             QStringList{QStringLiteral("Nenhuma impressora disponível.")});
    QVERIFY(Esquema->isVisible());
}

QTEST_MAIN(TstImpressao)
#include "tst_impressao.moc"
