#pragma once

#include "printing/imprimantes.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vormigral::cups {

// The queues the spooler knows, each with its state; the default is the user's own (lpoptions) or
// else the system's.
std::vector<TFile> files();

// A print option as the spooler names it, e.g. {"media", "A4"}.
using Option = std::pair<std::string, std::string>;

// Hands the PDF file `pdf` to queue `file` as a job named `titre`, then follows the job for up to
// `delai`. Returns the job's number once it is printed, or is printing or waiting its turn on a
// printer that works when the time runs out. A stopped printer, a refused job, or a job held,
// stopped, aborted or cancelled throws ErreurImpression with the spooler's own reason; a job that
// will not print is cancelled first, so that it cannot come out later unannounced.
std::int32_t soumet(const std::string& file, const std::string& pdf, const std::string& titre,
                    const std::vector<Option>& options, std::chrono::milliseconds delai);

} // namespace vormigral::cups
