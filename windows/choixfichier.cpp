#include "windows/choixfichier.h"

#include "windows/legendes.h"
#include "windows/outils.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>
#include <optional>

namespace vormigral {

namespace {

constexpr int rolechemin = Qt::UserRole;

bool dans(const QString& chemin, const QString& racine) {
    if (chemin == racine)
        return true;
    const QString prefixe = racine.endsWith(QLatin1Char('/')) ? racine : racine + QLatin1Char('/');
    return chemin.startsWith(prefixe);
}

std::string local(const QString& texte) {
    return QFile::encodeName(texte).toStdString();
}

// The root of the deepest volume holding `chemin`, else the first one (the root volume).
QString volumecontenant(const QList<TVolume>& volumes, const QString& chemin) {
    if (volumes.isEmpty())
        return {};
    QString meilleure = volumes.first().racine;
    qsizetype longueur = -1;
    for (const TVolume& volume : volumes) {
        if (dans(chemin, volume.racine) && volume.racine.size() > longueur) {
            meilleure = volume.racine;
            longueur = volume.racine.size();
        }
    }
    return meilleure;
}

// Every text the chooser shows. The cancel button's caption is set once, when the window is built;
// the names screen readers say follow the language at every use.
const Legende legendeschoixfichier[] = {
    {"boutok", "Ok", "Ok"},
    {"boutannule", "Annule", "Abort"},
    {"titrechargement", "Sélectionnez le fichier à charger", "Select the file to load"},
    {"titreenregistrement", "Indiquer le nom du fichier à enregistrer", "Save file"},
    {"acc:DirectoryListBox1", "Dossiers", "Folders"},
    {"acc:FileListBox1", "Fichiers", "Files"},
    {"acc:DriveComboBox1", "Lecteur", "Drive"},
    {"acc:Edit1", "Nom du fichier", "File name"},
};

// The directory tree shows one path, every level open: there is nothing to unfold, so no marks.
class ArbreRepertoires : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

} // namespace

TForm6::TForm6(Contexte& contexte) : contexte_(contexte) {
    setObjectName(QStringLiteral("Form6"));
    setFont(policestandard());
    setFixedSize(399, 253);
    setModal(true);

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
    connect(boutannule, &QPushButton::clicked, this, &TForm6::boutannuleClick);

    FormCreate();
}

void TForm6::FormCreate() {
    choisi_ = false;
    traduitchoixfichier();
    // Where the chooser opens the first time: the start directory, on the deepest volume holding
    // it. Nothing more is read now: every showing lists the volumes and the directory as they are.
    const QString depart = QDir::cleanPath(contexte_.plateforme.volumes.courant());
    volume_ = volumecontenant(contexte_.plateforme.volumes.liste(), depart);
    const QString ouverture =
        QDir::cleanPath(QFileInfo(depart).isDir() && dans(depart, volume_) ? depart : volume_);
    repertoire_ = dans(ouverture, volume_) ? ouverture : volume_;
}

// Set once, when the window is built: a later change of language leaves it as it was.
void TForm6::traduitchoixfichier() {
    appliquelegendes(this, legendeschoixfichier, anglais(contexte_.etat));
}

bool TForm6::lecteurpret(const QString& racine) const {
    return contexte_.plateforme.volumes.pret(racine);
}

void TForm6::showEvent(QShowEvent* evenement) {
    choisi_ = false;
    // Volumes come and go, and files change between uses: show them as they are now, in the
    // directory the user left (or the nearest one that still exists).
    remplitvolumes();
    QString chemin = repertoire_;
    while (!QFileInfo(chemin).isDir() && chemin != volume_ && dans(chemin, volume_))
        chemin = QFileInfo(chemin).path();
    ouvre(QFileInfo(chemin).isDir() ? chemin : volume_);
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
    for (const TVolume& volume : contexte_.plateforme.volumes.liste()) {
        const QString texte =
            volume.nom.isEmpty() ? volume.racine : volume.racine + QStringLiteral(" [%1]").arg(volume.nom);
        DriveComboBox1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), texte, volume.racine);
    }
    const int index = DriveComboBox1->findData(volume_);
    DriveComboBox1->setCurrentIndex(std::max(index, 0));
    if (index < 0) {
        volume_ = DriveComboBox1->currentData().toString();
        repertoire_ = volume_;
    }
}

void TForm6::changelect() {
    if (DriveComboBox1->currentIndex() < 0)
        return;
    if (!lecteurpret(DriveComboBox1->currentData().toString())) {
        const QSignalBlocker bloqueur(DriveComboBox1);
        DriveComboBox1->setCurrentIndex(0);
    }
    montrevolume();
}

void TForm6::montrevolume() {
    const QString racine = DriveComboBox1->currentData().toString();
    // Back on the volume already shown: the tree stays in its directory.
    if (racine == volume_)
        return;
    volume_ = racine;
    ouvre(racine);
}

void TForm6::ouvre(const QString& chemin) {
    repertoire_ = QDir::cleanPath(chemin);
    if (!dans(repertoire_, volume_))
        repertoire_ = volume_;
    DirectoryListBox1->clear();
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);

    auto* element = new QTreeWidgetItem(DirectoryListBox1, {volume_});
    element->setIcon(0, style()->standardIcon(QStyle::SP_DriveHDIcon));
    element->setData(0, rolechemin, volume_);
    const QString relatif = QDir(volume_).relativeFilePath(repertoire_);
    QString courant = volume_;
    if (relatif != QLatin1String(".")) {
        for (const QString& partie : relatif.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            courant = QDir(courant).filePath(partie);
            element = new QTreeWidgetItem(element, {partie});
            element->setIcon(0, ouvert);
            element->setData(0, rolechemin, courant);
        }
    }
    QTreeWidgetItem* ouvertici = element;
    const QStringList sousrepertoires =
        QDir(repertoire_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& nom : sousrepertoires) {
        auto* sous = new QTreeWidgetItem(ouvertici, {nom});
        sous->setIcon(0, ferme);
        sous->setData(0, rolechemin, QDir(repertoire_).filePath(nom));
    }
    DirectoryListBox1->expandAll();
    DirectoryListBox1->setCurrentItem(ouvertici);
    DirectoryListBox1->scrollToItem(ouvertici);
    remplitfichiers();
    // On load the name mirrors the list's selection, which a new directory clears; a name being
    // typed for a save is kept.
    if (Edit1->isReadOnly())
        Edit1->setText(QStringLiteral("*"));
}

void TForm6::ouvreelement(QTreeWidgetItem* element) {
    if (element)
        ouvre(element->data(0, rolechemin).toString());
}

void TForm6::remplitfichiers() {
    const QSignalBlocker bloqueur(FileListBox1);
    FileListBox1->clear();
    FileListBox1->addItems(
        QDir(repertoire_).entryList({QStringLiteral("*")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void TForm6::fichierchoisi() {
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

std::optional<TChoixFichier> TForm6::demande(const char* titre, bool lectureseule) {
    const bool en = anglais(contexte_.etat);
    setWindowTitle(texte(legendeschoixfichier, titre, en));
    appliquenoms(this, legendeschoixfichier, en);
    Edit1->setReadOnly(lectureseule);
    Edit1->setText(QStringLiteral("*"));
    exec();
    if (!choisi_)
        return std::nullopt;
    return TChoixFichier{local(repertoire_), local(Edit1->text())};
}

std::optional<TChoixFichier> TForm6::demandechargement() {
    return demande("titrechargement", true);
}

std::optional<TChoixFichier> TForm6::demandeenregistrement() {
    return demande("titreenregistrement", false);
}

} // namespace vormigral
