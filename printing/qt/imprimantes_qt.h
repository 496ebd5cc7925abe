#pragma once

#include "printing/imprimantes.h"

namespace vormigral {

// The system's printers through Qt: CUPS on Linux.
class ImprimantesQt final : public Imprimantes {
public:
    bool installee() const override;
    std::unique_ptr<SurfaceImpression> imprimante() override;
    std::unique_ptr<SurfaceImpression> pdf(const std::string& chemin) override;
    std::string choisitpdf(const std::string& titre) override;
};

} // namespace vormigral
