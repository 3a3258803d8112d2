#include "Apoio.h"

#include "data/Mensagens.h"
#include "data/ParseReal.h"
#include "screens/Tela.h"
#include "screens/Uapres.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPixmap>
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

GravadorMensagens::GravadorMensagens() {
    DefinirExibidorMensagens(
        [this](const std::string& texto) { mensagens << QString::fromStdString(texto); });
}

GravadorMensagens::~GravadorMensagens() {
    DefinirExibidorMensagens(nullptr);
}

ProgramaEmTeste::ProgramaEmTeste() {
    telas_ = IniciarVeltra(*qApp);
    // The start-up installs the message box; the tests read the messages instead.
    DefinirExibidorMensagens(
        [this](const std::string& texto) { gravador.mensagens << QString::fromStdString(texto); });
    EsperarAtiva(Apres);
}

ProgramaEmTeste::~ProgramaEmTeste() {
    telas_.reset();
}

bool EsperarAtiva(QWidget* janela) {
    return QTest::qWaitForWindowActive(janela, 5000);
}

bool MostrarEEsperar(QWidget* tela) {
    if (auto* t = qobject_cast<Tela*>(tela)) {
        t->Mostrar();
    } else {
        tela->show();
        tela->activateWindow();
    }
    return EsperarAtiva(tela);
}

void GravarPng(QWidget* janela, const QString& nome) {
    QString pasta = qEnvironmentVariable("VELTRA_PNG_DIR");
    if (pasta.isEmpty()) {
        pasta = QDir::tempPath() + QStringLiteral("/veltra-png");
    }
    QDir().mkpath(pasta);
    janela->grab().save(pasta + QLatin1Char('/') + nome + QStringLiteral(".png"));
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
            QTest::qWaitForWindowActive(modal, 5000);
            passo(modal);
        }
    });
    espera->start();
}
