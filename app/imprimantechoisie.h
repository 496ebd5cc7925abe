#pragma once

#include "app/plateforme.h"
#include "files/ecriture.h"

#include <QString>

namespace vormigral {

// The printer the user chose in the program, kept per user in their configuration folder: the
// settings file's 16 bytes have no room for it, and another user of the machine may choose another.

// What the file of the choice gave.
struct TImprimanteMemorisee {
    QString file;                            // the queue chosen; empty: the system's default
    Ouverture ouverture = Ouverture::Absent; // Lu, Absent (no choice kept), or why it cannot be read
    int erreur = 0;                          // the system's error number, when Refuse
    QString chemin;                          // the file
    bool illisible() const { return ouverture != Ouverture::Lu && ouverture != Ouverture::Absent; }
};

// Every reading of the choice goes through here. Anything but a plain file (a pipe, a device, a
// folder) is never opened: the choice then cannot be read, and printing goes on without one.
TImprimanteMemorisee lisimprimantememorisee(const Systeme& systeme);

// The queue chosen; empty when the user follows the system's default or the choice cannot be read.
QString imprimantememorisee(const Systeme& systeme);

// Keeps `file` as the user's choice; an empty name goes back to following the system's default.
// False when it could not be written.
bool memoriseimprimante(const Systeme& systeme, const QString& file);

} // namespace vormigral
