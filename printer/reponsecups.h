#pragma once

#include <cstdint>
#include <string>

namespace vormigral {

// What came of a call to the print service, as codes: the window words the sentence.
enum class TCodeCups {
    ok,
    injoignable,    // no print service at all (nothing listens where the system says it is)
    sansreponse,    // the print service took the connection but did not answer in time
    sansimprimante, // the print service answers and has no printer
    arretee,        // the printer is stopped: it would keep the job without printing it
    refuse,         // the printer refused the job (raison)
    nonimprime,     // the job was held, stopped, cancelled or aborted by the spooler (etat, raison)
    annule,         // cancelled by the user; a job already made was cancelled at the spooler
    fichier,        // the pages to hand over could not be read (raison)
};

struct TReponseCups {
    TCodeCups code = TCodeCups::ok;
    std::string serveur;      // the print service asked (cupsServer(): a host or a socket)
    std::string file;         // the printer (queue) concerned, if any
    std::int32_t travail = 0; // the job's number once the spooler made it
    int etat = 0;       // for nonimprime: the job's IPP state (held 4, stopped 6, cancelled 7, aborted 8)
    std::string raison; // the spooler's or the system's own words
};

} // namespace vormigral
