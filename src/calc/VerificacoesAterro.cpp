#include "VerificacoesAterro.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double pi = std::numbers::pi_v<long double>;

long double Radianos(long double graus) {
    return graus * pi / 180;
}

LinhaVerificacao NaoVerificada(std::string motivo) {
    return {std::nullopt, std::nullopt, Veredito::NaoVerificado, std::move(motivo)};
}

// A safety factor against its requirement: it holds at or above it.
LinhaVerificacao Fator(long double valor, long double requerido) {
    return {valor, requerido, valor >= requerido ? Veredito::Atende : Veredito::NaoAtende, {}};
}

bool Positivo(const std::optional<long double>& v) {
    return v && std::isfinite(*v) && *v > 0;
}

// The names of the values that are missing or unsound, for "não verificado".
std::string Faltam(std::initializer_list<std::pair<const char*, bool>> valores) {
    std::string nomes;
    for (const auto& [nome, valido] : valores) {
        if (!valido)
            nomes += (nomes.empty() ? "" : ", ") + std::string(nome);
    }
    return nomes;
}

const char* NomeDaForca(int f) {
    return Saidas[static_cast<std::size_t>(f)].nome;
}

// The governing force: the spreading force and those of the methods that count (the largest: each
// method run, Bishop's only when its factors are typed). A force the methods cannot give (a wedge
// no reinforcement brings to F) governs by itself; a refusal leaves nothing to govern.
void Governante(const EntradaVerificacoes& e, ResultadoVerificacoes& r) {
    if (!r.espalhamento.valor) {
        r.governante = NaoVerificada("FSdesl deve ser um número maior que zero");
        return;
    }
    if (e.escolha && !Pedida(e.metodos, *e.escolha)) {
        r.governante = NaoVerificada(
            *e.escolha == Forca::Bishop
                ? "digite o fator de segurança e a posição do reforço do método de Bishop"
                : "o método desta força não foi calculado");
        return;
    }
    const auto conta = [&](int f) {
        return e.escolha ? *e.escolha == static_cast<Forca>(f)
                         : Pedida(e.metodos, static_cast<Forca>(f));
    };
    const auto resposta = [&](int f) -> const RespostaMetodo& {
        return e.metodos.P[static_cast<std::size_t>(f)];
    };
    for (int f = 0; f < NumeroDeForcas; ++f) {
        if (conta(f) && resposta(f).estado == EstadoResposta::SemResposta) {
            r.governante = NaoVerificada(e.metodos.motivo);
            return;
        }
    }
    for (int f = 0; f < NumeroDeForcas; ++f) {
        if (conta(f) && resposta(f).estado == EstadoResposta::SemSolucao) {
            r.governante = {
                std::nullopt, std::nullopt, Veredito::NaoAtende,
                static_cast<Forca>(f) == Forca::Bishop
                    ? "há círculos de Bishop abaixo do fator de segurança adotado que o reforço "
                      "não corta"
                    : std::string("há cunhas de ") + NomeDaForca(f) +
                          " que nenhuma força no reforço leva ao fator de segurança adotado"};
            r.fonte = NomeDaForca(f);
            return;
        }
    }
    r.governante = {*r.espalhamento.valor, std::nullopt, Veredito::Calculado, {}};
    r.fonte = "espalhamento lateral (Tls)";
    for (int f = 0; f < NumeroDeForcas; ++f) {
        if (conta(f) && resposta(f).valor > *r.governante.valor) {
            r.governante.valor = resposta(f).valor;
            r.fonte = NomeDaForca(f);
        }
    }
    // A circle beyond the widened grid may need more: the force counted may fall short.
    if (conta(Indice(Forca::Bishop)) && e.metodos.bishop->naBorda)
        r.governante.motivo = "o círculo crítico de Bishop ficou na borda da malha de centros, "
                              "ampliada três vezes: a força de Bishop pode ser maior";
}

void Reforco(const EntradaVerificacoes& e, ResultadoVerificacoes& r) {
    const std::optional<long double> Td = ResistenciaDeProjeto(e);
    const LinhaVerificacao& g = r.governante;
    // Spreading: the reinforcement carries Tls.
    if (r.espalhamento.valor) {
        if (Td) {
            r.espalhamento.requerido = Td;
            r.espalhamento.maximo = true;
            r.espalhamento.veredito =
                *r.espalhamento.valor <= *Td ? Veredito::Atende : Veredito::NaoAtende;
        } else {
            r.espalhamento.veredito = Veredito::NaoVerificado;
            r.espalhamento.motivo = "sem a resistência de projeto Td";
        }
    }
    if (g.veredito != Veredito::Calculado) {
        r.resistencia = {Td, std::nullopt, g.veredito, g.motivo};
        r.rigidez = {std::nullopt, std::nullopt, g.veredito, g.motivo};
        return;
    }
    if (!Td) {
        r.resistencia =
            NaoVerificada("faltam ou não valem: " + Faltam({{"Tult", Positivo(e.Tult)},
                                                            {"FRid", e.FRid && *e.FRid >= 1},
                                                            {"FRfl", e.FRfl && *e.FRfl >= 1},
                                                            {"FRdq", e.FRdq && *e.FRdq >= 1}}));
    } else {
        r.resistencia = Fator(*Td, *g.valor);
        r.uso = *g.valor / *Td * 100;
    }
    if (Positivo(e.Epsadm))
        r.rigidez = {*g.valor / (*e.Epsadm / 100), std::nullopt, Veredito::Calculado, {}};
    else
        r.rigidez = NaoVerificada("Epsadm deve ser um número maior que zero");
}

} // namespace

long double MenorResistencia(long double T, long double Z, long double CS, long double CZ,
                             long double CF) {
    if (Z == 0)
        return std::min(CS, CF);
    if (Z < T)
        return std::min({CS, CZ, CF});
    // The upper segment reaches past the base: CF plays no part, as in the two methods.
    return std::min(CS, CS + (CZ - CS) * T / Z);
}

std::optional<long double> ResistenciaDeProjeto(const EntradaVerificacoes& e) {
    const auto fator = [](const std::optional<long double>& f) {
        return f && std::isfinite(*f) && *f >= 1;
    };
    if (!Positivo(e.Tult) || !fator(e.FRid) || !fator(e.FRfl) || !fator(e.FRdq))
        return std::nullopt;
    return *e.Tult / (*e.FRid * *e.FRfl * *e.FRdq);
}

ResultadoVerificacoes Verificar(const EntradaVerificacoes& e) {
    const DadosEntrada& p = e.problema;
    ResultadoVerificacoes r;
    SituacaoDados situacao = VerificarDados(
        p.Alt, p.Pesesp, p.Prof, p.Dist,
        {p.Alt, p.Decl, p.Pesesp, p.Angat, p.Prof, p.Dist, p.Superf, p.ProfZ, p.Cont});
    if (situacao == SituacaoDados::Aceitos)
        situacao = VerificarDominio(p.Angat, p.Decl, 0, p.Superf, p.ProfZ, p.Cont, 1);
    if (situacao != SituacaoDados::Aceitos) {
        const LinhaVerificacao recusada = NaoVerificada(MensagemDaSituacao(situacao));
        r.espalhamento = r.deslizamento = r.extrusao = r.capacidade = recusada;
        r.governante = r.resistencia = r.rigidez = recusada;
        return r;
    }

    // Active thrust of the fill, without its cohesion and berm (on the safe side).
    const long double tangente = std::tan(Radianos(45 - p.Angat / 2));
    r.Ka = tangente * tangente;
    r.PA = r.Ka * p.Pesesp * p.Alt * p.Alt / 2;
    r.espalhamento = Positivo(e.FSdesl)
                         ? LinhaVerificacao{*e.FSdesl * r.PA, std::nullopt, Veredito::Calculado, {}}
                         : NaoVerificada("FSdesl deve ser um número maior que zero");

    // Sliding of the fill on the reinforcement under the slope.
    const bool interface =
        e.CoeGeo2 && *e.CoeGeo2 >= 0 && e.AngGeo2 && *e.AngGeo2 >= 0 && *e.AngGeo2 < 90;
    if (!interface) {
        r.deslizamento = NaoVerificada(
            "faltam ou não valem, na tela de ancoragem: " +
            Faltam({{"a coesão da interface aterro/geotêxtil", e.CoeGeo2 && *e.CoeGeo2 >= 0},
                    {"o ângulo de atrito da interface aterro/geotêxtil",
                     e.AngGeo2 && *e.AngGeo2 >= 0 && *e.AngGeo2 < 90}}));
    } else if (!Positivo(e.FSdesl)) {
        r.deslizamento = NaoVerificada("FSdesl deve ser um número maior que zero");
    } else {
        r.R = p.Decl * p.Alt * (*e.CoeGeo2 + p.Pesesp * p.Alt / 2 * std::tan(Radianos(*e.AngGeo2)));
        r.deslizamento = Fator(*r.R / r.PA, *e.FSdesl);
    }

    // Extrusion of the soft layer under the slope, and bearing of the foundation.
    r.cu = MenorResistencia(p.Prof, p.Dist, p.Superf, p.ProfZ, p.Cont);
    if (!(p.Prof < p.Decl * p.Alt)) {
        r.extrusao = {std::nullopt, std::nullopt, Veredito::NaoSeAplica,
                      "a camada mole é espessa diante do talude (T ≥ n·H): a capacidade de carga "
                      "governa"};
    } else if (!Positivo(e.FSext)) {
        r.extrusao = NaoVerificada("FSext deve ser um número maior que zero");
    } else {
        r.extrusao = Fator(
            2 * r.cu * p.Decl / (p.Pesesp * p.Prof) + 4.14L * r.cu / (p.Pesesp * p.Alt), *e.FSext);
    }
    r.capacidade = Positivo(e.FScap) ? Fator(5.14L * r.cu / (p.Pesesp * p.Alt), *e.FScap)
                                     : NaoVerificada("FScap deve ser um número maior que zero");

    Governante(e, r);
    Reforco(e, r);
    return r;
}

EscolhaForca EscolhaNaLista(int posicao) {
    if (posicao <= 0 || posicao >= NumeroDeEscolhas)
        return std::nullopt;
    return static_cast<Forca>(posicao - 1);
}

const char* NomeDaEscolha(EscolhaForca escolha) {
    return escolha ? Saidas[Indice(*escolha)].nome : "a maior das forças";
}

const char* TextoDoVeredito(Veredito veredito) {
    switch (veredito) {
    case Veredito::Atende:
        return "atende";
    case Veredito::NaoAtende:
        return "não atende";
    case Veredito::NaoSeAplica:
        return "não se aplica";
    case Veredito::NaoVerificado:
        return "não verificado";
    case Veredito::Calculado:
        break;
    }
    return "";
}
