#pragma once

#include "history/importation.h"

#include <QDialog>

namespace vormigral {

// What an import would do, shown before anything is stored: the counts, how the dates are read
// and every rejected line.
class TApercuImport : public QDialog {
    Q_OBJECT
public:
    TApercuImport(QWidget* parent, const TProjetImport& apercu, const QString& fichier);

    // What exec() returns when the player asks to choose the file's columns again (the Columns…
    // button, offered for a file with a header).
    static constexpr int colonnesdemandees = 2;
};

} // namespace vormigral
