#include "TelaResultados.h"

#include "DicasMouse.h"
#include "Impressao.h"
#include "RelatorioDasTelas.h"
#include "Telas.h"
#include "data/EstadoExecucao.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

void EscreverCampo(QLineEdit* campo, const std::string& texto) {
    const QString valor = QString::fromStdString(texto);
    campo->setText(valor);
    campo->setCursorPosition(0);
    QStyleOptionFrame opcao;
    opcao.initFrom(campo);
    opcao.lineWidth = campo->hasFrame()
                          ? campo->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcao, campo)
                          : 0;
    const QRect area = campo->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &opcao, campo)
                           .marginsRemoved(campo->textMargins());
    // QLineEdit keeps a further two pixels on each side of its text.
    const bool cabe = campo->fontMetrics().horizontalAdvance(valor) <= area.width() - 4;
    campo->setToolTip(cabe ? QString() : valor);
}

TelaResultados::TelaResultados(Metodo metodo, QWidget* parent)
    : Tela(Tipo::Normal, parent), metodo_(metodo) {}

void TelaResultados::MontarResultados(QStatusBar* barra, QLineEdit* comprimento1,
                                      QLineEdit* comprimento2, QPushButton* dados,
                                      QPushButton* imprimir, QPushButton* sair,
                                      QPushButton* geotexteis, QPushButton* ruptura,
                                      QPushButton* relatorio) {
    FixarMoldura();
    PrepararBarraStatus(barra);
    MostrarDicasDoMouse(this);
    comprimentos_[0] = comprimento1;
    comprimentos_[1] = comprimento2;
    // A screen without anchorage or drawing has none of their buttons.
    for (const auto& [botao, tratador] : {std::pair{dados, &TelaResultados::bDadosClick},
                                          std::pair{imprimir, &TelaResultados::bImpClick},
                                          std::pair{sair, &TelaResultados::bSairClick},
                                          std::pair{geotexteis, &TelaResultados::bGeot1Click},
                                          std::pair{ruptura, &TelaResultados::bRupturaClick},
                                          std::pair{relatorio, &TelaResultados::bRelatorioClick}}) {
        if (botao) {
            AoClicar(botao, this, tratador);
        }
    }
}

void TelaResultados::EscreverAviso(QLabel* aviso, const QString& texto) {
    constexpr int margem = 8;
    const int antes = aviso->isHidden() ? 0 : aviso->height() + margem;
    aviso->setText(texto);
    aviso->setHidden(texto.isEmpty());
    int depois = 0;
    if (!texto.isEmpty()) {
        aviso->resize(aviso->width(), aviso->heightForWidth(aviso->width()));
        depois = aviso->height() + margem;
    }
    const int deslocamento = depois - antes;
    if (deslocamento == 0) {
        return;
    }
    for (QWidget* controle : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (controle != aviso && controle->y() >= aviso->y()) {
            controle->move(controle->x(), controle->y() + deslocamento);
        }
    }
    setFixedSize(width(), height() + deslocamento);
}

void TelaResultados::MostrarComprimentos() {
    retornoDaAncoragem_ = true;
    Mostrar();
}

void TelaResultados::FormActivate() {
    if (retornoDaAncoragem_) {
        retornoDaAncoragem_ = false;
        EscreverComprimentos();
        return;
    }
    EscreverResultados();
}

void TelaResultados::FormDeactivate() {
    // The lengths are seen only from the return of the calculation until the screen is left.
    for (QLineEdit* campo : comprimentos_) {
        if (campo) {
            campo->clear();
        }
    }
    retornoDaAncoragem_ = false;
    Tela::FormDeactivate();
}

void TelaResultados::bDadosClick() {
    Telas::Mostrar(IdTela::Entdad);
}

void TelaResultados::bImpClick() {
    ImprimirTela(this);
}

void TelaResultados::bSairClick() {
    Telas::Mostrar(IdTela::Apres);
}

void TelaResultados::bGeot1Click() {
    Execucao().OrigemKaniraj = metodo_ == Metodo::Kaniraj;
    Execucao().OrigemBishop = metodo_ == Metodo::Bishop;
    Telas::Mostrar(IdTela::ApresGeo);
}

void TelaResultados::bRupturaClick() {
    Telas::MostrarModal(IdTela::Superficies);
}

void TelaResultados::bRelatorioClick() {
    RelatorioComDialogo(this);
}
