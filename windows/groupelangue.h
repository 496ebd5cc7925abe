#pragma once

#include "windows/outils.h"

class QGroupBox;
class QRadioButton;

namespace vormigral {

// The language group shared by the parameters window and the first-run chooser: two radio
// buttons, each beside its flag; each window connects the flags to its own handlers.
struct ChoixLangue {
    QGroupBox* glangue;
    QRadioButton* lfrancais;
    ImageCliquable* Image1; // France
    QRadioButton* langlais;
    ImageCliquable* Image2; // Great Britain
};

ChoixLangue creechoixlangue(QWidget* parent, QPoint position);

} // namespace vormigral
