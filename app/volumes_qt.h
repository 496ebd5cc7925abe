#pragma once

#include "app/volumes.h"

namespace vormigral {

class VolumesQt final : public Volumes {
public:
    QList<TVolume> liste() const override;
    bool pret(const QString& racine) const override;
    QString courant() const override;
};

} // namespace vormigral
