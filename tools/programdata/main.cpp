// programdata: prints, as JSON, the data that the help and the artwork are drawn from, exactly as the
// program holds it: the version, the method catalogue with its promises, the method list's order in
// each language, the tables that fall short of their promise and by how much, and the place of
// each cell of the number block. tools/artwork reads this instead of keeping copies.

#include "engine/methodes.h"
#include "engine/verification.h"
#include "windows/cellules.h"

#include "vormigral/projet.h"

#include <cstdio>
#include <string>

using namespace vormigral;

namespace {

std::string chaine(const std::string& texte) {
    std::string sortie = "\"";
    for (const char c : texte) {
        if (c == '"' || c == '\\')
            sortie += '\\';
        sortie += c;
    }
    return sortie + "\"";
}

std::string ordre(const TMethodes& methodes, std::int32_t langue) {
    std::string liste;
    for (const std::string& item : listemethodes(methodes, langue))
        liste += (liste.empty() ? "" : ", ") + std::to_string(methodedutexte(item));
    return "[" + liste + "]";
}

} // namespace

int main() {
    TMethodes methodes;
    initmethodes(methodes);
    std::printf("{\n  \"version\": %s,\n  \"methodes\": {\n", chaine(versionprogramme).c_str());
    for (int m = 1; m <= nbmethodes; ++m) {
        const TGarantie g = garantie(m);
        std::printf(
            "    \"%d\": {\"x\": %d, \"y\": %d, \"n\": %d, \"g\": %d, \"libfr\": %s, \"libang\": %s}%s\n", m,
            g.x, g.y, methodes[m].nbnumeros, methodes[m].nbgrilles, chaine(methodes[m].libfr).c_str(),
            chaine(methodes[m].libang).c_str(), m < nbmethodes ? "," : "");
    }
    std::printf("  },\n  \"ordre_fr\": %s,\n  \"ordre_en\": %s,\n  \"exceptions\": {",
                ordre(methodes, 1).c_str(), ordre(methodes, 2).c_str());
    bool premiere = true;
    for (int m = 1; m <= nbmethodes; ++m) {
        const TVerification v = verifiemethode(m);
        if (v.sousx == 0)
            continue;
        std::printf("%s\n    \"%d\": [%lld, %lld]", premiere ? "" : ",", m, static_cast<long long>(v.sousx),
                    static_cast<long long>(v.nbsousensembles));
        premiere = false;
    }
    std::printf("\n  },\n  \"cellules\": {\n");
    for (int n = 1; n <= 49; ++n) {
        const auto [x, y] = placecellule(n);
        std::printf("    \"%d\": [%d, %d]%s\n", n, x, y, n < 49 ? "," : "");
    }
    std::printf("  }\n}\n");
    return 0;
}
