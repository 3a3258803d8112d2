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
    for (const auto& [chave, campo] :
         {std::pair{"Alt", &DadosEntrada::Alt}, std::pair{"Decl", &DadosEntrada::Decl},
          std::pair{"Pesesp", &DadosEntrada::Pesesp}, std::pair{"Coesao", &DadosEntrada::Coesao},
          std::pair{"Angat", &DadosEntrada::Angat}, std::pair{"Altberma", &DadosEntrada::Altberma},
          std::pair{"Largberma", &DadosEntrada::Largberma}, std::pair{"Prof", &DadosEntrada::Prof},
          std::pair{"Dist", &DadosEntrada::Dist}, std::pair{"Superf", &DadosEntrada::Superf},
          std::pair{"ProfZ", &DadosEntrada::ProfZ}, std::pair{"Cont", &DadosEntrada::Cont}}) {
        const auto v = ValorDigitado(projeto, chave);
        if (!v) {
            return std::nullopt;
        }
        d.*campo = *v;
    }
    return d;
}

std::optional<DadosEstudo> DadosDigitados(const Projeto& projeto, QString& invalido) {
    const char* const chaves[] = {"Alt",      "Decl",      "Pesesp",    "Coesao", "Angat",
                                  "Altberma", "Largberma", "Prof",      "Dist",   "Superf",
                                  "ProfZ",    "Cont",      "Fatsegkan", "Posref", "Fatseglow"};
    long double v[std::size(chaves)];
    for (std::size_t i = 0; i < std::size(chaves); ++i) {
        const auto valor = ValorDigitado(projeto, chaves[i]);
        if (!valor) {
            invalido = QString::fromUtf8(Campo(chaves[i])->rotulo);
            return std::nullopt;
        }
        v[i] = *valor;
    }
    return DadosEstudo{v[0], v[1], v[2],  v[3],  v[4],  v[5],  v[6], v[7],
                       v[8], v[9], v[10], v[11], v[12], v[13], v[14]};
}

EntradaVerificacoes VerificacoesDigitadas(const Projeto& projeto, const DadosEstudo& d,
                                          EscolhaForca escolha) {
    const auto valor = [&](const char* chave) { return ValorDigitado(projeto, chave); };
    EntradaVerificacoes e{};
    e.H = d.H;
    e.n = d.n;
    e.gama = d.gama;
    e.phi = d.phi;
    e.T = d.T;
    e.Z = d.Z;
    e.CS = d.CS;
    e.CZ = d.CZ;
    e.CF = d.CF;
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
    e.metodos = AvaliarMetodos(d);
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
