#pragma once

#include "app/plateforme.h"

#include <QString>

namespace vormigral {

// The printer the user chose in the program, kept per user in their configuration folder: the
// settings file's 16 bytes have no room for it, and another user of the machine may choose another.

// The queue chosen; empty when the user follows the system's default.
QString imprimantememorisee(const Systeme& systeme);

// Keeps `file` as the user's choice; an empty name goes back to following the system's default.
// False when it could not be written.
bool memoriseimprimante(const Systeme& systeme, const QString& file);

} // namespace vormigral
