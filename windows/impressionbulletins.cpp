#include "windows/impressionbulletins.h"

#include "engine/saisie.h"
#include "engine/serie.h"
#include "printer/surface_qt.h"
#include "printing/calage.h"
#include "printing/impression.h"
#include "windows/imprimer.h"

namespace vormigral {

ImpressionBulletins::ImpressionBulletins(TEtat& etat, Messages& messages, Impression& impression)
    : etat_(etat), messages_(messages), impression_(impression) {}

QStringList ImpressionBulletins::types() const {
    QStringList noms;
    for (int type = 1; type <= nbtypesbulletin; ++type)
        noms << QString::fromStdString(etat_.typesbulletin[type].nom);
    return noms;
}

std::int32_t ImpressionBulletins::grilles() const {
    const TMethode* m = methodedeserie(etat_, etat_.methodechoisie);
    return m ? m->nbgrilles : 0;
}

std::optional<RequeteBulletins> ImpressionBulletins::requete(int rangtype, bool unparun,
                                                             const QString& premier,
                                                             const QString& dernier) const {
    if (rangtype < 0 || rangtype >= nbtypesbulletin)
        return std::nullopt;
    const std::int32_t de = valeurtexte(premier.toStdString());
    const std::int32_t a = valeurtexte(dernier.toStdString());
    // No run in play counts as no grid at all, so every range is refused.
    if (verifieplage(de, a, grilles()) != TPlage::correcte) {
        messages_.message(tr("Incorrect grid numbers to print"), tr("Problem !!"), Boutons::Ok,
                          Icone::Exclamation);
        return std::nullopt;
    }
    return RequeteBulletins{rangtype + 1, unparun ? 2 : 1, de, a};
}

TLancement ImpressionBulletins::imprime(const RequeteBulletins& r) {
    Messages& messages = messages_;
    const auto suivant = [&messages] {
        //: Asked between two slips printed one at a time; French in both languages.
        return messages.message(tr("Insert the next slip and press OK"),
                                //: The title of the next-slip prompt; French in both languages.
                                tr("Slip printing"), Boutons::OkAnnuler, Icone::Question) == Reponse::Ok;
    };
    TEtat& etat = etat_;
    const std::int32_t methode = etat.methodechoisie;
    return impression_.imprime([&](SurfaceImpression& surface) {
        imprimebulletins(etat, surface, methode, r.type, r.mode, r.premier, r.dernier, suivant);
    });
}

PagesBulletins ImpressionBulletins::apercu(const RequeteBulletins& r, const std::string& file) {
    const QString nom = QString::fromStdString(file);
    PagesBulletins pages{std::make_unique<SurfaceQt>(SurfaceQt::Sortie::Apercu, nom),
                         std::make_unique<SurfaceQt>(SurfaceQt::Sortie::Apercu, nom)};
    imprimebulletins(etat_, *pages.marques, etat_.methodechoisie, r.type, r.mode, r.premier, r.dernier, {});
    pages.bulletin->ouvre(documentbulletins);
    dessinebulletin(*pages.bulletin, etat_.parametres, etat_.typesbulletin[r.type]);
    pages.bulletin->ferme();
    return pages;
}

} // namespace vormigral
