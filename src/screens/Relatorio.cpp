#include "Relatorio.h"

#include "Dialogos.h"
#include "GraficosRuptura.h"
#include "Projetos.h"
#include "SecaoTransversal.h"
#include "calc/Ancoragem.h"
#include "calc/Verificacao.h"
#include "data/EstadoExecucao.h"
#include "data/FormatoGeral.h"
#include "data/Mensagens.h"
#include "data/ParseReal.h"
#include "projeto/Arquivos.h"

#include <QAbstractTextDocumentLayout>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace {

std::optional<long double> Numero(const QString& texto) {
    try {
        return ParseReal(texto.toStdString());
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::size_t Indice(const char* chave) {
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        if (qstrcmp(CamposProjeto[i].chave, chave) == 0) {
            return i;
        }
    }
    return NumeroDeCampos;
}

std::optional<long double> Valor(const Projeto& p, const char* chave) {
    return Numero(p.valores[Indice(chave)]);
}

// Low's analysis reads neither berm value.
bool MesmoProblemaLow(DadosEntrada a, DadosEntrada b) {
    a.Altberma = b.Altberma;
    a.Largberma = b.Largberma;
    return a == b;
}

QString Escapar(const QString& t) {
    return t.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString Fmt(long double v) {
    return QString::fromStdString(FormatoGeral(v));
}

const QString naoCalculado = QStringLiteral("<i>não calculado</i>");

// The pictures are drawn at `escala` times their size on screen, so that they print sharply.
constexpr int escala = 3;

QImage ImagemSecao(const CenarioSecao& cenario, QSize tamanho) {
    QImage imagem(tamanho * escala, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    SecaoTransversal secao;
    secao.DefinirCenario(cenario);
    QPainter pintor(&imagem);
    pintor.scale(escala, escala);
    secao.Desenhar(pintor, QRectF(QPointF(0, 0), QSizeF(tamanho)));
    return imagem;
}

QImage ImagemGrafico(QChart* grafico, QSize tamanho) {
    QChartView vista(grafico);
    vista.resize(tamanho);
    vista.setRenderHint(QPainter::Antialiasing);
    // A chart lays itself out only once its view is shown: shown off the screen, it does.
    vista.setAttribute(Qt::WA_DontShowOnScreen);
    vista.show();
    QCoreApplication::processEvents();
    QImage imagem(tamanho * escala, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    vista.scene()->render(&pintor, QRectF(imagem.rect()), grafico->geometry());
    return imagem;
}

QString LinhaTabela(const QStringList& celulas, bool cabecalho = false) {
    QString linha = QStringLiteral("<tr>");
    for (const QString& c : celulas) {
        linha +=
            cabecalho ? QStringLiteral("<th>%1</th>").arg(c) : QStringLiteral("<td>%1</td>").arg(c);
    }
    return linha + QStringLiteral("</tr>");
}

// `fator`: the writer's pixels per pixel of a 96-dpi screen, for the pictures' widths.
QString Html(const ConteudoRelatorio& c, QTextDocument& documento, qreal fator) {
    const Projeto& p = c.projeto;
    const QString tabela = QStringLiteral("<table border='1' cellspacing='0' cellpadding='%1' "
                                          "style='border-color: #666'>")
                               .arg(qRound(3 * fator));
    QString h;
    h += QStringLiteral("<h1>Memorial de cálculo</h1>");
    h += QStringLiteral("<table cellpadding='%1'>").arg(qRound(2 * fator));
    h += LinhaTabela({QStringLiteral("Programa"),
                      QStringLiteral("Veltra %1").arg(QStringLiteral(VELTRA_VERSAO))});
    h += LinhaTabela({QStringLiteral("Data"), QLocale(QLocale::Portuguese, QLocale::Brazil)
                                                  .toString(QDateTime::currentDateTime(),
                                                            QStringLiteral("dd/MM/yyyy HH:mm"))});
    h += LinhaTabela({QStringLiteral("Projeto"),
                      c.arquivo.isEmpty() ? QStringLiteral("(não salvo)") : Escapar(c.arquivo)});
    if (!p.descricao.isEmpty()) {
        h += LinhaTabela({QStringLiteral("Obra"), Escapar(p.descricao)});
    }
    h += QStringLiteral("</table>");

    // 1. The data as typed.
    h += QStringLiteral("<h2>1. Dados de entrada</h2>") + tabela;
    h += LinhaTabela(
        {QStringLiteral("Grandeza"), QStringLiteral("Valor"), QStringLiteral("Unidade")}, true);
    const struct {
        const char* chave;
        const char* nome;
        const char* unidade;
    } dados[] = {
        {"Alt", "Altura do aterro, H", "m"},
        {"Decl", "Declividade do talude, n (horizontal/vertical)", "—"},
        {"Pesesp", "Peso específico do aterro, γ", "kN/m³"},
        {"Coesao", "Coesão do aterro, c", "kPa"},
        {"Angat", "Ângulo de atrito do aterro, φ", "graus"},
        {"Altberma", "Altura da berma, hb", "m"},
        {"Largberma", "Largura da berma, b", "m"},
        {"Prof", "Espessura da camada mole, T", "m"},
        {"Dist", "Profundidade de inflexão, Z", "m"},
        {"Superf", "Resistência não drenada na superfície, CS", "kPa"},
        {"ProfZ", "Resistência não drenada à profundidade Z, CZ", "kPa"},
        {"Cont", "Resistência não drenada na base da camada, CF", "kPa"},
    };
    for (const auto& d : dados) {
        const QString valor = p.valores[Indice(d.chave)];
        h += LinhaTabela({QString::fromUtf8(d.nome),
                          valor.isEmpty() ? QStringLiteral("<i>vazio</i>") : Escapar(valor),
                          QString::fromUtf8(d.unidade)});
    }
    h += QStringLiteral("</table>");

    // 2. Hypotheses.
    h += QStringLiteral(
        "<h2>2. Hipóteses dos métodos</h2>"
        "<p><b>Kaniraj.</b> Cunhas circulares tangentes à horizontal na profundidade D da "
        "fundação, examinadas em 40 profundidades ao longo da camada mole; a solicitação no "
        "reforço atua na bissetriz entre o plano horizontal do reforço e a tangente à cunha de "
        "ruptura. O método admite bermas de equilíbrio, reforço plano acima do nível da fundação "
        "(altura a) e trinca de tração em toda a altura do aterro (caso com trinca: só a fundação "
        "resiste e só o aterro acima da corda solicita); não admite cunhas que interceptem a "
        "berma.</p>"
        "<p><b>Low.</b> Em função do fator de segurança global sem reforço de uma cunha circular "
        "que passa à profundidade D da fundação, calcula a solicitação no reforço necessária para "
        "garantir o fator de segurança adotado, atuando na horizontal ou paralela à bissetriz "
        "entre "
        "a horizontal e a tangente à cunha. Não considera bermas, trincas de tração nem reforço "
        "acima da interface (K1 = K2 = a = 0) e analisa cunhas com 0,5 &lt; D/H &lt; 5.</p>");

    // 3. Kaniraj.
    h += QStringLiteral("<h2>3. Resultados pelo método de Kaniraj</h2>");
    if (c.semTrinca && c.comTrinca) {
        h +=
            QStringLiteral("<p>Fator de segurança adotado F = %1; posição do reforço a = %2 m.</p>")
                .arg(Fmt(*c.Fatsegkan), Fmt(*c.Posref));
        h += tabela;
        h += LinhaTabela({QStringLiteral("Caso"), QStringLiteral("P (kN/m)"),
                          QStringLiteral("X0 (m)"), QStringLiteral("Y0 (m)"),
                          QStringLiteral("D (m)")},
                         true);
        for (const auto& [nome, r] :
             {std::pair{QStringLiteral("Com trinca"), c.comTrinca->resultado},
              std::pair{QStringLiteral("Sem trinca"), c.semTrinca->resultado}}) {
            h += LinhaTabela({nome, Fmt(r.P), Fmt(r.X0), Fmt(r.Y0), Fmt(r.D)});
        }
        h += QStringLiteral("</table>");
    } else {
        h += QStringLiteral("<p>Método de Kaniraj: %1.</p>").arg(naoCalculado);
    }

    // 4. Low.
    h += QStringLiteral("<h2>4. Resultados pelo método de Low</h2>");
    if (c.low) {
        const ResultadoLow& r = c.low->resultado;
        h += tabela;
        h += LinhaTabela(
            {QStringLiteral("Grandeza"), QStringLiteral("Valor"), QStringLiteral("Unidade")}, true);
        h += LinhaTabela({QStringLiteral("Menor fator de segurança sem reforço, FS0"),
                          Fmt(r.Fatsegsol), QStringLiteral("—")});
        h += LinhaTabela({QStringLiteral("Profundidade da cunha de FS0"), Fmt(r.Profcunsol),
                          QStringLiteral("m")});
        h += LinhaTabela({QStringLiteral("Fator de segurança adotado, F"), Fmt(*c.Fatseglow),
                          QStringLiteral("—")});
        h += LinhaTabela({QStringLiteral("Solicitação horizontal, Ph"), Fmt(r.Solicsolh),
                          QStringLiteral("kN/m")});
        h += LinhaTabela(
            {QStringLiteral("Profundidade da cunha de Ph"), Fmt(r.Profcunh), QStringLiteral("m")});
        h += LinhaTabela({QStringLiteral("Solicitação na bissetriz, Pb"), Fmt(r.Solicsolb),
                          QStringLiteral("kN/m")});
        h += LinhaTabela(
            {QStringLiteral("Profundidade da cunha de Pb"), Fmt(r.Profcunb), QStringLiteral("m")});
        h += QStringLiteral("</table>");
    } else {
        h += QStringLiteral("<p>Método de Low: %1.</p>").arg(naoCalculado);
    }

    // 5. Anchorage.
    h += QStringLiteral("<h2>5. Comprimentos de ancoragem</h2>") + tabela;
    h += LinhaTabela(
        {QStringLiteral("Parâmetro"), QStringLiteral("Valor"), QStringLiteral("Unidade")}, true);
    const struct {
        const char* chave;
        const char* nome;
        const char* unidade;
    } ancoragem[] = {
        {"CoeGeo1", "Coesão na interface fundação/geotêxtil", "kPa"},
        {"AngGeo1", "Ângulo de atrito na interface fundação/geotêxtil", "graus"},
        {"CoeGeo2", "Coesão na interface aterro/geotêxtil", "kPa"},
        {"AngGeo2", "Ângulo de atrito na interface aterro/geotêxtil", "graus"},
        {"FS1", "Fator de segurança da ancoragem", "—"},
    };
    for (const auto& a : ancoragem) {
        const QString valor = p.valores[Indice(a.chave)];
        h += LinhaTabela({QString::fromUtf8(a.nome),
                          valor.isEmpty() ? QStringLiteral("<i>vazio</i>") : Escapar(valor),
                          QString::fromUtf8(a.unidade)});
    }
    h += QStringLiteral("</table><p></p>") + tabela;
    h += LinhaTabela({QStringLiteral("Solicitação"), QStringLiteral("Comprimento (m)")}, true);
    const auto comprimento = [](const std::optional<long double>& l) {
        return l ? QString::fromStdString(TextoComprimentoAncoragem(*l)) : naoCalculado;
    };
    h += LinhaTabela({QStringLiteral("Kaniraj com trinca"), comprimento(c.ComTr)});
    h += LinhaTabela({QStringLiteral("Kaniraj sem trinca"), comprimento(c.SemTr)});
    h += LinhaTabela({QStringLiteral("Low horizontal"), comprimento(c.Horiz)});
    h += LinhaTabela({QStringLiteral("Low bissetriz"), comprimento(c.Biss)});
    h += QStringLiteral("</table>");

    // 6. Warnings.
    h += QStringLiteral("<h2>6. Avisos</h2>");
    if (c.avisos.isEmpty()) {
        h += QStringLiteral("<p>Nenhum aviso.</p>");
    } else {
        h += QStringLiteral("<ul>");
        for (const QString& aviso : c.avisos) {
            h += QStringLiteral("<li>%1</li>").arg(Escapar(aviso));
        }
        h += QStringLiteral("</ul>");
    }

    // 7. The failure drawn.
    h += QStringLiteral("<h2>7. Superfícies críticas</h2>");
    if (c.dados && (c.semTrinca || c.low)) {
        CenarioSecao cenario;
        cenario.dados = *c.dados;
        CurvasRuptura curvas;
        if (c.semTrinca && c.comTrinca) {
            cenario.temKaniraj = true;
            cenario.Fatsegkan = *c.Fatsegkan;
            cenario.Posref = *c.Posref;
            cenario.semTrinca = c.semTrinca->resultado;
            cenario.comTrinca = c.comTrinca->resultado;
            curvas.semTrinca = c.semTrinca;
            curvas.comTrinca = c.comTrinca;
        }
        if (c.low) {
            cenario.temLow = true;
            cenario.Fatseglow = *c.Fatseglow;
            cenario.low = c.low->resultado;
            curvas.low = c.low;
            curvas.Fatseglow = *c.Fatseglow;
        }
        const auto imagem = [&](const QString& nome, const QImage& figura, int largura) {
            documento.addResource(QTextDocument::ImageResource, QUrl(nome), figura);
            // Sizes in pixels of a 96-dpi screen: the document scales them to the writer.
            h += QStringLiteral("<p align='center'><img src='%1' width='%2' height='%3'></p>")
                     .arg(nome)
                     .arg(largura)
                     .arg(qRound(largura * figura.height() / static_cast<qreal>(figura.width())));
        };
        imagem(QStringLiteral("secao"), ImagemSecao(cenario, {760, 330}), 640);
        imagem(QStringLiteral("forcas"), ImagemGrafico(GraficoForcas(curvas), {700, 340}), 560);
        if (c.low) {
            imagem(QStringLiteral("fs0"), ImagemGrafico(GraficoFS0(curvas), {700, 300}), 560);
        }
        const QString nota = NotaLacunas(curvas);
        if (!nota.isEmpty()) {
            h += QStringLiteral("<p>%1</p>").arg(Escapar(nota));
        }
    } else {
        h += QStringLiteral("<p>Nenhum método foi calculado para estes dados.</p>");
    }
    return h;
}

} // namespace

ConteudoRelatorio CalcularRelatorio(const Projeto& projeto, const QString& arquivo, bool kaniraj,
                                    bool low) {
    ConteudoRelatorio c;
    c.projeto = projeto;
    c.arquivo = arquivo;
    DadosEntrada d;
    bool completos = true;
    for (const auto& [chave, campo] :
         {std::pair{"Alt", &DadosEntrada::Alt}, std::pair{"Decl", &DadosEntrada::Decl},
          std::pair{"Pesesp", &DadosEntrada::Pesesp}, std::pair{"Coesao", &DadosEntrada::Coesao},
          std::pair{"Angat", &DadosEntrada::Angat}, std::pair{"Altberma", &DadosEntrada::Altberma},
          std::pair{"Largberma", &DadosEntrada::Largberma}, std::pair{"Prof", &DadosEntrada::Prof},
          std::pair{"Dist", &DadosEntrada::Dist}, std::pair{"Superf", &DadosEntrada::Superf},
          std::pair{"ProfZ", &DadosEntrada::ProfZ}, std::pair{"Cont", &DadosEntrada::Cont}}) {
        const auto v = Valor(projeto, chave);
        completos = completos && v.has_value();
        d.*campo = v.value_or(0);
    }
    if (!completos) {
        c.avisos << QStringLiteral("Dados de entrada incompletos ou não numéricos: nenhum método "
                                   "foi calculado.");
        return c;
    }
    c.dados = d;
    c.Fatsegkan = Valor(projeto, "Fatsegkan");
    c.Posref = Valor(projeto, "Posref");
    c.Fatseglow = Valor(projeto, "Fatseglow");

    // A method left "não calculado" says why.
    const auto campoInvalido = [&](const char* chave, const char* nome) -> QString {
        if (Valor(projeto, chave)) {
            return {};
        }
        return QStringLiteral("%1 %2").arg(QString::fromUtf8(nome),
                                           projeto.valores[Indice(chave)].isEmpty()
                                               ? QStringLiteral("vazio")
                                               : QStringLiteral("não numérico"));
    };
    if (!kaniraj || !c.Fatsegkan || !c.Posref) {
        QString motivo = campoInvalido("Fatsegkan", "fator de segurança de Kaniraj");
        if (motivo.isEmpty()) {
            motivo = campoInvalido("Posref", "posição do reforço");
        }
        if (motivo.isEmpty()) {
            ResultadoKaniraj r;
            const RelatoKaniraj relato =
                AnaliseKaniraj(HipoteseKaniraj::ComTrinca,
                               {d.Alt, d.Decl, d.Pesesp, d.Coesao, d.Angat, d.Altberma, d.Largberma,
                                d.Prof, d.Dist, d.Superf, d.ProfZ, d.Cont, *c.Fatsegkan, *c.Posref},
                               r);
            motivo = relato.desfecho == DesfechoKaniraj::Rejeitado
                         ? QString::fromUtf8(MensagemDaSituacao(relato.situacao)).chopped(1)
                         : QStringLiteral("não calculado para os dados e fatores digitados");
        }
        c.avisos << QStringLiteral("Kaniraj: %1.").arg(motivo);
    }
    if (!low || !c.Fatseglow) {
        QString motivo = campoInvalido("Fatseglow", "fator de segurança de Low");
        if (motivo.isEmpty()) {
            ResultadoLow r;
            const RelatoLow relato = AnaliseLow({d.Alt, d.Decl, d.Pesesp, d.Coesao, d.Angat, d.Prof,
                                                 d.Dist, d.Superf, d.ProfZ, d.Cont, *c.Fatseglow},
                                                r);
            motivo = relato.situacao != SituacaoDados::Aceitos
                         ? QString::fromUtf8(MensagemDaSituacao(relato.situacao)).chopped(1)
                         : QStringLiteral("não calculado para os dados e o fator digitados");
        }
        c.avisos << QStringLiteral("Low: %1.").arg(motivo);
    }

    if (kaniraj && c.Fatsegkan && c.Posref) {
        const EntradaKaniraj e{d.Alt,      d.Decl,      d.Pesesp,     d.Coesao, d.Angat,
                               d.Altberma, d.Largberma, d.Prof,       d.Dist,   d.Superf,
                               d.ProfZ,    d.Cont,      *c.Fatsegkan, *c.Posref};
        CunhasKaniraj com = DetalheKaniraj(HipoteseKaniraj::ComTrinca, e);
        if (com.relato.desfecho == DesfechoKaniraj::Rejeitado) {
            c.avisos << QStringLiteral("Kaniraj: %1")
                            .arg(QString::fromUtf8(MensagemDaSituacao(com.relato.situacao)));
        } else {
            c.comTrinca = std::move(com);
            c.semTrinca = DetalheKaniraj(HipoteseKaniraj::SemTrinca, e);
            const std::string aviso =
                AvisoProfundidadesSemRaio(c.comTrinca->relato.examinadas,
                                          c.comTrinca->relato.semRaio, c.semTrinca->relato.semRaio);
            if (!aviso.empty()) {
                c.avisos << QStringLiteral("Kaniraj: %1").arg(QString::fromStdString(aviso));
            }
        }
    }
    if (low && c.Fatseglow) {
        CunhasLow l = DetalheLow({d.Alt, d.Decl, d.Pesesp, d.Coesao, d.Angat, d.Prof, d.Dist,
                                  d.Superf, d.ProfZ, d.Cont, *c.Fatseglow});
        if (l.relato.situacao != SituacaoDados::Aceitos) {
            c.avisos << QStringLiteral("Low: %1").arg(
                QString::fromUtf8(MensagemDaSituacao(l.relato.situacao)));
        } else {
            if (l.relato.haCunhaSemSolucao) {
                c.avisos << QStringLiteral("Low: %1").arg(
                    QString::fromUtf8(MensagemCunhasSemReforco));
            }
            c.low = std::move(l);
        }
    }

    // The lengths of the forces shown, from the interfaces typed.
    const auto cf = Valor(projeto, "CoeGeo1"), df = Valor(projeto, "AngGeo1");
    const auto ce = Valor(projeto, "CoeGeo2"), de = Valor(projeto, "AngGeo2");
    const auto fs = Valor(projeto, "FS1");
    if (cf && df && ce && de && fs && (c.comTrinca || c.low)) {
        ComprimentosAncoragem l;
        const long double zero = 0;
        const SituacaoAncoragem s = CalcAncoragem(d.Alt, d.Pesesp, *cf, *df, *ce, *de, *fs,
                                                  c.comTrinca ? c.comTrinca->resultado.P : zero,
                                                  c.semTrinca ? c.semTrinca->resultado.P : zero,
                                                  c.low ? c.low->resultado.Solicsolh : zero,
                                                  c.low ? c.low->resultado.Solicsolb : zero, l);
        if (s == SituacaoAncoragem::Calculada) {
            if (c.comTrinca) {
                c.ComTr = l.ComTr;
                c.SemTr = l.SemTr;
            }
            if (c.low) {
                c.Horiz = l.Horiz;
                c.Biss = l.Biss;
            }
        } else {
            c.avisos << QStringLiteral("Ancoragem: os parâmetros das interfaces não permitem "
                                       "calcular os comprimentos.");
        }
    }
    return c;
}

ConteudoRelatorio RelatorioDasTelas() {
    const Projeto projeto = ProjetoDasTelas();
    const EstadoExecucao& x = Execucao();
    const auto mesmo = [&](const char* chave, long double usado) {
        const auto v = Valor(projeto, chave);
        return v && *v == usado;
    };
    // The data as typed now, read as the runs read them.
    ConteudoRelatorio previa = CalcularRelatorio(projeto, {}, false, false);
    bool kaniraj = false, low = false;
    if (previa.dados) {
        kaniraj = x.DadosKaniraj && *x.DadosKaniraj == *previa.dados &&
                  mesmo("Fatsegkan", x.Fatsegkan) && mesmo("Posref", x.Posref);
        low = x.DadosLow && MesmoProblemaLow(*x.DadosLow, *previa.dados) &&
              mesmo("Fatseglow", x.Fatseglow);
    }
    const QString arquivo = ArquivoDoProjeto();
    return CalcularRelatorio(projeto, arquivo.isEmpty() ? QString() : QFileInfo(arquivo).fileName(),
                             kaniraj, low);
}

namespace {

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

    QTextDocument documento;
    documento.documentLayout()->setPaintDevice(&pdf);
    documento.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    documento.setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 16pt; } h2 { font-size: 12pt; }"
                       "table.dados { border-collapse: collapse; } th { background: #e8e8e8; }"));
    documento.setHtml(Html(conteudo, documento, fator));
    documento.setPageSize(corpo);
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

void RelatorioComDialogo(QWidget* pai) {
    const QString arquivo = ArquivoDoProjeto();
    const QString sugestao =
        arquivo.isEmpty() ? QDir::home().filePath(QStringLiteral("memorial.pdf"))
                          : QFileInfo(arquivo).absolutePath() + QLatin1Char('/') +
                                QFileInfo(arquivo).completeBaseName() + QStringLiteral(".pdf");
    QString caminho =
        EscolherArquivo(pai, Dialogo::Salvar, QStringLiteral("Salvar memorial de cálculo"),
                        sugestao, QStringLiteral("Documento PDF (*.pdf)"));
    if (caminho.isEmpty()) {
        return;
    }
    if (!caminho.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        caminho += QStringLiteral(".pdf");
    }
    const QString erro = GravarRelatorio(RelatorioDasTelas(), caminho);
    if (!erro.isEmpty()) {
        ExibirMensagem(erro.toStdString());
        return;
    }
    if (Perguntar(pai,
                  QStringLiteral("Memorial de cálculo salvo em \u00ab%1\u00bb. Deseja abri-lo?")
                      .arg(QFileInfo(caminho).fileName()),
                  Opcoes::SimNao) == Resposta::Sim) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(caminho));
    }
}
