#include "ParseReal.h"

#include <cerrno>
#include <charconv>
#include <string>
#include <system_error>

EConvertError::EConvertError(const std::string& texto) : std::runtime_error(texto) {}

namespace {

char separadorDecimal = ',';

constexpr char mensagemInvalido[] = "Texto não é um número válido.";
constexpr char mensagemForaFaixa[] = "Número fora da faixa dos reais estendidos.";

bool EhDigito(char c) {
    return c >= '0' && c <= '9';
}

// Beyond this the exponent only says "too large" or "too small"; saturating keeps the
// accumulation from overflowing on absurd texts.
constexpr long long expoenteSaturado = 1'000'000'000;

} // namespace

void DefinirSeparadorDecimal(char separador) {
    separadorDecimal = separador;
}

char SeparadorDecimal() {
    return separadorDecimal;
}

long double ParseReal(std::string_view texto) {
    std::size_t pos = 0;
    const std::size_t fim = texto.size();
    while (pos < fim && texto[pos] == ' ')
        ++pos;

    bool negativo = false;
    if (pos < fim && (texto[pos] == '+' || texto[pos] == '-')) {
        negativo = texto[pos] == '-';
        ++pos;
    }

    // Digits with at most one decimal separator among or after them; at least one of the two.
    std::string_view inteiros;
    std::string_view fracao;
    const std::size_t inicioInteiros = pos;
    while (pos < fim && EhDigito(texto[pos]))
        ++pos;
    inteiros = texto.substr(inicioInteiros, pos - inicioInteiros);
    bool temSeparador = false;
    if (pos < fim && texto[pos] == separadorDecimal) {
        temSeparador = true;
        ++pos;
        const std::size_t inicioFracao = pos;
        while (pos < fim && EhDigito(texto[pos]))
            ++pos;
        fracao = texto.substr(inicioFracao, pos - inicioFracao);
    }
    if (inteiros.empty() && !temSeparador)
        throw EConvertError(mensagemInvalido);

    // Exponent: the marker, an optional sign, digits; a marker without digits means exponent 0.
    long long expoente = 0;
    if (pos < fim && (texto[pos] == 'E' || texto[pos] == 'e')) {
        ++pos;
        bool expoenteNegativo = false;
        if (pos < fim && (texto[pos] == '+' || texto[pos] == '-')) {
            expoenteNegativo = texto[pos] == '-';
            ++pos;
        }
        while (pos < fim && EhDigito(texto[pos])) {
            expoente = expoente * 10 + (texto[pos] - '0');
            if (expoente > expoenteSaturado)
                expoente = expoenteSaturado;
            ++pos;
        }
        if (expoenteNegativo)
            expoente = -expoente;
    }

    while (pos < fim && texto[pos] == ' ')
        ++pos;
    if (pos != fim)
        throw EConvertError(mensagemInvalido);

    // Significant digits without leading zeros, and the decimal exponent of the first of them.
    std::string digitos;
    digitos.reserve(inteiros.size() + fracao.size());
    digitos.append(inteiros);
    digitos.append(fracao);
    const std::size_t primeiro = digitos.find_first_not_of('0');
    if (primeiro == std::string::npos)
        return negativo ? -0.0L : 0.0L;
    // Value = 0.d1d2d3... × 10^ordem, with d1 non-zero.
    const long long ordem =
        static_cast<long long>(inteiros.size()) - static_cast<long long>(primeiro) + expoente;

    // The grammar is checked; the conversion itself is locale-free and correctly rounded to the
    // nearest extended real. The normalised copy is "[-]0.<digits>e<ordem>".
    std::string normalizado;
    normalizado.reserve(digitos.size() - primeiro + 32);
    if (negativo)
        normalizado.push_back('-');
    normalizado.append("0.");
    normalizado.append(digitos, primeiro, std::string::npos);
    normalizado.push_back('e');
    normalizado.append(std::to_string(ordem));

    long double valor = 0;
    const auto [fimLido, erro] =
        std::from_chars(normalizado.data(), normalizado.data() + normalizado.size(), valor);
    if (erro == std::errc::result_out_of_range) {
        // Below the smallest normal extended real (about 3.4E-4932) the number reads as zero: no
        // typed quantity of this program is that small, and a denormal would only carry noise.
        // Above the largest (about 1.19E4932) it is not a number this program can hold.
        if (ordem <= 0)
            return negativo ? -0.0L : 0.0L;
        throw EConvertError(mensagemForaFaixa);
    }
    if (erro != std::errc() || fimLido != normalizado.data() + normalizado.size())
        throw EConvertError(mensagemInvalido);
    return valor;
}
