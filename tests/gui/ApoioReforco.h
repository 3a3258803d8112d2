#pragma once

// What the tests of the results and reinforcement screens share: the run state put back to its
// start-up values, the reinforcement analysis driven as a user drives it, and the pointer moved
// over a control.

#include "support/Apoio.h"

#include "data/DadosEntrada.h"
#include "screens/Umetod.h"
#include "screens/Usolkan.h"
#include "screens/Usollow.h"
#include "screens/uApresGeo.h"
#include "screens/uGeotextil.h"

#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

// Moves the mouse pointer over the middle of the control (or to a point of the screen outside
// every window) and lets the window system deliver what that crossing produces.
inline void ApontarPara(const QWidget* controle) {
    QCursor::setPos(controle->mapToGlobal(controle->rect().center()));
    QCoreApplication::processEvents();
}
inline void ApontarPara(QPoint global) {
    QCursor::setPos(global);
    QCoreApplication::processEvents();
}
