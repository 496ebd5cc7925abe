#pragma once

#include "app/langue.h"
#include "app/plateforme.h"
#include "tests/support/surfacedouble.h"
#include "tests/support/volumesdouble.h"
#include "windows/application.h"
#include "windows/differe.h"

#include <QApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <random>

namespace vormigral::test {

struct MessageEnregistre {
    QString texte;
    QString titre;
    Boutons boutons;
    Icone icone;
};

// Records every message box instead of showing it; answers from a queue, else the first button.
class MessagesDouble final : public Messages {
public:
    Reponse message(const QString& texte, const QString& titre, Boutons boutons, Icone icone) override;
    void bip() override {
        ++bips;
        journal << QStringLiteral("bip");
    }

    QList<MessageEnregistre> messages;
    int bips = 0;
    std::deque<Reponse> reponses;
    // Runs while a message is "on screen", e.g. to check what the window shows behind it.
    std::function<void(const MessageEnregistre&)> pendant;
    // Order of beeps and messages, to check that a beep precedes its message.
    QStringList journal;
};

class AideDouble final : public Aide {
public:
    void contenu(const QString& fichier) override { fichiers << fichier; }
    QStringList fichiers;
};

// The executable's directory and the per-user folder are two fresh temporary directories, which a
// test may point elsewhere (an empty per-user folder: the system gives none).
class SystemeDouble final : public Systeme {
    // First, so that the paths below can be made from them.
    QTemporaryDir exe_;
    QTemporaryDir config_;

public:
    SystemeDouble();
    QString repertoireexe() const override { return exe; }
    QString repertoireconfig() const override { return config; }
    QString repertoiredonnees() const override { return config_.path() + QStringLiteral("/donnees/"); }
    QString exe;
    QString config;
};

// A calendar stopped on one day (15 June 2025 unless a test sets another), which counts how often
// it was asked.
class HorlogeDouble final : public Horloge {
public:
    QDate aujourdhui() const override {
        ++questions;
        return jour;
    }
    QDate jour = QDate(2025, 6, 15);
    mutable int questions = 0;
};

// A real generator whose clock seeding is replaced by a counter, so runs are repeatable while
// each press still draws from a fresh seed.
class HasardDouble final : public Hasard {
public:
    void initialise() override { generateur_.seed(++graines); }
    int tire(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(generateur_); }
    unsigned graines = 0;

private:
    std::mt19937 generateur_;
};

// Answers file dialogs from queues (an empty name once they run dry: the user gave up) and
// records what each asked.
class ChoixFichiersDouble final : public ChoixFichiers {
public:
    QString alire(const QString& titre, const QString& filtre) override;
    QString aecrire(const QString& titre, const QString& filtre, const QString& propose) override;

    std::deque<QString> lectures;
    std::deque<QString> ecritures;
    QStringList titres;
    QStringList proposes;
};

// The whole program on recording doubles. Write a settings file into systeme's directories
// before demarre() to start from it.
class Banc {
public:
    // `reelles` stands in for the recording printers, e.g. the real CUPS queues.
    explicit Banc(Imprimantes* reelles = nullptr);
    ~Banc();

    void demarre();
    // For a test that answers every window itself, however long it stays open (the monkey).
    void sansveille();
    Application& application() { return *application_; }
    TEtat& etat() { return application_->etat(); }
    // Changes the language as the program's choosers do: the setting, then the translations, on
    // which the windows re-caption.
    void changelangue(std::int32_t valeur);
    TForm1& principale() { return application_->principale(); }
    Plateforme plateforme() {
        return {messages, aide,    systeme,
                hasard,   volumes, reelles_ ? *reelles_ : static_cast<Imprimantes&>(imprimantes),
                fichiers, horloge};
    }

    MessagesDouble messages;
    AideDouble aide;
    SystemeDouble systeme;
    HasardDouble hasard;
    VolumesDouble volumes;
    ImprimantesDouble imprimantes;
    ChoixFichiersDouble fichiers;
    HorlogeDouble horloge;
    // Before the program, which it outlives.
    Langue langue;

private:
    Imprimantes* reelles_ = nullptr;
    std::unique_ptr<Application> application_;
    // Closes a modal window that nothing in the test answers, and fails the test: without it a
    // window opened where the test expected none would wait for a user for ever.
    std::unique_ptr<QTimer> veille_;
};

// Stops the test run with a message naming what is missing: a test that went on with a null
// control would crash or hang instead of saying why.
[[noreturn]] void absent(const char* quoi, const char* nom);

// What a test reaches before a dialog's first showing is built as the program builds it then.
void construit(QWidget* fenetre);

// A named control of a window; fails the test when it is missing.
template <class T> T* controle(QWidget* fenetre, const char* nom) {
    construit(fenetre);
    T* trouve = fenetre ? fenetre->findChild<T*>(QString::fromLatin1(nom)) : nullptr;
    if (!trouve)
        absent("control", nom);
    return trouve;
}

// Writes a settings file where the program looks for it, so that it starts in that language with
// those offsets and without the first-run chooser.
void ecrisparametres(Banc& banc, int langue, int decalh = 0, int decalv = 0);

// Selects method m in the main window's list; fails the test when no entry carries it.
void choisismethode(TForm1& principale, int m);

// The caption a control shows: a label's or button's text, a group box's or menu's title, an
// action's text (a menu's without the "&" of its mnemonic); "<absent>" when the window has no such
// control.
QString texte(QWidget* fenetre, const char* nom);

// Runs `action` on the modal window once it is shown by the next call that opens one; closes it
// afterwards (reject) if the action left it open.
void pendantmodal(std::function<void(QWidget*)> action);

// Runs `action` on the window of kind T once it is the active modal one, for as long as `garde`
// lives, then closes it (reject) if the action left it open: for a window that opens over another
// modal one, or may not open at all.
template <class T> void quandouverte(QObject* garde, std::function<void(T*)> action) {
    auto* minuterie = new QTimer(garde);
    QObject::connect(minuterie, &QTimer::timeout, [minuterie, action = std::move(action)] {
        auto* fenetre = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!fenetre)
            return;
        minuterie->stop();
        action(fenetre);
        if (fenetre->isVisible())
            fenetre->reject();
    });
    minuterie->start(10);
}

// Clicks the cell of a number in a window's number block.
void cliquecase(QWidget* fenetre, int numero);

} // namespace vormigral::test
