// The opening screen, the geometry screen and the three reference texts it opens, driven as the
// user drives them.

#include "support/Apoio.h"

#include "screens/Tela.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"
#include "screens/uBibl.h"
#include "screens/uEsquema.h"
#include "screens/uHipKan.h"
#include "screens/uHipLow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {
QPushButton* Botao(const QWidget* tela, const char* nome) {
    return Achar<QPushButton>(tela, QString::fromLatin1(nome));
}

Tela* TextoDeReferencia(const QString& nome) {
    if (nome == QLatin1String("THipKan")) {
        return HipKan;
    }
    if (nome == QLatin1String("THipLow")) {
        return HipLow;
    }
    return Bibl;
}

// Opens a reference text with its button on the geometry screen, runs the step inside its modal
// run (the step closes it), and tells whether it was open and modal over the geometry screen.
bool AbrirEExecutar(const char* botao, Tela* texto, std::function<void()> passo) {
    bool aberto = false;
    QuandoModal([&](QWidget* modal) {
        aberto = modal == texto && Esquema->isVisible() && Tela::TelaAtiva() == Esquema;
        passo();
        if (texto->isVisible()) {
            texto->close();
        }
    });
    QTest::mouseClick(Botao(Esquema, botao), Qt::LeftButton);
    return aberto && !texto->isVisible();
}

const QStringList textoHipKan = {
    QStringLiteral("- calcula a tensão no reforço atuando na bissetriz"),
    QStringLiteral("  entre o plano horizontal (plano do reforço) e a"),
    QStringLiteral("  tangente à cunha de ruptura;"),
    QStringLiteral("- admite a consideração de bermas de equilíbrio, de"),
    QStringLiteral("  reforço plano acima do nível da fundação (a) e de"),
    QStringLiteral("  trinca de tração em toda a altura do aterro;"),
    QStringLiteral("- o método não adimite cunhas de ruptura"),
    QStringLiteral("  interseptando a berma."),
    QString(),
};

const QStringList textoHipLow = {
    QStringLiteral("- em função do fator de segurança global sem reforço"),
    QStringLiteral("  de uma cunha circular de ruptura passando à"),
    QStringLiteral("  profundidade D na fundação, permite calcular a"),
    QStringLiteral("  solicitação no reforço necessária para garantir o"),
    QStringLiteral("  fator de segurança desejado;"),
    QStringLiteral("- determina a solicitação atuando na horizontal ou na"),
    QStringLiteral("  direção paralela à bissetriz entre a horizontal e a"),
    QStringLiteral("  tangente à cunha de ruptura;"),
    QStringLiteral("- não permite considerar bermas de equilíbrio, trincas"),
    QStringLiteral("  de tração e reforço acima da interface;"),
    QStringLiteral("- analisa cunhas para 0,5 < D/H < 5;"),
    QStringLiteral("- K1 = K2 = a = 0."),
};
} // namespace

class TstReferencias : public QObject {
    Q_OBJECT
private slots:
    void aberturaTemOsTextosEOsBotoes();
    void iniciarMostraOEsquema();
    void sairDaAberturaFechaOPrograma();
    void esquemaTemOsEnunciadosEOsBotoes();
    void esquemaMostraOEsboco();
    void continuarMostraAEntradaDeDados();
    void sairDoEsquemaVoltaAAbertura();
    void textosDeReferencia_data();
    void textosDeReferencia();
    void hipotesesDeKanirajLinhaALinha();
    void hipotesesDeLowLinhaALinha();
    void bibliografiaSeisReferencias();
    void enterNasHipotesesDeKaniraj();
    void enterNasHipotesesDeLowENaBibliografia_data();
    void enterNasHipotesesDeLowENaBibliografia();
    void textoNaoSeEditaEGuardaARolagem();
};

void TstReferencias::aberturaTemOsTextosEOsBotoes() {
    ProgramaEmTeste programa;
    QStringList textos;
    for (const char* nome : {"Label1", "Label2", "Label3", "Label4"}) {
        textos << Achar<QLabel>(Apres, QString::fromLatin1(nome))->text();
    }
    QCOMPARE(textos, (QStringList{QStringLiteral("Veltra"),
                                  QStringLiteral("Dimensionamento de aterros sobre solos moles"),
                                  QStringLiteral("reforçados com geossintéticos"),
                                  QStringLiteral("Métodos de Kaniraj e de Low")}));
    auto* titulo = Achar<QLabel>(Apres, QStringLiteral("Label1"));
    QVERIFY(titulo->font().pointSize() > 2 * QApplication::font().pointSize());
    QVERIFY(titulo->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(Botao(Apres, "bIni")->text(), QStringLiteral("&Iniciar"));
    QCOMPARE(Botao(Apres, "bSair")->text(), QStringLiteral("&Sair"));
    QVERIFY(Botao(Apres, "bIni")->isDefault());
    // bIni bottom left, bSair bottom right.
    QVERIFY(Botao(Apres, "bIni")->x() < Apres->width() / 4);
    QVERIFY(Botao(Apres, "bSair")->geometry().right() > Apres->width() * 3 / 4);
    QCOMPARE(QApplication::focusWidget(), Botao(Apres, "bIni"));
    QCOMPARE(Botao(Apres, "bIni")->nextInFocusChain(), Botao(Apres, "bSair"));
}

void TstReferencias::iniciarMostraOEsquema() {
    ProgramaEmTeste programa;
    // Enter presses "&Iniciar", the default button with the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(EsperarAtiva(Esquema));
    QVERIFY(Apres->isVisible());
    QCOMPARE(QApplication::focusWidget(), Botao(Esquema, "bCont1"));
}

void TstReferencias::sairDaAberturaFechaOPrograma() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    QVERIFY(MostrarEEsperar(Apres));
    QTimer guarda;
    guarda.setSingleShot(true);
    connect(&guarda, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
    guarda.start(5000);
    QTimer::singleShot(0, qApp, [] { QTest::mouseClick(Botao(Apres, "bSair"), Qt::LeftButton); });
    const int codigo = QApplication::exec();
    guarda.stop();
    QCOMPARE(codigo, 0);
    QVERIFY(!Apres->isVisible());
}

void TstReferencias::esquemaTemOsEnunciadosEOsBotoes() {
    ProgramaEmTeste programa;
    // Each statement starts with "- "; wrapped lines continue indented.
    auto enunciado = [](const char* nome) -> QStringList {
        const QStringList linhas =
            Achar<QLabel>(Esquema, QString::fromLatin1(nome))->text().split(u'\n');
        for (qsizetype i = 1; i < linhas.size(); ++i) {
            if (!linhas[i].startsWith(QStringLiteral("  ")) || linhas[i].at(2) == u' ') {
                return {QStringLiteral("linha mal recuada: ") + linhas[i]};
            }
        }
        return linhas;
    };
    auto junto = [](const QStringList& linhas) {
        QString s = linhas.first();
        for (qsizetype i = 1; i < linhas.size(); ++i) {
            s += u' ' + linhas[i].mid(2);
        }
        return s;
    };
    const auto e1 = enunciado("Label1");
    QCOMPARE(junto(e1), QStringLiteral("- cunha circular de ruptura passando à profundidade D na "
                                       "fundação e pela crista do atero;"));
    const auto e2 = enunciado("Label2");
    QCOMPARE(junto(e2), QStringLiteral("- Métodos de Kaniraj e de Low: calculam a solicitação "
                                       "máxima no reforço para  determinado fator de segurança "
                                       "global que se deseje alcançar;"));
    const auto e3 = enunciado("Label3");
    QCOMPARE(e3.last(),
             QStringLiteral("  resistência ao cisalhamento não drenada da fundação  e geometria."));
    QCOMPARE(junto(e3.mid(0, e3.size() - 1)),
             QStringLiteral("- parâmetros de entrada: peso específico aparente total e "
                            "resistência ao cisalhamento do aterro;"));

    // The column of buttons at the right, 121 pixels wide, in tab order.
    const QList<QPair<const char*, QString>> botoes = {
        {"bCont1", QStringLiteral("&Continuar")},
        {"bKan", QStringLiteral("Hipóteses de &Kaniraj")},
        {"bLow", QStringLiteral("Hipóteses de &Low")},
        {"bBibl", QStringLiteral("&Bibliografia")},
        {"bSair", QStringLiteral("&Sair")},
    };
    QWidget* anterior = nullptr;
    for (const auto& [nome, legenda] : botoes) {
        QPushButton* b = Botao(Esquema, nome);
        QCOMPARE(b->text(), legenda);
        QCOMPARE(b->width(), 121);
        QVERIFY(b->x() > Achar<QLabel>(Esquema, QStringLiteral("Image1"))->geometry().right());
        if (anterior) {
            QCOMPARE(anterior->nextInFocusChain(), b);
            QVERIFY(b->y() > anterior->y());
        }
        anterior = b;
    }
    QVERIFY(Botao(Esquema, "bCont1")->isDefault());
    QCOMPARE(Esquema->windowTitle(), QStringLiteral("Geometria e hipóteses"));
}

void TstReferencias::esquemaMostraOEsboco() {
    ProgramaEmTeste programa;
    auto* imagem = Achar<QLabel>(Esquema, QStringLiteral("Image1"));
    QCOMPARE(imagem->size(), QSize(337, 217));
    QCOMPARE(imagem->pos(), QPoint(8, 8));
    const QImage esboco = imagem->pixmap().toImage();
    QVERIFY(esboco.width() >= 337 && esboco.height() >= 217);
    // Drawn, not blank: the brown soft layer, the dark red reinforcement and white sky are there.
    int marrons = 0, vermelhos = 0, brancos = 0;
    for (int y = 0; y < 217; ++y) {
        for (int x = 0; x < 337; ++x) {
            const QColor c = esboco.pixelColor(x, y);
            marrons += (c.red() > 150 && c.red() < 220 && c.green() > 120 && c.green() < 180 &&
                        c.blue() > 70 && c.blue() < 130);
            vermelhos += (c.red() > 110 && c.green() < 40 && c.blue() < 40);
            brancos += c == Qt::white;
        }
    }
    QVERIFY2(marrons > 5000, qPrintable(QString::number(marrons)));
    QVERIFY2(vermelhos > 200, qPrintable(QString::number(vermelhos)));
    QVERIFY2(brancos > 10000, qPrintable(QString::number(brancos)));
}

void TstReferencias::continuarMostraAEntradaDeDados() {
    ProgramaEmTeste programa;
    QTest::mouseClick(Botao(Apres, "bIni"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Esquema));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the default "&Continuar"
    QVERIFY(EsperarAtiva(Entdad));
    QTRY_VERIFY(!Esquema->isVisible());
}

void TstReferencias::sairDoEsquemaVoltaAAbertura() {
    ProgramaEmTeste programa;
    QTest::mouseClick(Botao(Apres, "bIni"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Esquema));
    QTest::keyClick(Esquema, Qt::Key_S, Qt::AltModifier); // "&Sair" by its accelerator
    QVERIFY(EsperarAtiva(Apres));
    QTRY_VERIFY(!Esquema->isVisible());
    QVERIFY(Apres->isVisible());
}

void TstReferencias::textosDeReferencia_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QSize>("tamanho");
    QTest::addColumn<QString>("fechar");
    QTest::addColumn<QString>("primeiroFoco");
    QTest::newRow("Kaniraj") << "bKan"
                             << "THipKan" << QStringLiteral("Hipóteses de Kaniraj")
                             << QSize(282, 170) << "bFec1"
                             << "Memo1";
    QTest::newRow("Low") << "bLow"
                         << "THipLow" << QStringLiteral("Hipóteses de Low") << QSize(283, 169)
                         << "bFec2"
                         << "bFec2";
    QTest::newRow("Bibliografia") << "bBibl"
                                  << "TBibl" << QStringLiteral("Bibliografia") << QSize(282, 169)
                                  << "bFec3"
                                  << "bFec3";
}

// Each opens modally over the geometry screen with its first focus, and "&Fechar" ends it.
void TstReferencias::textosDeReferencia() {
    QFETCH(QString, botao);
    QFETCH(QString, classe);
    QFETCH(QString, titulo);
    QFETCH(QSize, tamanho);
    QFETCH(QString, fechar);
    QFETCH(QString, primeiroFoco);
    ProgramaEmTeste programa;
    Tela* texto = TextoDeReferencia(classe);
    QCOMPARE(texto->objectName(), classe);
    QCOMPARE(texto->windowTitle(), titulo);
    QCOMPARE(texto->size(), tamanho);
    QCOMPARE(texto->tipo(), Tela::Tipo::Modal);
    auto* b = Achar<QPushButton>(texto, fechar);
    QCOMPARE(b->text(), QStringLiteral("&Fechar"));
    QVERIFY(b->isDefault());
    auto* painel = Achar<QFrame>(texto, QStringLiteral("Panel1"));
    QVERIFY(painel->height() == 30 || painel->height() == 31);
    QCOMPARE(painel->geometry().bottom(), texto->height() - 1);
    QVERIFY(b->parentWidget() == painel && b->geometry().right() > painel->width() * 3 / 4);
    QCOMPARE(Achar<QPlainTextEdit>(texto, QStringLiteral("Memo1"))->geometry().bottom(),
             painel->y() - 1);

    QVERIFY(MostrarEEsperar(Esquema));
    QString foco;
    bool abaixoADireita = false;
    QVERIFY(AbrirEExecutar(qPrintable(botao), texto, [&] {
        foco = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        // Near the lower right of the geometry screen, inside it.
        const QRect esquema = Esquema->frameGeometry();
        const QRect janela = texto->frameGeometry();
        abaixoADireita = esquema.contains(janela) && janela.center().x() > esquema.center().x() &&
                         janela.center().y() > esquema.center().y();
        QTest::mouseClick(b, Qt::LeftButton);
    }));
    QCOMPARE(foco, primeiroFoco);
    QVERIFY(abaixoADireita);
    QVERIFY(EsperarAtiva(Esquema));
    QCOMPARE(Tela::TelaAtiva(), Esquema);
}

void TstReferencias::hipotesesDeKanirajLinhaALinha() {
    ProgramaEmTeste programa;
    QCOMPARE(Achar<QPlainTextEdit>(HipKan, QStringLiteral("Memo1"))->toPlainText().split(u'\n'),
             textoHipKan);
}

void TstReferencias::hipotesesDeLowLinhaALinha() {
    ProgramaEmTeste programa;
    QCOMPARE(Achar<QPlainTextEdit>(HipLow, QStringLiteral("Memo1"))->toPlainText().split(u'\n'),
             textoHipLow);
}

void TstReferencias::bibliografiaSeisReferencias() {
    ProgramaEmTeste programa;
    const QStringList linhas =
        Achar<QPlainTextEdit>(Bibl, QStringLiteral("Memo1"))->toPlainText().split(u'\n');
    QVERIFY(!linhas.isEmpty());
    QCOMPARE(linhas.last(), QString()); // the list ends with an empty line
    // Entries: a line with the first author in capitals, then indented continuation lines.
    QList<QStringList> entradas;
    for (qsizetype i = 0; i + 1 < linhas.size(); ++i) {
        if (linhas[i].startsWith(QStringLiteral("  "))) {
            QVERIFY2(!entradas.isEmpty(), qPrintable(linhas[i]));
            entradas.last() << linhas[i];
        } else {
            entradas.append(QStringList{linhas[i]});
        }
    }
    QCOMPARE(entradas.size(), 6);
    struct Referencia {
        const char* autor;
        QString titulo, revista, volume, ano, paginas;
    };
    const Referencia esperadas[] = {
        {"KANIRAJ", QStringLiteral("Stability analysis of reinforced embankments on soft soils."),
         QStringLiteral("J. Geotech. Engng, ASCE"), QStringLiteral("118 (12)"),
         QStringLiteral("1992"), QStringLiteral("pp.1994-1999")},
        {"KANIRAJ",
         QStringLiteral(
             "Effect of berms and tension crack on the stability of embankments on soft soils."),
         QStringLiteral("Soils and Foundations"), QStringLiteral("33 (4)"), QStringLiteral("1993"),
         QStringLiteral("pp.99-107")},
        {"KANIRAJ",
         QStringLiteral("The effects of berms and tension crack on the maximum reinforcement "
                        "force in embankments on soft soils."),
         QStringLiteral("Geotextiles & Geomembranes"), QStringLiteral("13 (2)"),
         QStringLiteral("1994"), QStringLiteral("pp.101-117")},
        {"KANIRAJ",
         QStringLiteral(
             "Maximum required bisectorial reinforcement force in embankments on soft ground."),
         QStringLiteral("Geotextiles & Geomembranes"), QStringLiteral("13,"),
         QStringLiteral("1994"), QStringLiteral("pp.247-261")},
        {"LOW", QStringLiteral("Stability analysis of embankments on soft ground."),
         QStringLiteral("J. Geotechl Engng, ASCE"), QStringLiteral("V.115, N.2"),
         QStringLiteral("1989"), QStringLiteral("pp.211-227")},
        {"LOW", QStringLiteral("Slip circle analysis of reinforced embankments on soft ground."),
         QStringLiteral("Geotextiles & Geomembranes"), QStringLiteral("V.9"),
         QStringLiteral("1990"), QStringLiteral("pp.165-181")},
    };
    for (int i = 0; i < 6; ++i) {
        const QStringList& e = entradas[i];
        QVERIFY2(e.size() == 3 || e.size() == 4, qPrintable(e.join(u'|')));
        QVERIFY2(e.first().startsWith(QLatin1String(esperadas[i].autor) + u' '),
                 qPrintable(e.first()));
        for (qsizetype j = 1; j < e.size(); ++j) {
            QVERIFY(e[j].startsWith(QStringLiteral("  ")) && e[j].at(2) != u' ');
        }
        // The entry read as one line, continuation lines joined with one space.
        QString junto = e.first();
        for (qsizetype j = 1; j < e.size(); ++j) {
            junto += u' ' + e[j].mid(2);
        }
        for (const QString& parte : {esperadas[i].titulo, esperadas[i].revista, esperadas[i].volume,
                                     esperadas[i].ano, esperadas[i].paginas}) {
            QVERIFY2(junto.contains(parte), qPrintable(junto + QStringLiteral(" <- ") + parte));
        }
        // The other authors are not named.
        QCOMPARE(junto.count(QLatin1String(esperadas[i].autor)), 1);
    }
}

// In the text area Enter does nothing; on the button it closes. THipKan opens in the text area.
void TstReferencias::enterNasHipotesesDeKaniraj() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Esquema));
    bool abertoDepoisDoEnter = false;
    bool fechouComTabEnter = false;
    QVERIFY(AbrirEExecutar("bKan", HipKan, [&] {
        auto* memo = Achar<QPlainTextEdit>(HipKan, QStringLiteral("Memo1"));
        if (QApplication::focusWidget() != memo) {
            return;
        }
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_Enter);
        QTest::qWait(20);
        abertoDepoisDoEnter = HipKan->isVisible() && QApplication::activeModalWidget() == HipKan;
        if (!abertoDepoisDoEnter) {
            return;
        }
        QTest::keyClick(memo, Qt::Key_Tab);
        if (QApplication::focusWidget() == Botao(HipKan, "bFec1")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            fechouComTabEnter = !HipKan->isVisible();
        }
    }));
    QVERIFY(abertoDepoisDoEnter);
    QVERIFY(fechouComTabEnter);
}

void TstReferencias::enterNasHipotesesDeLowENaBibliografia_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("classe");
    QTest::newRow("Low") << "bLow"
                         << "THipLow";
    QTest::newRow("Bibliografia") << "bBibl"
                                  << "TBibl";
}

// These open on their button: Enter closes them at once; in the text area it does nothing.
void TstReferencias::enterNasHipotesesDeLowENaBibliografia() {
    QFETCH(QString, botao);
    QFETCH(QString, classe);
    ProgramaEmTeste programa;
    Tela* texto = TextoDeReferencia(classe);
    auto* memo = Achar<QPlainTextEdit>(texto, QStringLiteral("Memo1"));
    QVERIFY(MostrarEEsperar(Esquema));
    bool fechouComEnter = false;
    QVERIFY(AbrirEExecutar(qPrintable(botao), texto, [&] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        fechouComEnter = !texto->isVisible();
    }));
    QVERIFY(fechouComEnter);

    bool abertoDepoisDoEnter = false;
    QVERIFY(AbrirEExecutar(qPrintable(botao), texto, [&] {
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        if (QApplication::focusWidget() == memo) {
            QTest::keyClick(memo, Qt::Key_Return);
            abertoDepoisDoEnter = texto->isVisible();
        }
    }));
    QVERIFY(abertoDepoisDoEnter);
}

void TstReferencias::textoNaoSeEditaEGuardaARolagem() {
    ProgramaEmTeste programa;
    auto* memo = Achar<QPlainTextEdit>(HipLow, QStringLiteral("Memo1"));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const QString antes = memo->toPlainText();
    QVERIFY(MostrarEEsperar(Esquema));
    int rolagem = -1;
    QVERIFY(AbrirEExecutar("bLow", HipLow, [&] {
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QTest::keyClicks(memo, QStringLiteral("xyz"));
        QTest::keyClick(memo, Qt::Key_Delete);
        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier); // to the end of the text
        rolagem = memo->verticalScrollBar()->value();
        QTest::mouseClick(Botao(HipLow, "bFec2"), Qt::LeftButton);
    }));
    QCOMPARE(memo->toPlainText(), antes);
    QVERIFY(rolagem > 0); // the text is longer than the area
    int rolagemNaVolta = -1;
    QVERIFY(AbrirEExecutar("bLow", HipLow, [&] {
        rolagemNaVolta = memo->verticalScrollBar()->value();
        QTest::mouseClick(Botao(HipLow, "bFec2"), Qt::LeftButton);
    }));
    QCOMPARE(rolagemNaVolta, rolagem);
}

QTEST_MAIN(TstReferencias)
#include "tst_referencias.moc"
