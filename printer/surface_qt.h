#pragma once

#include "printer/travailcups.h"
#include "printing/surface.h"

#include <QColor>
#include <QFont>
#include <QPrinter>
#include <QRectF>
#include <QString>

#include <chrono>
#include <functional>
#include <vector>

class QPainter;

namespace vormigral {

// A print surface at a printer's high resolution and page layout. The pages are kept until the job
// is closed (or sent) and only then painted, all by one drawing path: on a PDF file, on a PDF that
// the spooler is handed and asked about, or on a preview. Keeping them is what lets a failed job be
// dropped unprinted.
class SurfaceQt final : public SurfaceImpression {
public:
    enum class Sortie {
        Imprimante, // the print queue named, through the spooler
        Fichier,    // a PDF file at that path
        Apercu,     // kept for a preview, laid out as the named queue when it exists
    };
    SurfaceQt(Sortie sortie, const QString& nom);
    // A PDF file, at the same resolution and with the same page layout as the printer.
    explicit SurfaceQt(const QString& fichierpdf) : SurfaceQt(Sortie::Fichier, fichierpdf) {}

    void ouvre(const std::string& document) override;
    void nouvellepage() override;
    void envoie() override;
    void ferme() override;
    void abandonne() noexcept override;

    void police(const std::string& nom, std::int32_t points, bool gras) override;
    std::int32_t largeurtexte(const std::string& texte) const override;
    std::int32_t hauteurtexte(const std::string& texte) const override;
    void ecrit(std::int32_t x, std::int32_t y, const std::string& texte) override;
    void cadre(std::int32_t x, std::int32_t y, std::int32_t largeur, std::int32_t hauteur) override;
    void trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    bool papier() const override { return sortie_ == Sortie::Imprimante; }
    TRemise remise() const override { return remise_; }

    std::int32_t largeurpage() const override;
    std::int32_t hauteurpage() const override;
    TZone zoneimprimable() const override;
    std::int32_t resolutionx() const override;
    std::int32_t resolutiony() const override;
    std::int32_t decalagex() const override;
    std::int32_t decalagey() const override;

    QPrinter& imprimante() { return imprimante_; }

    // The pages kept, e.g. by a preview once its job is closed.
    int nombrepages() const { return static_cast<int>(pages_.size()); }
    // Paints page `page` in `encre` on `peintre`, whose device has this surface's page layout and
    // resolution (see miseenpage), its origin at the printable area's corner.
    void peintpage(QPainter& peintre, int page, const QColor& encre) const;
    // Gives `cible` this surface's paper, margins, orientation and resolution.
    void miseenpage(QPrinter& cible) const;

    // The face installed here that stands in for a font name the print runs use ("Fixedsys", ...).
    static QFont policeimprimante(const QString& nom, int points, bool gras);

    // How long a job is followed once the spooler has it, before it counts as waiting its turn.
    static constexpr std::chrono::milliseconds suivi{4000};

    // Who hands each job to the spooler and follows it, returning its number (the print launcher's
    // TTravailCups). Without one, a job for a printer fails as unavailable.
    using Soumetteur = std::function<std::int32_t(const TEnvoiCups& envoi)>;
    void soumetteur(Soumetteur soumetteur) { soumetteur_ = std::move(soumetteur); }

private:
    struct Trace {
        enum class Genre { Police, Texte, Cadre, Trait } genre;
        QFont police;
        QRectF zone; // a text's top-left corner, a frame, or a line from corner to corner
        QString texte;
    };
    using Page = std::vector<Trace>;

    void commencepage();
    void ajoute(Trace trace);
    // Hands the pages so far to the file or the spooler; a preview keeps them.
    void livre();
    void peintsur(QPrinter& cible, const std::string& nom);
    void verifieouvert(const char* operation) const;

    Sortie sortie_;
    QString nom_; // the queue or the file
    QPrinter imprimante_{QPrinter::HighResolution};
    QString document_;
    QFont police_;
    std::vector<Page> pages_;
    TRemise remise_;
    bool ouvert_ = false;
    Soumetteur soumetteur_;
};

} // namespace vormigral
