#pragma once

#include "app/plateforme.h"

#include <QCoreApplication>

#include <memory>
#include <random>

class QMainWindow;
class QTextBrowser;

namespace vormigral {

// The buttons speak the program's language, not the system's.
class MessagesQt final : public Messages {
    Q_DECLARE_TR_FUNCTIONS(vormigral::MessagesQt)

public:
    Reponse message(const QString& texte, const QString& titre, Boutons boutons, Icone icone) override;
    void bip() override;
};

// Our own help viewer: the help is an HTML document shipped with the program, which opens at the
// section of the program's language.
class AideQt final : public Aide {
    Q_DECLARE_TR_FUNCTIONS(vormigral::AideQt)

public:
    explicit AideQt(const Systeme& systeme);
    ~AideQt() override;
    void contenu(const QString& fichier) override;

    // Where the named help file is found: beside the executable first, then the built-in copy.
    QString chemin(const QString& fichier) const;

private:
    const Systeme& systeme_;
    std::unique_ptr<QMainWindow> fenetre_;
    QTextBrowser* navigateur_ = nullptr;
};

class SystemeQt final : public Systeme {
public:
    QString repertoireexe() const override;
    QString repertoireconfig() const override;
    QString repertoiredonnees() const override;
};

class ChoixFichiersQt final : public ChoixFichiers {
public:
    QString alire(const QString& titre, const QString& filtre) override;
    QString aecrire(const QString& titre, const QString& filtre, const QString& propose) override;
};

class HorlogeQt final : public Horloge {
public:
    QDate aujourdhui() const override { return QDate::currentDate(); }
};

class HasardQt final : public Hasard {
public:
    void initialise() override;
    int tire(int n) override;

private:
    std::mt19937 generateur_;
};

} // namespace vormigral
