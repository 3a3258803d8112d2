// The program starts with its nineteen screens created once, hidden, and only the opening screen
// shown and active; each screen is reachable by its instance name with its caption and size.

#include "support/Apoio.h"

#include "data/ParseReal.h"
#include "screens/Tela.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"
#include "screens/Umetod.h"
#include "screens/Usolkan.h"
#include "screens/Usollow.h"
#include "screens/uAjuda1.h"
#include "screens/uApresGeo.h"
#include "screens/uBibl.h"
#include "screens/uCaso10.h"
#include "screens/uCaso2.h"
#include "screens/uCaso3.h"
#include "screens/uCaso4.h"
#include "screens/uEns.h"
#include "screens/uEsquema.h"
#include "screens/uGeotextil.h"
#include "screens/uHipKan.h"
#include "screens/uHipLow.h"
#include "screens/uTab1.h"
#include "screens/uTab2.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <functional>

using Instancia = std::function<Tela*()>;
Q_DECLARE_METATYPE(Instancia)
Q_DECLARE_METATYPE(Tela::Tipo)

class TstArranque : public QObject {
    Q_OBJECT
private slots:
    void soATelaDeAberturaAparece();
    void cadaTelaPeloSeuNome_data();
    void cadaTelaPeloSeuNome();
    void separadorDecimalDoLocal();
    void fimDoProgramaDestroiAsTelas();
};

void TstArranque::soATelaDeAberturaAparece() {
    ProgramaEmTeste programa;
    QVERIFY(Apres->isVisible());
    QCOMPARE(QApplication::activeWindow(), Apres);
    QCOMPARE(Tela::TelaAtiva(), Apres);
    QCOMPARE(QApplication::focusWidget(), Achar<QPushButton>(Apres, QStringLiteral("bIni")));
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

void TstArranque::cadaTelaPeloSeuNome_data() {
    QTest::addColumn<Instancia>("instancia");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QSize>("tamanho");
    QTest::addColumn<Tela::Tipo>("tipo");
    using T = Tela::Tipo;
    auto linha = [](const char* nome, Instancia i, const char* classe, const QString& titulo,
                    QSize tamanho, T tipo) {
        QTest::newRow(nome) << i << QString::fromLatin1(classe) << titulo << tamanho << tipo;
    };
    // clang-format off
    linha("Apres", [] { return static_cast<Tela*>(Apres); }, "TApres", QStringLiteral("Veltra"), {490, 269}, T::Principal);
    linha("Solkan", [] { return static_cast<Tela*>(Solkan); }, "TSolkan", QStringLiteral("Solução por Kaniraj"), {424, 438}, T::Normal);
    linha("Entdad", [] { return static_cast<Tela*>(Entdad); }, "TEntdad", QStringLiteral("Entrada de dados"), {522, 385}, T::Normal);
    linha("Metcal", [] { return static_cast<Tela*>(Metcal); }, "TMetcal", QStringLiteral("Métodos de cálculo"), {369, 328}, T::Normal);
    linha("Sollow", [] { return static_cast<Tela*>(Sollow); }, "TSollow", QStringLiteral("Solução por Low"), {418, 450}, T::Normal);
    linha("Geot", [] { return static_cast<Tela*>(Geot); }, "TGeot", QStringLiteral("Análise do reforço"), {384, 364}, T::SemDesativacao);
    linha("Esquema", [] { return static_cast<Tela*>(Esquema); }, "TEsquema", QStringLiteral("Geometria e hipóteses"), {512, 387}, T::Normal);
    linha("HipKan", [] { return static_cast<Tela*>(HipKan); }, "THipKan", QStringLiteral("Hipóteses de Kaniraj"), {282, 170}, T::Modal);
    linha("HipLow", [] { return static_cast<Tela*>(HipLow); }, "THipLow", QStringLiteral("Hipóteses de Low"), {283, 169}, T::Modal);
    linha("Bibl", [] { return static_cast<Tela*>(Bibl); }, "TBibl", QStringLiteral("Bibliografia"), {282, 169}, T::Modal);
    linha("ApresGeo", [] { return static_cast<Tela*>(ApresGeo); }, "TApresGeo", QStringLiteral("Análise do reforço"), {333, 293}, T::Normal);
    linha("fCaso2", [] { return static_cast<Tela*>(fCaso2); }, "TfCaso2", QStringLiteral("Caso 2"), {589, 308}, T::Modal);
    linha("fCaso3", [] { return static_cast<Tela*>(fCaso3); }, "TfCaso3", QStringLiteral("Caso 3"), {603, 315}, T::Modal);
    linha("fCaso4", [] { return static_cast<Tela*>(fCaso4); }, "TfCaso4", QStringLiteral("Caso 4"), {582, 304}, T::Modal);
    linha("fAjuda1", [] { return static_cast<Tela*>(fAjuda1); }, "TfAjuda1", QStringLiteral("Sobre o fator de segurança"), {305, 245}, T::Modal);
    linha("fEns", [] { return static_cast<Tela*>(fEns); }, "TfEns", QStringLiteral("Resultados de ensaio"), {447, 469}, T::Normal);
    linha("fCaso10", [] { return static_cast<Tela*>(fCaso10); }, "TfCaso10", QStringLiteral("Caso 10"), {595, 311}, T::Modal);
    linha("fTab1", [] { return static_cast<Tela*>(fTab1); }, "TfTab1", QStringLiteral("Tabela de areias"), {579, 277}, T::Modal);
    linha("fTab2", [] { return static_cast<Tela*>(fTab2); }, "TfTab2", QStringLiteral("Parâmetros de geotêxteis"), {594, 266}, T::Modal);
    // clang-format on
}

void TstArranque::cadaTelaPeloSeuNome() {
    QFETCH(Instancia, instancia);
    QFETCH(QString, classe);
    QFETCH(QString, titulo);
    QFETCH(QSize, tamanho);
    QFETCH(Tela::Tipo, tipo);
    ProgramaEmTeste programa;
    Tela* tela = instancia();
    QVERIFY(tela);
    QCOMPARE(QString::fromLatin1(tela->metaObject()->className()), classe);
    QCOMPARE(tela->objectName(), classe);
    QCOMPARE(tela->windowTitle(), titulo);
    QCOMPARE(tela->size(), tamanho);
    QCOMPARE(tela->tipo(), tipo);
    QCOMPARE(tela->isVisible(), tipo == Tela::Tipo::Principal);
    QVERIFY(tela->isWindow());
}

// Numbers are typed with the decimal separator of the user's locale (a comma here).
void TstArranque::separadorDecimalDoLocal() {
    ProgramaEmTeste programa;
    QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
    QCOMPARE(SeparadorDecimal(), ',');
    QCOMPARE(ParseReal("2,5"), 2.5L);
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseReal("2.5"));
}

void TstArranque::fimDoProgramaDestroiAsTelas() {
    QPointer<Tela> esquema;
    {
        ProgramaEmTeste programa;
        esquema = Esquema;
        QVERIFY(esquema);
    }
    QVERIFY(!esquema);
    QVERIFY(!Apres);
    QVERIFY(!Esquema);
    QVERIFY(!fTab2);
}

QTEST_MAIN(TstArranque)
#include "tst_arranque.moc"
