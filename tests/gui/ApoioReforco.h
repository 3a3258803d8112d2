#pragma once

// What the tests of the results and reinforcement screens share: the run state put back to its
// start-up values, the runs and the reinforcement analysis driven as a user drives them, the
// pointer moved over a screen, and the checks both results screens need.

#include "support/Apoio.h"

#include "data/DadosEntrada.h"
#include "screens/Impressao.h"
#include "screens/Umetod.h"
#include "screens/Usolkan.h"
#include "screens/Usollow.h"
#include "screens/uApresGeo.h"
#include "screens/uGeotextil.h"

#include <QCursor>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

inline const QString mensagemConversao =
    QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números.");

// The records, flags and lengths live for the whole program; each test starts them as at start-up.
inline void ZerarEstadoDasExecucoes() {
    DadosDoProblema = {};
    CopiaDadosEntrada = {};
    Fatsegkan = Posref = Fatseglow = 0;
    SolucaoComTrinca = {};
    SolucaoSemTrinca = {};
    SolucaoLow = {};
    Comprimentos = {};
    OrigemKaniraj = false;
    OrigemLow = false;
}

// The typical use's embankment: H = 3, n = 2, γ = 18, c = 5, φ = 30, no berm, T = 6, Z = 0,
// CS = CZ = CF = 10.
inline DadosEntrada AterroTipico() {
    return {3, 2, 18, 5, 30, 0, 0, 6, 0, 10, 10, 10};
}

inline void Clicar(const QWidget* tela, const char* botao) {
    QTest::mouseClick(Achar<QPushButton>(tela, QString::fromLatin1(botao)), Qt::LeftButton);
}

inline void Digitar(const QWidget* tela, const char* campo, const QString& texto) {
    QLineEdit* e = Achar<QLineEdit>(tela, QString::fromLatin1(campo));
    e->clear();
    QTest::keyClicks(e, texto);
}

inline QString TextoDe(const QWidget* tela, const char* campo) {
    return Achar<QLineEdit>(tela, QString::fromLatin1(campo))->text();
}

inline QStringList TextosDe(const QWidget* tela, std::initializer_list<const char*> campos) {
    QStringList t;
    for (const char* c : campos) {
        t << TextoDe(tela, c);
    }
    return t;
}

inline const QStringList vazios{QString(), QString()};

// The runs as the user starts them from the methods screen.
inline void ExecutarKaniraj(const QString& F, const QString& a) {
    QVERIFY(MostrarEEsperar(Metcal));
    Digitar(Metcal, "eFatsegkan", F);
    Digitar(Metcal, "ePosref", a);
    Clicar(Metcal, "bCalkan");
}
inline void ExecutarLow(const QString& F) {
    QVERIFY(MostrarEEsperar(Metcal));
    Digitar(Metcal, "eFatseglow", F);
    Clicar(Metcal, "bCallow");
}

// What the user types on the anchorage screen.
struct Interfaces {
    QString cf, deltaf, ce, deltae, fs;
};

inline void DigitarInterfaces(const Interfaces& i) {
    Digitar(Geot, "eCoeGeo1", i.cf);
    Digitar(Geot, "eAngGeo1", i.deltaf);
    Digitar(Geot, "eCoeGeo2", i.ce);
    Digitar(Geot, "eAngGeo2", i.deltae);
    Digitar(Geot, "eFS1", i.fs);
}

// Purely cohesive faces, 50 kPa each: every length is the force divided by 100 (FS1 = 1).
inline const Interfaces cemKPa{QStringLiteral("50"), QStringLiteral("0"), QStringLiteral("50"),
                               QStringLiteral("0"), QStringLiteral("1")};

// "&Geotêxteis" on a results screen, then "&Continuar" on the introduction.
inline bool AbrirAnaliseDoReforco(QWidget* resultados) {
    Clicar(resultados, "bGeot1");
    if (!EsperarAtiva(ApresGeo)) {
        return false;
    }
    Clicar(ApresGeo, "bEntGeo");
    return EsperarAtiva(Geot);
}

// The results screen: every field read-only and out of the tab chain, which runs through the
// buttons from "&Dados", the default button.
inline void VerificarCamposEOrdemDeTabulacao(const QWidget* tela, const QStringList& ordem) {
    for (const QLineEdit* e : tela->findChildren<QLineEdit*>()) {
        QVERIFY2(e->isReadOnly(), qPrintable(e->objectName()));
    }
    QVERIFY(Achar<QPushButton>(tela, ordem.first())->isDefault());
    QCOMPARE(QApplication::focusWidget()->objectName(), ordem.first());
    for (int i = 1; i <= ordem.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), ordem.at(i % ordem.size()));
    }
}

// Moves the mouse pointer to each point in turn, lets the window system deliver what that crossing
// produces, and checks the status bar's text.
struct PassoDoPonteiro {
    QPoint global;
    QString dica;
};
inline QPoint CentroDe(const QWidget* tela, const char* nome) {
    const QWidget* w = Achar<QWidget>(tela, QString::fromLatin1(nome));
    return w->mapToGlobal(w->rect().center());
}
inline void PercorrerComOPonteiro(const Tela* tela, const std::vector<PassoDoPonteiro>& passos) {
    for (const PassoDoPonteiro& passo : passos) {
        QCursor::setPos(passo.global);
        QCoreApplication::processEvents();
        QTRY_COMPARE(tela->TextoStatus(), passo.dica);
    }
}

// The screen printed to a PDF file: one page. Then "&Imprimir" itself, on a machine without a
// printer, says so and leaves the screen open.
inline void VerificarImpressao(QWidget* tela, const char* botao,
                               const GravadorMensagens& gravador) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("tela.pdf"));
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    QVERIFY(ImprimirImagem(ImagemDaTela(tela), impressora));
    QFile pdf(arquivo);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray conteudo = pdf.readAll();
    QVERIFY(conteudo.startsWith("%PDF"));
    QCOMPARE(conteudo.count("/Type /Page\n") + conteudo.count("/Type /Page\r"), 1);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        Clicar(tela, botao);
        QCOMPARE(gravador.mensagens, QStringList{QStringLiteral("Nenhuma impressora disponível.")});
        QVERIFY(tela->isVisible());
    }
}
