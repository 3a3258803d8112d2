#include "Apoio.h"

#include "data/EstadoExecucao.h"
#include "data/Mensagens.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

QString NomesDosFilhos(const QWidget* raiz) {
    QStringList nomes;
    for (const QObject* filho : raiz->findChildren<QObject*>()) {
        if (!filho->objectName().isEmpty()) {
            nomes << QStringLiteral("%1(%2)").arg(filho->objectName(),
                                                  filho->metaObject()->className());
        }
    }
    return nomes.join(QStringLiteral(", "));
}

ProgramaEmTeste::ProgramaEmTeste() {
    ReiniciarExecucao();
    telas_ = IniciarVeltra(*qApp);
    // The start-up installs the message box; the tests read the messages instead.
    DefinirExibidorMensagens(
        [this](const std::string& texto) { mensagens << QString::fromStdString(texto); });
    if (!EsperarAtiva(IdTela::Apres)) {
        qWarning("A tela de abertura nao ficou ativa a tempo.");
    }
}

ProgramaEmTeste::~ProgramaEmTeste() {
    DefinirExibidorMensagens(nullptr);
    telas_.reset();
}

Tela* Janela(IdTela id) {
    Tela* tela = Telas::Buscar(id);
    if (!tela) {
        qFatal("Tela %d nao existe", static_cast<int>(id));
    }
    return tela;
}

bool EsperarAtiva(QWidget* janela) {
    return QTest::qWaitForWindowActive(janela, 5000);
}

bool EsperarAtiva(IdTela id) {
    return EsperarAtiva(Janela(id));
}

bool MostrarEEsperar(IdTela id) {
    Janela(id)->Mostrar();
    return EsperarAtiva(id);
}

QWidget* Focado() {
    return QApplication::focusWidget();
}

void Clicar(IdTela tela, const char* botao) {
    QTest::mouseClick(Achar<QPushButton>(Janela(tela), QString::fromLatin1(botao)), Qt::LeftButton);
}

void Digitar(IdTela tela, const char* campo, const QString& texto) {
    QLineEdit* e = Achar<QLineEdit>(Janela(tela), QString::fromLatin1(campo));
    e->clear();
    QTest::keyClicks(e, texto);
}

QString Texto(IdTela tela, const char* campo) {
    return Achar<QLineEdit>(Janela(tela), QString::fromLatin1(campo))->text();
}

QStringList Textos(IdTela tela, const char* campos) {
    QStringList textos;
    for (const QString& campo : QString::fromLatin1(campos).split(u' ')) {
        textos << Achar<QLineEdit>(Janela(tela), campo)->text();
    }
    return textos;
}

void QuandoModal(std::function<void(QWidget* modal)> passo) {
    auto* espera = new QTimer(qApp);
    const QDeadlineTimer prazo(5000);
    espera->setInterval(5);
    QObject::connect(espera, &QTimer::timeout, qApp, [espera, prazo, passo = std::move(passo)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && !prazo.hasExpired()) {
            return;
        }
        espera->stop();
        espera->deleteLater();
        if (modal) {
            // The step runs either way: what it checks fails if the window never became active.
            static_cast<void>(QTest::qWaitForWindowActive(modal, 5000));
            passo(modal);
        }
    });
    espera->start();
}
