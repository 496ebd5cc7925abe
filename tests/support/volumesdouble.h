#pragma once

#include "app/volumes.h"

#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

namespace vormigral::test {

// Three volumes in a fresh temporary directory: "racine" (the root volume, where the chooser
// opens), "cle" (ready) and "lecteur" (mounted but not ready, like a drive without its disk).
// Tests may change the list, the volumes that are not ready and the starting directory.
class VolumesDouble final : public Volumes {
public:
    VolumesDouble();
    ~VolumesDouble() override;
    QList<TVolume> liste() const override { return volumes; }
    bool pret(const QString& racine) const override;
    QString courant() const override { return depart; }

    QString chemin(const QString& volume) const { return dossier_.filePath(volume); }

    QList<TVolume> volumes;
    QSet<QString> absents;
    QString depart;
    // Every volume asked about, in order.
    mutable QStringList demandes;

private:
    QTemporaryDir dossier_;
};

} // namespace vormigral::test
