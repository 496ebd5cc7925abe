#include "files/parametres.h"

#include "engine/octets.h"
#include "files/ecriture.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace vormigral {

LectureParametres lireparametres(const std::string& chemin, TParametres& parametres) {
    std::error_code erreur;
    if (!std::filesystem::exists(chemin, erreur))
        return LectureParametres::Absent;
    std::ifstream fichier(chemin, std::ios::binary);
    std::array<std::uint8_t, tailleparametres> octets{};
    if (!fichier || !fichier.read(reinterpret_cast<char*>(octets.data()), octets.size()))
        return LectureParametres::Illisible;
    parametres.reserve = lireint32(octets.data());
    parametres.langue = lireint32(octets.data() + 4);
    parametres.decalh = lireint32(octets.data() + 8);
    parametres.decalv = lireint32(octets.data() + 12);
    return LectureParametres::Lu;
}

bool ecrireparametres(const std::string& chemin, const TParametres& parametres) {
    std::array<std::uint8_t, tailleparametres> octets{};
    ecrireint32(octets.data(), parametres.reserve);
    ecrireint32(octets.data() + 4, parametres.langue);
    ecrireint32(octets.data() + 8, parametres.decalh);
    ecrireint32(octets.data() + 12, parametres.decalv);
    return ecrireatomique(chemin, octets.data(), octets.size());
}

} // namespace vormigral
