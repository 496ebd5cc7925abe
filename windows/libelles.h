#pragma once

#include "engine/methodes.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>

namespace vormigral {

// The description of method m (1..50) as the windows show it, in the language installed: the
// catalogue's own words (its libfr and libang), built through the translations.
QString libellemethode(const TMethodes& methodes, std::int32_t m);

// Every method's description in the language installed, UTF-8, entry m for method m: what the
// method list is sorted and made from (listemethodes).
std::array<std::string, nbmethodes + 1> libellesmethodes(const TMethodes& methodes);

} // namespace vormigral
