// The report's pages: A4, numbered, no heading or table heading left alone at the foot of a page.

#include "Documento.h"
#include "Relatorio.h"
#include "projeto/Arquivos.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>

namespace {

// The page an ordinate of the paginated document falls on.
int Pagina(qreal y, qreal altura) {
    return static_cast<int>(std::floor(y / altura));
}

// The headings and tables, by their order in the document, that start a new page.
struct Quebras {
    QList<int> titulos, tabelas;
    bool operator==(const Quebras&) const = default;
};

// The first heading, or table whose heading row, that would stand alone at the foot of a page: a
// heading stays with the two lines after it (a line of text and a table's heading, or a table's
// heading and its first cell), a table's heading row with its first row. False when none does.
bool AcharLinhaSozinha(const QTextDocument& documento, qreal altura, Quebras& quebras) {
    QAbstractTextDocumentLayout* layout = documento.documentLayout();
    const auto topo = [&](const QTextBlock& b) { return layout->blockBoundingRect(b).top(); };
    int titulo = 0;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0) {
            continue;
        }
        QTextBlock depois = b.next();
        if (depois.isValid() && depois.next().isValid()) {
            depois = depois.next();
        }
        if (depois.isValid() && Pagina(topo(b), altura) < Pagina(topo(depois), altura) &&
            !quebras.titulos.contains(titulo)) {
            quebras.titulos << titulo;
            return true;
        }
        ++titulo;
    }
    int indice = 0;
    for (QTextFrame* quadro : documento.rootFrame()->childFrames()) {
        const auto* tabela = qobject_cast<QTextTable*>(quadro);
        if (!tabela) {
            continue;
        }
        if (tabela->rows() >= 2 && !quebras.tabelas.contains(indice)) {
            const QTextBlock cabecalho = tabela->cellAt(0, 0).firstCursorPosition().block();
            const QTextBlock primeira = tabela->cellAt(1, 0).firstCursorPosition().block();
            if (Pagina(topo(cabecalho), altura) < Pagina(topo(primeira), altura)) {
                quebras.tabelas << indice;
                return true;
            }
        }
        ++indice;
    }
    return false;
}

// The rich text with a page break before the headings and tables given.
QString ComQuebras(QString html, const Quebras& quebras) {
    const auto marcar = [&html](const QStringList& marcas, const QList<int>& quais) {
        QList<qsizetype> posicoes;
        for (qsizetype p = 0;;) {
            qsizetype proxima = -1;
            for (const QString& marca : marcas) {
                const qsizetype q = html.indexOf(marca, p);
                if (q >= 0 && (proxima < 0 || q < proxima)) {
                    proxima = q;
                }
            }
            if (proxima < 0) {
                break;
            }
            posicoes << proxima;
            p = proxima + 1;
        }
        for (qsizetype k = posicoes.size() - 1; k >= 0; --k) {
            if (quais.contains(static_cast<int>(k))) {
                const qsizetype fim = html.indexOf(QLatin1Char('>'), posicoes[k]);
                html.insert(fim, QStringLiteral(" style='page-break-before: always'"));
            }
        }
    };
    marcar({QStringLiteral("<h1"), QStringLiteral("<h2")}, quebras.titulos);
    marcar({QStringLiteral("<table")}, quebras.tabelas);
    return html;
}

// The report's pages on the PDF writer; false when it cannot be written.
bool Paginar(const ConteudoRelatorio& conteudo, QPdfWriter& pdf) {
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Memorial de cálculo"));
    pdf.setCreator(QStringLiteral("Veltra %1").arg(QStringLiteral(VELTRA_VERSAO)));
    QPainter pintor;
    if (!pintor.begin(&pdf)) {
        return false;
    }
    // Everything is laid out in the writer's own pixels, so that the fonts keep their sizes.
    const QRect pagina = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const qreal fator = pdf.resolution() / 96.0;
    const QFont fonteRodape(QStringLiteral("DejaVu Sans"), 8);
    const qreal alturaRodape = QFontMetricsF(fonteRodape, &pdf).height() * 2;
    const QSizeF corpo(pagina.width(), pagina.height() - alturaRodape);

    // Laid out again with a page break before each heading or table heading that would stand
    // alone at the foot of a page, until none does.
    QTextDocument documento;
    Quebras quebras;
    for (int rodada = 0; rodada < 40; ++rodada) {
        documento.clear();
        documento.documentLayout()->setPaintDevice(&pdf);
        documento.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        documento.setDefaultStyleSheet(QStringLiteral(
            "h1 { font-size: 16pt; } h2 { font-size: 12pt; } th { background: #e8e8e8; }"));
        documento.setHtml(ComQuebras(HtmlDoRelatorio(conteudo, documento, fator), quebras));
        documento.setPageSize(corpo);
        if (!AcharLinhaSozinha(documento, corpo.height(), quebras)) {
            break;
        }
    }
    const int paginas = documento.pageCount();

    for (int i = 0; i < paginas; ++i) {
        if (i > 0) {
            pdf.newPage();
        }
        pintor.save();
        pintor.translate(0, -i * corpo.height());
        documento.drawContents(&pintor, QRectF(QPointF(0, i * corpo.height()), corpo));
        pintor.restore();
        pintor.save();
        pintor.setFont(fonteRodape);
        const QRectF rodape(0, corpo.height() + alturaRodape / 2, corpo.width(), alturaRodape / 2);
        pintor.drawLine(QPointF(0, corpo.height() + alturaRodape / 3),
                        QPointF(corpo.width(), corpo.height() + alturaRodape / 3));
        pintor.drawText(
            rodape, Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Veltra %1 — memorial de cálculo").arg(QStringLiteral(VELTRA_VERSAO)));
        pintor.drawText(rodape, Qt::AlignRight | Qt::AlignVCenter,
                        QStringLiteral("página %1 de %2").arg(i + 1).arg(paginas));
        pintor.restore();
    }
    return pintor.end();
}

} // namespace

QString GravarRelatorio(const ConteudoRelatorio& conteudo, const QString& caminho) {
    const QString motivo = GravarArquivo(caminho, [&](QIODevice& arquivo) {
        QPdfWriter pdf(&arquivo);
        return Paginar(conteudo, pdf);
    });
    if (motivo.isEmpty()) {
        return {};
    }
    return QStringLiteral("Não foi possível gravar o memorial em \u00ab%1\u00bb: %2.")
        .arg(QFileInfo(caminho).fileName(), motivo);
}
