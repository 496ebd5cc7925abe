#include "windows/choixfichier.h"

#include "app/langue.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>

namespace vormigral {

namespace {

// Tree items and list items keep the path or name in the file system's own bytes: what they show
// may not spell it exactly.
constexpr int rolechemin = Qt::UserRole;

// The directory tree shows one path, every level open: there is nothing to unfold, so no marks.
class ArbreRepertoires : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

} // namespace

TForm6::TForm6(const Langue& langue, Volumes& volumes)
    : langue_(langue), parcours_(volumes), languecreation_(langue.courante()) {
    setObjectName(QStringLiteral("Form6"));
    setFont(policestandard());
    setFixedSize(399, 253);
    setModal(true);
}

void TForm6::construitcontroles() {
    DirectoryListBox1 = place<ArbreRepertoires>(this, "DirectoryListBox1", {17, 23, 128, 177});
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setColumnCount(1);
    DirectoryListBox1->setIndentation(8);
    DirectoryListBox1->setRootIsDecorated(false);
    DirectoryListBox1->setItemsExpandable(false);
    DirectoryListBox1->setExpandsOnDoubleClick(false);
    DirectoryListBox1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DirectoryListBox1->header()->setStretchLastSection(false);
    DirectoryListBox1->installEventFilter(this);
    connect(DirectoryListBox1, &QTreeWidget::itemActivated, this, &TForm6::ouvreelement);

    FileListBox1 = place<QListWidget>(this, "FileListBox1", {152, 23, 125, 179});
    FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, &TForm6::fichierchoisi);
    // What every user tries: a double click takes the file.
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &TForm6::boutokClick);

    DriveComboBox1 = place<QComboBox>(this, "DriveComboBox1", {14, 212, 134, 19});
    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TForm6::changelect);

    Edit1 = place<QLineEdit>(this, "Edit1", {153, 209, 122, 21});

    boutok = boutonimage(this, "boutok", {296, 23, 86, 43}, "ok");
    boutok->setDefault(true);
    connect(boutok, &QPushButton::clicked, this, &TForm6::boutokClick);
    boutannule = boutonimage(this, "boutannule", {296, 77, 86, 43}, "annuler");
    // Set once, in the language of the chooser's creation: a later change of language leaves it.
    boutannule->setText(langue_.traduit(languecreation_, metaObject()->className(), QT_TR_NOOP("Abort")));
    connect(boutannule, &QPushButton::clicked, this, &TForm6::boutannuleClick);
    traduitcontroles();
}

void TForm6::traduitcontroles() {
    legende(boutok, tr("Ok"));
    DirectoryListBox1->setAccessibleName(tr("Folders"));
    FileListBox1->setAccessibleName(tr("Files"));
    DriveComboBox1->setAccessibleName(tr("Drive"));
    Edit1->setAccessibleName(tr("File name"));
}

void TForm6::showEvent(QShowEvent* evenement) {
    choisi_ = false;
    remplitvolumes();
    montrerepertoire();
    if (Edit1->isReadOnly()) {
        FileListBox1->setFocus();
    } else {
        Edit1->setFocus();
        Edit1->selectAll();
    }
    QDialog::showEvent(evenement);
    centreecran(this);
}

void TForm6::remplitvolumes() {
    const QSignalBlocker bloqueur(DriveComboBox1);
    DriveComboBox1->clear();
    for (const TVolume& volume : parcours_.reprend()) {
        const QString texte =
            volume.nom.isEmpty() ? volume.racine : volume.racine + QStringLiteral(" [%1]").arg(volume.nom);
        DriveComboBox1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), texte, volume.racine);
    }
    DriveComboBox1->setCurrentIndex(std::max(DriveComboBox1->findData(parcours_.volume()), 0));
}

void TForm6::changelect() {
    construit();
    if (DriveComboBox1->currentIndex() < 0)
        return;
    const QString avant = parcours_.volume();
    {
        const QSignalBlocker bloqueur(DriveComboBox1);
        DriveComboBox1->setCurrentIndex(parcours_.choisitvolume(DriveComboBox1->currentIndex()));
    }
    if (parcours_.volume() != avant)
        montrerepertoire();
}

QString TForm6::repertoire() const {
    return ParcoursFichiers::affiche(parcours_.repertoire());
}

void TForm6::ouvre(const QByteArray& chemin) {
    parcours_.ouvre(chemin);
    montrerepertoire();
}

void TForm6::montrerepertoire() {
    DirectoryListBox1->clear();
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem* element = nullptr;
    for (const ElementFichier& niveau : parcours_.chemin()) {
        element = element ? new QTreeWidgetItem(element, {niveau.texte})
                          : new QTreeWidgetItem(DirectoryListBox1, {niveau.texte});
        element->setIcon(0, element->parent() ? ouvert : style()->standardIcon(QStyle::SP_DriveHDIcon));
        element->setData(0, rolechemin, niveau.octets);
    }
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const ElementFichier& dossier : parcours_.dossiers()) {
        auto* sous = new QTreeWidgetItem(element, {dossier.texte});
        sous->setIcon(0, ferme);
        sous->setData(0, rolechemin, dossier.octets);
    }
    DirectoryListBox1->expandAll();
    DirectoryListBox1->setCurrentItem(element);
    DirectoryListBox1->scrollToItem(element);
    remplitfichiers();
    // On load the name mirrors the list's selection, which a new directory clears; a name being
    // typed for a save is kept.
    if (Edit1->isReadOnly())
        Edit1->setText(QStringLiteral("*"));
}

void TForm6::ouvreelement(QTreeWidgetItem* element) {
    if (element)
        ouvre(element->data(0, rolechemin).toByteArray());
}

void TForm6::remplitfichiers() {
    const QSignalBlocker bloqueur(FileListBox1);
    FileListBox1->clear();
    for (const ElementFichier& fichier : parcours_.fichiers()) {
        auto* element = new QListWidgetItem(fichier.texte, FileListBox1);
        element->setData(rolechemin, fichier.octets);
    }
}

void TForm6::fichierchoisi() {
    construit();
    const QList<QListWidgetItem*> selection = FileListBox1->selectedItems();
    if (!selection.isEmpty())
        Edit1->setText(selection.first()->text());
}

bool TForm6::eventFilter(QObject* objet, QEvent* evenement) {
    // Enter in the tree opens the directory; it must not reach the Ok button as well.
    if (objet == DirectoryListBox1 && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            ouvreelement(DirectoryListBox1->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void TForm6::boutokClick() {
    choisi_ = true;
    accept();
}

void TForm6::boutannuleClick() {
    reject();
}

std::optional<TChoixFichier> TForm6::demande(const QString& titre, bool lectureseule) {
    construit();
    setWindowTitle(titre);
    Edit1->setReadOnly(lectureseule);
    Edit1->setText(QStringLiteral("*"));
    exec();
    if (!choisi_)
        return std::nullopt;
    const QList<QListWidgetItem*> selection = FileListBox1->selectedItems();
    if (selection.isEmpty())
        return parcours_.choix(Edit1->text(), nullptr);
    const ElementFichier choisi{selection.first()->text(), selection.first()->data(rolechemin).toByteArray()};
    return parcours_.choix(Edit1->text(), &choisi);
}

std::optional<TChoixFichier> TForm6::demandechargement() {
    return demande(tr("Select the file to load"), true);
}

std::optional<TChoixFichier> TForm6::demandeenregistrement() {
    return demande(tr("Save file"), false);
}

} // namespace vormigral
