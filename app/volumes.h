#pragma once

#include <QList>
#include <QString>

namespace vormigral {

// One mounted volume: where it is mounted, and its label (may be empty).
struct TVolume {
    QString racine;
    QString nom;
};

// The file-system seam of the file chooser: its selector lists the mounted volumes.
class Volumes {
public:
    virtual ~Volumes() = default;
    // The mounted volumes, the root volume first.
    virtual QList<TVolume> liste() const = 0;
    // Whether the volume mounted at `racine` can report its size now.
    virtual bool pret(const QString& racine) const = 0;
    // The directory the chooser opens in the first time.
    virtual QString courant() const = 0;
};

} // namespace vormigral
