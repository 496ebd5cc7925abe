#include "printer/bibliocups.h"

#include <dlfcn.h>

namespace vormigral::cups {

namespace {

// The name the CUPS client library has carried since its version 2 interface, which this program uses.
constexpr const char* nomcups = "libcups.so.2";

template <class F> void trouve(void* poignee, F& fonction, const char* nom, std::string& erreur) {
    fonction = reinterpret_cast<F>(dlsym(poignee, nom));
    if (!fonction && erreur.empty())
        erreur = std::string(nomcups) + ": " + nom + " missing";
}

Bibliotheque ouvre() {
    Bibliotheque b;
    // Never closed: the library keeps connections and state for the rest of the run.
    void* poignee = dlopen(nomcups, RTLD_NOW | RTLD_LOCAL);
    if (!poignee) {
        const char* raison = dlerror();
        b.erreur = raison ? raison : nomcups;
        return b;
    }
    std::string& e = b.erreur;
    trouve(poignee, b.cupsAddOption, "cupsAddOption", e);
    trouve(poignee, b.cupsCancelJob2, "cupsCancelJob2", e);
    trouve(poignee, b.cupsDoRequest, "cupsDoRequest", e);
    trouve(poignee, b.cupsFreeDests, "cupsFreeDests", e);
    trouve(poignee, b.cupsFreeOptions, "cupsFreeOptions", e);
    trouve(poignee, b.cupsGetDests2, "cupsGetDests2", e);
    trouve(poignee, b.cupsLastErrorString, "cupsLastErrorString", e);
    trouve(poignee, b.cupsPrintFile2, "cupsPrintFile2", e);
    trouve(poignee, b.cupsUser, "cupsUser", e);
    trouve(poignee, b.httpAssembleURIf, "httpAssembleURIf", e);
    trouve(poignee, b.ippAddString, "ippAddString", e);
    trouve(poignee, b.ippAddStrings, "ippAddStrings", e);
    trouve(poignee, b.ippDelete, "ippDelete", e);
    trouve(poignee, b.ippFindAttribute, "ippFindAttribute", e);
    trouve(poignee, b.ippGetBoolean, "ippGetBoolean", e);
    trouve(poignee, b.ippGetCount, "ippGetCount", e);
    trouve(poignee, b.ippGetInteger, "ippGetInteger", e);
    trouve(poignee, b.ippGetStatusCode, "ippGetStatusCode", e);
    trouve(poignee, b.ippGetString, "ippGetString", e);
    trouve(poignee, b.ippNewRequest, "ippNewRequest", e);
    return b;
}

} // namespace

const Bibliotheque& bibliotheque() {
    static const Bibliotheque b = ouvre();
    return b;
}

} // namespace vormigral::cups
