#pragma once

#include <QDialog>

namespace vormigral {

// A dialog made at start-up, in its place among the program's windows, whose controls are built
// when first needed: just before its first showing, or when code reaches them earlier. Most runs
// open few of the dialogs; building all of them would take as long as the rest of the start-up.
// What the creation fixes from the settings (a language, values) is recorded at creation and used
// when the controls are built, so that a dialog shows the same whenever that happens.
class DialogueDiffere : public QDialog {
    Q_OBJECT
public:
    // Builds the controls, once; every later call returns at once.
    void construit();
    bool construite() const { return construite_; }

    void setVisible(bool visible) override;

protected:
    DialogueDiffere() = default;
    // The controls and their first captions and values, as the creation would have set them.
    virtual void construitcontroles() = 0;
    // Sets every caption in the language installed. A window whose texts go through tr() calls it
    // once its controls are built; it runs again at every change of language once they are, and
    // never builds them (a dialog not yet built takes the language when it is).
    virtual void traduitcontroles() {}
    bool event(QEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;

private:
    bool construite_ = false;
};

} // namespace vormigral
