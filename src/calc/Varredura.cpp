#include "Varredura.h"

#include "../data/FormatoGeral.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace {

// Every variable but F is a value of the problem, described where the problem's values are.
constexpr DescricaoVariavel descricaoF{"F", "", "Fator de segurança (todos os métodos)", "F (-)"};

std::optional<long double> ValorDaResposta(const RespostaMetodo& resposta) {
    if (resposta.estado != EstadoResposta::Valor)
        return std::nullopt;
    return resposta.valor;
}

// One run of the methods at the value x of the variable, already set in the data.
PontoEstudo Ponto(const DadosAnalise& d, bool bishop, long double x) {
    const AvaliacaoMetodos avaliacao = AvaliarMetodos(d, {.bishop = bishop});
    PontoEstudo ponto{x, {}, avaliacao.situacao, avaliacao.bishop && avaliacao.bishop->naBorda};
    for (std::size_t f = 0; f < NumeroDeForcas; ++f)
        ponto.P[f] = ValorDaResposta(avaliacao.P[f]);
    return ponto;
}

// Only the analysis that gives the force runs: the limits are refined one force at a time.
std::optional<long double> Solicitacao(Forca forca, const DadosAnalise& d) {
    return ValorDaResposta(AvaliarMetodos(d, SoParaSaida(forca)).P[Indice(forca)]);
}

bool Atende(const std::optional<long double>& P, long double resistencia) {
    return P && *P <= resistencia;
}

// The value k·10^-CasasDoLimite as a typed text reads: the decimal digits, correctly rounded.
long double Decimal(long double k) {
    char texto[64];
    char* fim = std::to_chars(texto, texto + sizeof texto - 8, k, std::chars_format::fixed, 0).ptr;
    *fim++ = 'e';
    fim = std::to_chars(fim, texto + sizeof texto, -CasasDoLimite).ptr;
    long double valor = 0;
    std::from_chars(texto, fim, valor);
    return valor;
}

// The limit as shown: x rounded to CasasDoLimite decimals toward the side where the force holds
// (down when it holds below x, up when above), never to nearest, and moved further that way, a
// unit at a time, until a run of the methods at the value shown holds. None if no value within a
// thousand units does.
template <class AtendeEm>
std::optional<long double> ValorExibido(long double x, bool abaixo, AtendeEm&& atendeEm) {
    const long double escala = std::pow(10.0L, CasasDoLimite);
    long double k = abaixo ? std::floor(x * escala) : std::ceil(x * escala);
    for (int tentativa = 0; tentativa < 1000; ++tentativa, k += abaixo ? -1 : 1) {
        const long double valor = Decimal(k);
        if (atendeEm(valor))
            return valor;
    }
    return std::nullopt;
}

std::string SemValores(const EstudoParametrico& e) {
    const PedidoEstudo& p = e.pedido;
    std::string motivo = "Há cunhas que o reforço não leva ao fator de segurança adotado.";
    for (const PontoEstudo& ponto : e.pontos) {
        if (ponto.situacao != SituacaoDados::Aceitos) {
            motivo = MensagemDaSituacao(ponto.situacao);
            break;
        }
    }
    return std::string("Nenhum valor de ") + Descricao(p.variavel).simbolo + " de " +
           FormatoGeral(p.de) + " a " + FormatoGeral(p.ate) + " pode ser calculado. " + motivo;
}

} // namespace

DescricaoVariavel Descricao(Variavel variavel) {
    if (variavel == Variavel::F)
        return descricaoF;
    const Grandeza& g = Grandezas[static_cast<std::size_t>(variavel)];
    return {g.simbolo, g.unidade, g.nome, g.cabecalho};
}

DadosAnalise ComValor(DadosAnalise d, Variavel variavel, long double v) {
    if (variavel == Variavel::F)
        d.fatores.Fatsegkan = d.fatores.Fatseglow = d.fatores.Fatsegbishop = v;
    else
        d.problema.*Grandezas[static_cast<std::size_t>(variavel)].membro = v;
    return d;
}

long double ValorDe(const DadosAnalise& d, Variavel variavel, Forca forca) {
    if (variavel != Variavel::F)
        return d.problema.*Grandezas[static_cast<std::size_t>(variavel)].membro;
    switch (forca) {
    case Forca::LowHorizontal:
    case Forca::LowBissetriz:
    case Forca::FS0:
        return d.fatores.Fatseglow;
    case Forca::Bishop:
        return d.fatores.Fatsegbishop;
    case Forca::KanirajComTrinca:
    case Forca::KanirajSemTrinca:
        break;
    }
    return d.fatores.Fatsegkan;
}

Solicitacoes CalcularSolicitacoes(const DadosAnalise& dados, bool bishop) {
    return Ponto(dados, bishop, 0).P;
}

bool Varrida(const PedidoEstudo& pedido, Forca forca) {
    return forca != Forca::Bishop || pedido.bishop;
}

std::string ProblemaDoPedido(const PedidoEstudo& pedido) {
    if (pedido.pontos < MinimoDePontos || pedido.pontos > MaximoDePontos)
        return "O número de pontos deve ser um inteiro de 2 a 2000.";
    if (!(pedido.de < pedido.ate))
        return "O início do intervalo deve ser menor que o fim.";
    if (!std::isfinite(pedido.ate - pedido.de))
        return MensagemForaDoIntervalo;
    if (!(pedido.resistencia > 0) || !std::isfinite(pedido.resistencia))
        return "A resistência admissível deve ser maior que zero.";
    return {};
}

Limite LimiteDe(Forca forca, const PedidoEstudo& pedido, const std::vector<PontoEstudo>& pontos) {
    const std::size_t f = Indice(forca);
    const long double R = pedido.resistencia;
    auto atendeEm = [&](long double x) {
        return Atende(Solicitacao(forca, ComValor(pedido.dados, pedido.variavel, x)), R);
    };
    Limite limite;
    bool algumAtende = false, algumExcede = false;
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        const std::optional<long double>& a = pontos[i].P[f];
        if (a) {
            algumAtende |= Atende(a, R);
            algumExcede |= !Atende(a, R);
        }
        if (i + 1 == pontos.size())
            break;
        const std::optional<long double>& b = pontos[i + 1].P[f];
        if (!a || !b || Atende(a, R) == Atende(b, R))
            continue;
        if (limite.cruzamentos++ > 0)
            continue;
        const bool sobe = Atende(a, R);
        long double atende = sobe ? pontos[i].x : pontos[i + 1].x;
        long double excede = sobe ? pontos[i + 1].x : pontos[i].x;
        while (std::fabs(excede - atende) > ResolucaoDoLimite) {
            const long double meio = atende + (excede - atende) / 2;
            if (meio == atende || meio == excede)
                break; // no representable value left between them
            (atendeEm(meio) ? atende : excede) = meio;
        }
        limite.tipo = sobe ? TipoLimite::Maximo : TipoLimite::Minimo;
        limite.x = atende;
        limite.alem = excede;
        const std::optional<long double> exibido = ValorExibido(atende, sobe, atendeEm);
        if (!exibido) {
            limite.tipo = TipoLimite::Interrompida;
            continue;
        }
        limite.exibido = *exibido;
    }
    if (limite.cruzamentos > 0)
        return limite;
    if (algumAtende && algumExcede)
        limite.tipo = TipoLimite::Interrompida;
    else if (algumAtende)
        limite.tipo = TipoLimite::SempreAtende;
    else if (algumExcede)
        limite.tipo = TipoLimite::NuncaAtende;
    return limite;
}

std::optional<EstudoParametrico> Varrer(const PedidoEstudo& pedido, const Continuacao& continuar) {
    EstudoParametrico e;
    e.pedido = pedido;
    const int n = pedido.pontos;
    e.pontos.resize(static_cast<std::size_t>(n));
    const long double largura = pedido.ate - pedido.de;

    // The points are independent: any thread may take any of them.
    const bool completo = ParaCadaIndice(
        n, 0,
        [&](int i) {
            // The last point is the end typed, whatever the rounding of the steps.
            const long double x = i + 1 == n ? pedido.ate : pedido.de + largura * i / (n - 1);
            e.pontos[static_cast<std::size_t>(i)] =
                Ponto(ComValor(pedido.dados, pedido.variavel, x), pedido.bishop, x);
        },
        continuar);
    if (!completo)
        return std::nullopt;

    const bool algumValor = std::any_of(e.pontos.begin(), e.pontos.end(), [](const PontoEstudo& p) {
        return std::any_of(p.P.begin(), p.P.end(), [](const auto& P) { return P.has_value(); });
    });
    if (!algumValor) {
        e.erro = SemValores(e);
        return e;
    }
    e.projeto = CalcularSolicitacoes(pedido.dados, pedido.bishop);
    for (int f = 0; f < NumeroDeForcas; ++f) {
        if (Varrida(pedido, static_cast<Forca>(f)))
            e.limites[static_cast<std::size_t>(f)] =
                LimiteDe(static_cast<Forca>(f), pedido, e.pontos);
    }
    return e;
}

std::string CsvDoEstudo(const EstudoParametrico& estudo) {
    // A column for each force the study swept.
    const auto varrida = [&](std::size_t f) {
        return Varrida(estudo.pedido, static_cast<Forca>(f));
    };
    std::string csv = Descricao(estudo.pedido.variavel).cabecalho;
    for (std::size_t f = 0; f < NumeroDeForcas; ++f)
        if (varrida(f))
            csv.append(",").append(Saidas[f].cabecalho);
    csv.push_back('\n');
    for (const PontoEstudo& ponto : estudo.pontos) {
        AcrescentarNumeroCsv(csv, ponto.x);
        for (std::size_t f = 0; f < NumeroDeForcas; ++f) {
            if (!varrida(f))
                continue;
            csv.push_back(',');
            if (ponto.P[f])
                AcrescentarNumeroCsv(csv, *ponto.P[f]);
        }
        csv.push_back('\n');
    }
    return csv;
}
