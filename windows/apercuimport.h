#pragma once

#include "history/importation.h"

#include <QDialog>

class QDialogButtonBox;

namespace vormigral {

// What an import would do, shown before anything is stored: the counts, how the dates are read
// and every rejected line.
class TApercuImport : public QDialog {
    Q_OBJECT
public:
    TApercuImport(QWidget* parent, const TProjetImport& apercu, const QString& fichier);

    // The row of buttons, where a command working on the same file (reading its columns another
    // way) takes its place beside Store and Cancel.
    QDialogButtonBox* boutons() const { return boutons_; }

private:
    QDialogButtonBox* boutons_ = nullptr;
};

} // namespace vormigral
