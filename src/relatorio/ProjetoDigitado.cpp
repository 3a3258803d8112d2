#include "ProjetoDigitado.h"

#include "data/ParseReal.h"

#include <cstring>
#include <utility>

namespace {

const CampoProjeto* Campo(const char* chave) {
    for (const CampoProjeto& campo : CamposProjeto) {
        if (std::strcmp(campo.chave, chave) == 0) {
            return &campo;
        }
    }
    return nullptr;
}

} // namespace

QString TextoDigitado(const Projeto& projeto, const char* chave) {
    const CampoProjeto* campo = Campo(chave);
    return campo ? projeto.valores[static_cast<std::size_t>(campo - CamposProjeto.data())]
                 : QString();
}

void EscreverDigitado(Projeto& projeto, const char* chave, const QString& texto) {
    if (const CampoProjeto* campo = Campo(chave)) {
        projeto.valores[static_cast<std::size_t>(campo - CamposProjeto.data())] = texto;
    }
}

std::optional<long double> ValorDigitado(const Projeto& projeto, const char* chave) {
    const CampoProjeto* campo = Campo(chave);
    if (!campo) {
        return std::nullopt;
    }
    try {
        return ParseReal(
            projeto.valores[static_cast<std::size_t>(campo - CamposProjeto.data())].toStdString());
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<DadosEntrada> ProblemaDigitado(const Projeto& projeto) {
    DadosEntrada d;
    for (const Grandeza& g : Grandezas) {
        const auto v = ValorDigitado(projeto, g.chave);
        if (!v) {
            return std::nullopt;
        }
        d.*g.membro = *v;
    }
    return d;
}

std::optional<DadosAnalise> DadosDigitados(const Projeto& projeto, QString& invalido, bool bishop) {
    DadosAnalise d;
    const auto ler = [&](const char* chave, long double& valor) {
        const auto v = ValorDigitado(projeto, chave);
        if (!v) {
            invalido = QString::fromUtf8(Campo(chave)->rotulo);
            return false;
        }
        valor = *v;
        return true;
    };
    for (const Grandeza& g : Grandezas) {
        if (!ler(g.chave, d.problema.*g.membro)) {
            return std::nullopt;
        }
    }
    if (!ler("Fatsegkan", d.fatores.Fatsegkan) || !ler("Posref", d.fatores.Posref) ||
        !ler("Fatseglow", d.fatores.Fatseglow)) {
        return std::nullopt;
    }
    if (bishop || BishopDigitado(projeto)) {
        if (!ler("Fatsegbishop", d.fatores.Fatsegbishop) ||
            !ler("Posrefbishop", d.fatores.Posrefbishop)) {
            return std::nullopt;
        }
    }
    d.fatores.TrincaBishop = TextoDigitado(projeto, "TrincaBishop") == QLatin1String("sim");
    return d;
}

bool BishopDigitado(const Projeto& projeto) {
    return ValorDigitado(projeto, "Fatsegbishop") && ValorDigitado(projeto, "Posrefbishop");
}

EntradaVerificacoes VerificacoesDigitadas(const Projeto& projeto, const AvaliacaoMetodos& metodos,
                                          EscolhaForca escolha) {
    const auto valor = [&](const char* chave) { return ValorDigitado(projeto, chave); };
    EntradaVerificacoes e{};
    e.problema = metodos.dados.problema;
    e.CoeGeo2 = valor("CoeGeo2");
    e.AngGeo2 = valor("AngGeo2");
    e.FSdesl = valor("FSdesl");
    e.FSext = valor("FSext");
    e.FScap = valor("FScap");
    e.Tult = valor("Tult");
    e.FRid = valor("FRid");
    e.FRfl = valor("FRfl");
    e.FRdq = valor("FRdq");
    e.Epsadm = valor("Epsadm");
    e.escolha = escolha;
    e.metodos = metodos;
    return e;
}

std::optional<long double> ResistenciaDeProjetoDigitada(const Projeto& projeto) {
    EntradaVerificacoes e{};
    e.Tult = ValorDigitado(projeto, "Tult");
    e.FRid = ValorDigitado(projeto, "FRid");
    e.FRfl = ValorDigitado(projeto, "FRfl");
    e.FRdq = ValorDigitado(projeto, "FRdq");
    return ResistenciaDeProjeto(e);
}
