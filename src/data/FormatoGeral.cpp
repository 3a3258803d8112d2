#include "FormatoGeral.h"

#include "ParseReal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int digitosSignificativos = 15;

} // namespace

std::string FormatoGeral(long double valor) {
    if (std::isnan(valor))
        return "NAN";
    if (std::isinf(valor))
        return valor < 0 ? "-INF" : "INF";
    if (valor == 0)
        return "0";

    // 15 significant digits rounded to nearest by the locale-free conversion:
    // "d.dddddddddddddde±x".
    char bruto[64];
    const auto fim = std::to_chars(bruto, bruto + sizeof bruto, std::fabs(valor),
                                   std::chars_format::scientific, digitosSignificativos - 1)
                         .ptr;
    const std::string_view texto(bruto, static_cast<std::size_t>(fim - bruto));
    const std::size_t marca = texto.find('e');

    std::string digitos;
    for (char c : texto.substr(0, marca))
        if (c != '.')
            digitos.push_back(c);
    while (digitos.size() > 1 && digitos.back() == '0')
        digitos.pop_back();
    // The value is d1.d2d3... × 10^expoente.
    const int expoente = std::atoi(std::string(texto.substr(marca + 1)).c_str());

    std::string saida;
    if (valor < 0)
        saida.push_back('-');
    const char separador = SeparadorDecimal();

    // Scientific below 0.0001 (as rounded) and from 16 integer digits on.
    if (expoente < -4 || expoente >= digitosSignificativos) {
        saida.push_back(digitos[0]);
        if (digitos.size() > 1) {
            saida.push_back(separador);
            saida.append(digitos, 1, std::string::npos);
        }
        saida.push_back('E');
        saida.append(std::to_string(expoente));
        return saida;
    }

    if (expoente < 0) {
        saida.push_back('0');
        saida.push_back(separador);
        saida.append(static_cast<std::size_t>(-expoente - 1), '0');
        saida.append(digitos);
        return saida;
    }

    const std::size_t inteiros = static_cast<std::size_t>(expoente) + 1;
    if (digitos.size() <= inteiros) {
        saida.append(digitos);
        saida.append(inteiros - digitos.size(), '0');
        return saida;
    }
    saida.append(digitos, 0, inteiros);
    saida.push_back(separador);
    saida.append(digitos, inteiros, std::string::npos);
    return saida;
}

void AcrescentarNumeroCsv(std::string& linha, long double valor) {
    char texto[64];
    const auto fim =
        std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, 15).ptr;
    linha.append(texto, fim);
}
