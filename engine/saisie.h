#pragma once

#include <cstdint>
#include <string>

namespace vormigral {

// The value of a typed number: leading blanks, one optional sign, then digits. An empty text gives
// 0; a malformed one gives the digits read before the first misfit, without the sign ("12-" gives
// 12, "-5+" gives 5, a lone sign 0). Never fails; values beyond 32 bits are clamped.
std::int32_t valeurtexte(const std::string& texte);

// Whether a typed character passes a numeric edit's key filter that lists `permis`.
bool caracterepermis(char32_t caractere, const std::string& permis);

} // namespace vormigral
