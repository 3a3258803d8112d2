#pragma once

// One Kaniraj result: force (kN/m), centre ordinate and abscissa, wedge depth (m).
struct ResultadoKaniraj {
    long double P = 0;
    long double Y0 = 0;
    long double X0 = 0;
    long double D = 0;
};

// Low's results: depths in m, forces in kN/m, Fatsegsol the lowest unreinforced safety factor.
struct ResultadoLow {
    long double Profcunh = 0;
    long double Profcunsol = 0;
    long double Fatsegsol = 0;
    long double Solicsolh = 0;
    long double Profcunb = 0;
    long double Solicsolb = 0;
};

// Anchorage lengths (m): Kaniraj with and without crack, Low horizontal and bisector.
struct ComprimentosAncoragem {
    long double ComTr = 0;
    long double SemTr = 0;
    long double Horiz = 0;
    long double Biss = 0;
};
