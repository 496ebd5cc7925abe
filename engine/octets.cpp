#include "engine/octets.h"

namespace vormigral {

std::int32_t lireint32(const std::uint8_t* octets) {
    const std::uint32_t u = std::uint32_t(octets[0]) | std::uint32_t(octets[1]) << 8 |
                            std::uint32_t(octets[2]) << 16 | std::uint32_t(octets[3]) << 24;
    return static_cast<std::int32_t>(u);
}

void ecrireint32(std::uint8_t* octets, std::int32_t valeur) {
    const auto u = static_cast<std::uint32_t>(valeur);
    for (int i = 0; i < 4; ++i)
        octets[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

} // namespace vormigral
