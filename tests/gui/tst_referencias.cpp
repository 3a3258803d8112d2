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
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace passos;

namespace {
Tela* TextoDeReferencia(const QString& botao) {
    if (botao == QLatin1String("bKan")) {
        return HipKan;
    }
    return botao == QLatin1String("bLow") ? static_cast<Tela*>(HipLow) : Bibl;
}

// Opens a reference text with its button on the geometry screen, runs the step inside its modal
// run (the step closes it), and tells whether it was open and modal over the geometry screen.
bool AbrirEExecutar(const QString& botao, std::function<void()> passo) {
    Tela* texto = TextoDeReferencia(botao);
    bool aberto = false;
    QuandoModal([&](QWidget* modal) {
        aberto = modal == texto && Esquema->isVisible() && Tela::TelaAtiva() == Esquema;
        passo();
        if (texto->isVisible()) {
            texto->close();
        }
    });
    QTest::mouseClick(Achar<QPushButton>(Esquema, botao), Qt::LeftButton);
    return aberto && !texto->isVisible();
}

QPlainTextEdit* Memo(const QWidget* texto) {
    return Achar<QPlainTextEdit>(texto, QStringLiteral("Memo1"));
}

// A bibliography entry read as one line: continuation lines, indented by two blanks, joined with
// one space. Empty when a continuation line is indented otherwise.
QString Junto(const QStringList& linhas) {
    QString s = linhas.first();
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        if (!linhas[i].startsWith(QStringLiteral("  ")) || linhas[i].at(2) == u' ') {
            return {};
        }
        s += u' ' + linhas[i].mid(2);
    }
    return s;
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
    void aberturaTemOsTextos();
    void ordemDeTab_data();
    void ordemDeTab();
    void sairDoEsquemaVoltaAAbertura();
    void esquemaMostraOEsboco();
    void textosDeReferencia_data();
    void textosDeReferencia();
    void hipotesesLinhaALinha_data();
    void hipotesesLinhaALinha();
    void bibliografiaSeisReferencias();
    void textoGuardaARolagem();
};

void TstReferencias::aberturaTemOsTextos() {
    ProgramaEmTeste programa;
    QStringList textos;
    for (const char* nome : {"Label1", "Label2", "Label3", "Label4"}) {
        textos << Achar<QLabel>(Apres, QString::fromLatin1(nome))->text();
    }
    QCOMPARE(textos, (QStringList{QStringLiteral("Veltra"),
                                  QStringLiteral("Dimensionamento de aterros sobre solos moles"),
                                  QStringLiteral("reforçados com geossintéticos"),
                                  QStringLiteral("Métodos de Kaniraj e de Low")}));
}

void TstReferencias::ordemDeTab_data() {
    QTest::addColumn<QString>("tela");
    QTest::addColumn<QStringList>("ordem");
    QTest::newRow("abertura") << "Apres" << QStringList{"bIni", "bSair"};
    QTest::newRow("esquema") << QStringLiteral("Esquema")
                             << QStringList{"bCont1", "bKan", "bLow", "bBibl", "bSair"};
}

// From the first focus, Tab walks the buttons in order and comes back to the first.
void TstReferencias::ordemDeTab() {
    QFETCH(QString, tela);
    QFETCH(QStringList, ordem);
    ProgramaEmTeste programa;
    QWidget* janela = tela == QLatin1String("Apres") ? static_cast<QWidget*>(Apres) : Esquema;
    QVERIFY(MostrarEEsperar(janela));
    for (int i = 0; i <= ordem.size(); ++i) {
        QVERIFY(Focado());
        QCOMPARE(Focado()->objectName(), ordem.at(i % ordem.size()));
        QTest::keyClick(Focado(), Qt::Key_Tab);
    }
    QVERIFY(janela->isActiveWindow());
}

void TstReferencias::sairDoEsquemaVoltaAAbertura() {
    ProgramaEmTeste programa;
    QTest::mouseClick(Botao(Apres, "bIni"), Qt::LeftButton);
    QVERIFY(EsperarAtiva(Esquema));
    QTest::keyClick(Esquema, Qt::Key_S, Qt::AltModifier); // "&Sair" by its accelerator
    QVERIFY(EsperarAtiva(Apres));
    QTRY_VERIFY(!Esquema->isVisible());
}

// Drawn, not blank: the brown soft layer, the dark red reinforcement and the white sky are there.
void TstReferencias::esquemaMostraOEsboco() {
    ProgramaEmTeste programa;
    const QImage esboco = Achar<QLabel>(Esquema, QStringLiteral("Image1"))->pixmap().toImage();
    QVERIFY(esboco.width() >= 337 && esboco.height() >= 217);
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

void TstReferencias::textosDeReferencia_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("fechar");
    QTest::addColumn<QString>("primeiroFoco");
    QTest::newRow("Kaniraj") << "bKan" << QStringLiteral("bFec1") << QStringLiteral("Memo1");
    QTest::newRow("Low") << "bLow" << QStringLiteral("bFec2") << QStringLiteral("bFec2");
    QTest::newRow("Bibliografia") << "bBibl" << QStringLiteral("bFec3") << QStringLiteral("bFec3");
}

// Each opens modally over the geometry screen, near its lower right, with its first focus. The text
// cannot be edited; Enter in it does nothing; Enter on "&Fechar" ends the modal run.
void TstReferencias::textosDeReferencia() {
    QFETCH(QString, botao);
    QFETCH(QString, fechar);
    QFETCH(QString, primeiroFoco);
    ProgramaEmTeste programa;
    Tela* texto = TextoDeReferencia(botao);
    QPlainTextEdit* memo = Memo(texto);
    const QString antes = memo->toPlainText();
    QVERIFY(MostrarEEsperar(Esquema));
    QString foco;
    bool abaixoADireita = false, abertoDepoisDoEnter = false, fechouComEnter = false;
    QVERIFY(AbrirEExecutar(botao, [&] {
        foco = Focado() ? Focado()->objectName() : QString();
        const QRect esquema = Esquema->frameGeometry();
        const QRect janela = texto->frameGeometry();
        abaixoADireita = esquema.contains(janela) && janela.center().x() > esquema.center().x() &&
                         janela.center().y() > esquema.center().y();
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        if (Focado() != memo) {
            return;
        }
        QTest::keyClicks(memo, QStringLiteral("xyz"));
        QTest::keyClick(memo, Qt::Key_Delete);
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_Enter);
        QTest::qWait(20);
        abertoDepoisDoEnter = texto->isVisible() && QApplication::activeModalWidget() == texto;
        QTest::keyClick(memo, Qt::Key_Tab);
        if (abertoDepoisDoEnter && Focado() == Achar<QPushButton>(texto, fechar)) {
            QTest::keyClick(Focado(), Qt::Key_Return);
            fechouComEnter = !texto->isVisible();
        }
    }));
    QCOMPARE(foco, primeiroFoco);
    QVERIFY(abaixoADireita);
    QVERIFY(abertoDepoisDoEnter);
    QVERIFY(fechouComEnter);
    QCOMPARE(memo->toPlainText(), antes);
    QVERIFY(EsperarAtiva(Esquema));
    QCOMPARE(Tela::TelaAtiva(), Esquema);
}

void TstReferencias::hipotesesLinhaALinha_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QStringList>("linhas");
    QTest::newRow("Kaniraj") << "bKan" << textoHipKan;
    QTest::newRow("Low") << "bLow" << textoHipLow;
}

void TstReferencias::hipotesesLinhaALinha() {
    QFETCH(QString, botao);
    QFETCH(QStringList, linhas);
    ProgramaEmTeste programa;
    QCOMPARE(Memo(TextoDeReferencia(botao))->toPlainText().split(u'\n'), linhas);
}

void TstReferencias::bibliografiaSeisReferencias() {
    ProgramaEmTeste programa;
    const QStringList linhas = Memo(Bibl)->toPlainText().split(u'\n');
    QCOMPARE(linhas.last(), QString()); // the list ends with an empty line
    // Entries: a line with the first author in capitals, then indented continuation lines.
    QList<QStringList> entradas;
    for (qsizetype i = 0; i + 1 < linhas.size(); ++i) {
        if (linhas[i].startsWith(QStringLiteral("  ")) && !entradas.isEmpty()) {
            entradas.last() << linhas[i];
        } else {
            entradas.append(QStringList{linhas[i]});
        }
    }
    QCOMPARE(entradas.size(), 6);
    const std::pair<const char*, QStringList> esperadas[] = {
        {"KANIRAJ",
         {QStringLiteral("Stability analysis of reinforced embankments on soft soils."),
          QStringLiteral("J. Geotech. Engng, ASCE"), QStringLiteral("118 (12)"),
          QStringLiteral("1992"), QStringLiteral("pp.1994-1999")}},
        {"KANIRAJ",
         {QStringLiteral(
              "Effect of berms and tension crack on the stability of embankments on soft soils."),
          QStringLiteral("Soils and Foundations"), QStringLiteral("33 (4)"), QStringLiteral("1993"),
          QStringLiteral("pp.99-107")}},
        {"KANIRAJ",
         {QStringLiteral("The effects of berms and tension crack on the maximum reinforcement "
                         "force in embankments on soft soils."),
          QStringLiteral("Geotextiles & Geomembranes"), QStringLiteral("13 (2)"),
          QStringLiteral("1994"), QStringLiteral("pp.101-117")}},
        {"KANIRAJ",
         {QStringLiteral(
              "Maximum required bisectorial reinforcement force in embankments on soft ground."),
          QStringLiteral("Geotextiles & Geomembranes"), QStringLiteral("13,"),
          QStringLiteral("1994"), QStringLiteral("pp.247-261")}},
        {"LOW",
         {QStringLiteral("Stability analysis of embankments on soft ground."),
          QStringLiteral("J. Geotechl Engng, ASCE"), QStringLiteral("V.115, N.2"),
          QStringLiteral("1989"), QStringLiteral("pp.211-227")}},
        {"LOW",
         {QStringLiteral("Slip circle analysis of reinforced embankments on soft ground."),
          QStringLiteral("Geotextiles & Geomembranes"), QStringLiteral("V.9"),
          QStringLiteral("1990"), QStringLiteral("pp.165-181")}},
    };
    for (int i = 0; i < 6; ++i) {
        const auto& [autor, partes] = esperadas[i];
        const QString junto = Junto(entradas[i]);
        QVERIFY2(entradas[i].size() == 3 || entradas[i].size() == 4,
                 qPrintable(entradas[i].join(u'|')));
        QVERIFY2(junto.startsWith(QLatin1String(autor) + u' '), qPrintable(entradas[i].join(u'|')));
        for (const QString& parte : partes) {
            QVERIFY2(junto.contains(parte), qPrintable(junto + QStringLiteral(" <- ") + parte));
        }
        // The other authors are not named.
        QCOMPARE(junto.count(QLatin1String(autor)), 1);
    }
}

// Scrolled to the end and closed, the text opens again where it was left.
void TstReferencias::textoGuardaARolagem() {
    ProgramaEmTeste programa;
    QPlainTextEdit* memo = Memo(HipLow);
    QVERIFY(MostrarEEsperar(Esquema));
    int rolagem = -1;
    QVERIFY(AbrirEExecutar(QStringLiteral("bLow"), [&] {
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
        rolagem = memo->verticalScrollBar()->value();
    }));
    QVERIFY(rolagem > 0); // the text is longer than the area
    int rolagemNaVolta = -1;
    QVERIFY(AbrirEExecutar(QStringLiteral("bLow"),
                           [&] { rolagemNaVolta = memo->verticalScrollBar()->value(); }));
    QCOMPARE(rolagemNaVolta, rolagem);
}

QTEST_MAIN(TstReferencias)
#include "tst_referencias.moc"
