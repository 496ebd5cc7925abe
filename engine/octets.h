#pragma once

#include <cstddef>
#include <cstdint>

namespace vormigral {

// Little-endian 32-bit integers, whatever the host's byte order.
std::int32_t lireint32(const std::uint8_t* octets);
void ecrireint32(std::uint8_t* octets, std::int32_t valeur);

} // namespace vormigral
