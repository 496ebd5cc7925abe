#include "printing/imprimantes.h"

#include <algorithm>

namespace vormigral {

TDestination destination(const std::vector<TFile>& files, const std::string& memorisee) {
    const auto nommee = [&files](const std::string& nom) {
        return std::find_if(files.begin(), files.end(), [&nom](const TFile& f) { return f.nom == nom; });
    };
    if (!memorisee.empty()) {
        if (nommee(memorisee) != files.end())
            return {memorisee, false};
        return {{}, true};
    }
    const auto defaut = std::find_if(files.begin(), files.end(), [](const TFile& f) { return f.defaut; });
    if (defaut != files.end())
        return {defaut->nom, false};
    return {};
}

} // namespace vormigral
