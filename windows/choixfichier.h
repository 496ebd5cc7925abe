#pragma once

#include "windows/contexte.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vormigral {

// The file chooser used by the grid-file commands: a volume, a directory, a file name. It is
// built once and keeps its volume and directory from one use to the next.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(Contexte& contexte);

    void traduitchoixfichier();
    // Whether the volume mounted at `racine` is usable (it reports its size).
    bool lecteurpret(const QString& racine) const;

    void boutokClick();
    void boutannuleClick();
    void changelect();

    // What a command reads after the chooser closed.
    bool choisi() const { return choisi_; }
    // The directory whose files FileListBox1 lists.
    QString repertoire() const { return repertoire_; }
    QLineEdit* edit() const { return Edit1; }

protected:
    void showEvent(QShowEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void FormCreate();
    void remplitvolumes();
    void montrevolume();
    // Makes `chemin` the directory shown: its path from the volume's root, its subdirectories,
    // and its files in FileListBox1.
    void ouvre(const QString& chemin);
    void ouvreelement(QTreeWidgetItem* element);
    void remplitfichiers();
    void fichierchoisi();
    // The listed volume holding `chemin` (the deepest one), else the root volume.
    int indexvolume(const QString& chemin) const;

    Contexte& contexte_;
    QTreeWidget* DirectoryListBox1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* boutok = nullptr;
    QPushButton* boutannule = nullptr;
    bool choisi_ = false;
    QString volume_;     // root of the volume the tree shows
    QString repertoire_; // the directory opened in the tree
};

// The main window's grid-file commands.
void chargebulletin(Contexte& contexte);
void enregistrebulletin(Contexte& contexte);

} // namespace vormigral
