#pragma once

#include "printing/surface.h"

#include <memory>
#include <string>

namespace vormigral {

// The platform's printers, as a seam that tests replace with a recording double.
class Imprimantes {
public:
    virtual ~Imprimantes() = default;
    // Whether the system has any printer at all.
    virtual bool installee() const = 0;
    // The system's default printer, with its own settings (paper, orientation, copies).
    virtual std::unique_ptr<SurfaceImpression> imprimante() = 0;
    // A PDF file laid out exactly as the printer's pages would be.
    virtual std::unique_ptr<SurfaceImpression> pdf(const std::string& chemin) = 0;
    // Asks the user for the PDF file to write; empty when they give none.
    virtual std::string choisitpdf(const std::string& titre) = 0;
};

} // namespace vormigral
