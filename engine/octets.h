#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vormigral {

// Little-endian 32-bit integers, whatever the host's byte order.
std::int32_t lireint32(const std::uint8_t* octets);
void ecrireint32(std::uint8_t* octets, std::int32_t valeur);

// Writes a whole file through a temporary file beside it, renamed over the target only once every
// byte is on disk, so a failed write never leaves the previous file truncated. False on any failure.
bool ecrireatomique(const std::string& chemin, const std::uint8_t* octets, std::size_t taille);

} // namespace vormigral
