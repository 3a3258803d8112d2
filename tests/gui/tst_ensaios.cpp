// The test-results catalogue: the six buttons that open a picture sheet modally over it, the
// fifteen that do nothing, and its ways of going away.

#include "support/Apoio.h"

#include "screens/Tela.h"
#include "screens/Uapres.h"
#include "screens/uEns.h"
#include "screens/uEsquema.h"
#include "screens/uGeotextil.h"
#include "screens/uTab2.h"

#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {
// What the user sees while a sheet opened from the catalogue is on screen; the step closes it.
struct FolhaVista {
    QWidget* modal = nullptr;
    bool ativa = false, catalogoVisivel = false, catalogoContinuaATela = false;
};

void VerEFecharFolha(FolhaVista& visto) {
    QuandoModal([&visto](QWidget* modal) {
        visto.modal = modal;
        visto.ativa = QApplication::activeWindow() == modal;
        visto.catalogoVisivel = fEns->isVisible();
        visto.catalogoContinuaATela = Tela::TelaAtiva() == fEns;
        QTest::mouseClick(Achar<QPushButton>(modal, QStringLiteral("bFechar")), Qt::LeftButton);
        if (modal->isVisible()) {
            modal->close(); // a failed close must not leave the test waiting
        }
    });
}

const QStringList kSoOCatalogo = {QStringLiteral("TApres"), QStringLiteral("TfEns")};
} // namespace

class TstEnsaios : public QObject {
    Q_OBJECT
private slots:
    void cadaBotao_data();
    void cadaBotao();
    void saidasSoEscondem_data();
    void saidasSoEscondem();
    void sobreATelaDeAncoragem();
};

void TstEnsaios::cadaBotao_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("legenda");
    QTest::addColumn<QString>("folha"); // empty: the button does nothing
    const QString nada;
    // clang-format off
    QTest::newRow("bCaso1") << "bCaso1" << "Caso &1" << nada;
    QTest::newRow("Button11") << "Button11" << "Tabela de &Britas" << nada;
    QTest::newRow("Button1") << "Button1" << "Caso &2" << "TfCaso2";
    QTest::newRow("Button2") << "Button2" << "Caso &3" << "TfCaso3";
    QTest::newRow("bCaso4") << "bCaso4" << "Caso &4" << "TfCaso4";
    QTest::newRow("bCaso5") << "bCaso5" << "Caso &5" << nada;
    QTest::newRow("bCaso6") << "bCaso6" << "Caso &6" << nada;
    QTest::newRow("bCaso7") << "bCaso7" << "Caso &7" << nada;
    QTest::newRow("Button3") << "Button3" << "Caso &8" << nada;
    QTest::newRow("Button4") << "Button4" << "Caso &9" << nada;
    QTest::newRow("Button12") << "Button12" << "Tabela de &Areias" << "TfTab1";
    QTest::newRow("Button5") << "Button5" << "Caso 1&0" << "TfCaso10";
    QTest::newRow("Button6") << "Button6" << "Caso 11" << nada;
    QTest::newRow("Button13") << "Button13" << "Tabela de A&rgilas" << nada;
    QTest::newRow("Button7") << "Button7" << "Caso 12" << nada;
    QTest::newRow("Button8") << "Button8" << "Caso 13" << nada;
    QTest::newRow("Button14") << "Button14" << "Tabela de &Siltes" << nada;
    QTest::newRow("Button10") << "Button10" << "Caso 14" << nada;
    QTest::newRow("Button9") << "Button9" << "Caso 15" << nada;
    QTest::newRow("Button15") << "Button15" << "Tabela de &Pedriscos e Seixos" << nada;
    QTest::newRow("Button16") << "Button16" << "Parâmetros dos &geotêxteis" << "TfTab2";
    // clang-format on
}

// Pressed by mouse and by its underlined letter. A sheet runs modally over the catalogue, which
// stays on screen and is the active screen again after the sheet's close button; any other button
// opens nothing, hides nothing and says nothing, however often pressed.
void TstEnsaios::cadaBotao() {
    QFETCH(QString, botao);
    QFETCH(QString, legenda);
    QFETCH(QString, folha);

    ProgramaEmTeste programa;
    auto* b = Achar<QPushButton>(fEns, botao);
    QCOMPARE(b->text(), legenda);
    QVERIFY(MostrarEEsperar(fEns));
    const int amp = legenda.indexOf(QLatin1Char('&'));
    auto apertar = [&](bool pelaLetra) {
        if (pelaLetra && amp >= 0) { // the letter clicks after a short delay
            const QChar letra = legenda.at(amp + 1).toUpper();
            QTest::keyClick(fEns, Qt::Key(letra.unicode()), Qt::AltModifier);
        } else {
            QTest::mouseClick(b, Qt::LeftButton);
        }
    };

    if (!folha.isEmpty()) {
        Tela* f = TelaPeloNome(folha);
        for (const bool pelaLetra : {false, true}) {
            FolhaVista visto;
            VerEFecharFolha(visto);
            apertar(pelaLetra);
            QTRY_VERIFY(visto.modal != nullptr);
            QCOMPARE(visto.modal, static_cast<QWidget*>(f));
            QVERIFY(visto.ativa);
            QVERIFY(visto.catalogoVisivel);
            QVERIFY(visto.catalogoContinuaATela);
            QTRY_VERIFY(!f->isVisible());
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(fEns));
            QCOMPARE(Tela::TelaAtiva(), fEns);
        }
    } else {
        QStringList modaisAbertas; // should a modal window open after all, closed and named
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modaisAbertas << modal->objectName();
                modal->close();
            }
        });
        vigia.start(50);
        for (int vez = 0; vez < 6; ++vez) {
            apertar(vez % 2 == 1);
        }
        QTest::qWait(250);
        QCOMPARE(modaisAbertas, QStringList());
        QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(fEns));
        QCOMPARE(Tela::TelaAtiva(), fEns);
    }
    QCOMPARE(JanelasVisiveis(), kSoOCatalogo);
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

void TstEnsaios::saidasSoEscondem_data() {
    QTest::addColumn<int>("saida");
    QTest::newRow("&Fechar") << 0;
    QTest::newRow("Alt+F") << 1;
    QTest::newRow("caixa de fechar") << 2;
    QTest::newRow("outra tela ativa") << 3;
    QTest::newRow("tela de abertura ativa") << 4;
}

// Each way out hides the catalogue and nothing else; "&Ensaios" shows it again later.
void TstEnsaios::saidasSoEscondem() {
    QFETCH(int, saida);
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(fEns));
    switch (saida) {
    case 0:
        QTest::mouseClick(Achar<QPushButton>(fEns, QStringLiteral("bFechar")), Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(fEns, Qt::Key_F, Qt::AltModifier);
        break;
    case 2:
        QVERIFY(fEns->windowHandle()->close());
        break;
    case 3:
        QVERIFY(MostrarEEsperar(Esquema));
        break;
    default:
        QVERIFY(MostrarEEsperar(Apres));
    }
    QTRY_VERIFY(!fEns->isVisible());
    QTest::qWait(50);
    QVERIFY(Apres->isVisible()); // the program goes on
    QVERIFY(MostrarEEsperar(fEns));
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

// From the anchorage screen's "&Ensaios": that screen stays open under the catalogue and its
// sheets, and is what the user is left with when the catalogue closes.
void TstEnsaios::sobreATelaDeAncoragem() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Geot));
    QTest::mouseClick(Achar<QPushButton>(Geot, QStringLiteral("bEns")), Qt::LeftButton);
    QVERIFY(EsperarAtiva(fEns));
    QVERIFY(Geot->isVisible());

    FolhaVista visto;
    VerEFecharFolha(visto);
    QTest::mouseClick(Achar<QPushButton>(fEns, QStringLiteral("Button16")), Qt::LeftButton);
    QTRY_COMPARE(visto.modal, static_cast<QWidget*>(fTab2));
    QVERIFY(visto.catalogoVisivel);
    QVERIFY(Geot->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(fEns));

    QTest::mouseClick(Achar<QPushButton>(fEns, QStringLiteral("bFechar")), Qt::LeftButton);
    QVERIFY(!fEns->isVisible());
    QCOMPARE(JanelasVisiveis(), QStringList({QStringLiteral("TApres"), QStringLiteral("TGeot")}));
}

QTEST_MAIN(TstEnsaios)
#include "tst_ensaios.moc"
