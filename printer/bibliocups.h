#pragma once

#include <cups/cups.h>

#include <string>

namespace vormigral::cups {

// The functions of libcups that printing calls. The library, and the twenty it brings in (GnuTLS,
// Kerberos, Avahi...), would cost every start a tenth of its time and several MiB before anything
// is printed: it is opened at the first use instead.
struct Bibliotheque {
    std::string erreur; // why it could not be opened; empty once every function is found
    decltype(&::cupsAddOption) cupsAddOption = nullptr;
    decltype(&::cupsCancelJob2) cupsCancelJob2 = nullptr;
    decltype(&::cupsDoRequest) cupsDoRequest = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsFreeOptions) cupsFreeOptions = nullptr;
    decltype(&::cupsGetDests2) cupsGetDests2 = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
    decltype(&::cupsPrintFile2) cupsPrintFile2 = nullptr;
    decltype(&::cupsUser) cupsUser = nullptr;
    decltype(&::httpAssembleURIf) httpAssembleURIf = nullptr;
    decltype(&::ippAddString) ippAddString = nullptr;
    decltype(&::ippAddStrings) ippAddStrings = nullptr;
    decltype(&::ippDelete) ippDelete = nullptr;
    decltype(&::ippFindAttribute) ippFindAttribute = nullptr;
    decltype(&::ippGetBoolean) ippGetBoolean = nullptr;
    decltype(&::ippGetCount) ippGetCount = nullptr;
    decltype(&::ippGetInteger) ippGetInteger = nullptr;
    decltype(&::ippGetStatusCode) ippGetStatusCode = nullptr;
    decltype(&::ippGetString) ippGetString = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
};

// The library, opened by the first call and kept for the whole run.
const Bibliotheque& bibliotheque();

} // namespace vormigral::cups
