#include "Apoio.h"

#include "data/EstadoExecucao.h"
#include "data/FormatoGeral.h"
#include "data/Mensagens.h"
#include "screens/Projetos.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>
#include <QTemporaryDir>
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
    ReiniciarProjeto();
    // The settings as on a machine that never ran the program: no recent designs. Each test
    // program has its own, so tests running side by side do not write each other's lists.
    static const QTemporaryDir configuracoes;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configuracoes.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Veltra"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltra"));
    QSettings().clear();
    DefinirPerguntador([this](QWidget*, const QString& pergunta) {
        perguntas << pergunta;
        return resposta;
    });
    DefinirEscolhedorArquivo([this](QWidget*, Dialogo dialogo, const QString&, const QString&) {
        return dialogo == Dialogo::Abrir && !arquivoAbrir.isEmpty() ? arquivoAbrir : arquivo;
    });
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
    DefinirPerguntador(nullptr);
    DefinirEscolhedorArquivo(nullptr);
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
    Clicar(Janela(tela), botao);
}

void Clicar(const QWidget* janela, const char* botao) {
    QTest::mouseClick(Achar<QPushButton>(janela, QString::fromLatin1(botao)), Qt::LeftButton);
}

void Digitar(IdTela tela, const char* campo, const QString& texto) {
    QLineEdit* e = Achar<QLineEdit>(Janela(tela), QString::fromLatin1(campo));
    e->clear();
    QTest::keyClicks(e, texto);
}

void DigitarCampos(IdTela tela, const char* campos, const QString& textos) {
    const QStringList nomes = QString::fromLatin1(campos).split(u' ');
    const QStringList valores = textos.split(u' ');
    for (qsizetype i = 0; i < nomes.size(); ++i) {
        Digitar(tela, qPrintable(nomes[i]), valores.value(i));
    }
}

void DigitarEm(const QWidget* janela, const char* campos, const QString& textos) {
    const QStringList nomes = QString::fromLatin1(campos).split(u' ');
    const QStringList valores = textos.split(u' ');
    for (qsizetype i = 0; i < nomes.size(); ++i) {
        QLineEdit* campo = Achar<QLineEdit>(janela, nomes[i]);
        campo->selectAll();
        QTest::keyClicks(campo, valores.value(i));
    }
}

void Escrever(IdTela tela, const char* campo, const QString& texto) {
    Achar<QLineEdit>(Janela(tela), QString::fromLatin1(campo))->setText(texto);
}

void DigitarEntdad(const QStringList& textos) {
    for (int i = 0; i < 12; ++i) {
        Digitar(IdTela::Entdad, camposEntdad[i], textos.value(i));
    }
}

bool DigitarExemplo(const QString& angulo, const QString& espessura, const QString& fatores) {
    if (!MostrarEEsperar(IdTela::Entdad)) {
        return false;
    }
    DigitarEntdad({"3", "2,0", "18", "5", angulo, "0", "0", espessura, "0", "10", "10", "10"});
    Clicar(IdTela::Entdad, "bContin");
    if (!EsperarAtiva(IdTela::Metcal)) {
        return false;
    }
    DigitarCampos(IdTela::Metcal, "eFatsegkan ePosref eFatseglow", fatores);
    return true;
}

void ExecutarKaniraj(const QString& F, const QString& a) {
    QVERIFY(MostrarEEsperar(IdTela::Metcal));
    Digitar(IdTela::Metcal, "eFatsegkan", F);
    Digitar(IdTela::Metcal, "ePosref", a);
    Clicar(IdTela::Metcal, "bCalkan");
}

void ExecutarLow(const QString& F) {
    QVERIFY(MostrarEEsperar(IdTela::Metcal));
    Digitar(IdTela::Metcal, "eFatseglow", F);
    Clicar(IdTela::Metcal, "bCallow");
}

bool AbrirAnaliseDoReforco(IdTela resultados) {
    Clicar(resultados, "bGeot1");
    if (!EsperarAtiva(IdTela::ApresGeo)) {
        return false;
    }
    Clicar(IdTela::ApresGeo, "bEntGeo");
    return EsperarAtiva(IdTela::Geot);
}

void DigitarInterfaces(const QString& valores) {
    DigitarCampos(IdTela::Geot, "eCoeGeo1 eAngGeo1 eCoeGeo2 eAngGeo2 eFS1", valores);
}

QString Formato(long double valor) {
    return QString::fromStdString(FormatoGeral(valor));
}

int Pixels(const QImage& imagem, const std::function<bool(const QColor&)>& conta, QRect onde) {
    onde = onde.isNull() ? imagem.rect() : onde;
    int n = 0;
    for (int y = onde.top(); y <= onde.bottom(); ++y) {
        for (int x = onde.left(); x <= onde.right(); ++x) {
            n += conta(imagem.pixelColor(x, y));
        }
    }
    return n;
}

QString Texto(IdTela tela, const char* campo) {
    return Achar<QLineEdit>(Janela(tela), QString::fromLatin1(campo))->text();
}

QStringList Textos(IdTela tela, const char* campos) {
    return Textos(Janela(tela), campos);
}

QStringList Textos(const QWidget* janela, const char* nomes) {
    QStringList textos;
    for (const QString& nome : QString::fromLatin1(nomes).split(u' ')) {
        const auto* campo = qobject_cast<const QLineEdit*>(Achar(janela, nome));
        textos << (campo ? campo->text() : Achar<QLabel>(janela, nome)->text());
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

namespace {
// Notes the control when its text needs more room than the control gives it.
void Cabe(const QWidget* w, const QString& texto, QSize precisa, QSize tem, QStringList& cortados) {
    if (!texto.isEmpty() && (precisa.width() > tem.width() || precisa.height() > tem.height())) {
        cortados << QStringLiteral("%1 \"%2\": precisa %3x%4, cabe %5x%6")
                        .arg(w->objectName(), QString(texto).replace(u'\n', QStringLiteral("\\n")))
                        .arg(precisa.width())
                        .arg(precisa.height())
                        .arg(tem.width())
                        .arg(tem.height());
    }
}

// The room a control gives its text and the room the text needs, at the control's own font. The
// program's labels are plain text.
void VerificarRotulo(QLabel* rotulo, QStringList& cortados) {
    const int m = rotulo->margin();
    QRect area = rotulo->contentsRect().adjusted(m + std::max(0, rotulo->indent()), m, -m, -m);
    int flags = int(rotulo->alignment()) | (rotulo->wordWrap() ? Qt::TextWordWrap : 0) |
                (rotulo->buddy() ? Qt::TextShowMnemonic : 0);
    const QSize precisa = rotulo->fontMetrics().boundingRect(area, flags, rotulo->text()).size();
    Cabe(rotulo, rotulo->text(), precisa, area.size(), cortados);
}

void VerificarBotao(QPushButton* botao, QStringList& cortados) {
    QStyleOptionButton opcao;
    opcao.initFrom(botao);
    opcao.text = botao->text();
    if (botao->autoDefault()) {
        opcao.features |= QStyleOptionButton::AutoDefaultButton;
    }
    if (botao->isDefault()) {
        opcao.features |= QStyleOptionButton::DefaultButton;
    }
    const QRect area = botao->style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, botao);
    Cabe(botao, botao->text(), botao->fontMetrics().size(Qt::TextShowMnemonic, botao->text()),
         area.size(), cortados);
}

void VerificarGrupo(QGroupBox* grupo, QStringList& cortados) {
    QStyleOptionGroupBox opcao;
    opcao.initFrom(grupo);
    opcao.text = grupo->title();
    opcao.lineWidth = 1;
    opcao.midLineWidth = 0;
    opcao.textAlignment = grupo->alignment();
    opcao.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (grupo->isCheckable()) {
        opcao.subControls |= QStyle::SC_GroupBoxCheckBox;
    }
    if (grupo->isFlat()) {
        opcao.features |= QStyleOptionFrame::Flat;
    }
    const QRect rotulo = grupo->style()->subControlRect(QStyle::CC_GroupBox, &opcao,
                                                        QStyle::SC_GroupBoxLabel, grupo);
    // The title must lie inside the box and be as wide as its text.
    Cabe(grupo, grupo->title(), grupo->fontMetrics().size(Qt::TextShowMnemonic, grupo->title()),
         grupo->rect().contains(rotulo) ? QSize(rotulo.width(), INT_MAX) : QSize(), cortados);
}

// Every label, button and group-box title of the screen, as drawn at the program's font, has room
// for its whole text. The screen is also written as a PNG for a person to look at.
} // namespace

void VerificarTextosInteiros(QWidget* tela) {
    QStringList cortados;
    for (QLabel* rotulo : tela->findChildren<QLabel*>()) {
        if (rotulo->isVisibleTo(tela) && !qobject_cast<QStatusBar*>(rotulo->parentWidget())) {
            VerificarRotulo(rotulo, cortados);
        }
    }
    for (QPushButton* botao : tela->findChildren<QPushButton*>()) {
        if (botao->isVisibleTo(tela)) {
            VerificarBotao(botao, cortados);
        }
    }
    for (QGroupBox* grupo : tela->findChildren<QGroupBox*>()) {
        if (grupo->isVisibleTo(tela)) {
            VerificarGrupo(grupo, cortados);
        }
    }
    const QString pasta = qEnvironmentVariable("VELTRA_PNG_DIR", QDir::tempPath());
    QDir().mkpath(pasta);
    tela->grab().save(pasta + QLatin1Char('/') + tela->objectName() + QStringLiteral(".png"));
    QVERIFY2(cortados.isEmpty(), qPrintable(cortados.join(QStringLiteral("\n"))));
}
