#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vormigral {

// Why a file could not be written, or could not be now.
enum class Refus {
    Aucun,          // written (or could be)
    PasFichier,     // something other than a plain file is there (a directory, a pipe): left alone
    Protege,        // a read-only file: not replaced
    DossierProtege, // nothing may be created in the folder
    DossierAbsent,  // the folder does not exist
    Plein,          // the disk, the quota or the process's file-size limit ran out
    Autre,          // any other failure of the system
};

// The outcome of a write; true when the file was written.
struct Ecriture {
    Refus refus = Refus::Aucun;
    explicit operator bool() const { return refus == Refus::Aucun; }
};

// Where a write to `chemin` lands: the end of its chain of symbolic links (for a dangling link, the
// file it names), or `chemin` itself when it is no link.
std::string destination(const std::string& chemin);

// Writes a whole file. The new content first goes in full to a temporary file beside the target,
// so a failed write (a full disk, a size limit) leaves the previous file as it was and removes the
// temporary file. Then:
// - the temporary file is renamed over the target, keeping the target's permissions;
// - a target with other hard links is instead rewritten in place, so every link sees the content;
// - a symbolic link is written through to the file it names, which a dangling link creates;
// - a read-only file is not replaced, and anything but a plain file is left alone.
// Temporary files that an interrupted earlier write left in that folder are removed.
// A write past the process's file-size limit kills a process that does not ignore SIGXFSZ; the
// program ignores it from the start (initialiseapplication), so such a write fails as Plein.
Ecriture ecrirefichier(const std::string& chemin, const std::uint8_t* octets, std::size_t taille);

// What stands in the way of ecrirefichier at `chemin` now; Aucun when it could write there. With
// `creedossier`, a missing folder counts as writable when it could be created.
Refus inscriptible(const std::string& chemin, bool creedossier = false);

// What a failed call of the system (its errno) stands in the way of, as a write reports it.
Refus refusdusysteme(int erreur);

// Whether `nom` is one of the temporary files ecrirefichier makes beside its targets.
bool nomtemporaire(const std::string& nom);

enum class Ouverture {
    Lu,         // a plain file: its first bytes are read
    Absent,     // nothing there (or a dangling link, or a path through a plain file)
    Dossier,    // a directory
    PasFichier, // a pipe, a device, a socket: never opened, so never waited on
    Refuse,     // present but cannot be read (permissions, an error of the system)
};

struct Debut {
    Ouverture ouverture = Ouverture::Absent;
    std::size_t lus = 0;      // bytes read into the buffer (at most its capacity)
    std::uint64_t taille = 0; // the file's whole size
    int erreur = 0;           // the system's error number, when Refuse (or Absent)
};

// Reads the first `capacite` bytes of a plain file (fewer when the file is shorter).
Debut lisdebut(const std::string& chemin, std::uint8_t* octets, std::size_t capacite);

// Reads a plain file into `contenu`, its first `limite` bytes when it is larger; `contenu` is empty
// unless the file was read.
Debut lisfichier(const std::string& chemin, std::string& contenu, std::size_t limite);

} // namespace vormigral
