#pragma once

// The design file (.veltra): what an engineer typed for one embankment, kept as typed, so that a
// reopened design fills every field with the same digits and every analysis gives the same numbers.
// Results are never stored. Needs only QtCore: no window is involved.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>

// One typed value of a design: its key in the file, the control that holds it on its screen, its
// label as the screen shows it (group and caption), the format version that brought it, and the
// text a new design starts with (decimals with a point), which a file of an earlier version opens
// with.
// A value is a typed number (empty when not typed), a distribution ("lognormal" or "normal") or a
// choice ("sim" or "nao").
enum class TipoCampo { Numero, Distribuicao, SimNao };

struct CampoProjeto {
    const char* chave;
    const char* controle;
    const char* rotulo;
    int desdeVersao = 1;
    const char* inicial = "";
    TipoCampo tipo = TipoCampo::Numero;
};

inline constexpr std::size_t NumeroDeCampos = 50;

// The twelve problem values, the closed forms' three inputs, the five anchorage inputs, the eight
// of the limit-state checks, the eighteen of the reliability analysis and Bishop's three, in
// order.
extern const std::array<CampoProjeto, NumeroDeCampos> CamposProjeto;

struct Projeto {
    // Each value as the user typed it, with the locale's decimal separator; empty when not typed.
    std::array<QString, NumeroDeCampos> valores;
    QString descricao;

    bool operator==(const Projeto&) const = default;
};

inline constexpr char NomeDoFormato[] = "Veltra";
inline constexpr int VersaoDoFormato = 5;
// Larger files are refused without being read whole: a design is a few hundred bytes.
inline constexpr qint64 TamanhoMaximoArquivo = 1 << 20;

// A design as the program starts: every field empty, but those with an initial text.
Projeto ProjetoInicial();

// How a read or a write ended: ok, or the message for the user, in Portuguese, naming the file.
struct Desfecho {
    bool ok = false;
    QString mensagem;
};

// The design as the file's JSON text (UTF-8), decimal separators written as points. Refuses (the
// message names the field) a non-empty value that is not a number by the number-reading rule, since
// no file this program writes may be one it refuses to open.
Desfecho ProjetoParaJson(const Projeto& projeto, QByteArray& json);

// Reads a design from the file's bytes, all or nothing: `projeto` changes only when it succeeds.
// `nome` is the file's name, for the messages.
Desfecho JsonParaProjeto(const QByteArray& json, const QString& nome, Projeto& projeto);

// Writes the file through a temporary file that replaces it only when complete: a failure leaves
// whatever was there before untouched.
Desfecho GravarProjeto(const QString& caminho, const Projeto& projeto);

// Opens a design file, all or nothing.
Desfecho LerProjeto(const QString& caminho, Projeto& projeto);
