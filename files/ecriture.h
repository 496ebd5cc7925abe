#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vormigral {

// Writes a whole file through a temporary file beside it, renamed over the target only once every
// byte is on disk, so a failed write never leaves the previous file truncated. False on any failure.
bool ecrireatomique(const std::string& chemin, const std::uint8_t* octets, std::size_t taille);

} // namespace vormigral
