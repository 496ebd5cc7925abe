#pragma once

#include <QObject>

#include <string>

namespace vormigral {

// Key filter of a numeric edit: a typed character that is not listed is discarded, Backspace and
// the other control characters included. Keys that type nothing (arrows, Delete) pass.
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
