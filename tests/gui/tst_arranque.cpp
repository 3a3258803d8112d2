// The program starts with its nineteen screens created once, hidden, in their fixed order, and
// only the opening screen shown.

#include "support/Apoio.h"

#include "screens/Tela.h"
#include "screens/Uapres.h"

#include <QApplication>
#include <QTest>

class TstArranque : public QObject {
    Q_OBJECT
private slots:
    void soATelaDeAberturaAparece();
};

void TstArranque::soATelaDeAberturaAparece() {
    ProgramaEmTeste programa;
    QVERIFY(Apres->isVisible());
    QCOMPARE(Apres->windowTitle(), QStringLiteral("Veltra"));
    int visiveis = 0;
    int telas = 0;
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (qobject_cast<Tela*>(janela)) {
            ++telas;
            visiveis += janela->isVisible() ? 1 : 0;
        }
    }
    QCOMPARE(telas, 19);
    QCOMPARE(visiveis, 1);
}

QTEST_MAIN(TstArranque)
#include "tst_arranque.moc"
