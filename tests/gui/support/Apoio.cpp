#include "Apoio.h"

#include "data/Mensagens.h"
#include "data/ParseReal.h"
#include "screens/Tela.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"
#include "screens/Umetod.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
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
    if (!EsperarAtiva(Apres)) {
        // Every test starts from the active opening screen; say so when it did not get there.
        qWarning("A tela de abertura nao ficou ativa a tempo.");
    }
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
            // The step runs either way: what it checks fails if the window never became active.
            static_cast<void>(QTest::qWaitForWindowActive(modal, 5000));
            passo(modal);
        }
    });
    espera->start();
}

Tela* TelaPeloNome(const QString& classe) {
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (auto* tela = qobject_cast<Tela*>(janela); tela && tela->objectName() == classe) {
            return tela;
        }
    }
    qFatal("Janela \"%s\" nao existe", qPrintable(classe));
    return nullptr;
}

QStringList JanelasVisiveis() {
    QStringList nomes;
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (janela->isVisible()) {
            nomes << janela->objectName();
        }
    }
    nomes.sort();
    return nomes;
}

void GravarImagem(const QImage& imagem, const QString& nome) {
    QString pasta = qEnvironmentVariable("VELTRA_PNG_DIR");
    if (pasta.isEmpty()) {
        pasta = QDir::tempPath() + QStringLiteral("/veltra-png");
    }
    QDir().mkpath(pasta);
    imagem.save(pasta + QLatin1Char('/') + nome + QStringLiteral(".png"));
}

namespace passos {
QWidget* Focado() {
    return QApplication::focusWidget();
}

QPushButton* Botao(const QWidget* tela, const char* nome) {
    return Achar<QPushButton>(tela, QString::fromLatin1(nome));
}

void Digitar(QLineEdit* campo, const QString& texto) {
    campo->clear();
    QTest::keyClicks(campo, texto);
}

bool ChegarAosMetodosComOExemplo() {
    if (!MostrarEEsperar(Entdad)) {
        return false;
    }
    const std::pair<const char*, const char*> exemplo[] = {
        {"eAlt", "3"},    {"eDecl", "2"},     {"ePesesp", "18"},   {"eCoesao", "5"},
        {"eAngat", "30"}, {"eAltberma", "0"}, {"eLargberma", "0"}, {"eProf", "6"},
        {"eDist", "0"},   {"eSuperf", "10"},  {"eProfZ", "10"},    {"eCont", "10"},
    };
    for (const auto& [nome, texto] : exemplo) {
        Digitar(Achar<QLineEdit>(Entdad, QString::fromLatin1(nome)), QString::fromLatin1(texto));
    }
    QTest::mouseClick(Botao(Entdad, "bContin"), Qt::LeftButton);
    return EsperarAtiva(Metcal);
}

int ExecutarAteOFim(const std::function<void()>& acao) {
    QTimer guarda; // a stuck loop would otherwise hang the test
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
    guarda.start(5000);
    QTimer::singleShot(0, qApp, acao);
    const int codigo = QApplication::exec();
    guarda.stop();
    return codigo;
}
} // namespace passos
