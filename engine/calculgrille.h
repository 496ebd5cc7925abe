#pragma once

#include "engine/etat.h"

#include <cstdint>

namespace vormigral {

// Expands grid n of method etat.methodecour: grillecour gets a flag on each of the six ticked
// numbers that the grid's positions pick out of numcoch, then the viewer is redrawn through
// etat.affichegrille when one is installed. A grid number outside 1..nbgrilles (or beyond the
// method's table) or a method number outside 1..50 changes nothing and redraws nothing. A position
// whose entry of numcoch is not a number 1..49 (too few numbers ticked) sets no flag.
void calculgrille(TEtat& etat, std::int32_t n);

// The same expansion without the redraw; false when n or the method is out of range (grillecour
// then unchanged).
bool developpegrille(TEtat& etat, std::int32_t n);

} // namespace vormigral
