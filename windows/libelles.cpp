#include "windows/libelles.h"

#include <QCoreApplication>

namespace vormigral {

namespace {

struct Textes {
    Q_DECLARE_TR_FUNCTIONS(vormigral::Methodes)
};

constexpr std::int32_t methodegrilles = 23;

} // namespace

QString libellemethode(const TMethodes& methodes, std::int32_t m) {
    const TMethode* methode = vormigral::methode(methodes, m);
    if (!methode)
        return QString();
    const TGarantie promesse = garantie(m);
    // The catalogue's English description of method 23 keeps the French last word.
    const QString modele = m == methodegrilles
                               //: Method 23's description, whose English ends with the French word.
                               ? Textes::tr("%1 numbers if %2 numbers in the %3 in %4 grilles")
                               //: A method's description: "3 numbers if 3 numbers in the 07 in 4 grids"; %3,
                               //: the count of numbers to tick, has two digits.
                               : Textes::tr("%1 numbers if %2 numbers in the %3 in %4 grids");
    return modele.arg(promesse.x)
        .arg(promesse.y)
        .arg(methode->nbnumeros, 2, 10, QLatin1Char('0'))
        .arg(methode->nbgrilles);
}

std::array<std::string, nbmethodes + 1> libellesmethodes(const TMethodes& methodes) {
    std::array<std::string, nbmethodes + 1> libelles;
    for (std::int32_t m = 1; m <= nbmethodes; ++m)
        libelles[static_cast<std::size_t>(m)] = libellemethode(methodes, m).toStdString();
    return libelles;
}

} // namespace vormigral
