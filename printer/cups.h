#pragma once

#include "printer/reponsecups.h"
#include "printing/imprimantes.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vormigral::cups {

// How long a call may wait for the print service, and the flag that stops it: every call opens its
// own connection to cupsServer(), so that none waits on the thread's shared one without a limit.
struct Limites {
    // For the connection, and for each answer the service owes.
    std::chrono::milliseconds delai{5000};
    const std::atomic<bool>* annulation = nullptr;
};

// The print service's queues, each with its state; the default is the user's own (lpoptions) or
// else the system's. `reponse`: injoignable, sansreponse or annule when the list could not be had.
std::vector<TFile> files(const Limites& limites, TReponseCups& reponse);

// A print option as the spooler names it, e.g. {"media", "A4"}.
using Option = std::pair<std::string, std::string>;

struct Envoi {
    std::string file;
    std::string pdf;
    std::string titre;
    std::vector<Option> options;
    std::chrono::milliseconds suivi{4000}; // how long the job is followed once handed over
};

// Hands the PDF file to the queue as a job, then follows the job for up to `suivi`. Ok (with the
// job's number) once it is printed, or is printing or waiting its turn on a printer that works when
// the time runs out. A job that will not print, or that the user cancels through `limites`, is
// cancelled at the spooler, so that it cannot come out later unannounced. `cree` is told the job's
// number as soon as the spooler made it.
TReponseCups soumet(const Envoi& envoi, const Limites& limites,
                    const std::function<void(std::int32_t)>& cree = {});

// The same, for the print runs of the window's thread: none of the service's failures here is
// waited on past `limites`, and each is thrown as ErreurImpression in the user's words.
std::vector<TFile> files();
std::int32_t soumet(const std::string& file, const std::string& pdf, const std::string& titre,
                    const std::vector<Option>& options, std::chrono::milliseconds suivi);

// The failure of a job in both languages, as the print runs show it.
[[noreturn]] void leve(const TReponseCups& reponse);

} // namespace vormigral::cups
