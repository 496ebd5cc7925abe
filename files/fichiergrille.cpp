#include "files/fichiergrille.h"

#include "engine/octets.h"
#include "files/ecriture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace vormigral {

namespace fs = std::filesystem;

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

bool grilleexiste(const std::string& chemin) {
    std::error_code erreur;
    const fs::file_status etat = fs::status(chemin, erreur);
    return fs::exists(etat) && !fs::is_directory(etat);
}

LectureGrille liregrille(const std::string& chemin, TFichierGrille& fiche) {
    std::error_code erreur;
    const fs::file_status etat = fs::status(chemin, erreur);
    if (etat.type() == fs::file_type::not_found || fs::is_directory(etat))
        return LectureGrille::Inexistant;
    // Anything but a plain file (a pipe, a device) could block or never end: it is not read.
    if (!fs::is_regular_file(etat))
        return LectureGrille::Illisible;
    std::ifstream fichier(chemin, std::ios::binary);
    std::array<std::uint8_t, taillegrille> octets{};
    if (!fichier || !fichier.read(reinterpret_cast<char*>(octets.data()), octets.size()))
        return LectureGrille::Illisible;
    return decodegrille(octets.data(), octets.size(), fiche);
}

bool ecriregrille(const std::string& chemin, const TFichierGrille& fiche) {
    std::string cible = chemin;
    std::error_code erreur;
    if (fs::is_symlink(fs::symlink_status(chemin, erreur))) {
        const fs::path resolu = fs::canonical(chemin, erreur);
        if (!erreur)
            cible = resolu.string();
    }
    struct stat infos {};
    const bool remplace = ::stat(cible.c_str(), &infos) == 0 && S_ISREG(infos.st_mode);
    // Writing a new file and renaming it over the old one would slip past a read-only file.
    if (remplace && ::access(cible.c_str(), W_OK) != 0)
        return false;
    const auto octets = encodegrille(fiche);
    return ecrireatomique(cible, octets.data(), octets.size());
}

} // namespace vormigral
