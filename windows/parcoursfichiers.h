#pragma once

#include "app/volumes.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <string>

namespace vormigral {

// A directory and a name, in the file system's bytes; `liste` when the name is a file the user
// picked from the list rather than one typed.
struct TChoixFichier {
    std::string repertoire;
    std::string nom;
    bool liste = false;
};

// An entry the file chooser lists: how it reads, and its path or name in the file system's own
// bytes, which what it shows may not spell exactly.
struct ElementFichier {
    QString texte;
    QByteArray octets;
};

// What the file chooser does, without its window: the volume and the directory shown, kept from
// one use to the next, their contents as the user reads them, and the file chosen.
class ParcoursFichiers {
public:
    // Opens first on the start directory, on the deepest volume holding it; nothing more is read
    // until the chooser is shown.
    explicit ParcoursFichiers(Volumes& volumes);

    // At each showing, since volumes come and go and files change between uses: the volumes as
    // they are now, and the directory the user left (or the nearest one that still exists; the
    // first volume's root when the volume shown is gone).
    const QList<TVolume>& reprend();
    // The volume picked in the list: one that is not ready gives the first volume instead. Back on
    // the volume already shown, the directory stays; another opens at its root. Returns the
    // position of the volume now shown.
    int choisitvolume(int position);
    // Makes `chemin` the directory shown; a path outside the volume shows its root.
    void ouvre(const QByteArray& chemin);

    const QString& volume() const { return volume_; }
    const QByteArray& repertoire() const { return repertoire_; }
    // The volume's root, then each directory down to the one shown.
    QList<ElementFichier> chemin() const;
    // The directories (each with its whole path) and the files (each with its name) of the
    // directory shown, sorted as the user reads them.
    QList<ElementFichier> dossiers() const;
    QList<ElementFichier> fichiers() const;
    // The file picked in the list when the name field still shows its name, else the name typed.
    TChoixFichier choix(const QString& tape, const ElementFichier* selection) const;

    // How a name stored in the file system's bytes reads.
    static QString affiche(const QByteArray& nom);

private:
    Volumes& volumes_;
    QList<TVolume> liste_;  // the volumes at the last showing
    QString volume_;        // root of the volume shown
    QByteArray repertoire_; // the directory shown, in the file system's bytes
};

} // namespace vormigral
