#include "wheels/bibliotheque.h"

#include "files/repertoire.h"
#include "files/utf8.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vormigral {

namespace {

constexpr char extension[] = ".txt";
constexpr std::size_t longueurextension = sizeof extension - 1;

TOperation echec(CauseBibliotheque cause, Refus refus = Refus::Aucun) {
    TOperation o;
    o.cause = cause;
    o.refus = refus;
    return o;
}

// Creates the folder and any missing parent.
int creedossier(const std::string& dossier) {
    for (std::size_t i = 1; i <= dossier.size(); ++i) {
        if (i != dossier.size() && dossier[i] != '/')
            continue;
        const std::string partie = dossier.substr(0, i);
        if (::mkdir(partie.c_str(), 0777) != 0 && errno != EEXIST)
            return errno;
    }
    return 0;
}

bool existe(const std::string& chemin) {
    struct stat infos {};
    return ::lstat(chemin.c_str(), &infos) == 0;
}

// Renames without ever replacing what is at the new name.
int renommesansremplacer(const std::string& ancien, const std::string& nouveau) {
    if (::renameat2(AT_FDCWD, ancien.c_str(), AT_FDCWD, nouveau.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without that flag: a hard link fails on an existing name as well.
    if (::link(ancien.c_str(), nouveau.c_str()) == 0)
        return ::unlink(ancien.c_str()) == 0 ? 0 : errno;
    if (errno == EEXIST)
        return EEXIST;
    if (existe(nouveau))
        return EEXIST;
    return ::rename(ancien.c_str(), nouveau.c_str()) == 0 ? 0 : errno;
}

} // namespace

Bibliotheque::Bibliotheque(std::string dossier) : dossier_(std::move(dossier)) {
    while (dossier_.size() > 1 && dossier_.back() == '/')
        dossier_.pop_back();
}

bool Bibliotheque::nomvalide(const std::string& nom) {
    if (nom.empty() || nom.size() > longueurnomroue || nom.front() == '.' || nom.front() == ' ' ||
        nom.back() == ' ')
        return false;
    for (const char c : nom) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || c == '/' || c == '\\')
            return false;
    }
    return utf8valide(nom);
}

std::string Bibliotheque::chemin(const std::string& nom) const {
    return dossier_ + "/" + nom + extension;
}

std::vector<TRoueRangee> Bibliotheque::liste() const {
    std::vector<TRoueRangee> roues;
    for (const std::string& fichier : contenurepertoire(dossier_).fichiers) {
        if (fichier.size() <= longueurextension ||
            fichier.compare(fichier.size() - longueurextension, longueurextension, extension) != 0)
            continue;
        TRoueRangee r;
        r.nom = fichier.substr(0, fichier.size() - longueurextension);
        if (!nomvalide(r.nom))
            continue;
        // The header is on the first line: a listing need not read whole files.
        std::string debut(256, '\0');
        const Debut d = lisdebut(chemin(r.nom), reinterpret_cast<std::uint8_t*>(debut.data()), debut.size());
        debut.resize(d.ouverture == Ouverture::Lu ? d.lus : 0);
        const std::size_t fin = debut.find_first_of("\r\n");
        TEnTete e;
        if (fin != std::string::npos && litentete(debut.substr(0, fin), e)) {
            r.lisible = true;
            r.nbnumeros = e.nbnumeros;
            r.t = e.t;
            r.m = e.m;
            r.taille = e.taille;
        }
        roues.push_back(r);
    }
    std::sort(roues.begin(), roues.end(),
              [](const TRoueRangee& a, const TRoueRangee& b) { return a.nom < b.nom; });
    return roues;
}

TOperation Bibliotheque::enregistre(const std::string& nom, const TRoue& roue, bool remplace) {
    if (!nomvalide(nom))
        return echec(CauseBibliotheque::Nom);
    if (roue.grilles.empty() || !grillesvalides(roue.grilles, roue.nbnumeros) ||
        controledemande(roue.nbnumeros, roue.t, roue.m) != Demande::Valide)
        return echec(CauseBibliotheque::Roue);
    if (!remplace && existe(chemin(nom)))
        return echec(CauseBibliotheque::Existe);
    if (const int erreur = creedossier(dossier_))
        return echec(CauseBibliotheque::Ecriture, refusdusysteme(erreur));
    const std::string texte = ecritroue(roue);
    const Ecriture e =
        ecrirefichier(chemin(nom), reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size());
    return e ? TOperation{} : echec(CauseBibliotheque::Ecriture, e.refus);
}

TOperation Bibliotheque::renomme(const std::string& ancien, const std::string& nouveau) {
    if (!nomvalide(ancien) || !nomvalide(nouveau))
        return echec(CauseBibliotheque::Nom);
    if (!existe(chemin(ancien)))
        return echec(CauseBibliotheque::Absente);
    if (ancien == nouveau)
        return {};
    const int erreur = renommesansremplacer(chemin(ancien), chemin(nouveau));
    if (erreur == EEXIST)
        return echec(CauseBibliotheque::Existe);
    return erreur == 0 ? TOperation{} : echec(CauseBibliotheque::Ecriture, refusdusysteme(erreur));
}

TOperation Bibliotheque::supprime(const std::string& nom) {
    if (!nomvalide(nom))
        return echec(CauseBibliotheque::Nom);
    if (::unlink(chemin(nom).c_str()) == 0)
        return {};
    return errno == ENOENT ? echec(CauseBibliotheque::Absente)
                           : echec(CauseBibliotheque::Ecriture, refusdusysteme(errno));
}

TOperation Bibliotheque::ouvre(const std::string& nom, TRoue& roue) const {
    if (!nomvalide(nom))
        return echec(CauseBibliotheque::Nom);
    std::string octets(limiteoctetsroue + 1, '\0');
    const Debut d = lisdebut(chemin(nom), reinterpret_cast<std::uint8_t*>(octets.data()), octets.size());
    if (d.ouverture == Ouverture::Absent)
        return echec(CauseBibliotheque::Absente);
    TOperation o;
    if (d.ouverture != Ouverture::Lu) {
        o.cause = CauseBibliotheque::Lecture;
        o.lecture = Lecture::Binaire;
        return o;
    }
    octets.resize(d.lus);
    const TLecture l = litroue(octets);
    if (l.cause != Lecture::Bonne || !l.entete) {
        o.cause = CauseBibliotheque::Lecture;
        o.lecture = l.cause == Lecture::Bonne ? Lecture::EnTete : l.cause;
        o.ligne = l.ligne;
        return o;
    }
    roue = importe(l).roue;
    return o;
}

} // namespace vormigral
