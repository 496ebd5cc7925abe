// libFuzzer target for the numeric text entries. Whatever the text, the value must not crash nor
// overflow, and must be what an independent reading of the rule gives: leading blanks, one
// optional sign, digits; a misfit stops the reading and drops the sign; 32 bits at most. The key
// filter takes exactly the characters of its list below 128.

#include "engine/saisie.h"
#include "tests/fuzz/commun.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

using namespace vormigral;

using vormigral::fuzz::exige;

namespace {

std::int32_t reference(const std::string& texte) {
    std::size_t i = texte.find_first_not_of(' ');
    if (i == std::string::npos)
        return 0;
    bool negatif = false;
    if (texte[i] == '+' || texte[i] == '-')
        negatif = texte[i++] == '-';
    std::size_t fin = texte.find_first_not_of("0123456789", i);
    const bool complet = fin == std::string::npos;
    if (complet)
        fin = texte.size();
    std::string chiffres = texte.substr(i, fin - i);
    chiffres.erase(0, std::min(chiffres.find_first_not_of('0'), chiffres.size()));
    const bool signe = complet && negatif;
    if (chiffres.size() > 10)
        return signe ? INT_MIN : INT_MAX;
    long long valeur = chiffres.empty() ? 0 : std::stoll(chiffres);
    if (signe)
        valeur = -valeur;
    return std::int32_t(std::clamp<long long>(valeur, INT_MIN, INT_MAX));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(octets), taille);
    exige(valeurtexte(texte) == reference(texte), "the value of a typed text differs from the rule");

    // The first four bytes make a character, the rest the filter's list.
    if (taille >= 4) {
        char32_t caractere = 0;
        std::memcpy(&caractere, octets, sizeof caractere);
        const std::string permis = texte.substr(4);
        const bool attendu = caractere < 128 && permis.find(char(caractere)) != std::string::npos;
        exige(caracterepermis(caractere, permis) == attendu,
              "the key filter lets the wrong characters through");
    }
    return 0;
}
