#pragma once

#include "printer/reponsecups.h"
#include "printing/imprimantes.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vormigral::cups {

// How long a call may wait for the print service, and the flag that stops it: every call opens its
// own connection to cupsServer(), so that none waits on the thread's shared one without a limit.
using Limites = TLimitesService;

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

// The failure of a job as the print runs report it: an ErreurImpression with its cause.
[[noreturn]] void leve(const TReponseCups& reponse);

// Why a job ended unprinted, in the spooler's words: the printer's last message about it
// (job-printer-state-message) and its job-state-reasons, without the reasons that only say the job
// is on its way ("processing-to-stop-point" stays on a job the backend cancelled). Empty when the
// spooler gave nothing more.
std::string raisontravail(const std::string& message, const std::string& raisons);

} // namespace vormigral::cups
