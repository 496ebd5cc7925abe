#include "files/fichiergrille.h"

#include "engine/octets.h"
#include "files/ecriture.h"

#include <algorithm>

namespace vormigral {

namespace {

constexpr std::size_t decalposition = 4;
constexpr std::size_t decalcochage = 8;

} // namespace

std::array<std::uint8_t, taillegrille> encodegrille(const TFichierGrille& fiche) {
    std::array<std::uint8_t, taillegrille> octets{};
    std::copy(fiche.entete.begin(), fiche.entete.end(), octets.begin());
    ecrireint32(octets.data() + decalposition, fiche.posmethode);
    for (std::size_t t = 1; t <= 50; ++t)
        ecrireint32(octets.data() + decalcochage + 4 * (t - 1), fiche.cochage[t]);
    return octets;
}

LectureGrille decodegrille(const std::uint8_t* octets, std::size_t taille, TFichierGrille& fiche) {
    if (!octets || taille < taillegrille)
        return LectureGrille::Illisible;
    TFichierGrille lu;
    std::copy(octets, octets + lu.entete.size(), lu.entete.begin());
    lu.posmethode = lireint32(octets + decalposition);
    for (std::size_t t = 1; t <= 50; ++t)
        lu.cochage[t] = lireint32(octets + decalcochage + 4 * (t - 1));
    fiche = lu;
    return lu.entete == signaturegrille ? LectureGrille::Lu : LectureGrille::PasGrille;
}

TFichierGrille grilledecases(std::int32_t posmethode, const std::array<std::int32_t, 51>& casescoch) {
    TFichierGrille fiche;
    fiche.entete = signaturegrille;
    fiche.posmethode = posmethode;
    std::copy(casescoch.begin() + 1, casescoch.end(), fiche.cochage.begin() + 1);
    return fiche;
}

bool nompermis(const std::string& nom) {
    return nom.find_first_of(std::string("*?\0", 3)) == std::string::npos;
}

std::string chemingrille(const std::string& repertoire, const std::string& nom) {
    if (!repertoire.empty() && repertoire.back() == '/')
        return repertoire + nom;
    return repertoire + '/' + nom;
}

bool nomcache(const std::string& nom) {
    const std::string::size_type barre = nom.rfind('/');
    const std::string::size_type debut = barre == std::string::npos ? 0 : barre + 1;
    return debut < nom.size() && nom[debut] == '.';
}

bool grilleexiste(const std::string& chemin) {
    std::uint8_t rien = 0;
    const Ouverture ouverture = lisdebut(chemin, &rien, 0).ouverture;
    return ouverture != Ouverture::Absent && ouverture != Ouverture::Dossier;
}

LectureGrille liregrille(const std::string& chemin, TFichierGrille& fiche) {
    std::array<std::uint8_t, taillegrille> octets{};
    const Debut debut = lisdebut(chemin, octets.data(), octets.size());
    switch (debut.ouverture) {
    case Ouverture::Absent:
    case Ouverture::Dossier:
        return LectureGrille::Inexistant;
    case Ouverture::PasFichier:
    case Ouverture::Refuse:
        return LectureGrille::Illisible;
    case Ouverture::Lu:
        break;
    }
    return decodegrille(octets.data(), debut.lus, fiche);
}

bool ecriregrille(const std::string& chemin, const TFichierGrille& fiche) {
    const auto octets = encodegrille(fiche);
    return static_cast<bool>(ecrirefichier(chemin, octets.data(), octets.size()));
}

} // namespace vormigral
