#include "Impressao.h"

#include "Dialogos.h"
#include "data/Mensagens.h"

#include <QDir>
#include <QFileInfo>

#include <QPainter>
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

bool ImprimirImagem(const QImage& imagem, QPrinter& impressora) {
    impressora.setFullPage(false);
    QPainter pintor;
    if (!pintor.begin(&impressora)) {
        return false;
    }
    const QRect area = impressora.pageLayout().paintRectPixels(impressora.resolution());
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
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(caminho);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    if (!ImprimirImagem(imagem, pdf)) {
        ExibirMensagem("Não foi possível salvar a página em \u00ab" +
                       QFileInfo(caminho).fileName().toStdString() + "\u00bb.");
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
    bool gravado;
    if (caminho.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(caminho);
        svg.setSize(desenho->size());
        svg.setViewBox(desenho->rect());
        svg.setTitle(desenho->window()->windowTitle());
        QPainter pintor;
        gravado = pintor.begin(&svg);
        if (gravado) {
            desenho->render(&pintor);
            gravado = pintor.end();
        }
        gravado = gravado && QFileInfo::exists(caminho);
    } else {
        gravado = ImagemDaTela(desenho).save(caminho, "PNG");
    }
    if (!gravado) {
        ExibirMensagem("Não foi possível salvar a imagem em \u00ab" +
                       QFileInfo(caminho).fileName().toStdString() + "\u00bb.");
    }
}
