#pragma once

#include "wheels/bibliotheque.h"
#include "wheels/construction.h"
#include "wheels/controle.h"
#include "wheels/texte.h"
#include "wheels/travail.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vormigral {

// The use case behind a window of the player's own wheels, without any widget: it holds the
// current wheel (built, repaired, imported or opened), runs builds, repairs and checks in the
// background and keeps the library of saved wheels. A window polls avancement(), termine() and
// verification() on a timer; it never waits. The analysis of what a wheel gives is
// analysis/analyse.h's analyseroue(roue()).
class AtelierRoues {
public:
    explicit AtelierRoues(std::string dossierbibliotheque);
    ~AtelierRoues();

    // Bounds and reach of a request, before anything starts.
    static TFaisabilite examine(int nbnumeros, int t, int m) { return faisabilite(nbnumeros, t, m); }

    // Starts a build; false when one is already running or the request is refused (examine says
    // why). `fils` 0: one thread per core.
    bool construit(int nbnumeros, int t, int m, double secondes = 10, std::uint32_t graine = 1, int fils = 0);
    // Starts the repair of the current wheel for its guarantee (set by importe or verifie); false
    // when there is no wheel, work is running, or the request is refused.
    bool repare(double secondes = 10, std::uint32_t graine = 1, int fils = 0);
    // Stops a build or a repair (its best wheel so far is its result) and drops a check.
    void arrete();
    // A build or a repair runs.
    bool encours() const { return construction_ != nullptr; }
    TAvancement avancement() const;
    // Once the background work has ended: its result, given once; a verified wheel becomes the
    // current one. False while it runs or when nothing was started.
    bool termine(TResultatRoue& resultat);

    bool aroue() const { return !roue_.grilles.empty(); }
    const TRoue& roue() const { return roue_; }
    // For an imported wheel written in the player's numbers: numeros()[p - 1] is position p's.
    const std::vector<int>& numeros() const { return numeros_; }

    // Reads a wheel file's bytes; on success the wheel becomes the current one, its guarantee the
    // header's or the t and m given.
    TLecture importe(const std::string& octets, int t, int m);
    // Sets the guarantee the current wheel is checked and repaired for; false when there is no
    // wheel or "t if m" is not a guarantee for it.
    bool garantit(int t, int m);
    // Checks the current wheel for "t if m" (the guarantee it keeps from then on): the count of
    // holes and the first `garde` of them.
    TControle verifie(int t, int m, std::size_t garde = 20);
    // The same check, off the caller's thread; false when garantit refuses. A check under way is
    // dropped, and so is this one once the current wheel changes (a build or a repair ends with a
    // wheel, a file is imported, a saved wheel opened) or arrete() is called.
    bool lanceverification(int t, int m, std::size_t garde = 20);
    bool verifieencours() const { return verification_.encours(); }
    // What the check found, once it has ended; given once, and never for a dropped check.
    std::optional<TControle> verification() { return verification_.prends(); }
    // The current wheel as text (ecritroue), for an export to a file of the user's choice.
    std::string texte() const { return ecritroue(roue_); }

    Bibliotheque& bibliotheque() { return bibliotheque_; }
    std::vector<TRoueRangee> liste() const { return bibliotheque_.liste(); }
    TOperation enregistre(const std::string& nom, bool remplace = false);
    TOperation ouvre(const std::string& nom);
    TOperation renomme(const std::string& ancien, const std::string& nouveau) {
        return bibliotheque_.renomme(ancien, nouveau);
    }
    TOperation supprime(const std::string& nom) { return bibliotheque_.supprime(nom); }

private:
    bool demarre(TDemandeRoue demande, bool reparation);

    Bibliotheque bibliotheque_;
    TRoue roue_;
    std::vector<int> numeros_;
    std::unique_ptr<Construction> construction_;
    bool reparation_ = false;
    Travail<TControle> verification_;
};

} // namespace vormigral
