// The six picture sheets of the test-results catalogue: each a fixed modal window whose 800 × 600
// picture is shown unscaled from its top-left corner in a picture control smaller than the
// picture, so the table drawn on it must lie inside that control's area.

#include "support/Apoio.h"

#include "screens/Folha.h"
#include "screens/Tela.h"
#include "screens/Uapres.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

namespace {
Tela* TelaChamada(const QString& nome) {
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (janela->objectName() == nome) {
            if (auto* tela = qobject_cast<Tela*>(janela)) {
                return tela;
            }
        }
    }
    qFatal("Janela \"%s\" nao existe", qPrintable(nome));
    return nullptr;
}

// Runs `passo` once inside the modal run that the following call opens. The timer belongs to the
// caller, so a step that never ran cannot fire later in another test.
template <class F> void DentroDoModal(QTimer& vez, F passo) {
    vez.setSingleShot(true);
    QObject::connect(&vez, &QTimer::timeout, passo);
    vez.start(0);
}

// The bounding box of every pixel that is not white.
QRect AreaDesenhada(const QImage& figura) {
    const QImage rgb = figura.convertToFormat(QImage::Format_RGB32);
    int x0 = rgb.width(), y0 = rgb.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* linha = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (qRed(linha[x]) < 250 || qGreen(linha[x]) < 250 || qBlue(linha[x]) < 250) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

// Every piece of text drawn on a picture, in drawing order.
QStringList TextosDaFigura(const QString& recurso) {
    QFile arquivo(recurso);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList textos;
    QXmlStreamReader xml(&arquivo);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("text")) {
            textos << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return textos;
}

int PixelsEscuros(const QImage& figura) {
    const QImage rgb = figura.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            n += qGray(rgb.pixel(x, y)) < 96 ? 1 : 0;
        }
    }
    return n;
}
} // namespace

class TstFolhas : public QObject {
    Q_OBJECT
private slots:
    void folha_data();
    void folha();
    void figuraCabeNaAreaVisivel_data();
    void figuraCabeNaAreaVisivel();
    void conteudoDasFiguras_data();
    void conteudoDasFiguras();
    void abreModalSobreQuemAbriu_data();
    void abreModalSobreQuemAbriu();
};

void TstFolhas::folha_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("legenda");
    QTest::addColumn<QSize>("janela");
    QTest::addColumn<QSize>("visivel");
    QTest::addColumn<QString>("botao");
    QTest::addColumn<bool>("padrao");
    QTest::addColumn<bool>("cursorArrastar");

    QTest::newRow("caso 2") << "TfCaso2"
                            << "Caso 2" << QSize(589, 308) << QSize(633, 378) << "&Fechar" << true
                            << false;
    QTest::newRow("caso 3") << "TfCaso3"
                            << "Caso 3" << QSize(603, 315) << QSize(616, 431) << "Fechar" << true
                            << false;
    QTest::newRow("caso 4") << "TfCaso4"
                            << "Caso 4" << QSize(582, 304) << QSize(616, 406) << "&Fechar" << true
                            << true;
    QTest::newRow("caso 10") << "TfCaso10"
                             << "Caso 10" << QSize(595, 311) << QSize(598, 331) << "&Fechar" << true
                             << false;
    QTest::newRow("areias") << "TfTab1"
                            << "Tabela de areias" << QSize(579, 277) << QSize(567, 212) << "&Fechar"
                            << false << false;
    QTest::newRow("geotexteis") << "TfTab2"
                                << "Parâmetros de geotêxteis" << QSize(594, 266) << QSize(582, 201)
                                << "&Fechar" << false << false;
}

// Caption, fixed size, modality, the close button, and the picture: 800 × 600 in a picture
// control of the visible area's size, not scaled, inside the scroll box.
void TstFolhas::folha() {
    QFETCH(QString, classe);
    QFETCH(QString, legenda);
    QFETCH(QSize, janela);
    QFETCH(QSize, visivel);
    QFETCH(QString, botao);
    QFETCH(bool, padrao);
    QFETCH(bool, cursorArrastar);

    ProgramaEmTeste programa;
    Tela* folha = TelaChamada(classe);
    QCOMPARE(folha->windowTitle(), legenda);
    QCOMPARE(folha->size(), janela);
    QCOMPARE(folha->minimumSize(), janela);
    QCOMPARE(folha->maximumSize(), janela);
    QCOMPARE(folha->tipo(), Tela::Tipo::Modal);
    QVERIFY(folha->isModal());
    QVERIFY(!(folha->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(folha->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(folha->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!folha->isVisible());

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
    // The scroll box sits above the bottom panel that holds the button.
    auto* painel = Achar<QWidget>(folha, QStringLiteral("Panel1"));
    QVERIFY(painel->isAncestorOf(fechar));
    QVERIFY(caixa->geometry().bottom() < painel->geometry().top());
    QCOMPARE(painel->geometry().bottom(), janela.height() - 1);
}

void TstFolhas::figuraCabeNaAreaVisivel_data() {
    QTest::addColumn<QString>("recurso");
    QTest::addColumn<QSize>("visivel");
    QTest::newRow("caso 2") << ":/figuras/caso2.svg" << QSize(633, 378);
    QTest::newRow("caso 3") << ":/figuras/caso3.svg" << QSize(616, 431);
    QTest::newRow("caso 4") << ":/figuras/caso4.svg" << QSize(616, 406);
    QTest::newRow("caso 10") << ":/figuras/caso10.svg" << QSize(598, 331);
    QTest::newRow("areias") << ":/figuras/tabela1.svg" << QSize(567, 212);
    QTest::newRow("geotexteis") << ":/figuras/tabela2.svg" << QSize(582, 201);
}

// Only the picture control's area of the picture can ever be seen: everything drawn lies inside
// it, starting near its top-left corner, black on white in at most 256 colours.
void TstFolhas::figuraCabeNaAreaVisivel() {
    QFETCH(QString, recurso);
    QFETCH(QSize, visivel);

    const QImage figura = Folha::Figura(recurso);
    QVERIFY2(!figura.isNull(), qPrintable(recurso));
    QCOMPARE(figura.size(), QSize(800, 600));
    QVERIFY(figura.colorCount() > 0 && figura.colorCount() <= 256);
    QCOMPARE(figura.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(figura.pixel(799, 599), qRgb(255, 255, 255));

    const QRect desenhada = AreaDesenhada(figura);
    QVERIFY(!desenhada.isEmpty());
    QVERIFY2(QRect(QPoint(0, 0), visivel).adjusted(4, 4, -4, -4).contains(desenhada),
             qPrintable(QStringLiteral("desenho em (%1,%2)-(%3,%4), area visivel %5 x %6")
                            .arg(desenhada.left())
                            .arg(desenhada.top())
                            .arg(desenhada.right())
                            .arg(desenhada.bottom())
                            .arg(visivel.width())
                            .arg(visivel.height())));
    QVERIFY(desenhada.left() < 30 && desenhada.top() < 30);
    // A table with its text, not a blank or a stray line.
    QVERIFY(PixelsEscuros(figura) > 3000);

    QString pasta = qEnvironmentVariable("VELTRA_PNG_DIR", QDir::tempPath());
    QDir().mkpath(pasta);
    figura.save(pasta + QStringLiteral("/figura_") + QFileInfo(recurso).baseName() +
                QStringLiteral(".png"));
}

void TstFolhas::conteudoDasFiguras_data() {
    QTest::addColumn<QString>("recurso");
    QTest::addColumn<QStringList>("celulas");
    QTest::addColumn<QStringList>("trechos");
    const QString t = QStringLiteral("\u2013"); // a missing value, and the dash of a range
    const QStringList cabecalhoCaso = {
        "Geotêxteis tecidos", "Geotêxteis não tecidos", "solo-solo", "laminetes", "monofilamentos",
        "coesão (kPa)",       "ângulo de atrito (°)",   "fino",      "espesso",   "contínuo"};
    const QStringList notasAreia = {"25 a 200 kPa",    "intermediário", "cisalhamento direto",
                                    "60 × 60 × 32 mm", "drenados",      "chuva de areia",
                                    "secas",           "referência 5"};
    QTest::newRow("caso 2") << ":/figuras/caso2.svg"
                            << (cabecalhoCaso + QStringList{"CASO 2 " + t + " AREIA", "0",
                                                            "38" + t + "46", "33" + t + "40",
                                                            "37" + t + "45", t})
                            << notasAreia;
    QTest::newRow("caso 3") << ":/figuras/caso3.svg"
                            << (cabecalhoCaso +
                                QStringList{"34" + t + "43", "31" + t + "39", "30" + t + "43", t})
                            << (notasAreia + QStringList{"2 % de mica"});
    QTest::newRow("caso 4") << ":/figuras/caso4.svg"
                            << (cabecalhoCaso + QStringList{"34" + t + "40", "32" + t + "40", t})
                            << (notasAreia + QStringList{"5 % de mica"});
    QTest::newRow("caso 10") << ":/figuras/caso10.svg"
                             << (cabecalhoCaso +
                                 QStringList{"22", "18", "19", "32", "29.5", "32*", t})
                             << QStringList{"* Valor de interface maior", "solo-solo",
                                            "referência 4"};
    QTest::newRow("areias") << ":/figuras/tabela1.svg"
                            << QStringList{"TABELA DE AREIAS",
                                           "2) areia",
                                           "3) areia 2",
                                           "4) areia 5",
                                           "5) areia fofa",
                                           "6) areia densa seca",
                                           "7) areia densa úmida",
                                           "8) areia argilosa 0.1",
                                           "9) areia argilosa 0.3",
                                           "0.17",
                                           "0.18",
                                           "0.6" + t + "2.0",
                                           "2.62",
                                           "2.64",
                                           "2.65",
                                           "12.20" + t + "15.40",
                                           "11.80" + t + "14.40",
                                           "10.60" + t + "13.40",
                                           "14.0",
                                           "14.8"}
                            << QStringList{"Granulometria", "Densidade", "Peso específico"};
    QTest::newRow("geotexteis") << ":/figuras/tabela2.svg"
                                << QStringList{"TABELA DE GEOTÊXTEIS",
                                               "GT-N 200",
                                               "GT-N 300",
                                               "GT-N 600",
                                               "GT-W 167",
                                               "GT-W 157",
                                               "1.9" + t + "2.1",
                                               "2.6" + t + "2.7",
                                               "4.5",
                                               "0.25",
                                               "0.35",
                                               "200",
                                               "300",
                                               "600",
                                               "167",
                                               "157",
                                               "15",
                                               "22",
                                               "38",
                                               "30" + t + "35",
                                               "10",
                                               "1.12",
                                               "1.70",
                                               "2.86",
                                               "0.30",
                                               "0.34"}
                                << QStringList{"Espessura",
                                               "Gramatura",
                                               "tração",
                                               "Alongamento",
                                               "rasgo",
                                               "não tecidos agulhados, de poliéster",
                                               "tecidos de laminetes",
                                               "polipropileno",
                                               "agulhado fino",
                                               "agulhado espesso"};
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

void TstFolhas::abreModalSobreQuemAbriu_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<bool>("fechaComEnter");
    QTest::newRow("caso 2") << "TfCaso2" << true;
    QTest::newRow("caso 3") << "TfCaso3" << true;
    QTest::newRow("caso 4") << "TfCaso4" << true;
    QTest::newRow("caso 10") << "TfCaso10" << true;
    QTest::newRow("areias") << "TfTab1" << false;
    QTest::newRow("geotexteis") << "TfTab2" << false;
}

// Shown modally over the screen that opened it: the close button has the focus, Escape closes
// nothing, the picture control's whole area can be scrolled to and no more, and the picture
// appears unscaled from its top-left corner. The button ends the run and the opener is active
// again.
void TstFolhas::abreModalSobreQuemAbriu() {
    QFETCH(QString, classe);
    QFETCH(bool, fechaComEnter);

    ProgramaEmTeste programa;
    Tela* folha = TelaChamada(classe);
    auto* fechar = Achar<QPushButton>(folha, QStringLiteral("bFechar"));
    auto* caixa = Achar<QScrollArea>(folha, QStringLiteral("ScrollBox1"));
    auto* imagem = Achar<QLabel>(folha, QStringLiteral("Image1"));
    QVERIFY(EsperarAtiva(Apres));

    struct {
        bool ativa = false, modal = false, abridorVisivel = false, foco = false;
        bool ficouComEsc = false;
        int maxH = -1, maxV = -1, janelaH = 0, janelaV = 0;
        QImage vista;
    } visto;
    QTimer passo;
    DentroDoModal(passo, [&] {
        visto.ativa = EsperarAtiva(folha);
        visto.modal = QApplication::activeModalWidget() == folha;
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
        if (fechaComEnter) {
            QTest::keyClick(folha, Qt::Key_Return);
        } else {
            QTest::mouseClick(fechar, Qt::LeftButton);
        }
        if (folha->isVisible()) {
            folha->Fechar(); // a failed close must not leave the test waiting
        }
    });
    folha->MostrarModal();

    QVERIFY(visto.ativa);
    QVERIFY(visto.modal);
    QVERIFY(visto.abridorVisivel);
    QVERIFY(visto.foco);
    QVERIFY(visto.ficouComEsc);
    QCOMPARE(visto.maxH, std::max(0, imagem->width() - visto.janelaH));
    QCOMPARE(visto.maxV, std::max(0, imagem->height() - visto.janelaV));
    // What the control shows is the picture's top-left corner, pixel for pixel.
    const QImage canto = imagem->pixmap().toImage().copy(QRect(QPoint(0, 0), imagem->size()));
    QCOMPARE(visto.vista.convertToFormat(QImage::Format_RGB32),
             canto.convertToFormat(QImage::Format_RGB32));

    QVERIFY(!folha->isVisible());
    QVERIFY(EsperarAtiva(Apres));
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

QTEST_MAIN(TstFolhas)
#include "tst_folhas.moc"
