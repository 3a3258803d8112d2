// The help on the product safety factor: its text as stored, line by line, and its modal run over
// the screen that opened it.

#include "support/Apoio.h"

#include "screens/Tela.h"
#include "screens/Uapres.h"
#include "screens/uAjuda1.h"
#include "screens/uGeotextil.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

class TstAjuda : public QObject {
    Q_OBJECT
private slots:
    void textoLinhaALinha();
    void janela();
    void textoPodeSerEditado();
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

void TstAjuda::janela() {
    ProgramaEmTeste programa;
    QCOMPARE(fAjuda1->windowTitle(), QStringLiteral("Sobre o fator de segurança"));
    QCOMPARE(fAjuda1->size(), QSize(305, 245));
    QCOMPARE(fAjuda1->maximumSize(), QSize(305, 245));
    QCOMPARE(fAjuda1->tipo(), Tela::Tipo::Modal);
    QVERIFY(fAjuda1->isModal());
    QVERIFY(!(fAjuda1->windowFlags() & Qt::WindowMaximizeButtonHint));

    auto* memo = Achar<QPlainTextEdit>(fAjuda1, QStringLiteral("Memo1"));
    auto* fechar = Achar<QPushButton>(fAjuda1, QStringLiteral("bFechar"));
    auto* painel = Achar<QWidget>(fAjuda1, QStringLiteral("Panel1"));
    QCOMPARE(fechar->text(), QStringLiteral("&Fechar"));
    QVERIFY(fechar->isDefault());
    QVERIFY(painel->isAncestorOf(fechar));
    // The text fills the window above the bottom panel, with a vertical scroll bar.
    QCOMPARE(memo->geometry().top(), 0);
    QCOMPARE(memo->width(), fAjuda1->width());
    QCOMPARE(memo->geometry().bottom() + 1, painel->geometry().top());
    QCOMPARE(painel->geometry().bottom(), fAjuda1->height() - 1);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!memo->isReadOnly());
    // Tab leaves the text for the button, as in any other field; it types no tab character.
    QVERIFY(memo->tabChangesFocus());
}

// Not read-only: the user may type into the text.
void TstAjuda::textoPodeSerEditado() {
    ProgramaEmTeste programa;
    auto* memo = Achar<QPlainTextEdit>(fAjuda1, QStringLiteral("Memo1"));
    QTimer passo; // the caller's timer: a step that never ran cannot fire in another test
    passo.setSingleShot(true);
    QObject::connect(&passo, &QTimer::timeout, [&] {
        EsperarAtiva(fAjuda1);
        memo->setFocus();
        memo->moveCursor(QTextCursor::Start);
        QTest::keyClicks(memo, QStringLiteral("X"));
        QTest::mouseClick(Achar<QPushButton>(fAjuda1, QStringLiteral("bFechar")), Qt::LeftButton);
        if (fAjuda1->isVisible()) {
            fAjuda1->Fechar();
        }
    });
    passo.start(0);
    fAjuda1->MostrarModal();
    QVERIFY(memo->toPlainText().startsWith(QStringLiteral("X    Para a escolha")));
}

// Opened modally over the anchorage screen, which stays visible; "&Fechar" (also by Enter, being
// the default button) ends the run and the anchorage screen is active again.
void TstAjuda::modalSobreQuemAbriu() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Geot));
    auto* fechar = Achar<QPushButton>(fAjuda1, QStringLiteral("bFechar"));

    for (const bool comEnter : {false, true}) {
        bool ativa = false, modal = false, abridorVisivel = false, ficouComEsc = false;
        QTimer passo;
        passo.setSingleShot(true);
        QObject::connect(&passo, &QTimer::timeout, [&] {
            ativa = EsperarAtiva(fAjuda1);
            modal = QApplication::activeModalWidget() == fAjuda1;
            abridorVisivel = Geot->isVisible();
            GravarPng(fAjuda1, QStringLiteral("fAjuda1"));
            QTest::keyClick(fAjuda1, Qt::Key_Escape);
            ficouComEsc = fAjuda1->isVisible();
            if (comEnter) {
                QTest::keyClick(fAjuda1, Qt::Key_Return);
            } else {
                QTest::mouseClick(fechar, Qt::LeftButton);
            }
            if (fAjuda1->isVisible()) {
                fAjuda1->Fechar(); // a failed close must not leave the test waiting
            }
        });
        passo.start(0);
        fAjuda1->MostrarModal();
        QVERIFY(ativa);
        QVERIFY(modal);
        QVERIFY(abridorVisivel);
        QVERIFY(ficouComEsc);
        QVERIFY(!fAjuda1->isVisible());
        QVERIFY(Geot->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Geot));
    }
    QVERIFY(programa.gravador.mensagens.isEmpty());
}

QTEST_MAIN(TstAjuda)
#include "tst_ajuda.moc"
