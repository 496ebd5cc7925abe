#pragma once

#include "engine/etat.h"
#include "printing/impression.h"
#include "printing/surface.h"

#include <array>
#include <cstdint>
#include <string>

namespace vormigral {

// The list line of grid g: "Bull.: 001 :-03-08-19-27-33-45", its numbers taken from the flags.
std::string lignebulletin(std::int32_t g, const std::array<std::int32_t, 50>& grille);

// Prints every grid of method `methode` as a list on plain paper under the title `titre` (the
// windows word it), one line per grid, starting a new page whenever the next line would come too
// low. Nothing is printed when `methode` names nothing. Errors of the surface abandon the job and
// are passed on.
TBilanImpression imprimeliste(TEtat& etat, SurfaceImpression& surface, std::int32_t methode,
                              const std::string& titre);

} // namespace vormigral
