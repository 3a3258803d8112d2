#pragma once

// Numbers on the screens, the charts and the report as the user reads and types them.

#include <QLocale>

// The user's locale with its decimal separator, the one the fields take, and no thousands
// separator.
QLocale LocaleDosNumeros();

// A step of 1, 2 or 5 times a power of ten that puts about `marcas` ticks over `extensao`.
double PassoRedondo(double extensao, int marcas);
