#include "Documento.h"

#include "TextoConfiabilidade.h"
#include "TextoVerificacoes.h"
#include "calc/Ancoragem.h"
#include "data/FormatoGeral.h"
#include "desenhos/GraficosRuptura.h"
#include "desenhos/Histogramas.h"
#include "desenhos/SecaoTransversal.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDateTime>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <cstring>

namespace {

QString Escapar(const QString& t) {
    return t.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString Fmt(long double v) {
    return QString::fromStdString(FormatoGeral(v));
}

const QString naoCalculado = QStringLiteral("<i>não calculado</i>");

// The typed text of a field, "vazio" when empty.
QString Digitado(const Projeto& p, const char* chave) {
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        if (std::strcmp(CamposProjeto[i].chave, chave) == 0) {
            return p.valores[i].isEmpty() ? QStringLiteral("<i>vazio</i>") : Escapar(p.valores[i]);
        }
    }
    return {};
}

// A bordered table whose heading row repeats at the top of every page the table runs onto.
class Tabela {
public:
    // `larguras`: the columns' shares of the page's width, in per cent; none, as their texts ask.
    // `quebrar`: the values may run over lines (a table of many columns).
    Tabela(qreal fator, const QStringList& cabecalho, const QList<int>& larguras = {},
           bool quebrar = false)
        : colunas_(static_cast<int>(cabecalho.size())), quebrar_(quebrar) {
        html_ = QStringLiteral("<table border='1' cellspacing='0' cellpadding='%1' %2"
                               "style='border-color: #666'><thead><tr>")
                    .arg(qRound(3 * fator))
                    .arg(larguras.isEmpty() ? QString() : QStringLiteral("width='100%' "));
        for (qsizetype i = 0; i < cabecalho.size(); ++i) {
            html_ += larguras.isEmpty() ? QStringLiteral("<th>%1</th>").arg(cabecalho[i])
                                        : QStringLiteral("<th width='%1%'>%2</th>")
                                              .arg(larguras.value(i))
                                              .arg(cabecalho[i]);
        }
        html_ += QStringLiteral("</tr></thead>");
    }
    // The values, after the first column's names, are never broken across lines.
    Tabela& Linha(const QStringList& celulas) {
        html_ += QStringLiteral("<tr>");
        for (const QString& c : celulas) {
            html_ += &c == &celulas.front() || quebrar_
                         ? QStringLiteral("<td>%1</td>").arg(c)
                         : QStringLiteral("<td style='white-space: nowrap'>%1</td>").arg(c);
        }
        html_ += QStringLiteral("</tr>");
        return *this;
    }
    // A remark across the whole width, under the line it belongs to.
    Tabela& Nota(const QString& texto) {
        html_ +=
            QStringLiteral("<tr><td colspan='%1'><i>%2</i></td></tr>").arg(colunas_).arg(texto);
        return *this;
    }
    QString Html() const { return html_ + QStringLiteral("</table>"); }

private:
    int colunas_;
    bool quebrar_;
    QString html_;
};

struct LinhaDigitada {
    const char* chave;
    const char* nome;
    const char* unidade;
};

QString TabelaDigitada(const Projeto& p, qreal fator, std::initializer_list<LinhaDigitada> linhas) {
    Tabela t(fator,
             {QStringLiteral("Grandeza"), QStringLiteral("Valor"), QStringLiteral("Unidade")});
    for (const LinhaDigitada& l : linhas) {
        t.Linha({QString::fromUtf8(l.nome), Digitado(p, l.chave), QString::fromUtf8(l.unidade)});
    }
    return t.Html();
}

QString Cabecalho(const ConteudoRelatorio& c, qreal fator) {
    QString h = QStringLiteral("<h1>Memorial de cálculo</h1><table cellpadding='%1'>")
                    .arg(qRound(2 * fator));
    const auto linha = [&h](const QString& nome, const QString& valor) {
        h += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(nome, valor);
    };
    linha(QStringLiteral("Programa"),
          QStringLiteral("Veltra %1").arg(QStringLiteral(VELTRA_VERSAO)));
    linha(QStringLiteral("Data"),
          QLocale(QLocale::Portuguese, QLocale::Brazil)
              .toString(QDateTime::currentDateTime(), QStringLiteral("dd/MM/yyyy HH:mm")));
    QString projeto = c.arquivo.isEmpty() ? QStringLiteral("(não salvo)") : Escapar(c.arquivo);
    if (!c.arquivo.isEmpty() && c.alterado) {
        projeto += QStringLiteral(" (com alterações não salvas)");
    }
    linha(QStringLiteral("Projeto"), projeto);
    if (!c.projeto.descricao.isEmpty()) {
        linha(QStringLiteral("Obra"), Escapar(c.projeto.descricao));
    }
    return h + QStringLiteral("</table>");
}

QString SecaoDados(const ConteudoRelatorio& c, qreal fator) {
    Tabela t(fator,
             {QStringLiteral("Grandeza"), QStringLiteral("Valor"), QStringLiteral("Unidade")});
    for (const Grandeza& g : Grandezas) {
        t.Linha({QString::fromUtf8(g.noRelatorio), Digitado(c.projeto, g.chave),
                 QString::fromUtf8(g.unidadeNoRelatorio)});
    }
    return QStringLiteral("<h2>1. Dados de entrada</h2>") + t.Html();
}

QString SecaoHipoteses() {
    return QStringLiteral(
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
        "entre a horizontal e a tangente à cunha. Não considera bermas, trincas de tração nem "
        "reforço acima da interface (K1 = K2 = a = 0) e analisa cunhas com 0,5 &lt; D/H &lt; "
        "5.</p>");
}

QString SecaoKaniraj(const ConteudoRelatorio& c, qreal fator) {
    QString h = QStringLiteral("<h2>3. Resultados pelo método de Kaniraj</h2>");
    if (!(c.semTrinca && c.comTrinca)) {
        return h + QStringLiteral("<p>Método de Kaniraj: %1.</p>").arg(naoCalculado);
    }
    h += QStringLiteral("<p>Fator de segurança adotado F = %1; posição do reforço a = %2 m.</p>")
             .arg(Fmt(*c.Fatsegkan), Fmt(*c.Posref));
    Tabela t(fator, {QStringLiteral("Caso"), QStringLiteral("P (kN/m)"), QStringLiteral("X0 (m)"),
                     QStringLiteral("Y0 (m)"), QStringLiteral("D (m)")});
    for (const auto& [nome, r] :
         {std::pair{QStringLiteral("Com trinca"), c.comTrinca->resultado},
          std::pair{QStringLiteral("Sem trinca"), c.semTrinca->resultado}}) {
        t.Linha({nome, Fmt(r.P), Fmt(r.X0), Fmt(r.Y0), Fmt(r.D)});
    }
    return h + t.Html();
}

QString SecaoLow(const ConteudoRelatorio& c, qreal fator) {
    QString h = QStringLiteral("<h2>4. Resultados pelo método de Low</h2>");
    if (!c.low) {
        return h + QStringLiteral("<p>Método de Low: %1.</p>").arg(naoCalculado);
    }
    const ResultadoLow& r = c.low->resultado;
    Tabela t(fator,
             {QStringLiteral("Grandeza"), QStringLiteral("Valor"), QStringLiteral("Unidade")});
    t.Linha({QStringLiteral("Menor fator de segurança sem reforço, FS0"), Fmt(r.Fatsegsol),
             QStringLiteral("—")})
        .Linha({QStringLiteral("Profundidade da cunha de FS0"), Fmt(r.Profcunsol),
                QStringLiteral("m")})
        .Linha({QStringLiteral("Fator de segurança adotado, F"), Fmt(*c.Fatseglow),
                QStringLiteral("—")})
        .Linha({QStringLiteral("Solicitação horizontal, Ph"), Fmt(r.Solicsolh),
                QStringLiteral("kN/m")})
        .Linha(
            {QStringLiteral("Profundidade da cunha de Ph"), Fmt(r.Profcunh), QStringLiteral("m")})
        .Linha({QStringLiteral("Solicitação na bissetriz, Pb"), Fmt(r.Solicsolb),
                QStringLiteral("kN/m")})
        .Linha(
            {QStringLiteral("Profundidade da cunha de Pb"), Fmt(r.Profcunb), QStringLiteral("m")});
    return h + t.Html();
}

QString Nome(Saida saida) {
    return QString::fromUtf8(Saidas[Indice(saida)].nome);
}

QString SecaoBishop(const ConteudoRelatorio& c, qreal fator) {
    QString h = QStringLiteral("<h2>5. Resultados pelo método de Bishop</h2>");
    if (!c.bishop) {
        h += QStringLiteral("<p>Método de Bishop: %1.</p>").arg(naoCalculado);
    } else {
        const RelatoBishop& r = *c.bishop;
        h += QStringLiteral("<p>Método simplificado de Bishop, círculos tangentes a uma "
                            "profundidade D da camada mole, resistência não drenada do perfil na "
                            "base de cada fatia; a força do reforço entra como momento resistente, "
                            "FS = (MR + P·(yc − a))/MD. Fator de segurança adotado F = %1; posição "
                            "do reforço a = %2 m; trinca de tração através do aterro: %3.</p>")
                 .arg(Fmt(*c.Fatsegbishop), Fmt(*c.Posrefbishop),
                      c.TrincaBishop ? QStringLiteral("sim") : QStringLiteral("não"));
        Tabela t(fator,
                 {QStringLiteral("Círculo crítico"), QStringLiteral("Valor"),
                  QStringLiteral("xc (m)"), QStringLiteral("yc (m)"), QStringLiteral("D (m)")});
        t.Linha({QStringLiteral("Menor fator de segurança sem reforço, FS0"), Fmt(r.FS0),
                 Fmt(r.circuloFS0.xc), Fmt(r.circuloFS0.yc), Fmt(r.circuloFS0.D)});
        if (r.semSolucao) {
            t.Linha({QStringLiteral("Solicitação no reforço, P (kN/m)"),
                     QStringLiteral("sem solução"), QStringLiteral("—"), QStringLiteral("—"),
                     QStringLiteral("—")});
        } else if (r.P > 0) {
            t.Linha({QStringLiteral("Solicitação no reforço, P (kN/m)"), Fmt(r.P),
                     Fmt(r.circuloP.xc), Fmt(r.circuloP.yc), Fmt(r.circuloP.D)});
        } else {
            t.Linha({QStringLiteral("Solicitação no reforço, P (kN/m)"), Fmt(r.P),
                     QStringLiteral("—"), QStringLiteral("—"), QStringLiteral("—")});
        }
        h += t.Html();
    }
    // Every method's force side by side, as each counts it.
    h += QStringLiteral("<p><b>Comparação dos métodos</b></p>");
    Tabela comparacao(fator, {QStringLiteral("Método"), QStringLiteral("Solicitação (kN/m)"),
                              QStringLiteral("FS0 sem reforço")});
    const auto valor = [](bool calculado, long double v) {
        return calculado ? Fmt(v) : naoCalculado;
    };
    const bool kaniraj = c.comTrinca && c.semTrinca;
    comparacao
        .Linha({Nome(Saida::KanirajComTrinca),
                valor(kaniraj, kaniraj ? c.comTrinca->resultado.P : 0), QStringLiteral("—")})
        .Linha({Nome(Saida::KanirajSemTrinca),
                valor(kaniraj, kaniraj ? c.semTrinca->resultado.P : 0), QStringLiteral("—")})
        .Linha({Nome(Saida::LowHorizontal),
                valor(c.low.has_value(), c.low ? c.low->resultado.Solicsolh : 0),
                valor(c.low.has_value(), c.low ? c.low->resultado.Fatsegsol : 0)})
        .Linha({Nome(Saida::LowBissetriz),
                valor(c.low.has_value(), c.low ? c.low->resultado.Solicsolb : 0),
                QStringLiteral("—")})
        .Linha({QStringLiteral("Bishop"),
                c.bishop && c.bishop->semSolucao
                    ? QStringLiteral("sem solução")
                    : valor(c.bishop.has_value(), c.bishop ? c.bishop->P : 0),
                valor(c.bishop.has_value(), c.bishop ? c.bishop->FS0 : 0)});
    return h + comparacao.Html();
}

QString SecaoAncoragem(const ConteudoRelatorio& c, qreal fator) {
    QString h = QStringLiteral("<h2>6. Comprimentos de ancoragem</h2>");
    h += TabelaDigitada(c.projeto, fator,
                        {{"CoeGeo1", "Coesão na interface fundação/geotêxtil", "kPa"},
                         {"AngGeo1", "Ângulo de atrito na interface fundação/geotêxtil", "graus"},
                         {"CoeGeo2", "Coesão na interface aterro/geotêxtil", "kPa"},
                         {"AngGeo2", "Ângulo de atrito na interface aterro/geotêxtil", "graus"},
                         {"FS1", "Fator de segurança da ancoragem", "—"}});
    const auto comprimento = [](const std::optional<long double>& l) {
        return l ? QString::fromStdString(TextoComprimentoAncoragem(*l)) : naoCalculado;
    };
    Tabela t(fator, {QStringLiteral("Solicitação"), QStringLiteral("Comprimento (m)")});
    const std::optional<long double>* comprimentos[NumeroDeForcas] = {&c.ComTr, &c.SemTr, &c.Horiz,
                                                                      &c.Biss, &c.AncoragemBishop};
    for (std::size_t f = 0; f < std::size(comprimentos); ++f) {
        t.Linha({QString::fromUtf8(Saidas[f].nome), comprimento(*comprimentos[f])});
    }
    return h + QStringLiteral("<p></p>") + t.Html();
}

QString SecaoVerificacoes(const ConteudoRelatorio& c, qreal fator) {
    QString h = QStringLiteral("<h2>7. Verificações complementares</h2>");
    if (!c.verificacoes) {
        return h + QStringLiteral("<p>Verificações complementares: %1.</p>").arg(naoCalculado);
    }
    h += TabelaDigitada(
        c.projeto, fator,
        {{"FSdesl", "Fator de segurança contra o deslizamento e o espalhamento, FSdesl", "—"},
         {"FSext", "Fator de segurança contra a extrusão, FSext", "—"},
         {"FScap", "Fator de segurança contra a ruptura da fundação, FScap", "—"},
         {"Tult", "Resistência à tração do reforço, Tult", "kN/m"},
         {"FRid", "Fator de redução por danos de instalação, FRid", "—"},
         {"FRfl", "Fator de redução por fluência, FRfl", "—"},
         {"FRdq", "Fator de redução por degradação química e biológica, FRdq", "—"},
         {"Epsadm", "Deformação admissível do reforço, Epsadm", "%"}});
    h += QStringLiteral("<p>Força governante: %1 (a força de espalhamento Tls sempre conta). O "
                        "empuxo ativo desconsidera a coesão do aterro e a berma, a favor da "
                        "segurança.</p>")
             .arg(QString::fromUtf8(NomeDaEscolha(c.entradaVerificacoes->escolha)));
    Tabela t(fator,
             {QStringLiteral("Verificação"), QStringLiteral("Valor"), QStringLiteral("Exigido"),
              QStringLiteral("Resultado")},
             {100});
    for (const LinhaDeTexto& l : LinhasDasVerificacoes(*c.entradaVerificacoes, *c.verificacoes)) {
        t.Linha({l.nome, l.valor, l.exigido,
                 QStringLiteral("<span style='color: %1'><b>%2</b></span>")
                     .arg(QLatin1String(CorDoVeredito(l.veredito)), Escapar(l.resultado))});
        if (!l.motivo.isEmpty()) {
            t.Nota(Escapar(l.motivo));
        }
    }
    return h + t.Html();
}

QString SecaoAvisos(const ConteudoRelatorio& c) {
    QString h = QStringLiteral("<h2>8. Avisos</h2>");
    if (c.avisos.isEmpty()) {
        return h + QStringLiteral("<p>Nenhum aviso.</p>");
    }
    h += QStringLiteral("<ul>");
    for (const QString& aviso : c.avisos) {
        h += QStringLiteral("<li>%1</li>").arg(Escapar(aviso));
    }
    return h + QStringLiteral("</ul>");
}

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

QString SecaoSuperficies(const ConteudoRelatorio& c, QTextDocument& documento) {
    QString h = QStringLiteral("<h2>9. Superfícies críticas</h2>");
    if (!c.dados || !(c.semTrinca || c.low)) {
        return h + QStringLiteral("<p>Nenhum método foi calculado para estes dados.</p>");
    }
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
    imagem(QStringLiteral("secao"), ImagemSecao(cenario, {760, 360}), 640);
    imagem(QStringLiteral("forcas"), ImagemGrafico(GraficoForcas(curvas), {700, 340}), 560);
    if (c.low) {
        imagem(QStringLiteral("fs0"), ImagemGrafico(GraficoFS0(curvas), {700, 300}), 560);
    }
    const QString nota = NotaLacunas(curvas);
    if (!nota.isEmpty()) {
        h += QStringLiteral("<p>%1</p>").arg(Escapar(nota));
    }
    return h;
}

QString TabelaDeSaidas(qreal fator, const TabelaDeTexto& texto) {
    QStringList cabecalho{QStringLiteral("Grandeza")};
    for (const Saida saida : texto.colunas) {
        cabecalho << ColunaDaSaida(saida).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    // With Bishop's column the names give a little of their width.
    Tabela t(fator, cabecalho,
             texto.colunas.size() < NumeroDeSaidas ? QList<int>{26, 15, 15, 16, 15, 13}
                                                   : QList<int>{19, 13, 13, 15, 14, 12, 14},
             true);
    for (std::size_t l = 0; l < texto.valores.size(); ++l) {
        QStringList linha{texto.linhas[static_cast<qsizetype>(l)]};
        for (const QString& v : texto.valores[l]) {
            linha << QString(v).replace(QLatin1Char('\n'), QLatin1Char(' '));
        }
        t.Linha(linha);
    }
    return t.Html();
}

QString SecaoConfiabilidade(const ConteudoRelatorio& c, QTextDocument& documento, qreal fator) {
    const ResultadoConfiabilidade& r = *c.confiabilidade;
    const PedidoConfiabilidade& p = r.pedido;
    QString h = QStringLiteral("<h2>10. Confiabilidade</h2>");
    Tabela entradas(fator, {QStringLiteral("Variável"), QStringLiteral("Média"),
                            QStringLiteral("CV (%)"), QStringLiteral("Distribuição")});
    for (std::size_t k = 0; k < NumeroDeAleatorias; ++k) {
        const Variavel v = VariaveisAleatorias[k];
        entradas.Linha(
            {QStringLiteral("%1 (%2)").arg(QString::fromUtf8(Descricao(v).simbolo),
                                           QString::fromUtf8(Descricao(v).unidade)),
             QuatroAlgarismos(ValorDe(p.dados, v, Forca{})), QuatroAlgarismos(p.incertezas[k].cv),
             p.incertezas[k].distribuicao == Distribuicao::Normal ? QStringLiteral("normal")
                                                                  : QStringLiteral("lognormal")});
    }
    h += entradas.Html();
    h += QStringLiteral("<p>Resistências da argila correlacionadas: %1. Amostras: %2; semente: %3; "
                        "resistência de projeto Td: %4. Monte Carlo e, ao lado, a estimativa de "
                        "primeira ordem; P(falha) é a probabilidade de a solicitação exceder Td "
                        "(de FS0 ficar abaixo de 1).</p>")
             .arg(p.resistenciasCorrelacionadas ? QStringLiteral("sim") : QStringLiteral("não"))
             .arg(p.amostras)
             .arg(p.semente)
             .arg(p.Td ? QuatroAlgarismos(*p.Td) + QStringLiteral(" kN/m")
                       : QStringLiteral("não informada"));
    h += TabelaDeSaidas(fator, TabelaDosResultados(r));
    h += QStringLiteral("<p>Parcela de cada variável na variância (primeira ordem):</p>");
    h += TabelaDeSaidas(fator, TabelaDasParcelas(r));
    // The histograms, two by two.
    h += QStringLiteral("<table cellpadding='%1' width='100%'><tr>").arg(qRound(2 * fator));
    int desenhados = 0;
    for (const Saida saida : SaidasCalculadas(p)) {
        const int s = static_cast<int>(Indice(saida));
        const bool fs0 = saida == Saida::FS0;
        std::optional<double> linha = fs0 ? std::optional<double>(1.0) : std::nullopt;
        if (!fs0 && p.Td) {
            linha = static_cast<double>(*p.Td);
        }
        const QString nome = QStringLiteral("histograma%1").arg(s);
        const QImage figura =
            ImagemGrafico(GraficoHistograma(HistogramaDe(ValoresDe(r, saida), 30),
                                            NomeDaSaida(saida), NomeDaSaida(saida), linha,
                                            fs0 ? QStringLiteral("FS0 = 1") : QStringLiteral("Td")),
                          {420, 260});
        documento.addResource(QTextDocument::ImageResource, QUrl(nome), figura);
        h += QStringLiteral("<td align='center'><img src='%1' width='300' height='186'></td>")
                 .arg(nome);
        if (++desenhados % 2 == 0) {
            h += QStringLiteral("</tr><tr>");
        }
    }
    return h + QStringLiteral("</tr></table>");
}

} // namespace

QString HtmlDoRelatorio(const ConteudoRelatorio& c, QTextDocument& documento, qreal fator) {
    return Cabecalho(c, fator) + SecaoDados(c, fator) + SecaoHipoteses() + SecaoKaniraj(c, fator) +
           SecaoLow(c, fator) + SecaoBishop(c, fator) + SecaoAncoragem(c, fator) +
           SecaoVerificacoes(c, fator) + SecaoAvisos(c) + SecaoSuperficies(c, documento) +
           (c.confiabilidade ? SecaoConfiabilidade(c, documento, fator) : QString());
}
