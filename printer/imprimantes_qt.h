#pragma once

#include "printing/imprimantes.h"

namespace vormigral {

// The system's printers: the CUPS queues, each job handed to the spooler and followed.
class ImprimantesQt final : public Imprimantes {
public:
    std::vector<TFile> files(const TLimitesService& limites, TEtatService& service) const override;
    std::unique_ptr<SurfaceImpression> imprimante(const std::string& file) override;
    std::unique_ptr<SurfaceImpression> pdf(const std::string& chemin) override;
    std::string choisitpdf(const std::string& titre) override;
};

} // namespace vormigral
