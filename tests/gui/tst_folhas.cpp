// The six picture sheets of the test-results catalogue: each a fixed modal window whose 800 × 600
// picture is shown unscaled from its top-left corner in a picture control smaller than the
// picture, so the table drawn on it must lie inside that control's area.

#include "support/Apoio.h"

#include "screens/Folha.h"
#include "screens/Tela.h"
#include "screens/Uapres.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QXmlStreamReader>

namespace {
// The bounding box of every pixel that is not white, and how many pixels are dark.
struct Desenho {
    QRect area;
    int escuros = 0;
};

Desenho Desenhado(const QImage& figura) {
    const QImage rgb = figura.convertToFormat(QImage::Format_RGB32);
    QRect area;
    int escuros = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            if (qRed(p) < 250 || qGreen(p) < 250 || qBlue(p) < 250) {
                area |= QRect(x, y, 1, 1);
            }
            escuros += qGray(p) < 96 ? 1 : 0;
        }
    }
    return {area, escuros};
}

// Every piece of text drawn on a picture, in drawing order.
QStringList TextosDaFigura(const QString& recurso) {
    QFile arquivo(recurso);
    QStringList textos;
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return textos;
    }
    QXmlStreamReader xml(&arquivo);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("text")) {
            textos << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return textos;
}

QStringList Lista(const char* separadosPorBarra) {
    return QString::fromUtf8(separadosPorBarra).split(QLatin1Char('|'));
}
} // namespace

class TstFolhas : public QObject {
    Q_OBJECT
private slots:
    void folha_data();
    void folha();
    void conteudoDasFiguras_data();
    void conteudoDasFiguras();
};

void TstFolhas::folha_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QSize>("visivel");
    QTest::addColumn<QString>("botao");
    QTest::addColumn<bool>("padrao");
    QTest::addColumn<bool>("cursorArrastar");
    QTest::addColumn<QString>("recurso");
    // clang-format off
    QTest::newRow("caso 2") << "TfCaso2" << QSize(633, 378) << "&Fechar" << true << false << ":/figuras/caso2.svg";
    QTest::newRow("caso 3") << "TfCaso3" << QSize(616, 431) << "Fechar" << true << false << ":/figuras/caso3.svg";
    QTest::newRow("caso 4") << "TfCaso4" << QSize(616, 406) << "&Fechar" << true << true << ":/figuras/caso4.svg";
    QTest::newRow("caso 10") << "TfCaso10" << QSize(598, 331) << "&Fechar" << true << false << ":/figuras/caso10.svg";
    QTest::newRow("areias") << "TfTab1" << QSize(567, 212) << "&Fechar" << false << false << ":/figuras/tabela1.svg";
    QTest::newRow("geotexteis") << "TfTab2" << QSize(582, 201) << "&Fechar" << false << false << ":/figuras/tabela2.svg";
    // clang-format on
}

// The close button and the picture (caption and size: tst_arranque): 800 × 600 in a picture control
// of the visible area's size, not scaled, everything drawn inside that area. Shown modally over the
// screen that opened it: the close button has the focus, Escape closes nothing, the control's whole
// area can be scrolled to and no more, and it shows the picture's top-left corner pixel for pixel.
// Enter closes a sheet whose button is the default; the opener is active again.
void TstFolhas::folha() {
    QFETCH(QString, classe);
    QFETCH(QSize, visivel);
    QFETCH(QString, botao);
    QFETCH(bool, padrao);
    QFETCH(bool, cursorArrastar);
    QFETCH(QString, recurso);

    ProgramaEmTeste programa;
    Tela* folha = TelaPeloNome(classe);
    QCOMPARE(folha->tipo(), Tela::Tipo::Modal);
    auto* fechar = Achar<QPushButton>(folha, QStringLiteral("bFechar"));
    QCOMPARE(fechar->text(), botao);
    QCOMPARE(fechar->isDefault(), padrao);
    QCOMPARE(fechar->cursor().shape(), cursorArrastar ? Qt::DragMoveCursor : Qt::ArrowCursor);
    auto* caixa = Achar<QScrollArea>(folha, QStringLiteral("ScrollBox1"));
    auto* imagem = Achar<QLabel>(folha, QStringLiteral("Image1"));
    QCOMPARE(caixa->widget(), imagem);
    QCOMPARE(imagem->size(), visivel);
    QVERIFY(!imagem->hasScaledContents());
    QCOMPARE(imagem->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(imagem->pixmap().size(), QSize(800, 600));

    const QImage figura = Folha::Figura(recurso);
    QCOMPARE(figura.size(), QSize(800, 600));
    QVERIFY(figura.colorCount() > 0 && figura.colorCount() <= 256);
    QCOMPARE(figura.pixel(0, 0), qRgb(255, 255, 255));
    const Desenho d = Desenhado(figura);
    QVERIFY2(QRect(QPoint(0, 0), visivel).adjusted(4, 4, -4, -4).contains(d.area),
             qPrintable(QStringLiteral("desenho em (%1,%2)-(%3,%4)")
                            .arg(d.area.left())
                            .arg(d.area.top())
                            .arg(d.area.right())
                            .arg(d.area.bottom())));
    QVERIFY(d.area.left() < 30 && d.area.top() < 30);
    QVERIFY(d.escuros > 3000); // a table with its text, not a blank or a stray line
    GravarImagem(figura, QStringLiteral("figura_") + classe);

    QVERIFY(EsperarAtiva(Apres));
    struct {
        QWidget* modal = nullptr;
        bool ativa = false, abridorVisivel = false, foco = false, ficouComEsc = false;
        int maxH = -1, maxV = -1, janelaH = 0, janelaV = 0;
        QImage vista;
    } visto;
    QuandoModal([&](QWidget* modal) {
        visto.modal = modal;
        visto.ativa = QApplication::activeWindow() == folha;
        visto.abridorVisivel = Apres->isVisible();
        visto.foco = fechar->hasFocus();
        visto.maxH = caixa->horizontalScrollBar()->maximum();
        visto.maxV = caixa->verticalScrollBar()->maximum();
        visto.janelaH = caixa->viewport()->width();
        visto.janelaV = caixa->viewport()->height();
        visto.vista = imagem->grab().toImage();
        GravarPng(folha, QStringLiteral("folha_") + classe);
        GravarPng(imagem, QStringLiteral("folha_") + classe + QStringLiteral("_area_visivel"));
        QTest::keyClick(folha, Qt::Key_Escape);
        visto.ficouComEsc = folha->isVisible();
        if (padrao) {
            QTest::keyClick(folha, Qt::Key_Return);
        } else {
            QTest::mouseClick(fechar, Qt::LeftButton);
        }
        if (folha->isVisible()) {
            folha->Fechar(); // a failed close must not leave the test waiting
        }
    });
    folha->MostrarModal();

    QCOMPARE(visto.modal, static_cast<QWidget*>(folha));
    QVERIFY(visto.ativa);
    QVERIFY(visto.abridorVisivel);
    QVERIFY(visto.foco);
    QVERIFY(visto.ficouComEsc);
    QCOMPARE(visto.maxH, std::max(0, imagem->width() - visto.janelaH));
    QCOMPARE(visto.maxV, std::max(0, imagem->height() - visto.janelaV));
    const QImage canto = imagem->pixmap().toImage().copy(QRect(QPoint(0, 0), imagem->size()));
    QCOMPARE(visto.vista.convertToFormat(QImage::Format_RGB32),
             canto.convertToFormat(QImage::Format_RGB32));
    QVERIFY(!folha->isVisible());
    QVERIFY(EsperarAtiva(Apres));
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

void TstFolhas::conteudoDasFiguras_data() {
    QTest::addColumn<QString>("recurso");
    QTest::addColumn<QStringList>("celulas");
    QTest::addColumn<QStringList>("trechos");
    // "–" marks a missing value and the dash of a range.
    const QStringList cabecalhoCaso =
        Lista("Geotêxteis tecidos|Geotêxteis não tecidos|solo-solo|laminetes|monofilamentos|"
              "coesão (kPa)|ângulo de atrito (°)|fino|espesso|contínuo");
    const QStringList notasAreia = Lista("25 a 200 kPa|intermediário|cisalhamento direto|"
                                         "60 × 60 × 32 mm|drenados|chuva de areia|secas|"
                                         "referência 5");
    QTest::newRow("caso 2") << ":/figuras/caso2.svg"
                            << cabecalhoCaso + Lista("CASO 2 – AREIA|0|38–46|33–40|37–45|–")
                            << notasAreia;
    QTest::newRow("caso 3") << ":/figuras/caso3.svg" << cabecalhoCaso + Lista("34–43|31–39|30–43|–")
                            << notasAreia + Lista("2 % de mica");
    QTest::newRow("caso 4") << ":/figuras/caso4.svg" << cabecalhoCaso + Lista("34–40|32–40|–")
                            << notasAreia + Lista("5 % de mica");
    QTest::newRow("caso 10") << ":/figuras/caso10.svg"
                             << cabecalhoCaso + Lista("22|18|19|32|29.5|32*|–")
                             << Lista("* Valor de interface maior|solo-solo|referência 4");
    QTest::newRow("areias")
        << ":/figuras/tabela1.svg"
        << Lista("TABELA DE AREIAS|2) areia|3) areia 2|4) areia 5|5) areia fofa|"
                 "6) areia densa seca|7) areia densa úmida|8) areia argilosa 0.1|"
                 "9) areia argilosa 0.3|0.17|0.18|0.6–2.0|2.62|2.64|2.65|12.20–15.40|"
                 "11.80–14.40|10.60–13.40|14.0|14.8")
        << Lista("Granulometria|Densidade|Peso específico");
    QTest::newRow("geotexteis")
        << ":/figuras/tabela2.svg"
        << Lista("TABELA DE GEOTÊXTEIS|GT-N 200|GT-N 300|GT-N 600|GT-W 167|GT-W 157|1.9–2.1|"
                 "2.6–2.7|4.5|0.25|0.35|200|300|600|167|157|15|22|38|30–35|10|1.12|1.70|2.86|"
                 "0.30|0.34")
        << Lista("Espessura|Gramatura|tração|Alongamento|rasgo|"
                 "não tecidos agulhados, de poliéster|tecidos de laminetes|polipropileno|"
                 "agulhado fino|agulhado espesso");
}

// Every value and heading stands in a cell of its own, numbers with a decimal point; the notes say
// what the tables leave out.
void TstFolhas::conteudoDasFiguras() {
    QFETCH(QString, recurso);
    QFETCH(QStringList, celulas);
    QFETCH(QStringList, trechos);

    const QStringList textos = TextosDaFigura(recurso);
    QVERIFY2(!textos.isEmpty(), qPrintable(recurso));
    for (const QString& celula : celulas) {
        QVERIFY2(textos.contains(celula), qPrintable(celula));
    }
    const QString tudo = textos.join(QLatin1Char(' '));
    for (const QString& trecho : trechos) {
        QVERIFY2(tudo.contains(trecho), qPrintable(trecho));
    }
    static const QRegularExpression virgulaDecimal(QStringLiteral("\\d,\\d"));
    QVERIFY2(!tudo.contains(virgulaDecimal), qPrintable(tudo));
}

QTEST_MAIN(TstFolhas)
#include "tst_folhas.moc"
