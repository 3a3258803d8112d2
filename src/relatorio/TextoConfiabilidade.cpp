#include "TextoConfiabilidade.h"

#include "ProjetoDigitado.h"
#include "desenhos/Numeros.h"

#include <cmath>

namespace {

QString Percentual(long double p) {
    return QuatroAlgarismos(p * 100) + QStringLiteral(" %");
}

QString Opcional(const std::optional<long double>& v) {
    return v ? QuatroAlgarismos(*v) : QStringLiteral("sem valor");
}

// A 5 % or 95 % value: among the samples no reinforcement holds it has none.
QString Percentil(const RespostaMetodo& r) {
    return r.estado == EstadoResposta::Valor ? QuatroAlgarismos(r.valor)
                                             : QStringLiteral("sem valor");
}

} // namespace

QString QuatroAlgarismos(long double v) {
    if (std::isinf(v)) {
        return v > 0 ? QStringLiteral("+∞") : QStringLiteral("−∞");
    }
    return LocaleDosNumeros().toString(static_cast<double>(v), 'g', 4);
}

bool VariacaoDigitada(const Projeto& projeto) {
    for (const char* chave : ChavesDasAleatorias) {
        const auto cv = ValorDigitado(projeto, (QByteArray("CV") + chave).constData());
        if (cv && *cv > 0) {
            return true;
        }
    }
    return false;
}

std::optional<PedidoConfiabilidade> ConfiabilidadeDigitada(const Projeto& projeto,
                                                           QString& problema) {
    const bool bishop = TextoDigitado(projeto, "BishopConfiabilidade") == QLatin1String("sim");
    QString invalido;
    const std::optional<DadosAnalise> dados = DadosDigitados(projeto, invalido, bishop);
    if (!dados) {
        problema = QStringLiteral("\u00ab%1\u00bb não é um número válido. Corrija-o na entrada de "
                                  "dados ou nos métodos.")
                       .arg(invalido);
        return std::nullopt;
    }
    PedidoConfiabilidade pedido;
    pedido.dados = *dados;
    for (std::size_t k = 0; k < NumeroDeAleatorias; ++k) {
        const QByteArray cvChave = QByteArray("CV") + ChavesDasAleatorias[k];
        const QByteArray distChave = QByteArray("Dist") + ChavesDasAleatorias[k];
        const auto cv = ValorDigitado(projeto, cvChave.constData());
        if (!cv) {
            problema = QStringLiteral("O coeficiente de variação de %1 não é um número válido.")
                           .arg(QString::fromUtf8(Descricao(VariaveisAleatorias[k]).simbolo));
            return std::nullopt;
        }
        pedido.incertezas[k].cv = *cv;
        pedido.incertezas[k].distribuicao =
            TextoDigitado(projeto, distChave.constData()) == QLatin1String("normal")
                ? Distribuicao::Normal
                : Distribuicao::Lognormal;
    }
    pedido.resistenciasCorrelacionadas =
        TextoDigitado(projeto, "Correlacionadas") != QLatin1String("nao");
    pedido.bishop = bishop;
    const auto amostras = ValorDigitado(projeto, "Amostras");
    const auto semente = ValorDigitado(projeto, "Semente");
    if (!amostras || *amostras != std::floor(*amostras) || *amostras < MinimoDeAmostras ||
        *amostras > MaximoDeAmostras) {
        problema = QStringLiteral("O número de amostras deve ser um inteiro de 100 a 1000000.");
        return std::nullopt;
    }
    if (!semente || *semente != std::floor(*semente) || *semente < 0 || *semente > 1e18L) {
        problema = QStringLiteral("A semente deve ser um inteiro de 0 a 1E18.");
        return std::nullopt;
    }
    pedido.amostras = static_cast<int>(*amostras);
    pedido.semente = static_cast<std::uint64_t>(*semente);
    if (!TextoDigitado(projeto, "TdConfiabilidade").trimmed().isEmpty()) {
        pedido.Td = ValorDigitado(projeto, "TdConfiabilidade");
        if (!pedido.Td) {
            problema = QStringLiteral("A resistência de projeto Td não é um número válido.");
            return std::nullopt;
        }
    }
    problema = QString::fromStdString(ProblemaDoPedido(pedido));
    if (!problema.isEmpty()) {
        return std::nullopt;
    }
    return pedido;
}

bool HaIncerteza(const PedidoConfiabilidade& pedido) {
    for (const Incerteza& i : pedido.incertezas) {
        if (i.cv > 0) {
            return true;
        }
    }
    return false;
}

QString ColunaDaSaida(Saida saida) {
    return QString::fromUtf8(Saidas[Indice(saida)].coluna);
}

QString NomeDaSaida(Saida saida) {
    const DescricaoSaida& d = Saidas[Indice(saida)];
    return *d.unidade ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(d.nome),
                                                      QString::fromUtf8(d.unidade))
                      : QStringLiteral("%1, %2").arg(QString::fromUtf8(d.nome),
                                                     QString::fromUtf8(d.simbolo));
}

std::vector<Saida> SaidasCalculadas(const PedidoConfiabilidade& pedido) {
    std::vector<Saida> saidas;
    for (int s = 0; s < NumeroDeSaidas; ++s) {
        if (Calculada(pedido, static_cast<Saida>(s))) {
            saidas.push_back(static_cast<Saida>(s));
        }
    }
    return saidas;
}

TabelaDeTexto TabelaDosResultados(const ResultadoConfiabilidade& r) {
    TabelaDeTexto t;
    t.colunas = SaidasCalculadas(r.pedido);
    t.linhas = {QStringLiteral("Média"),
                QStringLiteral("Desvio padrão"),
                QStringLiteral("Valor de 5 %"),
                QStringLiteral("Valor de 95 %"),
                QStringLiteral("P(falha)"),
                QStringLiteral("Intervalo de 95 % (Wilson)"),
                QStringLiteral("Índice de confiabilidade β"),
                QStringLiteral("Amostras sem solução"),
                QStringLiteral("1ª ordem: valor nas médias"),
                QStringLiteral("1ª ordem: desvio padrão")};
    t.valores.resize(static_cast<std::size_t>(t.linhas.size()));
    t.dicaSemValor =
        r.pedido.bishop
            ? QStringLiteral("há cunhas de Low que nenhuma força no reforço leva ao fator de "
                             "segurança adotado, círculos de Bishop abaixo dele que o reforço não "
                             "corta, ou os dados são recusados")
            : QStringLiteral("há cunhas de Low que nenhuma força no reforço leva ao fator de "
                             "segurança adotado, ou os dados são recusados");
    for (const Saida saida : t.colunas) {
        const std::size_t s = Indice(saida);
        const EstatisticasSaida& e = r.estatisticas[s];
        const PrimeiraOrdemSaida& f = r.primeiraOrdem[s];
        const QString nada = QStringLiteral("—");
        const QStringList coluna{e.media ? QuatroAlgarismos(*e.media) : nada,
                                 e.desvio ? QuatroAlgarismos(*e.desvio) : nada,
                                 Percentil(e.p05),
                                 Percentil(e.p95),
                                 e.falha ? Percentual(e.falha->p) : nada,
                                 e.falha ? Percentual(e.falha->inferior) + QStringLiteral(" a\n") +
                                               Percentual(e.falha->superior)
                                         : nada,
                                 e.falha ? QuatroAlgarismos(e.falha->beta) : nada,
                                 QString::number(e.semSolucao),
                                 f.media.estado == EstadoResposta::Valor
                                     ? QuatroAlgarismos(f.media.valor)
                                     : QStringLiteral("sem valor"),
                                 Opcional(f.desvio)};
        for (std::size_t l = 0; l < t.valores.size(); ++l) {
            t.valores[l] << coluna[static_cast<qsizetype>(l)];
        }
    }
    return t;
}

TabelaDeTexto TabelaDasParcelas(const ResultadoConfiabilidade& r) {
    TabelaDeTexto t;
    t.colunas = SaidasCalculadas(r.pedido);
    const std::vector<ParcelaPrimeiraOrdem>& termos = r.primeiraOrdem[0].parcelas;
    for (const ParcelaPrimeiraOrdem& termo : termos) {
        QStringList nomes;
        for (Variavel v : termo.variaveis) {
            nomes << QString::fromUtf8(Descricao(v).simbolo);
        }
        t.linhas << nomes.join(QStringLiteral(", "));
        t.valores.emplace_back();
    }
    for (const Saida saida : t.colunas) {
        const std::vector<ParcelaPrimeiraOrdem>& parcelas = r.primeiraOrdem[Indice(saida)].parcelas;
        for (std::size_t p = 0; p < t.valores.size(); ++p) {
            const auto fracao = p < parcelas.size() ? parcelas[p].fracao : std::nullopt;
            t.valores[p] << (fracao ? Percentual(*fracao) : QStringLiteral("—"));
        }
    }
    return t;
}

QString AvisoBishopNaBorda(const ResultadoConfiabilidade& r) {
    return QStringLiteral("Em %1 das %2 amostras o círculo crítico de Bishop ficou na borda da "
                          "malha de centros, ampliada três vezes: nelas a força de Bishop pode ser "
                          "maior.")
        .arg(r.bishopNaBorda)
        .arg(r.amostras.size());
}
