#include "files/parametres.h"

#include "engine/octets.h"

#include <array>

namespace vormigral {

LectureParametres decodeparametres(const std::uint8_t* octets, std::size_t taille, TParametres& parametres) {
    if (!octets)
        taille = 0;
    std::int32_t* const champs[] = {&parametres.reserve, &parametres.langue, &parametres.decalh,
                                    &parametres.decalv};
    for (std::size_t i = 0; i < 4 && 4 * i + 4 <= taille; ++i)
        *champs[i] = lireint32(octets + 4 * i);
    if (taille < tailleparametres)
        return LectureParametres::Court;
    return taille == tailleparametres ? LectureParametres::Lu : LectureParametres::Long;
}

LectureParametres lireparametres(const std::string& chemin, TParametres& parametres) {
    std::array<std::uint8_t, tailleparametres> octets{};
    const Debut debut = lisdebut(chemin, octets.data(), octets.size());
    switch (debut.ouverture) {
    case Ouverture::Absent:
        return LectureParametres::Absent;
    case Ouverture::Dossier:
    case Ouverture::PasFichier:
        return LectureParametres::PasFichier;
    case Ouverture::Refuse:
        return LectureParametres::Illisible;
    case Ouverture::Lu:
        break;
    }
    // Only the first 16 bytes were read; the file's size tells whether there were more.
    const LectureParametres lecture = decodeparametres(octets.data(), debut.lus, parametres);
    if (lecture == LectureParametres::Lu && debut.taille > tailleparametres)
        return LectureParametres::Long;
    return lecture;
}

Ecriture ecrireparametres(const std::string& chemin, const TParametres& parametres) {
    std::array<std::uint8_t, tailleparametres> octets{};
    ecrireint32(octets.data(), parametres.reserve);
    ecrireint32(octets.data() + 4, parametres.langue);
    ecrireint32(octets.data() + 8, parametres.decalh);
    ecrireint32(octets.data() + 12, parametres.decalv);
    return ecrirefichier(chemin, octets.data(), octets.size());
}

} // namespace vormigral
