#pragma once

// One Kaniraj result: the force (kN/m) and the critical circle (m).
struct ResultadoKaniraj {
    long double P = 0;
    // The circle's radius, which is also the height of its centre above the circle's lowest point
    // (Y0 − D above the foundation surface): the screens call it the centre's ordinate.
    long double Y0 = 0;
    long double X0 = 0; // the centre's abscissa, from the main slope's toe toward the crest
    long double D = 0;  // the depth of the circle's lowest point below the foundation surface
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
