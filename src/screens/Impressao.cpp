#include "Impressao.h"

#include "Dialogos.h"
#include "data/Mensagens.h"
#include "projeto/Arquivos.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgGenerator>
#include <QWidget>

namespace {
// a·b/c rounded to the nearest integer, halves upward, in exact integer arithmetic (all positive).
int Quociente(long long a, long long b, long long c) {
    return static_cast<int>((2 * a * b + c) / (2 * c));
}
} // namespace

QSize AjustarAPagina(QSize imagem, QSize pagina) {
    const long long w = imagem.width(), h = imagem.height();
    const long long W = pagina.width(), P = pagina.height();
    if (w <= 0 || h <= 0 || W <= 0 || P <= 0) {
        return {0, 0};
    }
    const int larguraNaAltura = Quociente(w, P, h);
    if (larguraNaAltura < W) {
        return {larguraNaAltura, static_cast<int>(P)};
    }
    return {static_cast<int>(W), Quociente(h, W, w)};
}

QImage ImagemDaTela(QWidget* tela) {
    QImage imagem(tela->size(), QImage::Format_RGB32);
    imagem.fill(tela->palette().color(tela->backgroundRole()));
    QPainter pintor(&imagem);
    tela->render(&pintor, QPoint(), QRegion(), QWidget::DrawChildren);
    return imagem;
}

bool ImprimirImagem(const QImage& imagem, QPagedPaintDevice& pagina) {
    QPainter pintor;
    if (!pintor.begin(&pagina)) {
        return false;
    }
    const QRect area = pagina.pageLayout().paintRectPixels(pagina.logicalDpiX());
    const QSize tamanho = AjustarAPagina(imagem.size(), area.size());
    pintor.drawImage(QRect(QPoint(0, 0), tamanho), imagem);
    return pintor.end();
}

namespace {
// Without a printer the same page can still be kept: as a PDF file, if the user wants.
void OferecerPdf(const QImage& imagem) {
    if (Perguntar(nullptr, QStringLiteral("Deseja salvar a página em PDF?"), Opcoes::SimNao) !=
        Resposta::Sim) {
        return;
    }
    QString caminho =
        EscolherArquivo(nullptr, Dialogo::Salvar, QStringLiteral("Salvar página em PDF"),
                        QDir::home().filePath(QStringLiteral("pagina.pdf")),
                        QStringLiteral("Documento PDF (*.pdf)"));
    if (caminho.isEmpty()) {
        return;
    }
    if (!caminho.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        caminho += QStringLiteral(".pdf");
    }
    const QString motivo = GravarArquivo(caminho, [&](QIODevice& arquivo) {
        QPdfWriter pdf(&arquivo);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        return ImprimirImagem(imagem, pdf);
    });
    if (!motivo.isEmpty()) {
        ExibirMensagem(QStringLiteral("Não foi possível salvar a página em \u00ab%1\u00bb: %2.")
                           .arg(QFileInfo(caminho).fileName(), motivo)
                           .toStdString());
    }
}
} // namespace

void ImprimirNaImpressoraPadrao(const QImage& imagem) {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        ExibirMensagem("Nenhuma impressora disponível.");
        OferecerPdf(imagem);
        return;
    }
    QPrinter impressora(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    impressora.setFullPage(false);
    if (!ImprimirImagem(imagem, impressora)) {
        ExibirMensagem("Nenhuma impressora disponível.");
        OferecerPdf(imagem);
    }
}

void ImprimirTela(QWidget* tela) {
    ImprimirNaImpressoraPadrao(ImagemDaTela(tela));
}

void SalvarImagemComDialogo(QWidget* desenho, const QString& sugestao) {
    QString caminho =
        EscolherArquivo(desenho->window(), Dialogo::Salvar, QStringLiteral("Salvar imagem"),
                        sugestao, QStringLiteral("Imagem PNG (*.png);;Desenho SVG (*.svg)"));
    if (caminho.isEmpty()) {
        return;
    }
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    if (sufixo != QLatin1String("png") && sufixo != QLatin1String("svg")) {
        caminho += QStringLiteral(".png");
    }
    const bool svg = caminho.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const QString motivo = GravarArquivo(caminho, [&](QIODevice& arquivo) {
        if (!svg) {
            return ImagemDaTela(desenho).save(&arquivo, "PNG");
        }
        QSvgGenerator desenhoSvg;
        desenhoSvg.setOutputDevice(&arquivo);
        desenhoSvg.setSize(desenho->size());
        desenhoSvg.setViewBox(desenho->rect());
        desenhoSvg.setTitle(desenho->window()->windowTitle());
        QPainter pintor;
        if (!pintor.begin(&desenhoSvg)) {
            return false;
        }
        desenho->render(&pintor);
        return pintor.end();
    });
    if (!motivo.isEmpty()) {
        ExibirMensagem(QStringLiteral("Não foi possível salvar a imagem em \u00ab%1\u00bb: %2.")
                           .arg(QFileInfo(caminho).fileName(), motivo)
                           .toStdString());
    }
}
