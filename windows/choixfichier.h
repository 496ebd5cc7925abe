#pragma once

#include "app/volumes.h"
#include "windows/differe.h"
#include "windows/parcoursfichiers.h"

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vormigral {

class Langue;

// The file chooser used by the grid-file commands: a volume, a directory, a file name. It is
// built once and keeps its volume and directory from one use to the next.
class TForm6 : public DialogueDiffere {
    Q_OBJECT
public:
    // The cancel button keeps the language of the chooser's creation, `langue`'s at that time.
    TForm6(const Langue& langue, Volumes& volumes);
    void boutokClick();
    void boutannuleClick();
    void changelect();

    // Shows the chooser, its name edit set to "*", for a load (read-only name) or a save; the
    // directory and the name the user chose, in the file system's encoding, or nothing when the
    // user cancelled.
    std::optional<TChoixFichier> demandechargement();
    std::optional<TChoixFichier> demandeenregistrement();

    // What a command reads after the chooser closed.
    bool choisi() const { return choisi_; }
    // The directory whose files FileListBox1 lists, as it is shown.
    QString repertoire() const;
    QLineEdit* edit() {
        construit();
        return Edit1;
    }

protected:
    void showEvent(QShowEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void construitcontroles() override;
    void traduitcontroles() override;
    std::optional<TChoixFichier> demande(const QString& titre, bool lectureseule);
    void remplitvolumes();
    // Makes `chemin` the directory shown.
    void ouvre(const QByteArray& chemin);
    // Shows the directory: its path from the volume's root, its subdirectories, and its files in
    // FileListBox1.
    void montrerepertoire();
    void ouvreelement(QTreeWidgetItem* element);
    void remplitfichiers();
    void fichierchoisi();

    const Langue& langue_;
    ParcoursFichiers parcours_;
    QTreeWidget* DirectoryListBox1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* boutok = nullptr;
    QPushButton* boutannule = nullptr;
    bool choisi_ = false;
    const std::int32_t languecreation_;
};

} // namespace vormigral
