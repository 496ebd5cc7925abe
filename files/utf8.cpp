#include "files/utf8.h"

namespace vormigral {

bool utf8valide(std::string_view texte) {
    std::size_t i = 0;
    while (i < texte.size()) {
        const auto c = static_cast<unsigned char>(texte[i]);
        std::size_t suite = 0;
        if (c >= 0xC2 && c <= 0xDF)
            suite = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            suite = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            suite = 3;
        else if (c >= 0x80)
            return false;
        if (i + suite >= texte.size() && suite > 0)
            return false;
        for (std::size_t k = 1; k <= suite; ++k)
            if ((static_cast<unsigned char>(texte[i + k]) & 0xC0) != 0x80)
                return false;
        i += suite + 1;
    }
    return true;
}

} // namespace vormigral
