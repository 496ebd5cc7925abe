#pragma once

#include <QString>
#include <QStringList>

namespace vormigral {

// Parts of the program that need a large library of their own (Qt Print Support for printing and
// previews, Qt SQL for the draw history) are built as modules, libvormigral_<name>.so, opened at
// their first use: a start neither loads nor links those libraries. A module is looked for in the
// folder VORMIGRAL_MODULES names if set (the tests: the build tree), beside the executable (the
// build tree), and where the install rules put it, relative to the installed executable.

// Why a module gave nothing.
struct EchecModule {
    QString fichier;      // the module's file name
    QStringList dossiers; // where it was looked for
    QString raison;       // the system's own words when it is there but cannot be opened; empty when absent

    // The folders looked in, as the user writes paths, for a message.
    QString ou() const;
};

// Returns the address of `symbole` in module `nom`, or nullptr with the cause in `echec`.
void* symbolemodule(const char* nom, const char* symbole, EchecModule& echec);

} // namespace vormigral
