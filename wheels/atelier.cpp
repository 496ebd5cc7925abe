#include "wheels/atelier.h"

namespace vormigral {

AtelierRoues::AtelierRoues(std::string dossierbibliotheque) : bibliotheque_(std::move(dossierbibliotheque)) {}

AtelierRoues::~AtelierRoues() = default;

bool AtelierRoues::demarre(TDemandeRoue demande, bool reparation) {
    if (construction_ != nullptr)
        return false;
    auto c = std::make_unique<Construction>(std::move(demande));
    if (!c->lance())
        return false;
    construction_ = std::move(c);
    reparation_ = reparation;
    return true;
}

bool AtelierRoues::construit(int nbnumeros, int t, int m, double secondes, std::uint32_t graine, int fils) {
    return demarre(demanderoue(nbnumeros, t, m, secondes, graine, fils), false);
}

bool AtelierRoues::repare(double secondes, std::uint32_t graine, int fils) {
    if (!aroue() || controledemande(roue_.nbnumeros, roue_.t, roue_.m) != Demande::Valide)
        return false;
    TDemandeRoue d = demandereparation(roue_, secondes, graine);
    d.fils = fils;
    return demarre(std::move(d), true);
}

void AtelierRoues::arrete() {
    if (construction_ != nullptr)
        construction_->arrete();
    verification_.abandonne();
}

TAvancement AtelierRoues::avancement() const {
    return construction_ != nullptr ? construction_->avancement() : TAvancement{};
}

bool AtelierRoues::termine(TResultatRoue& resultat) {
    if (construction_ == nullptr || !construction_->finie())
        return false;
    resultat = construction_->resultat();
    construction_.reset();
    if (!resultat.roue.grilles.empty()) {
        // A repair keeps the positions, so the player's numbers still apply to it.
        if (!reparation_)
            numeros_.clear();
        roue_ = resultat.roue;
        verification_.abandonne();
    }
    return true;
}

TLecture AtelierRoues::importe(const std::string& octets, int t, int m) {
    TLecture l = litroue(octets);
    if (l.cause != Lecture::Bonne)
        return l;
    TImport i = vormigral::importe(l, t, m);
    roue_ = std::move(i.roue);
    numeros_ = std::move(i.numeros);
    verification_.abandonne();
    return l;
}

bool AtelierRoues::garantit(int t, int m) {
    if (!aroue() || t < 1 || t > m || m > roue_.nbnumeros || m > rouetaillegrille)
        return false;
    // A check of another guarantee would land as this one's.
    if (t != roue_.t || m != roue_.m)
        verification_.abandonne();
    roue_.t = t;
    roue_.m = m;
    return true;
}

TControle AtelierRoues::verifie(int t, int m, std::size_t garde) {
    if (!garantit(t, m))
        return {};
    return controle(roue_.grilles, roue_.nbnumeros, t, m, garde);
}

bool AtelierRoues::lanceverification(int t, int m, std::size_t garde) {
    if (!garantit(t, m))
        return false;
    verification_.lance(
        [grilles = roue_.grilles, n = roue_.nbnumeros, t, m, garde](const std::atomic<bool>& arret) {
            return controle(grilles, n, t, m, garde, 0, &arret);
        });
    return true;
}

TOperation AtelierRoues::enregistre(const std::string& nom, bool remplace) {
    if (!aroue()) {
        TOperation o;
        o.cause = CauseBibliotheque::Absente;
        return o;
    }
    return bibliotheque_.enregistre(nom, roue_, remplace);
}

TOperation AtelierRoues::ouvre(const std::string& nom) {
    TRoue r;
    const TOperation o = bibliotheque_.ouvre(nom, r);
    if (o) {
        roue_ = std::move(r);
        numeros_.clear();
        verification_.abandonne();
    }
    return o;
}

} // namespace vormigral
