#pragma once

#include "app/module.h"
#include "printing/surface.h"

#include <QString>

#include <functional>
#include <memory>

class QColor;
class QPainter;
class QPrinter;
class QWidget;

namespace vormigral {

// A print surface that keeps the pages drawn on it and paints them again on demand: on a printer
// through the spooler, in a PDF file, or for a preview (printer/surface_qt.h). Surfaces and
// preview views come from the printing module (app/module.h): Qt Print Support is loaded at the
// first print or preview, not at every start.
class SurfacePages : public SurfaceImpression {
public:
    enum class Sortie {
        Imprimante, // the print queue named, through the spooler
        Fichier,    // a PDF file at that path
        Apercu,     // kept for a preview, laid out as the named queue when it exists
    };

    // The pages kept, e.g. by a preview once its job is closed.
    virtual int nombrepages() const = 0;
    // Paints page `page` in `encre` on `peintre`, whose device has this surface's page layout and
    // resolution, its origin at the printable area's corner.
    virtual void peintpage(QPainter& peintre, int page, const QColor& encre) const = 0;
    // Gives `cible` this surface's paper, margins, orientation and resolution.
    virtual void miseenpage(QPrinter& cible) const = 0;
};

// A view of a preview's pages, laid out as their printer, page by page.
class VuePages {
public:
    virtual ~VuePages() = default;
    // The view itself, owned by the parent it was made with.
    virtual QWidget* widget() = 0;
    // Shows each page of `pages` over the first page of `fond` (none when null), from the first page,
    // fitted to the view's width. Both must outlive their showing; null pages let them go.
    virtual void montre(const SurfacePages* pages, const SurfacePages* fond) = 0;
    // Paints the pages shown on `imprimante`, laid out as their printer: what the view displays.
    virtual void peint(QPrinter* imprimante) = 0;
    virtual int page() const = 0; // from 1
    virtual int nombrepages() const = 0;
    virtual void allera(int page) = 0;
    virtual void agrandit() = 0;
    virtual void reduit() = 0;
    // Called whenever the page shown or their number changes.
    virtual void quandchange(std::function<void()> suite) = 0;
};

// A surface from the printing module. When the module cannot be found or opened, the surface made
// instead fails at the opening of its job with that cause, as any printer failure is reported.
std::unique_ptr<SurfacePages> creesurface(SurfacePages::Sortie sortie, const QString& nom);
// A surface from the printing module, or nullptr with the cause in `echec`.
std::unique_ptr<SurfacePages> creesurface(SurfacePages::Sortie sortie, const QString& nom,
                                          EchecModule& echec);
// A preview view from the printing module, owned by `parent`; nullptr with the cause in `echec`.
VuePages* creevuepages(QWidget* parent, EchecModule& echec);

// What a print or a preview reports when the printing module is missing or cannot be opened.
ErreurImpression erreurmodule(const EchecModule& echec);

// The names of the functions the module exports (printer/surface_qt.cpp, printer/vuepages_qt.cpp).
inline constexpr char fabriquesurface[] = "vormigral_creesurface";
inline constexpr char fabriquevuepages[] = "vormigral_creevuepages";

} // namespace vormigral
