// The help on the product safety factor: its text as stored, line by line, and its modal run over
// the screen that opened it.

#include "support/Apoio.h"

#include "screens/uAjuda1.h"
#include "screens/uGeotextil.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

class TstAjuda : public QObject {
    Q_OBJECT
private slots:
    void textoLinhaALinha();
    void modalSobreQuemAbriu();
};

// Trailing blanks, the indents and the double blank of line 14 are part of the text.
void TstAjuda::textoLinhaALinha() {
    const QStringList esperado = {
        QStringLiteral("    Para a escolha do produto, deve-se definir a resistência "),
        QStringLiteral("a tração mínima que o mesmo deve apresentar para "),
        QStringLiteral("responder a solicitação em tração calculada. Esta "),
        QStringLiteral("resistência seria, então, a solicitação, majorada de um "),
        QStringLiteral("fator de segurança."),
        QStringLiteral("     Este fator de segurança é função dos diversos fatores "),
        QStringLiteral("intervenientes, que podem ser separados em três grupos:"),
        QStringLiteral("- danos de instalação, que considera as reduções na "),
        QStringLiteral("  resistência à tração devido a metodologia construtiva "),
        QStringLiteral("  adotada;"),
        QStringLiteral("- solicitações durante a vida útil da obra, considerando as "),
        QStringLiteral("  propriedades de fluência e deformabilidade da estrutura, "),
        QStringLiteral("  função do tipo de geossintético e dos polímeros "),
        QStringLiteral("  componentes, e o modo  de solicitação;"),
        QStringLiteral("- efeitos devidos às condições ambientais, tais como "),
        QStringLiteral("  clima, poluição, tipo de exposição."),
        QStringLiteral("      Deve-se levar em conta as condições de "),
        QStringLiteral("armazenagem e da obra, além do próprio projeto, já que "),
        QStringLiteral("os polímeros têm sua resistência afetada por raios ultra "),
        QStringLiteral("violeta. Este problema é diminuído pela adição de "),
        QStringLiteral("estabilizantes, mas não é sanado."),
        QString(),
    };
    QCOMPARE(esperado.size(), 22);

    ProgramaEmTeste programa;
    auto* memo = Achar<QPlainTextEdit>(fAjuda1, QStringLiteral("Memo1"));
    const QTextDocument* documento = memo->document();
    QCOMPARE(documento->blockCount(), 22);
    for (int i = 0; i < esperado.size(); ++i) {
        const QString linha = documento->findBlockByNumber(i).text();
        QVERIFY2(linha == esperado.at(i),
                 qPrintable(QStringLiteral("linha %1: \"%2\"").arg(i + 1).arg(linha)));
    }
}

// Opened modally over the anchorage screen, which stays visible; Escape closes nothing; the text
// may be typed into and Tab leaves it for the button; "&Fechar" (also Enter, being the default
// button) ends the run and the anchorage screen is active again.
void TstAjuda::modalSobreQuemAbriu() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Geot));
    auto* memo = Achar<QPlainTextEdit>(fAjuda1, QStringLiteral("Memo1"));
    auto* fechar = Achar<QPushButton>(fAjuda1, QStringLiteral("bFechar"));
    QCOMPARE(fechar->text(), QStringLiteral("&Fechar"));

    for (const bool comEnter : {false, true}) {
        QWidget* aberta = nullptr;
        bool abridorVisivel = false, ficouComEsc = false, tabNoBotao = false;
        QuandoModal([&](QWidget* modal) {
            aberta = modal;
            abridorVisivel = Geot->isVisible();
            GravarPng(fAjuda1, QStringLiteral("fAjuda1"));
            QTest::keyClick(fAjuda1, Qt::Key_Escape);
            ficouComEsc = fAjuda1->isVisible();
            if (comEnter) {
                QTest::keyClick(fAjuda1, Qt::Key_Return);
            } else {
                memo->setFocus();
                memo->moveCursor(QTextCursor::Start);
                QTest::keyClicks(memo, QStringLiteral("X"));
                QTest::keyClick(memo, Qt::Key_Tab);
                tabNoBotao = fechar->hasFocus();
                QTest::mouseClick(fechar, Qt::LeftButton);
            }
            if (fAjuda1->isVisible()) {
                fAjuda1->Fechar(); // a failed close must not leave the test waiting
            }
        });
        fAjuda1->MostrarModal();
        QCOMPARE(aberta, static_cast<QWidget*>(fAjuda1));
        QVERIFY(abridorVisivel);
        QVERIFY(ficouComEsc);
        QVERIFY(comEnter || tabNoBotao);
        QVERIFY(!fAjuda1->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Geot));
    }
    QVERIFY(memo->toPlainText().startsWith(QStringLiteral("X    Para a escolha")));
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

QTEST_MAIN(TstAjuda)
#include "tst_ajuda.moc"
