#include "app/volumes_qt.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace vormigral {

QList<TVolume> VolumesQt::liste() const {
    const QString racine = QStorageInfo::root().rootPath();
    QList<TVolume> volumes{{racine, QStorageInfo::root().name()}};
    QList<TVolume> autres;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Files mounted over files (a container's /etc/hosts, say) hold no directory to show.
        if (!volume.isValid() || volume.rootPath() == racine || !QFileInfo(volume.rootPath()).isDir())
            continue;
        autres.append({volume.rootPath(), volume.name()});
    }
    std::sort(autres.begin(), autres.end(),
              [](const TVolume& a, const TVolume& b) { return a.racine < b.racine; });
    return volumes + autres;
}

bool VolumesQt::pret(const QString& racine) const {
    const QStorageInfo volume(racine);
    // A volume unmounted since the list was made resolves to the volume above it.
    return volume.isValid() && volume.isReady() && volume.rootPath() == racine && volume.bytesTotal() > 0;
}

QString VolumesQt::courant() const {
    return QDir::currentPath();
}

} // namespace vormigral
