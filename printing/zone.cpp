#include "printing/zone.h"

#include "printing/relais.h"

#include <algorithm>

namespace vormigral {

namespace {

// Measures like the surface it stands for; draws nothing.
class Mesure final : public RelaisSurface {
public:
    explicit Mesure(SurfaceImpression& cible) : RelaisSurface(cible), zone_(cible.zoneimprimable()) {}

    void ouvre(const std::string&) override {}
    void nouvellepage() override {}
    void envoie() override {}
    void ferme() override {}
    void abandonne() noexcept override {}
    void ecrit(std::int32_t x, std::int32_t y, const std::string& texte) override {
        compte(x, y, x + largeurtexte(texte), y + hauteurtexte(texte));
    }
    void cadre(std::int32_t x, std::int32_t y, std::int32_t largeur, std::int32_t hauteur) override {
        compte(x, y, x + largeur, y + hauteur);
    }
    void trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        compte(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    }
    bool papier() const override { return false; }
    TRemise remise() const override { return {}; }

    THorsZone bilan;

private:
    void compte(std::int32_t gauche, std::int32_t haut, std::int32_t droite, std::int32_t bas) {
        ++bilan.total;
        if (gauche < zone_.gauche || haut < zone_.haut || droite > zone_.droite || bas > zone_.bas)
            ++bilan.dehors;
    }

    const TZone zone_;
};

} // namespace

THorsZone horszone(SurfaceImpression& surface, const std::function<void(SurfaceImpression&)>& travail) {
    Mesure mesure(surface);
    travail(mesure);
    return mesure.bilan;
}

} // namespace vormigral
