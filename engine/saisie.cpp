#include "engine/saisie.h"

#include <algorithm>
#include <limits>

namespace vormigral {

std::int32_t valeurtexte(const std::string& texte) {
    std::size_t i = 0;
    while (i < texte.size() && texte[i] == ' ')
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
        negatif = texte[i] == '-';
        ++i;
    }
    long long valeur = 0;
    for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i)
        valeur = std::min<long long>(valeur * 10 + (texte[i] - '0'),
                                     std::numeric_limits<std::int32_t>::max() + 1LL);
    const bool complet = i == texte.size();
    if (complet && negatif)
        valeur = -valeur;
    return static_cast<std::int32_t>(std::clamp<long long>(valeur, std::numeric_limits<std::int32_t>::min(),
                                                           std::numeric_limits<std::int32_t>::max()));
}

bool caracterepermis(char32_t caractere, const std::string& permis) {
    return caractere < 128 && permis.find(static_cast<char>(caractere)) != std::string::npos;
}

} // namespace vormigral
