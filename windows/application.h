#pragma once

#include "windows/contexte.h"

#include <memory>

namespace vormigral {

// The program's windows, created once in a fixed order: the main window first, since its creation
// reads the settings every later window takes its captions from.
class Application {
public:
    explicit Application(const Plateforme& plateforme);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Contexte& contexte() { return contexte_; }
    TForm1& principale() { return *form1_; }

private:
    Contexte contexte_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<Tapropos> apropos_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm8> form8_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<TForm7> form7_;
    std::unique_ptr<TForm9> form9_;
    std::unique_ptr<TForm10> form10_;
};

// Process-wide set-up that must precede any window: signals, application name, resources,
// how assistive technologies see the program's controls.
void initialiseapplication();

// Qt's own dialogs and standard buttons in the program's language: French unless `anglais`.
void traduitqt(bool anglais);

} // namespace vormigral
