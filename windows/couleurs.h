#pragma once

#include <QColor>
#include <QPixmap>

class QWidget;

namespace vormigral {

// Colours that stay readable whatever the desktop's palette, light or dark.

// The contrast of two colours as the web's accessibility guidelines measure it: 1 (none) to 21.
double rapportcontraste(const QColor& a, const QColor& b);

// The least contrast a text keeps against what it is drawn on.
inline constexpr double contrasteminimal = 4.5;

// `teinte` where it already reads on `fond`; else the same hue made lighter (on a dark ground) or
// darker (on a light one) until it does.
QColor lisible(const QColor& teinte, const QColor& fond);

// Gives a label the text colour `teinte`, made readable on the window colour it is drawn on.
void colorie(QWidget* etiquette, const QColor& teinte);

// A picture drawn in dark strokes for light buttons, ringed in the button's text colour where the
// button is dark, so that its outline still shows.
QPixmap detoure(const QPixmap& image, const QColor& fond, const QColor& contour);

} // namespace vormigral
