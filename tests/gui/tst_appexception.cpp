// An error that escapes a button's handler reaches the application-wide handler: the handler has
// stopped where the error arose, the user sees one message, and the program goes on.

#include "support/Apoio.h"

#include "app/Aplicacao.h"
#include "data/Mensagens.h"
#include "data/ParseReal.h"
#include "screens/Tela.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace {
// A screen whose first button reads a field and fails half-way, as a real handler would.
class TelaQueFalha : public Tela {
public:
    TelaQueFalha() : Tela(Tipo::Normal) {
        resize(260, 60);
        botaoLer = new QPushButton(QStringLiteral("&Ler"), this);
        botaoLer->setGeometry(10, 10, 70, 25);
        botaoOutro = new QPushButton(QStringLiteral("&Outro"), this);
        botaoOutro->setGeometry(90, 10, 70, 25);
        botaoDesconhecido = new QPushButton(QStringLiteral("&Nada"), this);
        botaoDesconhecido->setGeometry(170, 10, 70, 25);
        FixarMoldura();
        AoClicar(botaoLer, this, &TelaQueFalha::bLerClick);
        AoClicar(botaoOutro, this, &TelaQueFalha::bOutroClick);
        AoClicar(botaoDesconhecido, this, &TelaQueFalha::bDesconhecidoClick);
    }

    QPushButton* botaoLer;
    QPushButton* botaoOutro;
    QPushButton* botaoDesconhecido;
    QString texto;
    long double primeiro = 0, segundo = 0;
    bool chegouAoFim = false;

private:
    void bLerClick() {
        primeiro = ParseReal("2,5");
        segundo = ParseReal(texto.toStdString());
        chegouAoFim = true;
    }
    void bOutroClick() {
        primeiro = 1;
        throw std::runtime_error("divisão por zero");
    }
    void bDesconhecidoClick() { throw 42; }
};
} // namespace

class TstAppException : public QObject {
    Q_OBJECT
private slots:
    void erroDeConversao_data();
    void erroDeConversao();
    void outroErroDizOQueFoi_data();
    void outroErroDizOQueFoi();
    void caixaDeMensagemReal();
    void tratadoServeAQualquerSinal();
};

void TstAppException::erroDeConversao_data() {
    QTest::addColumn<QString>("texto");
    QTest::newRow("vazio") << QString();
    QTest::newRow("letras") << QStringLiteral("abc");
    QTest::newRow("ponto em vez de virgula") << QStringLiteral("2.5");
}

void TstAppException::erroDeConversao() {
    QFETCH(QString, texto);
    ProgramaEmTeste programa;
    TelaQueFalha tela;
    QVERIFY(MostrarEEsperar(&tela));
    tela.texto = texto;
    QTest::mouseClick(tela.botaoLer, Qt::LeftButton);
    QCOMPARE(programa.gravador.mensagens,
             QStringList{
                 QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números.")});
    // What the handler did before the error stays done; what came after did not happen.
    QCOMPARE(tela.primeiro, 2.5L);
    QVERIFY(!tela.chegouAoFim);
    QVERIFY(tela.isVisible());

    // The program goes on: the user corrects the field and presses again.
    tela.texto = QStringLiteral("7");
    QTest::mouseClick(tela.botaoLer, Qt::LeftButton);
    QVERIFY(tela.chegouAoFim);
    QCOMPARE(tela.segundo, 7.0L);
    QCOMPARE(programa.gravador.mensagens.size(), 1);
}

void TstAppException::outroErroDizOQueFoi_data() {
    QTest::addColumn<int>("botao");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("std::exception") << 0 << QStringLiteral("Erro inesperado: divisão por zero");
    QTest::newRow("sem texto") << 1 << QStringLiteral("Erro inesperado: erro desconhecido.");
}

// Any other error is not dropped in silence: the user sees what went wrong and goes on.
void TstAppException::outroErroDizOQueFoi() {
    QFETCH(int, botao);
    QFETCH(QString, mensagem);
    ProgramaEmTeste programa;
    TelaQueFalha tela;
    QVERIFY(MostrarEEsperar(&tela));
    QTest::mouseClick(botao == 0 ? tela.botaoOutro : tela.botaoDesconhecido, Qt::LeftButton);
    QCOMPARE(programa.gravador.mensagens, QStringList{mensagem});
    QCOMPARE(tela.primeiro, botao == 0 ? 1.0L : 0.0L);
    QVERIFY(tela.isVisible());
    tela.texto = QStringLiteral("3");
    QTest::mouseClick(tela.botaoLer, Qt::LeftButton);
    QVERIFY(tela.chegouAoFim);
}

// The box the user sees: captioned "Veltra", the text, one OK button; the screen stays.
void TstAppException::caixaDeMensagemReal() {
    ProgramaEmTeste programa;
    DefinirExibidorMensagens(MostrarCaixaMensagem);
    TelaQueFalha tela;
    QVERIFY(MostrarEEsperar(&tela));
    struct {
        QString titulo, texto;
        int botoes = 0;
        bool telaVisivel = false;
    } visto;
    QuandoModal([&](QWidget* modal) {
        if (auto* caixa = qobject_cast<QMessageBox*>(modal)) {
            visto.titulo = caixa->windowTitle();
            visto.texto = caixa->text();
            visto.botoes = caixa->buttons().size();
            visto.telaVisivel = tela.isVisible();
            QTest::mouseClick(caixa->button(QMessageBox::Ok), Qt::LeftButton);
        } else {
            modal->close();
        }
    });
    QTest::mouseClick(tela.botaoLer, Qt::LeftButton);
    QCOMPARE(visto.titulo, QStringLiteral("Veltra"));
    QCOMPARE(visto.texto,
             QStringLiteral("Nenhum campo pode ficar vazio, e todos devem conter números."));
    QCOMPARE(visto.botoes, 1);
    QVERIFY(visto.telaVisivel);
    QVERIFY(!tela.chegouAoFim);
    QVERIFY(EsperarAtiva(&tela));
    QVERIFY(tela.isVisible());
    QCOMPARE(Tela::TelaAtiva(), &tela);
}

void TstAppException::tratadoServeAQualquerSinal() {
    ProgramaEmTeste programa;
    QObject emissor;
    int depois = 0;
    connect(&emissor, &QObject::objectNameChanged, qApp, Tratado([&] {
        ParseReal("x");
        ++depois;
    }));
    emissor.setObjectName(QStringLiteral("a"));
    emissor.setObjectName(QStringLiteral("b"));
    QCOMPARE(depois, 0);
    QCOMPARE(programa.gravador.mensagens.size(), 2);
}

QTEST_MAIN(TstAppException)
#include "tst_appexception.moc"
