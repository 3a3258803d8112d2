#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Raised for every text that is not a number by the number-reading rule.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& texto);
};

// The decimal separator of the user's locale, set once at start-up (',' in Brazil).
void DefinirSeparadorDecimal(char separador);
char SeparadorDecimal();

// Reads a typed field (UTF-8) as an extended real: optional blanks, sign, digits with at most one
// decimal separator, optional exponent, optional blanks. Throws EConvertError otherwise.
long double ParseReal(std::string_view texto);
