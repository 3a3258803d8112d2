#include "Aplicacao.h"

#include "AppException.h"

#include "data/Mensagens.h"
#include "data/ParseReal.h"
#include "relatorio/Relatorio.h"
#include "screens/Folha.h"
#include "screens/Projetos.h"
#include "screens/Tela.h"
#include "screens/TelaTexto.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"
#include "screens/Umetod.h"
#include "screens/Usolbishop.h"
#include "screens/Usolkan.h"
#include "screens/Usollow.h"
#include "screens/uApresGeo.h"
#include "screens/uConfiabilidade.h"
#include "screens/uEns.h"
#include "screens/uEsquema.h"
#include "screens/uEstudo.h"
#include "screens/uGeotextil.h"
#include "screens/uSuperficies.h"
#include "screens/uVerificacoes.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QSessionManager>
#include <QStringList>
#include <QTimer>
#include <QTranslator>
#include <QWindow>

#include <cfenv>
#include <cstdio>
#include <memory>

namespace {
// Qt's own texts (the file dialogs, their questions, the system's reasons) in Portuguese, like
// the program's; without Qt's translations installed they stay in Qt's English.
void TraduzirQt(QCoreApplication& aplicacao) {
    auto* traducao = new QTranslator(&aplicacao);
    if (traducao->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qt"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        aplicacao.installTranslator(traducao);
    } else {
        delete traducao;
    }
}

char SeparadorDoLocal() {
    const QString ponto = QLocale::system().decimalPoint();
    if (ponto.size() == 1 && ponto.at(0).unicode() < 0x80) {
        return static_cast<char>(ponto.at(0).unicode());
    }
    return '.';
}
} // namespace

void MostrarCaixaMensagem(const std::string& texto) {
    // Like a modal window, the box leaves the window under it active again when it closes.
    QPointer<QWidget> ativa = QApplication::activeWindow();
    QMessageBox caixa(QMessageBox::NoIcon, QStringLiteral("Veltra"), QString::fromStdString(texto),
                      QMessageBox::Ok, ativa);
    caixa.setObjectName(QStringLiteral("CaixaMensagem"));
    caixa.exec();
    if (ativa && ativa->isVisible()) {
        ativa->activateWindow();
    }
}

template <class T, class... Descricao>
void ConjuntoTelas::Criar(IdTela id, const Descricao&... descricao) {
    telas_[static_cast<int>(id)] = std::make_unique<T>(descricao...);
}

ConjuntoTelas::ConjuntoTelas() {
    // Every error that escapes an event handler of any screen goes to one handler.
    DefinirTratadorErros(AppException);

    // In the order of IdTela; a screen whose creation fails leaves the ones before it to be
    // destroyed with the half-built set, and none of them installed.
    Criar<TApres>(IdTela::Apres);
    Criar<TSolkan>(IdTela::Solkan);
    Criar<TEntdad>(IdTela::Entdad);
    Criar<TMetcal>(IdTela::Metcal);
    Criar<TSollow>(IdTela::Sollow);
    Criar<TGeot>(IdTela::Geot);
    Criar<TEsquema>(IdTela::Esquema);
    Criar<TelaTexto>(IdTela::HipKan, TelaTexto::hipotesesKaniraj);
    Criar<TelaTexto>(IdTela::HipLow, TelaTexto::hipotesesLow);
    Criar<TelaTexto>(IdTela::Bibl, TelaTexto::bibliografia);
    Criar<TApresGeo>(IdTela::ApresGeo);
    Criar<Folha>(IdTela::fCaso2, Folha::caso2);
    Criar<Folha>(IdTela::fCaso3, Folha::caso3);
    Criar<Folha>(IdTela::fCaso4, Folha::caso4);
    Criar<TelaTexto>(IdTela::fAjuda1, TelaTexto::ajudaFatorSeguranca);
    Criar<TfEns>(IdTela::fEns);
    Criar<Folha>(IdTela::fCaso10, Folha::caso10);
    Criar<Folha>(IdTela::fTab1, Folha::tabela1);
    Criar<Folha>(IdTela::fTab2, Folha::tabela2);
    Criar<TSuperficies>(IdTela::Superficies);
    Criar<TEstudo>(IdTela::Estudo);
    Criar<TVerificacoes>(IdTela::Verificacoes);
    Criar<TConfiabilidade>(IdTela::Confiabilidade);
    Criar<TSolbishop>(IdTela::Solbishop);
    Telas::Instalar(this);
}

ConjuntoTelas::~ConjuntoTelas() {
    Telas::Instalar(nullptr);
    for (auto tela = telas_.rbegin(); tela != telas_.rend(); ++tela) {
        tela->reset();
    }
}

Tela* ConjuntoTelas::Obter(IdTela id) const {
    return telas_[static_cast<int>(id)].get();
}

std::unique_ptr<ConjuntoTelas> IniciarVeltra(QApplication& aplicacao) {
    // Round to nearest in extended precision; the analyses test the exception flags themselves.
    std::fesetround(FE_TONEAREST);

    DefinirSeparadorDecimal(SeparadorDoLocal());
    TraduzirQt(aplicacao);

    QFont fonte(QStringLiteral("Sans Serif"), 8);
    fonte.setStyleHint(QFont::SansSerif);
    aplicacao.setFont(fonte);
    aplicacao.setApplicationDisplayName(QString());
    aplicacao.setQuitOnLastWindowClosed(false);

    DefinirExibidorMensagens(MostrarCaixaMensagem);

    // Where the last design folder is remembered.
    aplicacao.setOrganizationName(QStringLiteral("Veltra"));
    aplicacao.setApplicationName(QStringLiteral("Veltra"));

    // The desktop logging out ends the program like its own "&Sair": unsaved values are asked for.
    QObject::connect(&aplicacao, &QGuiApplication::commitDataRequest, [](QSessionManager& sessao) {
        if (sessao.allowsInteraction()) {
            bool sair = false;
            Tratado([&] { sair = ConfirmarSaida(nullptr); })();
            if (!sair) {
                sessao.cancel();
            }
            sessao.release();
        }
    });

    auto telas = std::make_unique<ConjuntoTelas>();
    telas->Obter(IdTela::Apres)->Mostrar();
    return telas;
}

void AbrirProjetoInicial(const QString& caminho) {
    if (caminho.isEmpty()) {
        return;
    }
    // A window manager keeps in front the opening screen, shown first, over a screen shown before
    // the opening screen is up: the design opens once the opening screen is the active window, or
    // after a moment where nothing activates windows, and its screen comes to the front.
    auto conexao = std::make_shared<QMetaObject::Connection>();
    const auto abrir = [caminho, conexao] {
        if (!*conexao) {
            return; // already opened
        }
        QObject::disconnect(*conexao);
        *conexao = {};
        Tratado([&] { AbrirProjeto(caminho); })();
    };
    const Tela* abertura = Telas::Buscar(IdTela::Apres);
    *conexao = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp,
                                [abertura, abrir](QWindow* janela) {
                                    if (abertura && janela == abertura->windowHandle()) {
                                        QTimer::singleShot(0, qApp, abrir);
                                    }
                                });
    QTimer::singleShot(abertura && abertura->isActiveWindow() ? 0 : 1500, qApp, abrir);
}

int GerarRelatorioSemJanelas(int argc, char* argv[], const QString& projeto, const QString& pdf) {
    // No window is ever shown: Qt's offscreen platform needs no display. Its own notes (a missing
    // runtime folder, fonts) are no business of a script: standard error carries only our line.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg) {
            std::fprintf(stderr, "veltra: %s\n", texto.toUtf8().constData());
        }
    });
    QApplication aplicacao(argc, argv);
    std::fesetround(FE_TONEAREST);
    DefinirSeparadorDecimal(SeparadorDoLocal());
    TraduzirQt(aplicacao);
    const auto falha = [](const QString& mensagem) {
        std::fprintf(stderr, "veltra: %s\n", mensagem.toUtf8().constData());
        return 1;
    };
    // The analyses stay silent here: what they would say goes into the report's warnings.
    DefinirExibidorMensagens([](const std::string&) {});
    Projeto lido;
    const Desfecho leitura = LerProjeto(projeto, lido);
    if (!leitura.ok) {
        return falha(leitura.mensagem);
    }
    QString erro;
    try {
        erro = GravarRelatorio(
            CalcularRelatorio(lido, QFileInfo(projeto).fileName(), true, true, std::nullopt, true),
            pdf);
    } catch (...) {
        erro = QString::fromStdString(TextoDoErro(std::current_exception()));
    }
    if (!erro.isEmpty()) {
        return falha(erro);
    }
    return 0;
}
