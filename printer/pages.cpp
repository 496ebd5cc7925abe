#include "printer/pages.h"

namespace vormigral {

namespace {

constexpr char moduleimpression[] = "impression";

// Stands for a surface the printing module could not make: its job fails as it opens, with the
// cause, before anything is drawn.
class SurfaceIndisponible final : public SurfacePages {
public:
    explicit SurfaceIndisponible(EchecModule echec) : echec_(std::move(echec)) {}

    void ouvre(const std::string&) override { throw erreurmodule(echec_); }
    void nouvellepage() override { throw erreurmodule(echec_); }
    void envoie() override { throw erreurmodule(echec_); }
    void ferme() override { throw erreurmodule(echec_); }
    void abandonne() noexcept override {}
    void police(const std::string&, std::int32_t, bool) override { throw erreurmodule(echec_); }
    std::int32_t largeurtexte(const std::string&) const override { return 0; }
    std::int32_t hauteurtexte(const std::string&) const override { return 0; }
    void ecrit(std::int32_t, std::int32_t, const std::string&) override { throw erreurmodule(echec_); }
    void cadre(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {
        throw erreurmodule(echec_);
    }
    void trait(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {
        throw erreurmodule(echec_);
    }
    bool papier() const override { return false; }
    TRemise remise() const override { return {}; }
    std::int32_t largeurpage() const override { return 0; }
    std::int32_t hauteurpage() const override { return 0; }
    std::int32_t resolutionx() const override { return 0; }
    std::int32_t resolutiony() const override { return 0; }
    std::int32_t decalagex() const override { return 0; }
    std::int32_t decalagey() const override { return 0; }
    int nombrepages() const override { return 0; }
    void peintpage(QPainter&, int, const QColor&) const override {}
    void miseenpage(QPrinter&) const override {}

private:
    EchecModule echec_;
};

} // namespace

std::unique_ptr<SurfacePages> creesurface(SurfacePages::Sortie sortie, const QString& nom,
                                          EchecModule& echec) {
    using Fabrique = SurfacePages* (*)(int, const QString&);
    const auto fabrique = reinterpret_cast<Fabrique>(symbolemodule(moduleimpression, fabriquesurface, echec));
    return fabrique ? std::unique_ptr<SurfacePages>(fabrique(static_cast<int>(sortie), nom)) : nullptr;
}

std::unique_ptr<SurfacePages> creesurface(SurfacePages::Sortie sortie, const QString& nom) {
    EchecModule echec;
    std::unique_ptr<SurfacePages> surface = creesurface(sortie, nom, echec);
    if (!surface)
        surface = std::make_unique<SurfaceIndisponible>(std::move(echec));
    return surface;
}

VuePages* creevuepages(QWidget* parent, EchecModule& echec) {
    using Fabrique = VuePages* (*)(QWidget*);
    const auto fabrique =
        reinterpret_cast<Fabrique>(symbolemodule(moduleimpression, fabriquevuepages, echec));
    return fabrique ? fabrique(parent) : nullptr;
}

ErreurImpression erreurmodule(const EchecModule& echec) {
    const std::string fichier = echec.fichier.toStdString();
    if (!echec.raison.isEmpty()) {
        const std::string raison = echec.raison.toStdString();
        return {"La partie du programme qui imprime ne s'ouvre pas : " + raison + ".",
                "The part of the program that prints does not open: " + raison + "."};
    }
    const std::string ou = echec.ou().toStdString();
    return {
        "La partie du programme qui imprime, " + fichier + ", est introuvable (cherchée dans " + ou + ").",
        "The part of the program that prints, " + fichier + ", cannot be found (looked for in " + ou + ")."};
}

} // namespace vormigral
