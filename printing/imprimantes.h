#pragma once

#include "printing/surface.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace vormigral {

// A print queue of the system, as its spooler describes it.
struct TFile {
    std::string nom;
    bool defaut = false;  // the system's (or the user's own) default printer
    bool accepte = true;  // takes new jobs
    bool arretee = false; // stopped: jobs wait without printing
    std::string message;  // the spooler's words on its state, e.g. why it refuses jobs
};

// Whether the print service answered the last listing of its queues.
enum class TService {
    repond,
    absent, // nothing listens where the system says the service is
    muet,   // it took the connection but did not answer in time
};
struct TEtatService {
    TService etat = TService::repond;
    std::string serveur; // where the service was asked (a host or a socket)
    std::string detail;  // the system's or the service's own words
};

// How long a call may wait for the print service, and the flag that stops it at once.
struct TLimitesService {
    // For the connection, and for each answer the service owes.
    std::chrono::milliseconds delai{5000};
    const std::atomic<bool>* annulation = nullptr;
};

// The platform's printers, as a seam that tests replace with a recording double.
class Imprimantes {
public:
    virtual ~Imprimantes() = default;
    // The system's print queues, none when there is no printer at all or no service to ask: then
    // `service` says why. Every wait within `limites`; called off the window's thread (TTravailCups).
    virtual std::vector<TFile> files(const TLimitesService& limites, TEtatService& service) const = 0;
    // The named queue, with its own settings (paper, orientation, copies); never another one.
    virtual std::unique_ptr<SurfaceImpression> imprimante(const std::string& file) = 0;
    // A PDF file laid out exactly as the printer's pages would be.
    virtual std::unique_ptr<SurfaceImpression> pdf(const std::string& chemin) = 0;
    // Asks the user for the PDF file to write; empty when they give none.
    virtual std::string choisitpdf(const std::string& titre) = 0;
};

// Which queue a job goes to.
struct TDestination {
    std::string file;      // empty when the user must be asked
    bool disparue = false; // the queue the user chose before no longer exists
};

// The queue the user chose (`memorisee`, empty for none) while it exists, else the system's
// default; with neither, nobody chose, so the user must be asked rather than a queue guessed.
TDestination destination(const std::vector<TFile>& files, const std::string& memorisee);

} // namespace vormigral
