#pragma once

#include <string>

// Shortest text of at most 15 significant digits with the locale's decimal separator; scientific
// form below 0.0001 or above 15 integer digits ("5E-5", "1,5E20").
std::string FormatoGeral(long double valor);

// A number as the exported tables write it, for programs rather than people of one country: 15
// significant digits, a point as decimal separator, whatever the locale.
void AcrescentarNumeroCsv(std::string& linha, long double valor);
