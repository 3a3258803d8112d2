// The windows that open over another one, in one running program: the test-results catalogue and
// its picture sheets, the reference texts of the geometry screen and the help of the anchorage
// screen; and the pictures the screens draw.

#include "support/Apoio.h"

#include "screens/Folha.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>

#include <tuple>

using enum IdTela;

namespace {
// The object names of the screens on screen.
QStringList JanelasVisiveis() {
    QStringList nomes;
    for (int i = 0; i < NumeroDeTelas; ++i) {
        if (Janela(IdTela(i))->isVisible()) {
            nomes << Janela(IdTela(i))->objectName();
        }
    }
    return nomes;
}

// What is drawn on the picture shown: the bounding box of every pixel that is not white, how many
// pixels are dark, and how many differ from the picture drawn afresh from its resource.
struct Desenho {
    QRect area;
    int escuros = 0, diferentes = 0;
};
Desenho Desenhado(const QImage& vista, const QImage& figura) {
    const QImage a = vista.convertToFormat(QImage::Format_RGB32);
    const QImage b = figura.convertToFormat(QImage::Format_RGB32);
    Desenho d;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            if (qRed(p) < 250 || qGreen(p) < 250 || qBlue(p) < 250) {
                d.area |= QRect(x, y, 1, 1);
            }
            d.escuros += qGray(p) < 96 ? 1 : 0;
            d.diferentes += qAbs(qGray(p) - qGray(b.pixel(x, y))) > 8 ? 1 : 0;
        }
    }
    return d;
}
} // namespace

class TstJanelas : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramaEmTeste> programa;

private slots:
    void initTestCase() { programa = std::make_unique<ProgramaEmTeste>(); }
    void init() { programa->mensagens.clear(); }
    void cleanup() { QVERIFY(programa->mensagens.isEmpty()); }
    void catalogo();
    void figuraDaFolha_data();
    void figuraDaFolha();
    void feitasIgual();
    void textos_data();
    void textos();
    void figurasDasTelas();
    void dicasDoMouse();
};

// Each button of a case or table with a sheet runs that sheet modally over the catalogue, which
// stays on screen as the active screen and is the active window again after the sheet's
// "&Fechar"; the others open nothing, hide nothing, say nothing. "&Fechar" and the close box hide
// the catalogue and nothing else.
void TstJanelas::catalogo() {
    QVERIFY(MostrarEEsperar(fEns));
    QList<QWidget*> abertas;
    bool catalogoFica = true;
    QTimer vigia;
    connect(&vigia, &QTimer::timeout, this, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            abertas << modal;
            catalogoFica =
                catalogoFica && Janela(fEns)->isVisible() && Tela::TelaAtiva() == Janela(fEns);
            Clicar(modal, "bFechar");
            if (modal->isVisible()) {
                modal->close(); // a failed close must not leave the test waiting
            }
        }
    });
    vigia.start(20);
    // clang-format off
    const std::pair<const char*, QWidget*> botoes[] = {
        {"bCaso1", nullptr}, {"Button11", nullptr}, {"Button1", Janela(fCaso2)}, {"Button2", Janela(fCaso3)},
        {"bCaso4", Janela(fCaso4)}, {"bCaso5", nullptr}, {"bCaso6", nullptr}, {"bCaso7", nullptr},
        {"Button3", nullptr}, {"Button4", nullptr}, {"Button12", Janela(fTab1)}, {"Button5", Janela(fCaso10)},
        {"Button6", nullptr}, {"Button13", nullptr}, {"Button7", nullptr}, {"Button8", nullptr},
        {"Button14", nullptr}, {"Button10", nullptr}, {"Button9", nullptr}, {"Button15", nullptr},
        {"Button16", Janela(fTab2)}};
    // clang-format on
    for (const auto& [botao, folha] : botoes) {
        abertas.clear();
        Clicar(fEns, botao);
        QVERIFY2(abertas == (folha ? QList{folha} : QList<QWidget*>{}), botao);
        QTRY_COMPARE(QApplication::activeWindow(), Janela(fEns));
        QCOMPARE(JanelasVisiveis(), QStringList({"TApres", "TfEns"}));
    }
    QVERIFY(catalogoFica);
    for (const bool caixa : {false, true}) {
        QVERIFY(MostrarEEsperar(fEns));
        caixa ? static_cast<void>(Janela(fEns)->close()) : Clicar(fEns, "bFechar");
        QCOMPARE(JanelasVisiveis(), QStringList{"TApres"});
    }
}

void TstJanelas::figuraDaFolha_data() {
    QTest::addColumn<IdTela>("folha");
    QTest::addColumn<QString>("recurso");
    QTest::newRow("caso 2") << fCaso2 << ":/figuras/caso2.svg";
    QTest::newRow("caso 3") << fCaso3 << ":/figuras/caso3.svg";
    QTest::newRow("caso 4") << fCaso4 << ":/figuras/caso4.svg";
    QTest::newRow("caso 10") << fCaso10 << ":/figuras/caso10.svg";
    QTest::newRow("areias") << fTab1 << ":/figuras/tabela1.svg";
    QTest::newRow("geotexteis") << fTab2 << ":/figuras/tabela2.svg";
}

// The 800 × 600 picture, unscaled from the top-left corner of a picture control smaller than it,
// so the table drawn on it must lie inside the control's area, which shows the picture's corner
// pixel for pixel.
void TstJanelas::figuraDaFolha() {
    QFETCH(IdTela, folha);
    QFETCH(QString, recurso);
    Tela* tela = Janela(folha);
    auto* imagem = Achar<QLabel>(tela, QStringLiteral("Image1"));
    const QImage figura = Folha::Figura(recurso);
    QCOMPARE(figura.size(), QSize(800, 600));
    QVERIFY(figura.colorCount() > 0 && figura.colorCount() <= 256);
    const QImage vista = imagem->pixmap().toImage();
    QCOMPARE(vista.size(), QSize(800, 600));
    const Desenho d = Desenhado(vista, figura);
    QCOMPARE(d.diferentes, 0);
    QVERIFY2(QRect(QPoint(0, 0), imagem->size()).adjusted(4, 4, -4, -4).contains(d.area),
             qPrintable(QStringLiteral("até (%1,%2)").arg(d.area.right()).arg(d.area.bottom())));
    QVERIFY(d.area.left() < 30 && d.area.top() < 30);
    QVERIFY(d.escuros > 3000); // a table with its text, not a blank or a stray line

    tela->show();
    QVERIFY(QTest::qWaitForWindowExposed(tela));
    QCOMPARE(imagem->grab().toImage().convertToFormat(QImage::Format_RGB32),
             vista.copy(imagem->rect()).convertToFormat(QImage::Format_RGB32));
    tela->hide();
}

// The sheets and the texts are made alike from their own descriptions: the content down to a
// panel along the window's whole bottom edge (a sheet's scroll box 5 pixels in from the other
// edges), the one close button inside the panel, in its middle on a sheet; each window with a
// name, a title and (a text screen) a text of its own.
void TstJanelas::feitasIgual() {
    QSet<QString> nomes, titulos, textos;
    for (const IdTela id :
         {fCaso2, fCaso3, fCaso4, fCaso10, fTab1, fTab2, HipKan, HipLow, Bibl, fAjuda1}) {
        const Tela* tela = Janela(id);
        const auto* memo = tela->findChild<QPlainTextEdit*>();
        const QWidget* conteudo = memo ? memo : Achar(tela, QStringLiteral("ScrollBox1"));
        const int m = memo ? 0 : 5;
        const QWidget* painel = Achar(tela, QStringLiteral("Panel1"));
        const QRect p = painel->geometry();
        QCOMPARE(p, QRect(0, tela->height() - p.height(), tela->width(), p.height()));
        QCOMPARE(conteudo->geometry(), QRect(m, m, tela->width() - 2 * m, p.top() - m));
        const QList<QPushButton*> botoes = painel->findChildren<QPushButton*>();
        QVERIFY2(botoes.size() == 1, qPrintable(tela->objectName()));
        const QRect b = botoes[0]->geometry();
        QVERIFY2(QRect(QPoint(), p.size()).contains(b), qPrintable(tela->objectName()));
        QVERIFY2(memo || qAbs(b.left() - (p.width() - 1 - b.right())) <= 1,
                 qPrintable(tela->objectName()));
        nomes << tela->objectName();
        titulos << tela->windowTitle();
        textos << (memo ? memo->toPlainText() : QString());
    }
    QCOMPARE(nomes.size(), 10);
    QCOMPARE(titulos.size(), 10);
    QVERIFY(!titulos.contains(QString()));
    QCOMPARE(textos.size(), 1 + 4); // the sheets' lack of one, and four texts
}

// The screen a text opens over, its button, the text, whether the text can be typed into.
using JanelaDeTexto = std::tuple<IdTela, const char*, IdTela, bool>;

void TstJanelas::textos_data() {
    QTest::addColumn<JanelaDeTexto>("caso");
    QTest::newRow("Hipóteses de Kaniraj") << JanelaDeTexto{Esquema, "bKan", HipKan, false};
    QTest::newRow("Hipóteses de Low") << JanelaDeTexto{Esquema, "bLow", HipLow, false};
    QTest::newRow("Bibliografia") << JanelaDeTexto{Esquema, "bBibl", Bibl, false};
    QTest::newRow("Ajuda do fator de segurança") << JanelaDeTexto{Geot, "bFS", fAjuda1, true};
}

// Each text opens modally over its opener (the references near the geometry screen's lower
// right). A reference can be read, not changed, and Enter in it does nothing; the help can be
// typed into. Tab leaves the text for the close button, whose Enter ends the modal run.
void TstJanelas::textos() {
    QFETCH(JanelaDeTexto, caso);
    const auto& [abridor, botao, texto, podeDigitar] = caso;
    const bool editavel = podeDigitar; // a copy for the modal step to capture
    Tela* tela = Janela(texto);
    Tela* sob = Janela(abridor);
    auto* memo = Achar<QPlainTextEdit>(tela, QStringLiteral("Memo1"));
    const QString antes = memo->toPlainText();
    QVERIFY(MostrarEEsperar(abridor));
    bool aberto = false, abaixoADireita = false, abertoDepoisDoEnter = false;
    QuandoModal([&](QWidget* modal) {
        aberto = modal == tela && sob->isVisible() && Tela::TelaAtiva() == sob;
        const QRect fora = sob->frameGeometry(), dentro = tela->frameGeometry();
        abaixoADireita = fora.contains(dentro) && dentro.center().x() > fora.center().x() &&
                         dentro.center().y() > fora.center().y();
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QTest::keyClicks(memo, QStringLiteral("xyz"));
        if (!editavel) {
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClick(memo, Qt::Key_Enter);
        }
        abertoDepoisDoEnter = tela->isVisible() && QApplication::activeModalWidget() == tela;
        QTest::keyClick(memo, Qt::Key_Tab); // onto the close button (cadaTela: the tab order)
        QTest::keyClick(Focado(), Qt::Key_Return);
        if (tela->isVisible()) {
            tela->close(); // a failed close must not leave the test waiting
        }
    });
    Clicar(abridor, botao);
    QVERIFY(aberto);
    QVERIFY(abaixoADireita || abridor != Esquema);
    QVERIFY(abertoDepoisDoEnter);
    QVERIFY(!tela->isVisible());
    QCOMPARE(memo->toPlainText() != antes, editavel);
    QTRY_COMPARE(QApplication::activeWindow(), sob);
    if (abridor == Geot) {
        QVERIFY(Janela(Geot)->close());
    }
}

// The geometry sketch at its own size on white: the brown soft layer, the dark red reinforcement,
// the white sky. The data-entry profile on the screen's own colour: light grey in its corner, the
// black outline of the section along its top.
void TstJanelas::figurasDasTelas() {
    const QImage esboco =
        Achar<QLabel>(Janela(Esquema), QStringLiteral("Image1"))->pixmap().toImage();
    QVERIFY(esboco.width() >= 337 && esboco.height() >= 217);
    int marrons = 0, vermelhos = 0, brancos = 0;
    for (int y = 0; y < 217; ++y) {
        for (int x = 0; x < 337; ++x) {
            const QColor c = esboco.pixelColor(x, y);
            marrons += c.red() > 150 && c.red() < 220 && c.green() > 120 && c.green() < 180 &&
                       c.blue() > 70 && c.blue() < 130;
            vermelhos += c.red() > 110 && c.green() < 40 && c.blue() < 40;
            brancos += c == Qt::white;
        }
    }
    QVERIFY2(marrons > 5000 && vermelhos > 200 && brancos > 10000,
             qPrintable(QStringLiteral("%1 %2 %3").arg(marrons).arg(vermelhos).arg(brancos)));

    QVERIFY(MostrarEEsperar(Entdad));
    const QWidget* perfil = Achar(Janela(Entdad), QStringLiteral("Image1"));
    const QImage tela = Janela(Entdad)->grab().toImage();
    QCOMPARE(tela.pixelColor(perfil->mapTo(Janela(Entdad), QPoint(2, 60))),
             QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(tela.pixelColor(perfil->mapTo(Janela(Entdad), QPoint(60, 22))).value(), 0);
}

// On a results screen the status bar shows the hint of the control under the pointer, else that of
// the nearest enclosing control with one (over the bar itself, the screen's own); outside the
// program's windows, none.
void TstJanelas::dicasDoMouse() {
    Janela(Apres)->move(2000, 0); // out of the pointer's way
    for (const IdTela id : {Solkan, Sollow}) {
        QVERIFY(MostrarEEsperar(id));
        Tela* tela = Janela(id);
        QList<QWidget*> controles{tela->findChild<QStatusBar*>()};
        for (QLineEdit* campo : tela->findChildren<QLineEdit*>()) {
            controles << campo;
        }
        for (QWidget* controle : controles) {
            QString dica;
            for (QWidget* w = controle; w && dica.isEmpty(); w = w->parentWidget()) {
                dica = w->statusTip();
            }
            QCursor::setPos(controle->mapToGlobal(controle->rect().center()));
            QTRY_COMPARE(tela->TextoStatus(), dica);
        }
        QCursor::setPos(tela->mapToGlobal(QPoint(-300, -300)));
        QTRY_COMPARE(tela->TextoStatus(), QString());
    }
}

QTEST_MAIN(TstJanelas)
#include "tst_janelas.moc"
