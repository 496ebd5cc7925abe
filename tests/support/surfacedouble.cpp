#include "tests/support/surfacedouble.h"

#include "printer/surface_qt.h"
#include "printing/relais.h"

#include <chrono>
#include <thread>

namespace vormigral::test {

namespace {

// Keeps a shared surface alive for the relay built on it.
struct Porteur {
    std::shared_ptr<SurfaceImpression> cible;
};

// Hands a shared surface to a run that wants to own one.
class Relais final : private Porteur, public RelaisSurface {
public:
    explicit Relais(std::shared_ptr<SurfaceImpression> cible)
        : Porteur{std::move(cible)}, RelaisSurface(*Porteur::cible) {}
};

// A real PDF file whose drawing is recorded too; its metrics are those of the real surface.
class PdfEnregistre final : public SurfaceDouble {
public:
    explicit PdfEnregistre(const std::string& chemin) : reel_(QString::fromStdString(chemin)) {}
    void ouvre(const std::string& document) override {
        reel_.ouvre(document);
        SurfaceDouble::ouvre(document);
    }
    void nouvellepage() override {
        reel_.nouvellepage();
        SurfaceDouble::nouvellepage();
    }
    void envoie() override {
        reel_.envoie();
        SurfaceDouble::envoie();
    }
    void ferme() override {
        reel_.ferme();
        SurfaceDouble::ferme();
    }
    void abandonne() noexcept override {
        reel_.abandonne();
        SurfaceDouble::abandonne();
    }
    void police(const std::string& nom, std::int32_t points, bool gras) override {
        reel_.police(nom, points, gras);
        SurfaceDouble::police(nom, points, gras);
    }
    std::int32_t largeurtexte(const std::string& texte) const override { return reel_.largeurtexte(texte); }
    std::int32_t hauteurtexte(const std::string& texte) const override { return reel_.hauteurtexte(texte); }
    void ecrit(std::int32_t x, std::int32_t y, const std::string& texte) override {
        reel_.ecrit(x, y, texte);
        SurfaceDouble::ecrit(x, y, texte);
    }
    void cadre(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h) override {
        reel_.cadre(x, y, l, h);
        SurfaceDouble::cadre(x, y, l, h);
    }
    void trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        reel_.trait(x1, y1, x2, y2);
        SurfaceDouble::trait(x1, y1, x2, y2);
    }
    bool papier() const override { return reel_.papier(); }
    TRemise remise() const override { return reel_.remise(); }
    std::int32_t largeurpage() const override { return reel_.largeurpage(); }
    std::int32_t hauteurpage() const override { return reel_.hauteurpage(); }
    std::int32_t resolutionx() const override { return reel_.resolutionx(); }
    std::int32_t resolutiony() const override { return reel_.resolutiony(); }
    std::int32_t decalagex() const override { return reel_.decalagex(); }
    std::int32_t decalagey() const override { return reel_.decalagey(); }

private:
    SurfaceQt reel_;
};

} // namespace

std::vector<TFile> ImprimantesDouble::files(const TLimitesService& limites, TEtatService& etat) const {
    etat = service;
    if (service.etat == TService::muet) {
        const auto fin = std::chrono::steady_clock::now() + limites.delai;
        while (std::chrono::steady_clock::now() < fin && !(limites.annulation && *limites.annulation))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return installees && service.etat == TService::repond ? listefiles : std::vector<TFile>{};
}

std::unique_ptr<SurfaceImpression> ImprimantesDouble::imprimante(const std::string& file) {
    filesutilisees.push_back(file);
    auto surface = std::make_shared<SurfaceDouble>(modele);
    surface->destination = file;
    surfaces.push_back(surface);
    return std::make_unique<Relais>(surface);
}

std::unique_ptr<SurfaceImpression> ImprimantesDouble::pdf(const std::string& chemin) {
    fichierspdf.push_back(chemin);
    auto surface = std::make_shared<PdfEnregistre>(chemin);
    surfaces.push_back(surface);
    return std::make_unique<Relais>(surface);
}

std::string ImprimantesDouble::choisitpdf(const std::string& titre) {
    titreschoix.push_back(titre);
    if (choix.empty())
        return {};
    std::string reponse = choix.front();
    choix.pop_front();
    return reponse;
}

} // namespace vormigral::test
