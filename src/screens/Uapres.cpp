#include "Uapres.h"

#include "ui_Uapres.h"

#include "Projetos.h"
#include "Telas.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

namespace {
// The design file among what is dragged: one local file named *.veltra.
QString ArquivoArrastado(const QMimeData* dados) {
    if (!dados || !dados->hasUrls() || dados->urls().size() != 1) {
        return {};
    }
    const QString caminho = dados->urls().constFirst().toLocalFile();
    return caminho.endsWith(QStringLiteral(".veltra"), Qt::CaseInsensitive) ? caminho : QString();
}
} // namespace

TApres::TApres(QWidget* parent) : Tela(Tipo::Principal, parent), ui(new Ui::TApres) {
    ui->setupUi(this);
    FixarMoldura();
    setAcceptDrops(true);
    ui->bIni->setFocus();
    AoClicar(ui->bIni, this, &TApres::bIniClick);
    AoClicar(ui->bAbrir, this, &TApres::bAbrirClick);
    AoClicar(ui->bSair, this, &TApres::bSairClick);
    connect(ui->lRecentes, &QListWidget::itemActivated, this,
            Tratado([this] { lRecentesActivated(); }));
    MostrarRecentes();
}

TApres::~TApres() = default;

void TApres::bIniClick() {
    Telas::Mostrar(IdTela::Esquema);
}

void TApres::bAbrirClick() {
    AbrirProjetoComDialogo(this);
    MostrarRecentes();
}

void TApres::bSairClick() {
    Fechar();
}

void TApres::FormActivate() {
    MostrarRecentes();
}

void TApres::lRecentesActivated() {
    if (const QListWidgetItem* item = ui->lRecentes->currentItem()) {
        AbrirProjetoRecente(this, item->data(Qt::UserRole).toString());
    }
    MostrarRecentes();
}

// Each design by its file name, its folder beside it; the whole path as its tooltip.
void TApres::MostrarRecentes() {
    const QStringList recentes = ProjetosRecentes();
    ui->lRecentes->clear();
    for (const QString& caminho : recentes) {
        const QFileInfo info(caminho);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1    (%2)")
                .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())),
            ui->lRecentes);
        item->setData(Qt::UserRole, caminho);
        item->setToolTip(QDir::toNativeSeparators(caminho));
    }
    if (!recentes.isEmpty()) {
        ui->lRecentes->setCurrentRow(0);
    }
    ui->lSemRecentes->setVisible(recentes.isEmpty());
}

void TApres::closeEvent(QCloseEvent* e) {
    bool sair = false;
    Tratado([&] { sair = ConfirmarSaida(this); })();
    if (!sair) {
        e->ignore();
        return;
    }
    Tela::closeEvent(e);
}

void TApres::dragEnterEvent(QDragEnterEvent* e) {
    if (!ArquivoArrastado(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
    }
}

void TApres::dropEvent(QDropEvent* e) {
    const QString caminho = ArquivoArrastado(e->mimeData());
    if (caminho.isEmpty()) {
        return;
    }
    e->acceptProposedAction();
    // As "&Abrir...": values typed and not saved are not replaced without asking.
    Tratado([&] {
        if (ConfirmarSaida(this)) {
            AbrirProjeto(caminho);
        }
    })();
    MostrarRecentes();
}
