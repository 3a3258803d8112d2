// The report's pages: A4, numbered, no heading or table heading left alone at the foot of a page.

#include "Documento.h"
#include "Relatorio.h"
#include "projeto/Arquivos.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMap>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The report's fonts are laid out glyph by glyph: shaped Latin text would join "fi" and "fl" into
// ligature glyphs, which a PDF viewer copies and searches as U+FB01 and U+FB02, not as the letters.
QFont Fonte(int pontos) {
    QFont fonte(QStringLiteral("DejaVu Sans"), pontos);
    fonte.setStyleStrategy(QFont::PreferNoShaping);
    return fonte;
}

// The page an ordinate of the paginated document falls on.
int Pagina(qreal y, qreal altura) {
    return static_cast<int>(std::floor(y / altura));
}

// Already at the head of its page: moving it on would only leave a page empty.
bool NoTopo(qreal y, qreal altura) {
    return y - Pagina(y, altura) * altura < altura * 0.05;
}

// The headings and tables, by their order in the document, moved down to the next page: the space
// put above each, in pixels of a 96-dpi screen, as the document's sizes are given.
struct Quebras {
    QMap<int, qreal> titulos, tabelas;
};

// A heading or a table's heading row, where it is drawn and where the line that must stay with
// it is: for a heading, the second line after it (a line of text and a table's heading, or a
// table's heading and its first cell); for a table, its first row.
struct Item {
    bool tabela;
    int indice;
    qreal y, seguinte;
};

std::vector<Item> Itens(const QTextDocument& documento) {
    QAbstractTextDocumentLayout* layout = documento.documentLayout();
    // Where the block's first line is drawn: a block that starts at the foot of a page may have
    // its lines on the next.
    const auto topo = [&](const QTextBlock& b) {
        const QTextLayout* linhas = b.layout();
        return layout->blockBoundingRect(b).top() +
               (linhas && linhas->lineCount() > 0 ? linhas->lineAt(0).y() : 0);
    };
    std::vector<Item> itens;
    int titulo = 0;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0) {
            continue;
        }
        QTextBlock depois = b.next();
        if (depois.isValid() && depois.next().isValid()) {
            depois = depois.next();
        }
        itens.push_back({false, titulo++, topo(b), depois.isValid() ? topo(depois) : topo(b)});
    }
    int indice = 0;
    for (QTextFrame* quadro : documento.rootFrame()->childFrames()) {
        if (const auto* tabela = qobject_cast<QTextTable*>(quadro)) {
            const qreal cabecalho = topo(tabela->cellAt(0, 0).firstCursorPosition().block());
            const qreal linha = tabela->rows() >= 2
                                    ? topo(tabela->cellAt(1, 0).firstCursorPosition().block())
                                    : cabecalho;
            itens.push_back({true, indice++, cabecalho, linha});
        }
    }
    return itens;
}

QMap<int, qreal>& Lista(Quebras& quebras, const Item& item) {
    return item.tabela ? quebras.tabelas : quebras.titulos;
}

// Laid out again with space above each heading, or table's heading row, that would stand alone at
// the foot of a page, enough to start it on the next page; taken in the document's order, so that
// a move never shifts what came before it. `fator`: the writer's pixels per pixel of the sizes.
void EvitarLinhasSozinhas(QTextDocument& documento, qreal altura, qreal fator,
                          const std::function<void(const Quebras&)>& montar) {
    Quebras quebras;
    for (int rodada = 0; rodada < 60; ++rodada) {
        montar(quebras);
        std::optional<Item> primeiro;
        for (const Item& item : Itens(documento)) {
            const bool sozinho =
                Pagina(item.y, altura) < Pagina(item.seguinte, altura) && !NoTopo(item.y, altura);
            // An item moved once and still alone is taller than a page: it stays.
            if (sozinho && !Lista(quebras, item).contains(item.indice) &&
                (!primeiro || item.y < primeiro->y)) {
                primeiro = item;
            }
        }
        if (!primeiro) {
            return;
        }
        const qreal ateAProxima = (Pagina(primeiro->y, altura) + 1) * altura - primeiro->y;
        Lista(quebras, *primeiro)[primeiro->indice] = ateAProxima / fator + 2;
    }
}

// The rich text with the space above the headings and tables given.
QString ComQuebras(QString html, const Quebras& quebras) {
    const auto marcar = [&html](const QStringList& marcas, const QMap<int, qreal>& quais) {
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
                html.insert(fim, QStringLiteral(" style='margin-top: %1px'")
                                     .arg(qRound(quais.value(static_cast<int>(k)))));
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
    const QFont fonteRodape = Fonte(8);
    const qreal alturaRodape = QFontMetricsF(fonteRodape, &pdf).height() * 2;
    const QSizeF corpo(pagina.width(), pagina.height() - alturaRodape);

    // Laid out again with a page break before each heading or table heading that would stand
    // alone at the foot of a page, until none does.
    // The text and its pictures are made once; each round only sets the spaces.
    QTextDocument documento;
    documento.documentLayout()->setPaintDevice(&pdf);
    documento.setDefaultFont(Fonte(9));
    documento.setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 16pt; } h2 { font-size: 12pt; } th { background: #e8e8e8; }"));
    documento.setPageSize(corpo);
    const QString html = HtmlDoRelatorio(conteudo, documento, fator);
    EvitarLinhasSozinhas(documento, corpo.height(), fator, [&](const Quebras& quebras) {
        documento.setHtml(ComQuebras(html, quebras));
    });
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
