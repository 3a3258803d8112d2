#pragma once

// Representative undrained strength cm of the soft layer for a wedge reaching depth D, from the
// bi-linear profile CS (top), CZ (depth Z), CF (base, depth T). Needs Z >= 0 and D > 0.
long double ResistenciaRepresentativa(long double T, long double Z, long double CS, long double CZ,
                                      long double CF, long double D);
