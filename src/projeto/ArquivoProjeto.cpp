#include "ArquivoProjeto.h"

#include "Arquivos.h"

#include "data/DadosEntrada.h"
#include "data/ParseReal.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <iterator>

namespace {

// Every value but the problem's twelve, which come first, as their table gives them.
constexpr CampoProjeto outrosCampos[] = {
    {"Fatsegkan", "eFatsegkan", "Método de Kaniraj: Fator de segurança adotado"},
    {"Posref", "ePosref", "Método de Kaniraj: Posição do reforço"},
    {"Fatseglow", "eFatseglow", "Método de Low: Fator de segurança adotado"},
    {"CoeGeo1", "eCoeGeo1", "Solo de fundação/geotêxtil: Coesão"},
    {"AngGeo1", "eAngGeo1", "Solo de fundação/geotêxtil: Ângulo de atrito"},
    {"CoeGeo2", "eCoeGeo2", "Solo de aterro/geotêxtil: Coesão"},
    {"AngGeo2", "eAngGeo2", "Solo de aterro/geotêxtil: Ângulo de atrito"},
    {"FS1", "eFS1", "Fator de segurança"},
    {"FSdesl", "eFSdesl", "Verificações: FS contra o deslizamento e o espalhamento", 2, "1.5"},
    {"FSext", "eFSext", "Verificações: FS contra a extrusão", 2, "2.0"},
    {"FScap", "eFScap", "Verificações: FS contra a ruptura da fundação", 2, "2.0"},
    {"Tult", "eTult", "Verificações: Resistência à tração do reforço (kN/m)", 2},
    {"FRid", "eFRid", "Verificações: Fator de redução por danos de instalação", 2},
    {"FRfl", "eFRfl", "Verificações: Fator de redução por fluência", 2},
    {"FRdq", "eFRdq", "Verificações: Fator de redução por degradação", 2},
    {"Epsadm", "eEpsadm", "Verificações: Deformação admissível do reforço (%)", 2, "5"},
    {"CVgama", "eCVgama", "Confiabilidade: Coeficiente de variação de γ (%)", 3, "0"},
    {"Distgama", "cbDistgama", "Confiabilidade: Distribuição de γ", 3, "lognormal",
     TipoCampo::Distribuicao},
    {"CVc", "eCVc", "Confiabilidade: Coeficiente de variação de c (%)", 3, "0"},
    {"Distc", "cbDistc", "Confiabilidade: Distribuição de c", 3, "lognormal",
     TipoCampo::Distribuicao},
    {"CVphi", "eCVphi", "Confiabilidade: Coeficiente de variação de φ (%)", 3, "0"},
    {"Distphi", "cbDistphi", "Confiabilidade: Distribuição de φ", 3, "lognormal",
     TipoCampo::Distribuicao},
    {"CVCS", "eCVCS", "Confiabilidade: Coeficiente de variação de CS (%)", 3, "0"},
    {"DistCS", "cbDistCS", "Confiabilidade: Distribuição de CS", 3, "lognormal",
     TipoCampo::Distribuicao},
    {"CVCZ", "eCVCZ", "Confiabilidade: Coeficiente de variação de CZ (%)", 3, "0"},
    {"DistCZ", "cbDistCZ", "Confiabilidade: Distribuição de CZ", 3, "lognormal",
     TipoCampo::Distribuicao},
    {"CVCF", "eCVCF", "Confiabilidade: Coeficiente de variação de CF (%)", 3, "0"},
    {"DistCF", "cbDistCF", "Confiabilidade: Distribuição de CF", 3, "lognormal",
     TipoCampo::Distribuicao},
    {"CVT", "eCVT", "Confiabilidade: Coeficiente de variação de T (%)", 3, "0"},
    {"DistT", "cbDistT", "Confiabilidade: Distribuição de T", 3, "lognormal",
     TipoCampo::Distribuicao},
    {"Correlacionadas", "chCorrelacionadas",
     "Confiabilidade: Resistências da argila correlacionadas", 3, "sim", TipoCampo::SimNao},
    {"Amostras", "eAmostras", "Confiabilidade: Número de amostras", 3, "10000"},
    {"Semente", "eSemente", "Confiabilidade: Semente", 3, "1"},
    {"TdConfiabilidade", "eTdConfiabilidade", "Confiabilidade: Resistência de projeto Td (kN/m)",
     3},
    {"Fatsegbishop", "eFatsegbishop", "Método de Bishop: Fator de segurança adotado", 4},
    {"Posrefbishop", "ePosrefbishop", "Método de Bishop: Posição do reforço", 4},
    {"TrincaBishop", "chTrincaBishop", "Método de Bishop: Trinca de tração através do aterro", 4,
     "nao", TipoCampo::SimNao},
    {"BishopConfiabilidade", "chBishopConfiabilidade", "Confiabilidade: Incluir o método de Bishop",
     5, "nao", TipoCampo::SimNao},
};
static_assert(Grandezas.size() + std::size(outrosCampos) == NumeroDeCampos);

constexpr std::array<CampoProjeto, NumeroDeCampos> TodosOsCampos() {
    std::array<CampoProjeto, NumeroDeCampos> campos{};
    std::size_t i = 0;
    for (const Grandeza& g : Grandezas) {
        campos[i++] = {g.chave, g.controle, g.rotulo};
    }
    for (const CampoProjeto& campo : outrosCampos) {
        campos[i++] = campo;
    }
    return campos;
}

} // namespace

const std::array<CampoProjeto, NumeroDeCampos> CamposProjeto = TodosOsCampos();

namespace {

const QChar ponto = QLatin1Char('.');

QChar Separador() {
    return QLatin1Char(SeparadorDecimal());
}

bool EhNumero(const QString& texto) {
    try {
        ParseReal(texto.toStdString());
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

// A value the field can hold: a number or nothing, or one of the field's words.
bool Valido(const CampoProjeto& campo, const QString& texto) {
    switch (campo.tipo) {
    case TipoCampo::Numero:
        return texto.isEmpty() || EhNumero(texto);
    case TipoCampo::Distribuicao:
        return texto == QLatin1String("lognormal") || texto == QLatin1String("normal");
    case TipoCampo::SimNao:
        return texto == QLatin1String("sim") || texto == QLatin1String("nao");
    }
    return false;
}

QString NaoValido(const CampoProjeto& campo) {
    return campo.tipo == TipoCampo::Numero ? QStringLiteral("não é um número")
                                           : QStringLiteral("não é uma das opções");
}

// A number's decimal separator: a point in the file, the locale's on the screens.
QString ParaArquivo(const CampoProjeto& campo, QString texto) {
    return campo.tipo == TipoCampo::Numero ? texto.replace(Separador(), ponto) : texto;
}
QString DoArquivo(const CampoProjeto& campo, QString texto) {
    return campo.tipo == TipoCampo::Numero ? texto.replace(ponto, Separador()) : texto;
}

Desfecho Falha(const QString& nome, const QString& motivo) {
    return {false, QStringLiteral("Não foi possível abrir \u00ab%1\u00bb: %2").arg(nome, motivo)};
}

QString Rotulo(const CampoProjeto& campo) {
    return QStringLiteral("\u00ab%1\u00bb").arg(QString::fromUtf8(campo.rotulo));
}

} // namespace

Projeto ProjetoInicial() {
    Projeto projeto;
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        projeto.valores[i] =
            DoArquivo(CamposProjeto[i], QString::fromLatin1(CamposProjeto[i].inicial));
    }
    return projeto;
}

Desfecho ProjetoParaJson(const Projeto& projeto, QByteArray& json) {
    QJsonObject objeto;
    objeto.insert(QStringLiteral("formato"), QString::fromLatin1(NomeDoFormato));
    objeto.insert(QStringLiteral("versao"), VersaoDoFormato);
    objeto.insert(QStringLiteral("descricao"), projeto.descricao);
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        const QString& valor = projeto.valores[i];
        if (!Valido(CamposProjeto[i], valor)) {
            return {false, QStringLiteral("O projeto não foi salvo: o valor de %1 %2 "
                                          "(\u201c%3\u201d). Corrija-o e salve de novo.")
                               .arg(Rotulo(CamposProjeto[i]), NaoValido(CamposProjeto[i]), valor)};
        }
        objeto.insert(QString::fromLatin1(CamposProjeto[i].chave),
                      ParaArquivo(CamposProjeto[i], valor));
    }
    json = QJsonDocument(objeto).toJson(QJsonDocument::Indented);
    return {true, {}};
}

Desfecho JsonParaProjeto(const QByteArray& json, const QString& nome, Projeto& projeto) {
    if (json.size() > TamanhoMaximoArquivo) {
        return Falha(nome, QStringLiteral("o arquivo tem mais de 1 MiB e não é um projeto do "
                                          "Veltra."));
    }
    QJsonParseError erro;
    const QJsonDocument documento = QJsonDocument::fromJson(json, &erro);
    if (erro.error != QJsonParseError::NoError || !documento.isObject()) {
        return Falha(nome, QStringLiteral("o arquivo não é um projeto do Veltra (não é JSON "
                                          "válido)."));
    }
    const QJsonObject objeto = documento.object();
    if (objeto.value(QStringLiteral("formato")).toString() != QString::fromLatin1(NomeDoFormato)) {
        return Falha(nome, QStringLiteral("o arquivo não é um projeto do Veltra."));
    }
    const QJsonValue versao = objeto.value(QStringLiteral("versao"));
    const double numeroVersao = versao.toDouble();
    if (!versao.isDouble() || numeroVersao < 1 || numeroVersao > VersaoDoFormato ||
        numeroVersao != std::floor(numeroVersao)) {
        if (versao.isDouble() && numeroVersao > VersaoDoFormato) {
            return Falha(nome, QStringLiteral("o projeto foi salvo por uma versão mais nova do "
                                              "Veltra (formato %1); esta versão lê o formato %2.")
                                   .arg(versao.toDouble())
                                   .arg(VersaoDoFormato));
        }
        return Falha(nome, QStringLiteral("a versão do formato do projeto não é válida."));
    }

    Projeto lido = ProjetoInicial();
    const QJsonValue descricao = objeto.value(QStringLiteral("descricao"));
    if (!descricao.isUndefined()) {
        if (!descricao.isString()) {
            return Falha(nome, QStringLiteral("a descrição da obra não é um texto."));
        }
        lido.descricao = descricao.toString();
    }
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        const CampoProjeto& campo = CamposProjeto[i];
        const QJsonValue valor = objeto.value(QString::fromLatin1(campo.chave));
        // A file of an earlier version lacks the later values: they keep their initial texts.
        if (valor.isUndefined() && campo.desdeVersao > numeroVersao) {
            continue;
        }
        if (valor.isUndefined()) {
            return Falha(nome, QStringLiteral("falta o valor de %1.").arg(Rotulo(campo)));
        }
        if (!valor.isString()) {
            return Falha(nome, QStringLiteral("o valor de %1 não é um texto.").arg(Rotulo(campo)));
        }
        // In the file the separator is always a point: the locale's own separator there is not
        // a number written by this program.
        const bool separadorAlheio = campo.tipo == TipoCampo::Numero && Separador() != ponto &&
                                     valor.toString().contains(Separador());
        const QString texto = DoArquivo(campo, valor.toString());
        if (separadorAlheio || !Valido(campo, texto)) {
            return Falha(nome, QStringLiteral("o valor de %1 %2 (\u201c%3\u201d).")
                                   .arg(Rotulo(campo), NaoValido(campo), valor.toString()));
        }
        lido.valores[i] = texto;
    }
    projeto = lido;
    return {true, {}};
}

Desfecho GravarProjeto(const QString& caminho, const Projeto& projeto) {
    QByteArray json;
    Desfecho desfecho = ProjetoParaJson(projeto, json);
    if (!desfecho.ok) {
        return desfecho;
    }
    const QString motivo = GravarArquivo(
        caminho, [&](QIODevice& arquivo) { return arquivo.write(json) == json.size(); });
    if (!motivo.isEmpty()) {
        return {false, QStringLiteral("Não foi possível salvar \u00ab%1\u00bb: %2. Os dados "
                                      "digitados continuam nas telas.")
                           .arg(QFileInfo(caminho).fileName(), motivo)};
    }
    return {true, {}};
}

Desfecho LerProjeto(const QString& caminho, Projeto& projeto) {
    const QString nome = QFileInfo(caminho).fileName();
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return Falha(nome, MotivoArquivo(caminho, arquivo, Acesso::Leitura) + QLatin1Char('.'));
    }
    if (arquivo.size() > TamanhoMaximoArquivo) {
        return Falha(nome, QStringLiteral("o arquivo tem mais de 1 MiB e não é um projeto do "
                                          "Veltra."));
    }
    // Read one byte past the limit: a file that grew meanwhile is still refused.
    const QByteArray json = arquivo.read(TamanhoMaximoArquivo + 1);
    if (arquivo.error() != QFileDevice::NoError) {
        return Falha(nome, QStringLiteral("o arquivo não pôde ser lido (%1).")
                               .arg(MotivoArquivo(caminho, arquivo, Acesso::Leitura)));
    }
    return JsonParaProjeto(json, nome, projeto);
}
