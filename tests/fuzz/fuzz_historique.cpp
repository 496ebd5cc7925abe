// libFuzzer target for the import of draw files. Whatever the bytes, the reading must end without a
// fault, and what it proposes must hold: every draw to add is valid with its main numbers ascending,
// none is proposed twice or is one already stored, and the line numbers it cites lie in the file
// in ascending order; payouts are positive or unknown. The first quarter of the input, read as
// another file, stands for the draws already stored; the file is then read again through a column
// mapping drawn from its first bytes.

#include "history/importation.h"
#include "tests/fuzz/commun.h"

#include <algorithm>
#include <string_view>

using namespace vormigral;

using vormigral::fuzz::exige;

namespace {

constexpr TDate aujourdhui{2030, 6, 15};

int lignes(std::string_view texte) {
    return int(std::count(texte.begin(), texte.end(), '\n') + std::count(texte.begin(), texte.end(), '\r')) +
           1;
}

template <class Ligne> void croissantes(const std::vector<Ligne>& liste, int maximum) {
    for (std::size_t i = 0; i < liste.size(); ++i) {
        exige(liste[i].ligne >= 1 && liste[i].ligne <= maximum, "a line number outside the file");
        exige(i == 0 || liste[i - 1].ligne < liste[i].ligne, "line numbers out of order");
    }
}

void verifie(const TProjetImport& projet, std::string_view fichier, const std::vector<TTirageDate>& stockes) {
    const int maximum = lignes(fichier);
    croissantes(projet.aajouter, maximum);
    croissantes(projet.presents, maximum);
    croissantes(projet.rejetees, maximum);
    exige(projet.rejetees.size() == std::min(projet.nbrejetees, rejetsdetailles),
          "rejected lines miscounted");
    exige(projet.exemples.size() <= nbexemplesdates, "too many dates shown");
    exige(projet.colonnes.size() <= colonnesmax, "too many columns reported");
    if (projet.refus != TRefus::aucun)
        exige(projet.aajouter.empty() && projet.presents.empty(), "a refused file proposes draws");
    for (std::size_t i = 0; i < projet.aajouter.size(); ++i) {
        const TTirageDate& t = projet.aajouter[i].tirage;
        exige(validetirage(t, aujourdhui) == TMotif::aucun, "an invalid draw proposed");
        exige(std::is_sorted(t.tirage.numeros.begin(), t.tirage.numeros.end()), "main numbers not ascending");
        for (const std::int64_t c : gainsdelaligne(projet, projet.aajouter[i]).centimes)
            exige(c >= gaininconnu, "a negative payout");
        for (const TTirageDate& s : stockes)
            exige(!memetirage(t, s), "a stored draw proposed again");
        for (std::size_t j = 0; j < i; ++j)
            exige(!memetirage(t, projet.aajouter[j].tirage), "a draw proposed twice");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const std::string_view tout(reinterpret_cast<const char*>(octets), taille);
    const std::size_t coupure = taille / 4;
    std::vector<TTirageDate> stockes;
    for (const TLigneTirage& l : analyseimport(tout.substr(0, coupure), {}, aujourdhui).aajouter)
        stockes.push_back(l.tirage);

    const std::string_view fichier = tout.substr(coupure);
    verifie(analyseimport(fichier, stockes, aujourdhui), fichier, stockes);
    // Columns 0 to 11, or -1 now and then: mappings both sound and faulty.
    TCorrespondance correspondance;
    for (std::size_t f = 0; f < correspondance.colonnes.size() && f < taille; ++f)
        correspondance.colonnes[f] = octets[f] % 13 - 1;
    verifie(analyseimport(fichier, stockes, aujourdhui, &correspondance), fichier, stockes);
    return 0;
}
