#pragma once

#include "app/volumes.h"

#include <QDate>
#include <QString>

namespace vormigral {

// The platform seams. The program talks to the outside world only through these, so tests can
// replace each with a recording double.

enum class Icone { Aucune, Exclamation, Question, Information };
enum class Boutons { Ok, OkAnnuler, OuiNon };
enum class Reponse { Ok, Annuler, Oui, Non };

class Messages {
public:
    virtual ~Messages() = default;
    // A modal message box; returns the button the user pressed (closing it counts as the
    // cancelling answer of its buttons).
    virtual Reponse message(const QString& texte, const QString& titre, Boutons boutons, Icone icone) = 0;
    // The platform's default beep.
    virtual void bip() = 0;
};

class Aide {
public:
    virtual ~Aide() = default;
    // Shows the named help file at the section of the program's language; the name carries no
    // directory.
    virtual void contenu(const QString& fichier) = 0;
};

class Systeme {
public:
    virtual ~Systeme() = default;
    // The running executable's directory, ending with a separator.
    virtual QString repertoireexe() const = 0;
    // The per-user configuration folder, used when the program is installed or its directory is
    // read-only; empty when the system gives none (no home).
    virtual QString repertoireconfig() const = 0;
    // The per-user data folder (the draw history lives there), ending with a separator; it may
    // not exist yet.
    virtual QString repertoiredonnees() const = 0;
};

class Hasard {
public:
    virtual ~Hasard() = default;
    // Seeds the generator from the clock.
    virtual void initialise() = 0;
    // A uniformly drawn integer in 0..n-1, n > 0.
    virtual int tire(int n) = 0;
};

// The system's own dialogs for picking a file to read or to write.
class ChoixFichiers {
public:
    virtual ~ChoixFichiers() = default;
    // The file picked to read, or an empty name when the user gave up. `filtre` is in the form
    // "Text files (*.csv *.txt);;All files (*)".
    virtual QString alire(const QString& titre, const QString& filtre) = 0;
    // The file picked to write, starting from `propose`; the dialog has already asked before
    // replacing an existing file. Empty when the user gave up.
    virtual QString aecrire(const QString& titre, const QString& filtre, const QString& propose) = 0;
};

// The calendar: which day it is where the user is.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual QDate aujourdhui() const = 0;
};

class Imprimantes;

struct Plateforme {
    Messages& messages;
    Aide& aide;
    Systeme& systeme;
    Hasard& hasard;
    Volumes& volumes;
    Imprimantes& imprimantes;
    ChoixFichiers& fichiers;
    Horloge& horloge;
};

} // namespace vormigral
