// The design file: what is typed comes back exactly, a bad file changes nothing, a failed write
// says so and leaves the old file as it was.
#include "data/ParseReal.h"
#include "projeto/ArquivoProjeto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ArquivoProjeto : public ::testing::Test {
protected:
    void SetUp() override { DefinirSeparadorDecimal(','); }
    void TearDown() override { DefinirSeparadorDecimal(','); }

    QString Caminho(const char* nome) const { return pasta.filePath(QString::fromUtf8(nome)); }

    QTemporaryDir pasta;
};

// A design as a user in Brazil types it: commas, exponents, blanks, signs and empty fields.
Projeto Digitado() {
    Projeto p;
    const char* valores[NumeroDeCampos] = {
        "3",    "2,5",       "18,75", "",          "30",  "1E-3",      "-0",   " 6 ",
        "0,",   "1,5e+2",    "+10",   ",5",        "12",  "1,3",       "0",    "1,30",
        "5,55", "",          "30",    "1,5",       "1,5", "2,0",       "2",    "200",
        "1,1",  "2",         "",      "5",         "5",   "lognormal", "30",   "normal",
        "0",    "lognormal", "30",    "lognormal", "30",  "normal",    "0",    "lognormal",
        "10",   "normal",    "nao",   "20000",     "7",   "82,6",      "1,35", "0,5",
        "sim",  "sim"};
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        p.valores[i] = QString::fromUtf8(valores[i]);
    }
    p.descricao = QStringLiteral("Aterro da Via Norte, km 12 — \"trecho 3\"\nsegunda linha");
    return p;
}

TEST_F(ArquivoProjeto, RoundTripGivesBackEveryTypedValueExactly) {
    const Projeto digitado = Digitado();
    const QString caminho = Caminho("obra.veltra");
    ASSERT_TRUE(GravarProjeto(caminho, digitado).ok);

    // In the file the separator is a point, whatever the locale.
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QByteArray texto = arquivo.readAll();
    EXPECT_TRUE(texto.contains("\"Pesesp\": \"18.75\""));
    EXPECT_TRUE(texto.contains("\"Coesao\": \"\""));
    EXPECT_FALSE(texto.contains("2,5"));

    Projeto lido;
    const Desfecho desfecho = LerProjeto(caminho, lido);
    ASSERT_TRUE(desfecho.ok) << desfecho.mensagem.toStdString();
    EXPECT_EQ(lido, digitado);
    // The same text reads to the same number, bit for bit.
    EXPECT_EQ(ParseReal(lido.valores[1].toStdString()), 2.5L);

    // Under a point locale the same file shows points, and the numbers are the same.
    DefinirSeparadorDecimal('.');
    ASSERT_TRUE(LerProjeto(caminho, lido).ok);
    EXPECT_EQ(lido.valores[2], QStringLiteral("18.75"));
    EXPECT_EQ(ParseReal(lido.valores[9].toStdString()), 150.0L);
}

TEST_F(ArquivoProjeto, FileRefusedWithItsReasonAndNothingChanges) {
    QByteArray valido;
    ASSERT_TRUE(ProjetoParaJson(Digitado(), valido).ok);
    const auto trocar = [&](const char* de, const char* para) {
        QByteArray b = valido;
        return b.replace(de, para);
    };
    const struct {
        const char* nome;
        QByteArray conteudo;
        const char* motivo;
    } casos[] = {
        {"vazio", "", "não é JSON"},
        {"texto", "isto não é um projeto", "não é JSON"},
        {"lista", "[1, 2]", "não é JSON"},
        {"outro programa", trocar("\"Veltra\"", "\"Outro\""), "não é um projeto do Veltra"},
        {"versão nova", trocar("\"versao\": 5", "\"versao\": 6"),
         "versão mais nova do Veltra (formato 6)"},
        {"versão em texto", trocar("\"versao\": 5", "\"versao\": \"5\""), "versão do formato"},
        {"versão zero", trocar("\"versao\": 5", "\"versao\": 0"), "versão do formato"},
        {"distribuição desconhecida", trocar("\"lognormal\"", "\"triangular\""),
         "«Confiabilidade: Distribuição de γ» não é uma das opções (“triangular”)"},
        // Format 2 has the checks' values: none may be missing.
        {"falta um valor do formato 2", trocar("\"Epsadm\"", "\"Eps\""),
         "falta o valor de «Verificações: Deformação admissível do reforço (%)»"},
        {"falta um valor", trocar("\"ProfZ\"", "\"ProfZZ\""),
         "falta o valor de «Resistência não drenada: CZ (kPa)»"},
        {"número sem aspas", trocar("\"Alt\": \"3\"", "\"Alt\": 3"),
         "o valor de «Aterro: Altura (m)» não é um texto"},
        {"não é número", trocar("\"Alt\": \"3\"", "\"Alt\": \"três\""),
         "«Aterro: Altura (m)» não é um número (“três”)"},
        {"vírgula no arquivo", trocar("\"Pesesp\": \"18.75\"", "\"Pesesp\": \"18,75\""),
         "«Aterro: Peso específico aparente total (kN/m3)» não é um número"},
        {"dois pontos", trocar("\"FS1\": \"1.5\"", "\"FS1\": \"1.5.1\""),
         "«Fator de segurança» não é um número"},
        {"descrição não é texto", trocar("\"descricao\": \"", "\"descricao\": 7, \"x\": \""),
         "descrição da obra não é um texto"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Projeto projeto = Digitado();
        const Desfecho d = JsonParaProjeto(caso.conteudo, QStringLiteral("obra.veltra"), projeto);
        EXPECT_FALSE(d.ok);
        EXPECT_TRUE(d.mensagem.startsWith(QStringLiteral("Não foi possível abrir «obra.veltra»: ")))
            << d.mensagem.toStdString();
        EXPECT_TRUE(d.mensagem.contains(QString::fromUtf8(caso.motivo)))
            << d.mensagem.toStdString();
        EXPECT_EQ(projeto, Digitado());
    }
}

// A file written before the checks and the reliability analysis existed opens with their initial
// values.
TEST_F(ArquivoProjeto, Format1FileOpensWithTheChecksInitialValues) {
    QByteArray json;
    ASSERT_TRUE(ProjetoParaJson(Digitado(), json).ok);
    json.replace("\"versao\": 5", "\"versao\": 1");
    for (std::size_t i = 20; i < NumeroDeCampos; ++i) {
        const QByteArray chave = CamposProjeto[i].chave;
        json.replace("\"" + chave + "\"", "\"antigo" + chave + "\"");
    }
    Projeto lido;
    const Desfecho d = JsonParaProjeto(json, QStringLiteral("antigo.veltra"), lido);
    ASSERT_TRUE(d.ok) << d.mensagem.toStdString();
    const Projeto inicial = ProjetoInicial();
    for (std::size_t i = 0; i < NumeroDeCampos; ++i)
        EXPECT_EQ(lido.valores[i], i < 20 ? Digitado().valores[i] : inicial.valores[i]) << i;
    EXPECT_EQ(inicial.valores[20], QStringLiteral("1,5"));
    EXPECT_EQ(inicial.valores[27], QStringLiteral("5"));
    EXPECT_EQ(inicial.valores[23], QString());
    EXPECT_EQ(inicial.valores[29], QStringLiteral("lognormal"));
    EXPECT_EQ(inicial.valores[42], QStringLiteral("sim"));
}

TEST_F(ArquivoProjeto, UnknownMembersAreIgnoredAndTheDescriptionIsOptional) {
    QByteArray json;
    ASSERT_TRUE(ProjetoParaJson(Digitado(), json).ok);
    json.replace("\"descricao\"", "\"comentario\"");
    Projeto lido;
    ASSERT_TRUE(JsonParaProjeto(json, QStringLiteral("x.veltra"), lido).ok);
    Projeto esperado = Digitado();
    esperado.descricao.clear();
    EXPECT_EQ(lido, esperado);
}

TEST_F(ArquivoProjeto, LargeOrMissingFilesAreRefusedWithoutReadingThem) {
    const QString grande = Caminho("grande.veltra");
    QFile arquivo(grande);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(QByteArray(TamanhoMaximoArquivo + 1, ' '));
    arquivo.close();
    Projeto projeto = Digitado();
    Desfecho d = LerProjeto(grande, projeto);
    EXPECT_FALSE(d.ok);
    EXPECT_TRUE(
        d.mensagem.contains(QStringLiteral("«grande.veltra»: o arquivo tem mais de 1 MiB")));

    d = LerProjeto(Caminho("nao-existe.veltra"), projeto);
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.mensagem, QStringLiteral("Não foi possível abrir «nao-existe.veltra»: o arquivo "
                                         "não existe."));
    EXPECT_EQ(projeto, Digitado());
}

// Root ignores a folder's permissions, so the failures are a missing folder, a folder where the
// file would be, and a file system that takes no files; the reason is said in Portuguese where
// the user can act on it.
TEST_F(ArquivoProjeto, FailedWriteSaysWhySoAndLeavesTheOldFile) {
    ASSERT_TRUE(QDir().mkpath(Caminho("pasta.veltra")));
    const struct {
        QString caminho, mensagem;
    } casos[] = {
        {Caminho("nao/existe/obra.veltra"),
         QStringLiteral("Não foi possível salvar «obra.veltra»: a pasta «%1» não existe.")
             .arg(Caminho("nao/existe"))},
        {Caminho("pasta.veltra"),
         QStringLiteral("Não foi possível salvar «pasta.veltra»: «pasta.veltra» é uma pasta, não "
                        "um arquivo.")},
        {QStringLiteral("/proc/veltra-obra.veltra"),
         QStringLiteral("Não foi possível salvar «veltra-obra.veltra»: ")},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caminho.toStdString());
        const Desfecho d = GravarProjeto(caso.caminho, Digitado());
        EXPECT_FALSE(d.ok);
        EXPECT_TRUE(d.mensagem.startsWith(caso.mensagem)) << d.mensagem.toStdString();
        EXPECT_TRUE(d.mensagem.endsWith(QStringLiteral("Os dados digitados continuam nas telas.")));
        EXPECT_FALSE(QFileInfo(caso.caminho).isFile());
    }
    // A design that cannot be written keeps the good file that was there.
    const QString bom = Caminho("bom.veltra");
    ASSERT_TRUE(GravarProjeto(bom, Digitado()).ok);
    Projeto ruim = Digitado();
    ruim.valores[0] = QStringLiteral("3 m");
    const Desfecho d = GravarProjeto(bom, ruim);
    EXPECT_FALSE(d.ok);
    EXPECT_TRUE(d.mensagem.contains(
        QStringLiteral("o valor de «Aterro: Altura (m)» não é um número (“3 m”)")));
    Projeto lido;
    ASSERT_TRUE(LerProjeto(bom, lido).ok);
    EXPECT_EQ(lido, Digitado());
}

} // namespace
