#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vormigral {

// Why a print failed. The windows word it; the fields of the failure say what it concerns.
enum class CauseImpression {
    AucunTravail,        // a surface was used with no job open; `objet`: what was asked of it
    AucuneImprimante,    // the system has no printer
    Indisponible,        // the queue `objet` is not available
    EcritureImpossible,  // the file `objet` cannot be written; `detail`: the system's reason, if any
    EcritureInterrompue, // writing the file `objet` broke off
    Preparation,         // the pages for the queue `objet` cannot be prepared; `detail`: why
    SansReponse,         // the queue `objet` does not answer; `detail`: the spooler's error
    Arretee,             // the queue `objet` is stopped; `detail`: its message, if any
    Refus,               // the queue `objet` refused the job; `detail`: the spooler's reason
    TravailRetenu,       // the queue `objet` held job `travail`; `detail`: its reason, if any
    TravailArrete,       // ... stopped it
    TravailAnnule,       // ... cancelled it
    TravailInterrompu,   // ... aborted it
    Autre,               // any other failure; `detail`: what the layer that failed said
};

// A failure of the printing layer: its cause and what it concerns, never a sentence.
class ErreurImpression : public std::runtime_error {
public:
    explicit ErreurImpression(CauseImpression cause, std::string objet = {}, std::string detail = {},
                              std::int32_t travail = 0)
        : std::runtime_error(objet + (detail.empty() ? std::string() : ": " + detail)), cause_(cause),
          objet_(std::move(objet)), detail_(std::move(detail)), travail_(travail) {}

    CauseImpression cause() const { return cause_; }
    const std::string& objet() const { return objet_; }
    const std::string& detail() const { return detail_; }
    std::int32_t travail() const { return travail_; }

private:
    CauseImpression cause_;
    std::string objet_;
    std::string detail_;
    std::int32_t travail_;
};

// A rectangle in device units: from (gauche, haut) to (droite, bas).
struct TZone {
    std::int32_t gauche = 0;
    std::int32_t haut = 0;
    std::int32_t droite = 0;
    std::int32_t bas = 0;
};

// What the printer said of the pages handed to it: the queue or file that took them, the job number
// the queue gave each job (one per slip in one-at-a-time mode), and the pages handed over.
struct TRemise {
    std::string destination;
    std::vector<std::int32_t> travaux;
    std::int32_t pages = 0;
};

// What the print runs need from a printer. Device units are the printer's dots, counted from the
// top-left corner of its printable area; texts are UTF-8. Failures throw ErreurImpression.
class SurfaceImpression {
public:
    virtual ~SurfaceImpression() = default;

    // A print job named `document` in the printer's queue; its first page is begun.
    virtual void ouvre(const std::string& document) = 0;
    virtual void nouvellepage() = 0;
    // Hands the pages drawn so far to the printer at once, so that they come out before the user is
    // asked for the next slip; the job goes on, its next page begun by nouvellepage() as usual. A
    // surface writing a file keeps every page in that one file.
    virtual void envoie() = 0;
    // Ends the job and hands it to the printer.
    virtual void ferme() = 0;
    // Drops an open job so that none of it is printed; harmless when no job is open.
    virtual void abandonne() noexcept = 0;

    virtual void police(const std::string& nom, std::int32_t points, bool gras) = 0;
    virtual std::int32_t largeurtexte(const std::string& texte) const = 0;
    virtual std::int32_t hauteurtexte(const std::string& texte) const = 0;
    // Draws `texte` with the top-left corner of its character cell at (x, y).
    virtual void ecrit(std::int32_t x, std::int32_t y, const std::string& texte) = 0;
    // Thin lines: the outline of a rectangle, and a segment.
    virtual void cadre(std::int32_t x, std::int32_t y, std::int32_t largeur, std::int32_t hauteur) = 0;
    virtual void trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;

    // Whether the pages come out of a printer sheet by sheet, so that the user can be asked to insert
    // the next slip; false for a file or a preview, which keep every page.
    virtual bool papier() const = 0;
    // What the printer answered so far; valid after a failure too, for the jobs that went before it.
    virtual TRemise remise() const = 0;

    // The page the runs lay out: what a list fills, what a sheet is centred on.
    virtual std::int32_t largeurpage() const = 0;
    virtual std::int32_t hauteurpage() const = 0;
    // Where the printer can put ink, in device units from the page's corner: its own imageable area,
    // which may reach past the page laid out (a printer that prints to the edge) or fall short of it.
    virtual TZone zoneimprimable() const { return {0, 0, largeurpage(), hauteurpage()}; }
    // Dots per inch along each axis.
    virtual std::int32_t resolutionx() const = 0;
    virtual std::int32_t resolutiony() const = 0;
    // Where the page laid out starts, in dots from the sheet's top-left corner.
    virtual std::int32_t decalagex() const = 0;
    virtual std::int32_t decalagey() const = 0;
};

} // namespace vormigral
