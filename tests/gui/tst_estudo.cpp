// The parametric study window, opened from the methods screen over the worked embankment: the
// forces at the typed values, the limit for a catalogue geotextile, the table exported, and typed
// ranges it cannot compute, which leave a message and no curve.

#include "app/Aplicacao.h"
#include "data/Mensagens.h"
#include "screens/Dialogos.h"
#include "screens/Tela.h"
#include "screens/Telas.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

template <class T> T* Achar(const QWidget* tela, const char* nome) {
    T* controle = tela->findChild<T*>(QString::fromLatin1(nome));
    if (!controle) {
        qFatal("%s nao tem o controle %s", qPrintable(tela->objectName()), nome);
    }
    return controle;
}

QString Texto(const QWidget* tela, const char* nome) {
    return Achar<QLabel>(tela, nome)->text();
}

void Digitar(QLineEdit* campo, const QString& texto) {
    campo->selectAll();
    QTest::keyClicks(campo, texto);
}

int Curvas(const QWidget* estudo) {
    return static_cast<int>(Achar<QChartView>(estudo, "Grafico")->chart()->series().size());
}

} // namespace

class TstEstudo : public QObject {
    Q_OBJECT
private slots:
    void exemploDoAterro();
};

void TstEstudo::exemploDoAterro() {
    QStringList mensagens;
    DefinirExibidorMensagens(
        [&mensagens](const std::string& texto) { mensagens << QString::fromStdString(texto); });
    auto telas = std::make_unique<ConjuntoTelas>();
    Tela* entdad = Telas::Buscar(IdTela::Entdad);
    Tela* metcal = Telas::Buscar(IdTela::Metcal);
    Tela* estudo = Telas::Buscar(IdTela::Estudo);

    // H = 3 m, slope 2, γ = 18, c = 5, φ = 30, no berm, a 6 m layer at 10 kPa, F = 1,3, a = 0.
    const std::pair<const char*, const char*> exemplo[] = {
        {"eAlt", "3"},         {"eDecl", "2"},     {"ePesesp", "18"},     {"eCoesao", "5"},
        {"eAngat", "30"},      {"eAltberma", "0"}, {"eLargberma", "0"},   {"eProf", "6"},
        {"eDist", "0"},        {"eSuperf", "10"},  {"eProfZ", "10"},      {"eCont", "10"},
        {"eFatsegkan", "1,3"}, {"ePosref", "0"},   {"eFatseglow", "1,3"},
    };
    for (const auto& [nome, texto] : exemplo) {
        auto* campo = entdad->findChild<QLineEdit*>(QString::fromLatin1(nome));
        (campo ? campo : Achar<QLineEdit>(metcal, nome))->setText(QString::fromLatin1(texto));
    }
    metcal->Mostrar();
    QVERIFY(QTest::qWaitForWindowActive(metcal));

    QTemporaryDir pasta;
    const QString csv = pasta.filePath(QStringLiteral("estudo.csv"));
    DefinirEscolhedorArquivo(
        [&csv](QWidget*, Dialogo, const QString&, const QString&) { return csv; });

    QTimer::singleShot(0, this, [&] {
        const auto fechar = qScopeGuard([estudo] { estudo->close(); });
        QVERIFY(QTest::qWaitForWindowExposed(estudo));
        QString pastaPng = qEnvironmentVariable("VELTRA_PNG_DIR", QDir::tempPath());
        QDir().mkpath(pastaPng);
        estudo->grab().save(pastaPng + QStringLiteral("/estudo.png"));

        // H from 1,5 to 4,5 m around the typed 3 m; the forces of the typed embankment.
        QCOMPARE(Achar<QLineEdit>(estudo, "eDe")->text(), QStringLiteral("1,5"));
        QCOMPARE(Achar<QLineEdit>(estudo, "eAte")->text(), QStringLiteral("4,5"));
        QCOMPARE(Texto(estudo, "lProjeto0"), QStringLiteral("61,68 kN/m"));
        QCOMPARE(Texto(estudo, "lProjeto1"), QStringLiteral("72,01 kN/m"));
        QCOMPARE(Texto(estudo, "lProjeto2"), QStringLiteral("97,20 kN/m"));
        QCOMPARE(Texto(estudo, "lProjeto3"), QStringLiteral("56,70 kN/m"));
        // GT-W 100 at 100 kN/m: Kaniraj without crack holds above 3 m, up to some height.
        QVERIFY2(Texto(estudo, "lLimite1").startsWith(QStringLiteral("atende até H = ")),
                 qPrintable(Texto(estudo, "lLimite1")));
        QVERIFY(Curvas(estudo) >= 6);

        QTest::mouseClick(Achar<QPushButton>(estudo, "bCsv"), Qt::LeftButton);
        QFile arquivo(csv);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QList<QByteArray> linhas = arquivo.readAll().split('\n');
        QCOMPARE(linhas.size(), 202); // header, 200 points, the empty text after the last break
        QCOMPARE(linhas[0], QByteArray("H (m),P com trinca (kN/m),P sem trinca (kN/m),Ph (kN/m),"
                                       "Pb (kN/m)"));

        // More points than the budget: computed in the background, then drawn; or cancelled.
        auto* pontos = Achar<QLineEdit>(estudo, "ePontos");
        Digitar(pontos, QStringLiteral("2000"));
        QVERIFY(Achar<QWidget>(estudo, "pbProgresso")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(Curvas(estudo) >= 6, 20000);
        QVERIFY(!Achar<QWidget>(estudo, "pbProgresso")->isVisible());
        Digitar(pontos, QStringLiteral("1999"));
        QTest::mouseClick(Achar<QPushButton>(estudo, "bCancelar"), Qt::LeftButton);
        QVERIFY(Texto(estudo, "lMensagem").startsWith(QStringLiteral("Cálculo interrompido.")));
        QCOMPARE(Curvas(estudo), 0);
        Digitar(pontos, QStringLiteral("200"));

        // What cannot be computed says why, and nothing of the curve before stays.
        const auto semCurva = [estudo](const QString& mensagem) {
            QCOMPARE(Texto(estudo, "lMensagem"), mensagem);
            QCOMPARE(Curvas(estudo), 0);
            QCOMPARE(Texto(estudo, "lProjeto1"), QStringLiteral("\u2013"));
            QVERIFY(!Achar<QPushButton>(estudo, "bCsv")->isEnabled());
        };
        Digitar(Achar<QLineEdit>(estudo, "eAte"), QStringLiteral("1"));
        semCurva(QStringLiteral("O início do intervalo deve ser menor que o fim."));
        Digitar(Achar<QLineEdit>(estudo, "eDe"), QStringLiteral("a"));
        semCurva(QStringLiteral("\u00abDe\u00bb não é um número válido."));
    });
    QTest::mouseClick(Achar<QPushButton>(metcal, "bEstudo"), Qt::LeftButton);
    QVERIFY(!estudo->isVisible());
    QVERIFY2(mensagens.isEmpty(), qPrintable(mensagens.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TstEstudo)
#include "tst_estudo.moc"
