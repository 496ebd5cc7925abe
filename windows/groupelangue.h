#pragma once

#include "windows/outils.h"

#include <QCoreApplication>

class QGroupBox;
class QRadioButton;

namespace vormigral {

// The language group shared by the parameters window and the first-run chooser: two radio
// buttons, each beside its flag; each window connects the flags to its own handlers, and names the
// group and the flags in its own words.
struct ChoixLangue {
    Q_DECLARE_TR_FUNCTIONS(vormigral::ChoixLangue)

public:
    QGroupBox* glangue;
    QRadioButton* lfrancais;
    ImageCliquable* Image1; // France
    QRadioButton* langlais;
    ImageCliquable* Image2; // Great Britain

    // The buttons' captions: each language by its own name. A third language would add its button,
    // its flag and its name here.
    void traduit() const;
};

ChoixLangue creechoixlangue(QWidget* parent, QPoint position);

} // namespace vormigral
