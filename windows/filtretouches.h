#pragma once

#include <QObject>

#include <string>

namespace vormigral {

// Key filter of a numeric edit: a typed character that is not listed is discarded, Backspace and
// the other control characters included. The keys that move between controls or close the window
// (Tab, Shift+Tab, Return, Enter, Escape) pass, and so does Delete from either key (the main
// keyboard's types the DEL character on some systems); so do the keys that type nothing (arrows).
class FiltreTouches : public QObject {
    Q_OBJECT
public:
    FiltreTouches(std::string permis, QObject* parent);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    std::string permis_;
};

} // namespace vormigral
