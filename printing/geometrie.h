#pragma once

#include "engine/etat.h"
#include "engine/typesbulletin.h"
#include "printing/surface.h"

#include <cstdint>

namespace vormigral {

// A point on the sheet, in centimetres from its top-left corner.
struct TPositionCase {
    double x = 0;
    double y = 0;
};

// The box of number n (1..49) in the grid at position p (1..nbgrillesbull) of a slip.
TPositionCase positioncase(const TTypeBulletin& type, std::int32_t p, std::int32_t n);

// Nearest integer, an exact half going to the even neighbour; clamped to 32 bits.
std::int32_t arrondipair(double valeur);

// A position in centimetres on axis 1 (horizontal) or any other axis (vertical), in the device
// units of the surface, shifted by the user's offsets. Asks the surface for its resolution and
// printing offset on every call.
std::int32_t convposition(const SurfaceImpression& surface, const TParametres& parametres, std::int32_t axe,
                          double valeur);

// Selects the font every "X" on a slip is printed in.
void policemarques(SurfaceImpression& surface);

// A rectangle in device units.
struct TCadre {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;
};

// The character cell the "X" of number n at grid position p takes on the surface, shifted by the
// offsets of `parametres`. The marks' font must be the surface's current one.
TCadre cellulemarque(const SurfaceImpression& surface, const TParametres& parametres,
                     const TTypeBulletin& type, std::int32_t p, std::int32_t n);

// Millimetres in device units along axis 1 (horizontal) or any other (vertical).
std::int32_t millimetres(const SurfaceImpression& surface, std::int32_t axe, double mm);

} // namespace vormigral
