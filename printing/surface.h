#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vormigral {

// A failure of the printing layer, worded in both languages so that the user reads it in theirs.
class ErreurImpression : public std::runtime_error {
public:
    ErreurImpression(const std::string& francais, const std::string& anglais)
        : std::runtime_error(anglais), francais_(francais), anglais_(anglais) {}
    const std::string& texte(bool anglais) const { return anglais ? anglais_ : francais_; }

private:
    std::string francais_;
    std::string anglais_;
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

    // The printable area.
    virtual std::int32_t largeurpage() const = 0;
    virtual std::int32_t hauteurpage() const = 0;
    // Dots per inch along each axis.
    virtual std::int32_t resolutionx() const = 0;
    virtual std::int32_t resolutiony() const = 0;
    // Where the printable area starts, in dots from the sheet's top-left corner.
    virtual std::int32_t decalagex() const = 0;
    virtual std::int32_t decalagey() const = 0;
};

} // namespace vormigral
