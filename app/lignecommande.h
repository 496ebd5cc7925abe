#pragma once

#include <QString>
#include <QStringList>

namespace vormigral {

// What the command line asks for, in the GNU manner: --help and --version print on standard output
// and end the program successfully; any other argument is a usage error reported on standard error.
struct TLigneCommande {
    enum class Action { Lancer, Afficher, Refuser };
    Action action = Action::Lancer;
    QString texte; // what to print, ending with a newline
};

// Reads the arguments that follow the program's name. Before Qt has taken its own options
// (-platform, -style...) only an Afficher answer is meaningful; after, a Refuser one is.
TLigneCommande analyselignecommande(const QStringList& arguments);
TLigneCommande analyselignecommande(int argc, char* argv[]);

} // namespace vormigral
