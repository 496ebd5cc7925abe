#pragma once

#include "printing/surface.h"

namespace vormigral {

// A surface that hands everything on to another; a stand-in overrides only what it changes.
class RelaisSurface : public SurfaceImpression {
public:
    explicit RelaisSurface(SurfaceImpression& cible) : cible_(cible) {}

    void ouvre(const std::string& document) override { cible_.ouvre(document); }
    void nouvellepage() override { cible_.nouvellepage(); }
    void envoie() override { cible_.envoie(); }
    void ferme() override { cible_.ferme(); }
    void abandonne() noexcept override { cible_.abandonne(); }

    void police(const std::string& nom, std::int32_t points, bool gras) override {
        cible_.police(nom, points, gras);
    }
    std::int32_t largeurtexte(const std::string& texte) const override { return cible_.largeurtexte(texte); }
    std::int32_t hauteurtexte(const std::string& texte) const override { return cible_.hauteurtexte(texte); }
    void ecrit(std::int32_t x, std::int32_t y, const std::string& texte) override {
        cible_.ecrit(x, y, texte);
    }
    void cadre(std::int32_t x, std::int32_t y, std::int32_t largeur, std::int32_t hauteur) override {
        cible_.cadre(x, y, largeur, hauteur);
    }
    void trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        cible_.trait(x1, y1, x2, y2);
    }
    bool papier() const override { return cible_.papier(); }
    TRemise remise() const override { return cible_.remise(); }

    std::int32_t largeurpage() const override { return cible_.largeurpage(); }
    std::int32_t hauteurpage() const override { return cible_.hauteurpage(); }
    TZone zoneimprimable() const override { return cible_.zoneimprimable(); }
    std::int32_t resolutionx() const override { return cible_.resolutionx(); }
    std::int32_t resolutiony() const override { return cible_.resolutiony(); }
    std::int32_t decalagex() const override { return cible_.decalagex(); }
    std::int32_t decalagey() const override { return cible_.decalagey(); }

private:
    SurfaceImpression& cible_;
};

} // namespace vormigral
