#include "windows/choixfichier.h"

#include "app/langue.h"
#include "files/repertoire.h"
#include "windows/outils.h"
#include "windows/traduction.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringDecoder>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <cwchar>
#include <optional>

#include <langinfo.h>

namespace vormigral {

namespace {

// Tree items and list items keep the path or name in the file system's own bytes: what they show
// may not spell it exactly.
constexpr int rolechemin = Qt::UserRole;

QByteArray brut(const QString& chemin) {
    return QFile::encodeName(chemin);
}

bool dans(const QByteArray& chemin, const QByteArray& racine) {
    if (chemin == racine)
        return true;
    return chemin.startsWith(racine.endsWith('/') ? racine : racine + '/');
}

QByteArray joint(const QByteArray& repertoire, const QByteArray& nom) {
    return repertoire.endsWith('/') ? repertoire + nom : repertoire + '/' + nom;
}

QByteArray dossierparent(const QByteArray& chemin) {
    const qsizetype barre = chemin.lastIndexOf('/');
    return barre <= 0 ? QByteArray("/") : chemin.left(barre);
}

// "." and ".." resolved, separators single, no final separator but the root's.
QByteArray nettoie(const QByteArray& chemin) {
    QList<QByteArray> parties;
    for (const QByteArray& partie : chemin.split('/')) {
        if (partie.isEmpty() || partie == ".")
            continue;
        if (partie == ".." && !parties.isEmpty())
            parties.removeLast();
        else if (partie != "..")
            parties << partie;
    }
    return '/' + parties.join('/');
}

std::optional<QString> selonlocale(const QByteArray& nom) {
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0)
        return std::nullopt;
    std::mbstate_t etat{};
    QString texte;
    const char* p = nom.constData();
    std::size_t reste = std::size_t(nom.size());
    while (reste > 0) {
        wchar_t c = 0;
        const std::size_t n = std::mbrtowc(&c, p, reste, &etat);
        if (n == 0 || n == std::size_t(-1) || n == std::size_t(-2))
            return std::nullopt;
        const char32_t point = char32_t(c);
        texte += QString::fromUcs4(&point, 1);
        p += n;
        reste -= n;
    }
    return texte;
}

// How a name stored in the file system's bytes reads: UTF-8 as it is; else in the locale's
// character set when that is not UTF-8 (a Latin-1 system, say); else with every byte that is not
// part of a UTF-8 character shown as %XX.
QString affiche(const QByteArray& nom) {
    const auto decode = [](QByteArrayView octets, QString& texte) {
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        texte = utf8.decode(octets);
        return !utf8.hasError();
    };
    QString texte;
    if (decode(nom, texte))
        return texte;
    if (const std::optional<QString> locale = selonlocale(nom))
        return *locale;
    texte.clear();
    for (qsizetype i = 0; i < nom.size();) {
        const auto tete = static_cast<unsigned char>(nom[i]);
        const qsizetype n = tete < 0x80           ? 1
                            : (tete >> 5) == 0x6  ? 2
                            : (tete >> 4) == 0xe  ? 3
                            : (tete >> 3) == 0x1e ? 4
                                                  : 0;
        QString caractere;
        if (n > 0 && i + n <= nom.size() && decode(QByteArrayView(nom).sliced(i, n), caractere)) {
            texte += caractere;
            i += n;
        } else {
            texte += QStringLiteral("%%1").arg(tete, 2, 16, QLatin1Char('0')).toUpper();
            ++i;
        }
    }
    return texte;
}

// Sorted as the user reads them, whatever case.
QList<QByteArray> trie(const std::vector<std::string>& noms) {
    QList<QPair<QString, QByteArray>> paires;
    for (const std::string& nom : noms) {
        const QByteArray octets = QByteArray::fromStdString(nom);
        paires.append({affiche(octets), octets});
    }
    std::sort(paires.begin(), paires.end(), [](const auto& a, const auto& b) {
        const int ordre = a.first.compare(b.first, Qt::CaseInsensitive);
        return ordre != 0 ? ordre < 0 : a.second < b.second;
    });
    QList<QByteArray> resultat;
    for (const auto& paire : paires)
        resultat << paire.second;
    return resultat;
}

// The root of the deepest volume holding `chemin`, else the first one (the root volume).
QString volumecontenant(const QList<TVolume>& volumes, const QString& chemin) {
    if (volumes.isEmpty())
        return {};
    QString meilleure = volumes.first().racine;
    qsizetype longueur = -1;
    for (const TVolume& volume : volumes) {
        if (dans(brut(chemin), brut(volume.racine)) && volume.racine.size() > longueur) {
            meilleure = volume.racine;
            longueur = volume.racine.size();
        }
    }
    return meilleure;
}

// The directory tree shows one path, every level open: there is nothing to unfold, so no marks.
class ArbreRepertoires : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

} // namespace

TForm6::TForm6(const Langue& langue, Volumes& volumes)
    : langue_(langue), volumes_(volumes), languecreation_(langue.courante()) {
    setObjectName(QStringLiteral("Form6"));
    setFont(policestandard());
    setFixedSize(399, 253);
    setModal(true);
    FormCreate();
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

void TForm6::FormCreate() {
    choisi_ = false;
    // Where the chooser opens the first time: the start directory, on the deepest volume holding
    // it. Nothing more is read now: every showing lists the volumes and the directory as they are.
    const QString depart = QDir::cleanPath(volumes_.courant());
    volume_ = volumecontenant(volumes_.liste(), depart);
    const QByteArray octets = brut(depart);
    const QByteArray racine = brut(volume_);
    repertoire_ = estrepertoire(octets.toStdString()) && dans(octets, racine) ? nettoie(octets) : racine;
}

void TForm6::traduitcontroles() {
    legende(boutok, tr("Ok"));
    DirectoryListBox1->setAccessibleName(tr("Folders"));
    FileListBox1->setAccessibleName(tr("Files"));
    DriveComboBox1->setAccessibleName(tr("Drive"));
    Edit1->setAccessibleName(tr("File name"));
}

bool TForm6::lecteurpret(const QString& racine) const {
    return volumes_.pret(racine);
}

void TForm6::showEvent(QShowEvent* evenement) {
    choisi_ = false;
    // Volumes come and go, and files change between uses: show them as they are now, in the
    // directory the user left (or the nearest one that still exists).
    remplitvolumes();
    const QByteArray racine = brut(volume_);
    QByteArray chemin = repertoire_;
    while (!estrepertoire(chemin.toStdString()) && chemin != racine && dans(chemin, racine))
        chemin = dossierparent(chemin);
    ouvre(estrepertoire(chemin.toStdString()) ? chemin : racine);
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
    for (const TVolume& volume : volumes_.liste()) {
        const QString texte =
            volume.nom.isEmpty() ? volume.racine : volume.racine + QStringLiteral(" [%1]").arg(volume.nom);
        DriveComboBox1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), texte, volume.racine);
    }
    const int index = DriveComboBox1->findData(volume_);
    DriveComboBox1->setCurrentIndex(std::max(index, 0));
    if (index < 0) {
        volume_ = DriveComboBox1->currentData().toString();
        repertoire_ = brut(volume_);
    }
}

void TForm6::changelect() {
    construit();
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
    ouvre(brut(racine));
}

QString TForm6::repertoire() const {
    return affiche(repertoire_);
}

void TForm6::ouvre(const QByteArray& chemin) {
    const QByteArray racine = nettoie(brut(volume_));
    repertoire_ = nettoie(chemin);
    if (!dans(repertoire_, racine))
        repertoire_ = racine;
    DirectoryListBox1->clear();
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);

    auto* element = new QTreeWidgetItem(DirectoryListBox1, {volume_});
    element->setIcon(0, style()->standardIcon(QStyle::SP_DriveHDIcon));
    element->setData(0, rolechemin, racine);
    QByteArray courant = racine;
    for (const QByteArray& partie : repertoire_.mid(racine.size()).split('/')) {
        if (partie.isEmpty())
            continue;
        courant = joint(courant, partie);
        element = new QTreeWidgetItem(element, {affiche(partie)});
        element->setIcon(0, ouvert);
        element->setData(0, rolechemin, courant);
    }
    QTreeWidgetItem* ouvertici = element;
    for (const QByteArray& nom : trie(contenurepertoire(repertoire_.toStdString()).dossiers)) {
        auto* sous = new QTreeWidgetItem(ouvertici, {affiche(nom)});
        sous->setIcon(0, ferme);
        sous->setData(0, rolechemin, joint(repertoire_, nom));
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
        ouvre(element->data(0, rolechemin).toByteArray());
}

void TForm6::remplitfichiers() {
    const QSignalBlocker bloqueur(FileListBox1);
    FileListBox1->clear();
    for (const QByteArray& nom : trie(contenurepertoire(repertoire_.toStdString()).fichiers)) {
        auto* element = new QListWidgetItem(affiche(nom), FileListBox1);
        element->setData(rolechemin, nom);
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
    // The file picked in the list is named by its own bytes, whatever they look like when shown.
    const QList<QListWidgetItem*> selection = FileListBox1->selectedItems();
    if (!selection.isEmpty() && selection.first()->text() == Edit1->text())
        return TChoixFichier{repertoire_.toStdString(),
                             selection.first()->data(rolechemin).toByteArray().toStdString(), true};
    return TChoixFichier{repertoire_.toStdString(), QFile::encodeName(Edit1->text()).toStdString(), false};
}

std::optional<TChoixFichier> TForm6::demandechargement() {
    return demande(tr("Select the file to load"), true);
}

std::optional<TChoixFichier> TForm6::demandeenregistrement() {
    return demande(tr("Save file"), false);
}

} // namespace vormigral
