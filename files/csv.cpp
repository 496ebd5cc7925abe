#include "files/csv.h"

#include <string_view>

namespace vormigral {

namespace {

bool formule(const std::string& champ) {
    return !champ.empty() && std::string_view("=+-@\t\r").find(champ.front()) != std::string_view::npos;
}

} // namespace

void ajoutelignecsv(std::string& texte, const std::vector<std::string>& champs) {
    for (std::size_t i = 0; i < champs.size(); ++i) {
        if (i > 0)
            texte += ';';
        const std::string& champ = champs[i];
        const bool neutralise = formule(champ);
        if (!neutralise && champ.find_first_of(";\"\r\n") == std::string::npos) {
            texte += champ;
            continue;
        }
        texte += neutralise ? "\"'" : "\"";
        for (const char c : champ) {
            if (c == '"')
                texte += '"';
            texte += c;
        }
        texte += '"';
    }
    texte += "\r\n";
}

} // namespace vormigral
