#include "app/lignecommande.h"

#include "vormigral/projet.h"

namespace vormigral {

namespace {

const char* const aide = R"(Usage: vormigral [OPTION]...
Expand the lottery numbers you tick into six-number grids through a lottery wheel,
then view, list, print and compare them with a draw. French and English.

      --help     display this help and exit
      --version  output version information and exit

Qt's own options work too, for example -platform NAME, -style NAME, -reverse.

Settings are kept per user in $XDG_CONFIG_HOME/VORMIGRAL/ (~/.config/VORMIGRAL/)
when the program is installed; a copy run from its build folder keeps them
beside itself when it may write there.
)";

} // namespace

TLigneCommande analyselignecommande(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help"))
            return {TLigneCommande::Action::Afficher, QString::fromUtf8(aide)};
        if (argument == QLatin1String("--version"))
            return {TLigneCommande::Action::Afficher,
                    QStringLiteral("vormigral %1\n").arg(QLatin1String(versionprogramme))};
    }
    bool operandes = false; // after "--", every argument is an operand, even one with a dash
    for (const QString& argument : arguments) {
        if (!operandes && argument == QLatin1String("--")) {
            operandes = true;
            continue;
        }
        const QString quoi = !operandes && argument.startsWith(QLatin1Char('-'))
                                 ? QStringLiteral("unrecognized option")
                                 : QStringLiteral("unexpected argument");
        return {TLigneCommande::Action::Refuser,
                QStringLiteral("vormigral: %1 '%2'\nTry 'vormigral --help' for more information.\n")
                    .arg(quoi, argument)};
    }
    return {};
}

TLigneCommande analyselignecommande(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return analyselignecommande(arguments);
}

} // namespace vormigral
