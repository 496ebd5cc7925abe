#pragma once

#include "printing/imprimantes.h"

#include <mutex>

namespace vormigral {

// The system's printers: the CUPS queues, each job handed to the spooler and followed.
class ImprimantesQt final : public Imprimantes {
public:
    // Every call to the service bounded (TTravailCups::delaipardefaut): a service that does not
    // answer gives no queue, and etatservice() says why.
    std::vector<TFile> files() const override;
    TEtatService etatservice() const override;
    std::unique_ptr<SurfaceImpression> imprimante(const std::string& file) override;
    std::unique_ptr<SurfaceImpression> pdf(const std::string& chemin) override;
    std::string choisitpdf(const std::string& titre) override;

private:
    mutable std::mutex mutex_;
    mutable TEtatService service_;
};

} // namespace vormigral
