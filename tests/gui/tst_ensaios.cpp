// The test-results catalogue: its texts and two-column arrangement, the six buttons that open a
// picture sheet modally over it, the fifteen that do nothing, and its ways of going away.

#include "support/Apoio.h"

#include "screens/Tela.h"
#include "screens/Uapres.h"
#include "screens/uEns.h"
#include "screens/uEsquema.h"
#include "screens/uGeotextil.h"
#include "screens/uTab2.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QWindow>

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

QStringList JanelasVisiveis() {
    QStringList nomes;
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (janela->isVisible()) {
            nomes << janela->objectName();
        }
    }
    nomes.sort();
    return nomes;
}

QString SemAcelerador(QString texto) {
    return texto.remove(QLatin1Char('&'));
}

// What the user sees after a sheet opened from the catalogue has been closed again.
struct FolhaVista {
    bool feito = false;
    bool ativa = false;
    bool modal = false;
    bool catalogoVisivel = false;
    bool catalogoContinuaATela = false;
    QString outraJanela; // a modal window other than the sheet, closed unseen
};

// Lets `abrir` open the sheet; as soon as the sheet is on screen (inside its modal run) looks at
// it and closes it with its button. A sheet that never opens leaves `feito` false.
template <class Abrir> FolhaVista AbrirEFechar(Tela* folha, Abrir abrir) {
    FolhaVista visto;
    QTimer vigia;
    vigia.setInterval(10);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != folha) {
            visto.outraJanela = modal->objectName();
            modal->close();
            return;
        }
        if (visto.feito || !folha->isVisible()) {
            return;
        }
        vigia.stop();
        visto.feito = true;
        visto.ativa = EsperarAtiva(folha);
        visto.modal = QApplication::activeModalWidget() == folha;
        visto.catalogoVisivel = fEns->isVisible();
        visto.catalogoContinuaATela = Tela::TelaAtiva() == fEns;
        QTest::mouseClick(Achar<QPushButton>(folha, QStringLiteral("bFechar")), Qt::LeftButton);
        if (folha->isVisible()) {
            folha->Fechar(); // a failed close must not leave the test waiting
        }
    });
    vigia.start();
    abrir();
    QTest::qWaitFor([&] { return visto.feito && !folha->isVisible(); }, 3000);
    return visto;
}
} // namespace

class TstEnsaios : public QObject {
    Q_OBJECT
private slots:
    void janelaERotulo();
    void botoesNosGrupos_data();
    void botoesNosGrupos();
    void duasColunas();
    void seisBotoesAbremSuaFolha_data();
    void seisBotoesAbremSuaFolha();
    void aceleradoresAbremAFolha_data();
    void aceleradoresAbremAFolha();
    void quinzeBotoesNaoFazemNada();
    void fecharSoEsconde();
    void caixaDeFecharSoEsconde();
    void outraTelaAtivaEsconde();
    void sobreATelaDeAncoragem();
};

void TstEnsaios::janelaERotulo() {
    ProgramaEmTeste programa;
    QCOMPARE(fEns->windowTitle(), QStringLiteral("Resultados de ensaio"));
    QCOMPARE(fEns->size(), QSize(447, 469));
    QCOMPARE(fEns->maximumSize(), QSize(447, 469));
    QCOMPARE(fEns->tipo(), Tela::Tipo::Normal);
    QVERIFY(!fEns->isModal());
    QVERIFY(!(fEns->windowFlags() & Qt::WindowMaximizeButtonHint));

    auto* rotulo = Achar<QLabel>(fEns, QStringLiteral("Label1"));
    QCOMPARE(rotulo->text(),
             QStringLiteral("Apresentam-se abaixo resultados, condições de ensaio e parâmetros "
                            "físicos dos geotêxteis e dos materiais ensaiados, divididos por "
                            "seção ."));
    // The whole text fits the label at the program's font.
    QVERIFY(rotulo->wordWrap());
    QVERIFY(rotulo->heightForWidth(rotulo->width()) <= rotulo->height());

    auto* caixa = Achar<QScrollArea>(fEns, QStringLiteral("ScrollBox1"));
    auto* fechar = Achar<QPushButton>(fEns, QStringLiteral("bFechar"));
    QCOMPARE(fechar->text(), QStringLiteral("&Fechar"));
    QVERIFY(fechar->isDefault());
    QVERIFY(!caixa->isAncestorOf(fechar));
    QVERIFY(rotulo->geometry().bottom() < caixa->geometry().top());
    QVERIFY(caixa->geometry().bottom() < fechar->geometry().top());
    QVERIFY(fechar->geometry().bottom() < fEns->height());

    QVERIFY(MostrarEEsperar(fEns));
    GravarPng(fEns, QStringLiteral("fEns"));
}

void TstEnsaios::botoesNosGrupos_data() {
    QTest::addColumn<QString>("grupo");
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("legenda");
    const QString britas = QStringLiteral("BRITAS"), areias = QStringLiteral("AREIAS"),
                  argilas = QStringLiteral("ARGILAS"), siltes = QStringLiteral("SILTES"),
                  pedrisco = QStringLiteral("PEDRISCO E SEIXO");
    QTest::newRow("bCaso1") << britas << "bCaso1"
                            << "Caso &1";
    QTest::newRow("Button11") << britas << "Button11"
                              << "Tabela de &Britas";
    QTest::newRow("Button1") << areias << "Button1"
                             << "Caso &2";
    QTest::newRow("Button2") << areias << "Button2"
                             << "Caso &3";
    QTest::newRow("bCaso4") << areias << "bCaso4"
                            << "Caso &4";
    QTest::newRow("bCaso5") << areias << "bCaso5"
                            << "Caso &5";
    QTest::newRow("bCaso6") << areias << "bCaso6"
                            << "Caso &6";
    QTest::newRow("bCaso7") << areias << "bCaso7"
                            << "Caso &7";
    QTest::newRow("Button3") << areias << "Button3"
                             << "Caso &8";
    QTest::newRow("Button4") << areias << "Button4"
                             << "Caso &9";
    QTest::newRow("Button12") << areias << "Button12"
                              << "Tabela de &Areias";
    QTest::newRow("Button5") << argilas << "Button5"
                             << "Caso 1&0";
    QTest::newRow("Button6") << argilas << "Button6"
                             << "Caso 11";
    QTest::newRow("Button13") << argilas << "Button13"
                              << "Tabela de A&rgilas";
    QTest::newRow("Button7") << siltes << "Button7"
                             << "Caso 12";
    QTest::newRow("Button8") << siltes << "Button8"
                             << "Caso 13";
    QTest::newRow("Button14") << siltes << "Button14"
                              << "Tabela de &Siltes";
    QTest::newRow("Button10") << pedrisco << "Button10"
                              << "Caso 14";
    QTest::newRow("Button9") << pedrisco << "Button9"
                             << "Caso 15";
    QTest::newRow("Button15") << pedrisco << "Button15"
                              << "Tabela de &Pedriscos e Seixos";
    QTest::newRow("Button16") << QString() << "Button16"
                              << "Parâmetros dos &geotêxteis";
}

// Each button in its framed group inside the scroll box (the geotextile parameters under the
// groups, in none), with its caption whole at the program's font.
void TstEnsaios::botoesNosGrupos() {
    QFETCH(QString, grupo);
    QFETCH(QString, botao);
    QFETCH(QString, legenda);

    ProgramaEmTeste programa;
    auto* caixa = Achar<QScrollArea>(fEns, QStringLiteral("ScrollBox1"));
    auto* b = Achar<QPushButton>(fEns, botao);
    QCOMPARE(b->text(), legenda);
    QVERIFY(caixa->widget()->isAncestorOf(b));
    auto* dono = qobject_cast<QGroupBox*>(b->parentWidget());
    if (grupo.isEmpty()) {
        QVERIFY(dono == nullptr);
    } else {
        QVERIFY(dono != nullptr);
        QCOMPARE(dono->title(), grupo);
        QVERIFY(QFontMetrics(dono->font()).horizontalAdvance(grupo) + 16 <= dono->width());
    }
    QVERIFY(!b->isDefault());
    QVERIFY2(b->fontMetrics().horizontalAdvance(SemAcelerador(legenda)) + 8 <= b->width(),
             qPrintable(legenda));
    QVERIFY(b->fontMetrics().height() + 6 <= b->height());
}

// BRITAS above AREIAS on the left; ARGILAS, SILTES and PEDRISCO E SEIXO from top to bottom on
// the right; in AREIAS the cases in pairs above the table; the geotextiles' button under all.
void TstEnsaios::duasColunas() {
    ProgramaEmTeste programa;
    auto grupo = [](const char* nome) {
        return Achar<QGroupBox>(fEns, QString::fromLatin1(nome))->geometry();
    };
    auto botao = [](const char* nome) {
        return Achar<QPushButton>(fEns, QString::fromLatin1(nome))->geometry();
    };
    const QRect britas = grupo("GroupBox1"), areias = grupo("GroupBox2"),
                argilas = grupo("GroupBox3"), siltes = grupo("GroupBox4"),
                pedrisco = grupo("GroupBox5");
    QCOMPARE(Achar<QGroupBox>(fEns, QStringLiteral("GroupBox1"))->title(),
             QStringLiteral("BRITAS"));
    QCOMPARE(Achar<QGroupBox>(fEns, QStringLiteral("GroupBox2"))->title(),
             QStringLiteral("AREIAS"));
    QCOMPARE(Achar<QGroupBox>(fEns, QStringLiteral("GroupBox3"))->title(),
             QStringLiteral("ARGILAS"));
    QCOMPARE(Achar<QGroupBox>(fEns, QStringLiteral("GroupBox4"))->title(),
             QStringLiteral("SILTES"));
    QCOMPARE(Achar<QGroupBox>(fEns, QStringLiteral("GroupBox5"))->title(),
             QStringLiteral("PEDRISCO E SEIXO"));

    QCOMPARE(britas.left(), areias.left());
    QVERIFY(britas.bottom() < areias.top());
    QCOMPARE(argilas.left(), siltes.left());
    QCOMPARE(siltes.left(), pedrisco.left());
    QVERIFY(britas.right() < argilas.left());
    QCOMPARE(britas.top(), argilas.top());
    QVERIFY(argilas.bottom() < siltes.top());
    QVERIFY(siltes.bottom() < pedrisco.top());

    const char* pares[][2] = {
        {"Button1", "Button2"}, {"bCaso4", "bCaso5"}, {"bCaso6", "bCaso7"}, {"Button3", "Button4"}};
    int acima = 0;
    for (const auto& par : pares) {
        const QRect esquerda = botao(par[0]), direita = botao(par[1]);
        QCOMPARE(esquerda.top(), direita.top());
        QVERIFY(esquerda.right() < direita.left());
        QVERIFY(esquerda.top() > acima);
        acima = esquerda.bottom();
    }
    QVERIFY(botao("Button12").top() > acima);

    const QRect parametros = botao("Button16");
    QVERIFY(parametros.top() > areias.bottom());
    QVERIFY(parametros.top() > pedrisco.bottom());
    // Nothing of the catalogue is hidden below the scroll box's edge.
    auto* caixa = Achar<QScrollArea>(fEns, QStringLiteral("ScrollBox1"));
    QVERIFY(MostrarEEsperar(fEns));
    QVERIFY(parametros.bottom() < caixa->viewport()->height());
    QVERIFY(std::max(argilas.right(), britas.right()) < caixa->viewport()->width());
}

void TstEnsaios::seisBotoesAbremSuaFolha_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("folha");
    QTest::newRow("Caso 2") << "Button1"
                            << "TfCaso2";
    QTest::newRow("Caso 3") << "Button2"
                            << "TfCaso3";
    QTest::newRow("Caso 4") << "bCaso4"
                            << "TfCaso4";
    QTest::newRow("Caso 10") << "Button5"
                             << "TfCaso10";
    QTest::newRow("Tabela de Areias") << "Button12"
                                      << "TfTab1";
    QTest::newRow("Parâmetros dos geotêxteis") << "Button16"
                                               << "TfTab2";
}

// The sheet runs modally over the catalogue, which stays on screen and is the active screen again
// once the sheet's close button has been pressed; twice in a row, as a user reading two tables.
void TstEnsaios::seisBotoesAbremSuaFolha() {
    QFETCH(QString, botao);
    QFETCH(QString, folha);

    ProgramaEmTeste programa;
    Tela* f = TelaChamada(folha);
    auto* b = Achar<QPushButton>(fEns, botao);
    QVERIFY(MostrarEEsperar(fEns));

    for (int vez = 0; vez < 2; ++vez) {
        const FolhaVista visto = AbrirEFechar(f, [b] { QTest::mouseClick(b, Qt::LeftButton); });
        QCOMPARE(visto.outraJanela, QString());
        QVERIFY(visto.feito);
        QVERIFY(visto.ativa);
        QVERIFY(visto.modal);
        QVERIFY(visto.catalogoVisivel);
        QVERIFY(visto.catalogoContinuaATela);
        QVERIFY(!f->isVisible());
        QVERIFY(fEns->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(fEns));
        QCOMPARE(Tela::TelaAtiva(), fEns);
    }
    QCOMPARE(JanelasVisiveis(), QStringList({QStringLiteral("TApres"), QStringLiteral("TfEns")}));
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

void TstEnsaios::aceleradoresAbremAFolha_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("folha");
    QTest::newRow("Alt+2") << int(Qt::Key_2) << "TfCaso2";
    QTest::newRow("Alt+3") << int(Qt::Key_3) << "TfCaso3";
    QTest::newRow("Alt+4") << int(Qt::Key_4) << "TfCaso4";
    QTest::newRow("Alt+0") << int(Qt::Key_0) << "TfCaso10";
    QTest::newRow("Alt+A") << int(Qt::Key_A) << "TfTab1";
    QTest::newRow("Alt+G") << int(Qt::Key_G) << "TfTab2";
}

// The underlined letters work from the keyboard as the clicks do.
void TstEnsaios::aceleradoresAbremAFolha() {
    QFETCH(int, tecla);
    QFETCH(QString, folha);

    ProgramaEmTeste programa;
    Tela* f = TelaChamada(folha);
    QVERIFY(MostrarEEsperar(fEns));
    const FolhaVista visto =
        AbrirEFechar(f, [tecla] { QTest::keyClick(fEns, Qt::Key(tecla), Qt::AltModifier); });
    QCOMPARE(visto.outraJanela, QString());
    QVERIFY(visto.feito);
    QVERIFY(visto.ativa);
    QVERIFY(visto.modal);
    QVERIFY(visto.catalogoVisivel);
    QVERIFY(!f->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(fEns));
}

// The cases and tables without a sheet: pressed again and again, by mouse and by their underlined
// letter where they have one, they open nothing, hide nothing and say nothing.
void TstEnsaios::quinzeBotoesNaoFazemNada() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(fEns));
    const QStringList antes = JanelasVisiveis();
    QCOMPARE(antes, QStringList({QStringLiteral("TApres"), QStringLiteral("TfEns")}));

    // Should a button open a modal window after all, close it and remember which one.
    QStringList modaisAbertas;
    QTimer vigia;
    vigia.setInterval(50);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modaisAbertas << modal->objectName();
            modal->close();
        }
    });
    vigia.start();

    const QStringList semEfeito = {
        QStringLiteral("bCaso1"),   QStringLiteral("Button11"), QStringLiteral("bCaso5"),
        QStringLiteral("bCaso6"),   QStringLiteral("bCaso7"),   QStringLiteral("Button3"),
        QStringLiteral("Button4"),  QStringLiteral("Button6"),  QStringLiteral("Button13"),
        QStringLiteral("Button7"),  QStringLiteral("Button8"),  QStringLiteral("Button14"),
        QStringLiteral("Button10"), QStringLiteral("Button9"),  QStringLiteral("Button15")};
    QCOMPARE(semEfeito.size(), 15);
    for (const QString& nome : semEfeito) {
        auto* b = Achar<QPushButton>(fEns, nome);
        for (int vez = 0; vez < 3; ++vez) {
            QTest::mouseClick(b, Qt::LeftButton);
        }
        const int amp = b->text().indexOf(QLatin1Char('&'));
        if (amp >= 0) {
            const QChar letra = b->text().at(amp + 1).toUpper();
            for (int vez = 0; vez < 3; ++vez) {
                QTest::keyClick(fEns, Qt::Key(letra.unicode()), Qt::AltModifier);
            }
        }
        QTest::qWait(150); // an underlined letter clicks after a short delay
        QVERIFY2(JanelasVisiveis() == antes, qPrintable(nome));
        QVERIFY2(QApplication::activeWindow() == fEns, qPrintable(nome));
        QCOMPARE(Tela::TelaAtiva(), fEns);
    }
    QTest::qWait(100);
    QCOMPARE(modaisAbertas, QStringList());
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

// "&Fechar" hides the catalogue and nothing else; the user is back on what lies under it and a
// later "&Ensaios" shows it again as it was.
void TstEnsaios::fecharSoEsconde() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(fEns));
    QTest::mouseClick(Achar<QPushButton>(fEns, QStringLiteral("bFechar")), Qt::LeftButton);
    QVERIFY(!fEns->isVisible());
    QVERIFY(Apres->isVisible());
    QVERIFY(MostrarEEsperar(fEns));

    QTest::keyClick(fEns, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(!fEns->isVisible());
    QVERIFY(Apres->isVisible());
}

// The window's close box does the same as "&Fechar": the program goes on.
void TstEnsaios::caixaDeFecharSoEsconde() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(fEns));
    QVERIFY(fEns->windowHandle()->close());
    QVERIFY(!fEns->isVisible());
    QVERIFY(Apres->isVisible());
    QTest::qWait(50);
    QVERIFY(Apres->isVisible());
    QVERIFY(MostrarEEsperar(fEns));
    QVERIFY(fEns->isVisible());
}

// Another screen of the program becoming active hides the catalogue.
void TstEnsaios::outraTelaAtivaEsconde() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(fEns));
    QVERIFY(MostrarEEsperar(Esquema));
    QTRY_VERIFY(!fEns->isVisible());
    QVERIFY(MostrarEEsperar(fEns));
    QVERIFY(MostrarEEsperar(Apres));
    QTRY_VERIFY(!fEns->isVisible());
}

// From the anchorage screen's "&Ensaios": that screen stays open under the catalogue and its
// sheets, and is what the user is left with when the catalogue closes.
void TstEnsaios::sobreATelaDeAncoragem() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Geot));
    QTest::mouseClick(Achar<QPushButton>(Geot, QStringLiteral("bEns")), Qt::LeftButton);
    QVERIFY(EsperarAtiva(fEns));
    QVERIFY(Geot->isVisible());

    const FolhaVista visto = AbrirEFechar(fTab2, [] {
        QTest::mouseClick(Achar<QPushButton>(fEns, QStringLiteral("Button16")), Qt::LeftButton);
    });
    QVERIFY(visto.feito);
    QVERIFY(visto.catalogoVisivel);
    QVERIFY(Geot->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(fEns));

    QTest::mouseClick(Achar<QPushButton>(fEns, QStringLiteral("bFechar")), Qt::LeftButton);
    QVERIFY(!fEns->isVisible());
    QVERIFY(Geot->isVisible());
    QCOMPARE(JanelasVisiveis(), QStringList({QStringLiteral("TApres"), QStringLiteral("TGeot")}));
}

QTEST_MAIN(TstEnsaios)
#include "tst_ensaios.moc"
