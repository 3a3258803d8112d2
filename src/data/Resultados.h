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

// Anchorage lengths (m): Kaniraj with and without crack, Low horizontal and bisector, Bishop.
struct ComprimentosAncoragem {
    long double ComTr = 0;
    long double SemTr = 0;
    long double Horiz = 0;
    long double Biss = 0;
    long double Bishop = 0;
};

// One circle of Bishop's search: its centre (m, x from the main slope's toe toward the crest, y
// above the foundation surface) and the depth of its lowest point below the foundation surface.
struct CirculoBishop {
    long double xc = 0, yc = 0;
    long double D = 0;
    long double Raio() const { return yc + D; }
};

// Bishop's results: the lowest unreinforced factor with its circle; the largest force that brings
// a circle to F with its circle (0 when every circle's FS0 ≥ F); whether some circle below F is one
// that no reinforcement at its height crosses (no force brings it to F); whether a critical circle
// lay on the edge of the centres' grid even after widening it; the circles examined.
struct ResultadoBishop {
    long double FS0 = 0;
    CirculoBishop circuloFS0;
    long double P = 0;
    CirculoBishop circuloP;
    bool semSolucao = false;
    bool naBorda = false;
    int circulos = 0;
};
