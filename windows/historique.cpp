#include "windows/historique.h"

#include "engine/cases.h"
#include "engine/serie.h"
#include "files/ecriture.h"
#include "windows/bilanargent.h"
#include "windows/colonnes.h"
#include "windows/legendes.h"
#include "windows/outils.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <set>

namespace vormigral {

namespace {

// Every text of the history window and of its import preview, in both languages. Entries named
// "acc:<control>" are the accessible names of controls that show no text of their own.
const Legende legendeshistorique[] = {
    {"", "Historique des tirages", "Draw history"},
    {"ongletTirages", "&Tirages enregistrés", "&Stored draws"},
    {"ongletVerification", "&Vérification des grilles", "&Grid check"},
    {"gajout", "Ajouter un tirage", "Add a draw"},
    {"ldate", "&Date :", "&Date:"},
    {"lnum1", "&1", "&1"},
    {"lnum2", "&2", "&2"},
    {"lnum3", "&3", "&3"},
    {"lnum4", "&4", "&4"},
    {"lnum5", "&5", "&5"},
    {"lnum6", "&6", "&6"},
    {"lnumc", "&Comp.", "&Bonus"},
    {"bajouter", "&Ajouter", "&Add"},
    {"bsupprimer", "&Supprimer…", "De&lete…"},
    {"bimporter", "&Importer un fichier…", "&Import a file…"},
    {"rtous", "T&ous les tirages", "A&ll draws"},
    {"rperiode", "&Du", "&From"},
    {"lau", "a&u", "&to"},
    {"bverifier", "Vérifier &mes grilles", "Check &my grids"},
    {"bexporter", "&Exporter en CSV…", "&Export as CSV…"},
    {"bfermer", "&Fermer", "&Close"},
    {"acc:onglets", "Pages de l'historique", "History pages"},
    {"acc:vuetirages", "Liste des tirages enregistrés", "List of the stored draws"},
    {"acc:edate", "Date du tirage à ajouter", "Date of the draw to add"},
    {"acc:enum1", "Numéro 1 du tirage à ajouter", "Number 1 of the draw to add"},
    {"acc:enum2", "Numéro 2 du tirage à ajouter", "Number 2 of the draw to add"},
    {"acc:enum3", "Numéro 3 du tirage à ajouter", "Number 3 of the draw to add"},
    {"acc:enum4", "Numéro 4 du tirage à ajouter", "Number 4 of the draw to add"},
    {"acc:enum5", "Numéro 5 du tirage à ajouter", "Number 5 of the draw to add"},
    {"acc:enum6", "Numéro 6 du tirage à ajouter", "Number 6 of the draw to add"},
    {"acc:enumc", "Complémentaire du tirage à ajouter", "Bonus number of the draw to add"},
    {"acc:edebut", "Début de la période", "Start of the period"},
    {"acc:efin", "Fin de la période", "End of the period"},
    {"acc:vuebilan", "Résultat par tirage", "Result per draw"},
    {"acc:listerejets", "Lignes rejetées", "Rejected lines"},
    {"coldate", "Date", "Date"},
    {"colcomp", "Comp.", "Bonus"},
    {"coltirage", "Tirage", "Draw"},
    {"colmeilleure", "Meilleur rang", "Best class"},
    {"col6", "6", "6"},
    {"col5c", "5+C", "5+B"},
    {"col5", "5", "5"},
    {"col4c", "4+C", "4+B"},
    {"col4", "4", "4"},
    {"col3c", "3+C", "3+B"},
    {"col3", "3", "3"},
    {"coltrouves", "Trouvés", "Found"},
    {"colpromesse", "Promesse", "Promise"},
    {"bullecompte", "Nombre de grilles de ce rang", "Number of grids in this class"},
    {"bulletrouves", "Numéros tirés parmi vos numéros cochés", "Drawn numbers among your ticked numbers"},
    {"bullepromesse", "La garantie de la méthode vaut quand assez de numéros tirés sont parmi vos numéros",
     "The method's guarantee holds when enough drawn numbers are among your numbers"},
    {"classe0", "—", "—"},
    {"classe1", "3 numéros", "3 numbers"},
    {"classe2", "3 + Comp.", "3 + Bonus"},
    {"classe3", "4 numéros", "4 numbers"},
    {"classe4", "4 + Comp.", "4 + Bonus"},
    {"classe5", "5 numéros", "5 numbers"},
    {"classe6", "5 + Comp.", "5 + Bonus"},
    {"classe7", "6 numéros", "6 numbers"},
    {"promesse0", "sans objet", "not applicable"},
    {"promesse1", "tenue", "kept"},
    {"promesse2", "manquée", "missed"},
    {"csvnumero", "N%1", "N%1"},
    {"csvcomp", "Complémentaire", "Bonus"},
    {"csvtrouves", "Trouvés parmi vos numéros", "Found among your numbers"},
    {"titreimport", "Importer des tirages", "Import draws"},
    {"filtreimport", "Fichiers de tirages (*.csv *.txt *.tsv);;Tous les fichiers (*)",
     "Draw files (*.csv *.txt *.tsv);;All files (*)"},
    {"titreexport", "Exporter la vérification", "Export the check"},
    {"filtreexport", "Fichiers CSV (*.csv)", "CSV files (*.csv)"},
    {"nomexport", "verification-grilles.csv", "grid-check.csv"},
    {"nombre0", "Aucun tirage enregistré : importez un fichier ou ajoutez un tirage.",
     "No draw stored: import a file or add a draw."},
    {"nombre1", "1 tirage enregistré, le %1.", "1 draw stored, on %1."},
    {"nombren", "%1 tirages enregistrés, du %2 au %3.", "%1 draws stored, from %2 to %3."},
    {"indisponible", "Historique indisponible : %1.", "History unavailable: %1."},
    {"verification", "Méthode %1 : %2 grilles sur vos %3 numéros ; tirages comparés : %4.",
     "Method %1: %2 grids over your %3 numbers; draws compared: %4."},
    {"totaux", "Grilles gagnantes sur la période : %1.", "Winning grids over the period: %1."},
    {"promesse",
     "Garantie de la méthode (%1 si %2) : tirages où elle s'applique : %3 ; où elle est tenue : %4.",
     "The method's guarantee (%1 if %2): draws where it applies: %3; where it is kept: %4."},
    {"deuxpoints", " : ", ": "},
    {"selectionincorrecte", "Sélection incorrecte", "Incorrect Selection"},
    {"periodeinversee", "Le début de la période est après sa fin.",
     "The start of the period is after its end."},
    {"periodevide", "Aucun tirage enregistré dans cette période.", "No draw stored in this period."},
    {"ajoutincomplet", "Choisissez les six numéros et le complémentaire.",
     "Choose the six numbers and the bonus number."},
    {"ajoutimpossible", "Tirage non ajouté : %1.", "Draw not added: %1."},
    {"dejaenregistre", "ce tirage est déjà enregistré", "this draw is already stored"},
    {"choixsuppression", "Choisissez d'abord dans la liste le ou les tirages à supprimer.",
     "First choose in the list the draw or draws to delete."},
    {"confirmeun", "Supprimer le tirage du %1 ?", "Delete the draw of %1?"},
    {"confirmeplusieurs", "Supprimer les %1 tirages choisis ?", "Delete the %1 chosen draws?"},
    {"titreconfirmation", "Confirmation", "Confirm"},
    {"echececriture", "L'historique n'a pas été modifié : %1", "The history was not changed: %1"},
    {"titreimportrefuse", "Importation refusée", "Import refused"},
    {"pastexte", "%1 n'est pas un fichier texte : rien n'a été importé.",
     "%1 is not a text file: nothing was imported."},
    {"troplong", "%1 est trop grand pour être un fichier de tirages : rien n'a été importé.",
     "%1 is too large to be a draw file: nothing was imported."},
    {"enteteinconnue", "La ligne d'en-tête de %1 n'a pas de colonne pour %2 : rien n'a été importé.",
     "The header line of %1 has no column for %2: nothing was imported."},
    {"colonnedate", "la date", "the date"},
    {"colonneboule", "le numéro %1", "number %1"},
    {"colonnecomp", "le complémentaire", "the bonus number"},
    {"aucunevalide", "%1 ne contient aucune ligne de tirage valable : rien n'a été importé.",
     "%1 holds no valid draw line: nothing was imported."},
    {"aucunevalidemotif", "%1 ne contient aucune ligne de tirage valable (%2) : rien n'a été importé.",
     "%1 holds no valid draw line (%2): nothing was imported."},
    {"lignemotif", "ligne %1 : %2", "line %1: %2"},
    {"illisible", "%1 ne peut pas être lu : %2", "%1 cannot be read: %2"},
    {"dossier", "%1 est un dossier : rien n'a été importé.", "%1 is a folder: nothing was imported."},
    {"pasfichier",
     "%1 n'est pas un fichier ordinaire (c'est un tube nommé, un périphérique ou une socket) : rien n'a été "
     "importé.",
     "%1 is not a regular file (it is a named pipe, a device or a socket): nothing was imported."},
    {"motifchamps", "nombre de champs incorrect", "wrong number of fields"},
    {"motifdate", "date illisible (JJ/MM/AAAA ou AAAA-MM-JJ attendu)",
     "unreadable date (DD/MM/YYYY or YYYY-MM-DD expected)"},
    {"motifdateinexistante", "cette date n'existe pas", "no such date"},
    {"motifannee", "l'année est hors des années acceptées (de 1900 à aujourd'hui)",
     "the year is outside the years accepted (1900 to today)"},
    {"motiffuture", "cette date est après aujourd'hui", "this date is after today"},
    {"motifordrejour", "cette date n'existe pas lue jour avant mois, comme les dates de ce fichier",
     "no such date read day first, as this file's dates are"},
    {"motifordremois", "cette date n'existe pas lue mois avant jour, comme les dates de ce fichier",
     "no such date read month first, as this file's dates are"},
    {"motifnombre", "un numéro manque ou n'est pas un nombre entier",
     "a number is missing or not a whole number"},
    {"motifhorsplage", "un numéro n'est pas entre 1 et 49", "a number is not between 1 and 49"},
    {"motifrepete", "un numéro figure deux fois parmi les six", "a number appears twice among the six"},
    {"motifcomplementaire", "le complémentaire est aussi un des six numéros",
     "the bonus number is also one of the six"},
    {"motifrepetition", "même tirage qu'à la ligne %1", "same draw as line %1"},
    {"motifcontradiction", "même date et mêmes numéros qu'à la ligne %1, autre complémentaire",
     "same date and numbers as line %1, another bonus number"},
    {"motifcontradictionbase", "déjà enregistré avec un autre complémentaire",
     "already stored with another bonus number"},
    {"apercu", "Aperçu de l'importation", "Import preview"},
    {"lfichier", "Fichier : %1", "File: %1"},
    {"lresume", "À ajouter : %1 · Déjà enregistrés (ignorés) : %2 · Lignes rejetées : %3",
     "To add: %1 · Already stored (skipped): %2 · Rejected lines: %3"},
    {"ordrejour", "Les dates de ce fichier sont lues jour avant mois (JJ/MM/AAAA).",
     "The dates of this file are read day first (DD/MM/YYYY)."},
    {"ordremois", "Les dates de ce fichier sont lues mois avant jour (MM/JJ/AAAA).",
     "The dates of this file are read month first (MM/DD/YYYY)."},
    {"ordreannee", "Les dates de ce fichier sont lues année d'abord (AAAA-MM-JJ).",
     "The dates of this file are read year first (YYYY-MM-DD)."},
    {"exemples", "Premières dates lues : %1.", "First dates read: %1."},
    {"exemple", "%1 = %2", "%1 = %2"},
    {"plusrejets1", "… et 1 autre ligne rejetée, non détaillée.", "… and 1 more rejected line, not listed."},
    {"plusrejets", "… et %1 autres lignes rejetées, non détaillées.",
     "… and %1 more rejected lines, not listed."},
    {"lrejets", "&Lignes rejetées :", "&Rejected lines:"},
    {"aucunrejet", "Aucune ligne rejetée.", "No line rejected."},
    {"colligne", "Ligne", "Line"},
    {"colmotif", "Motif", "Reason"},
    {"colcontenu", "Contenu", "Content"},
    {"bstocker", "&Enregistrer les %1 tirages", "&Store the %1 draws"},
    {"bstocker1", "&Enregistrer le tirage", "&Store the draw"},
    {"bstocker0", "Rien à enregistrer", "Nothing to store"},
    {"bannuler", "Annuler", "Cancel"},
    {"baseremplacee",
     "Le fichier de l'historique était endommagé (%1). Il est gardé sous le nom %2 et un historique vide a "
     "été créé à sa place.",
     "The history file was damaged (%1). It is kept as %2 and an empty history was made in its place."},
    {"baseechec", "L'historique des tirages ne peut pas être ouvert : %1.",
     "The draw history cannot be opened: %1."},
    {"causedossier", "le dossier %1 ne peut pas être créé", "the folder %1 cannot be created"},
    {"causeouverture", "SQLite ne peut pas ouvrir %1 (%2)", "SQLite cannot open %1 (%2)"},
    {"causeillisible", "ce n'est pas une base SQLite", "it is not an SQLite database"},
    {"causeendommagee", "SQLite y a trouvé des erreurs", "SQLite found errors in it"},
    {"causeinconnue", "il ne contient pas un historique de tirages", "it does not hold a draw history"},
    {"causerecente", "%1 a été créé par une version plus récente de VORMIGRAL",
     "%1 was made by a newer version of VORMIGRAL"},
    {"causerenommage", "%1 est endommagé et ne peut pas être mis de côté (%2)",
     "%1 is damaged and cannot be set aside (%2)"},
    {"echecexport", "%1 n'a pas pu être écrit : %2", "%1 could not be written: %2"},
};

QString legendehistorique(const char* cle, bool en) {
    return texte(legendeshistorique, cle, en);
}

// The accessible names: from the table where a control shows no text, else its own caption.
void nommecontroles(QWidget* fenetre, bool en) {
    appliquenoms(fenetre, legendeshistorique, en);
    for (auto* bouton : fenetre->findChildren<QAbstractButton*>())
        if (!bouton->text().isEmpty())
            bouton->setAccessibleName(QString(bouton->text()).remove(QLatin1Char('&')));
}

TDate depuisqdate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

QDate versqdate(const TDate& d) {
    return QDate(d.annee, d.mois, d.jour);
}

QString jour(const TDate& d) {
    return QString::fromStdString(datecourte(d));
}

QString deuxchiffres(std::int32_t n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Classes from the best down, as the columns run.
constexpr TClasse classesdecroissantes[] = {TClasse::nb6, TClasse::nb5c, TClasse::nb5, TClasse::nb4c,
                                            TClasse::nb4, TClasse::nb3c, TClasse::nb3};
const char* const colonnesclasses[] = {"col6", "col5c", "col5", "col4c", "col4", "col3c", "col3"};

QString nomclasse(TClasse k, bool en) {
    const std::string cle = "classe" + std::to_string(static_cast<int>(k));
    return legendehistorique(cle.c_str(), en);
}

QString nompromesse(TPromesse p, bool en) {
    const std::string cle = "promesse" + std::to_string(static_cast<int>(p));
    return legendehistorique(cle.c_str(), en);
}

// Why a line was rejected; `ordre` is how the file's dates were read.
QString motif(const TLigneRejetee& rejet, bool en, TOrdreDates ordre = TOrdreDates::jourmois) {
    switch (rejet.motif) {
    case TMotif::champs:
        return legendehistorique("motifchamps", en);
    case TMotif::date:
        return legendehistorique("motifdate", en);
    case TMotif::dateinexistante:
        return legendehistorique("motifdateinexistante", en);
    case TMotif::annee:
        return legendehistorique("motifannee", en);
    case TMotif::future:
        return legendehistorique("motiffuture", en);
    case TMotif::ordre:
        return legendehistorique(ordre == TOrdreDates::moisjour ? "motifordremois" : "motifordrejour", en);
    case TMotif::nombre:
        return legendehistorique("motifnombre", en);
    case TMotif::horsplage:
        return legendehistorique("motifhorsplage", en);
    case TMotif::repete:
        return legendehistorique("motifrepete", en);
    case TMotif::complementaire:
        return legendehistorique("motifcomplementaire", en);
    case TMotif::repetition:
        return legendehistorique("motifrepetition", en).arg(rejet.autre);
    case TMotif::contradiction:
        return rejet.autre > 0 ? legendehistorique("motifcontradiction", en).arg(rejet.autre)
                               : legendehistorique("motifcontradictionbase", en);
    case TMotif::aucun:
        break;
    }
    return QString();
}

// How the file's dates are read, and its first dates as written and as read, spelt out so that a
// day read as a month shows.
QString textedates(const TProjetImport& apercu, bool en) {
    const char* cle = apercu.ordre == TOrdreDates::moisjour ? "ordremois"
                      : apercu.ordre == TOrdreDates::annee  ? "ordreannee"
                                                            : "ordrejour";
    QString texte = legendehistorique(cle, en);
    if (apercu.exemples.empty())
        return texte;
    const QLocale langue(en ? QLocale::English : QLocale::French);
    QStringList exemples;
    for (const TDateExemple& e : apercu.exemples)
        exemples << legendehistorique("exemple", en)
                        .arg(QString::fromStdString(e.texte),
                             langue.toString(versqdate(e.date), QStringLiteral("d MMMM yyyy")));
    return texte + QLatin1Char(' ') +
           legendehistorique("exemples", en).arg(exemples.join(QStringLiteral(" · ")));
}

} // namespace

// The stored draws, as the list shows them: date, six numbers, complementary.
class ModeleTirages : public QAbstractTableModel {
public:
    explicit ModeleTirages(QObject* parent) : QAbstractTableModel(parent) {}

    void montre(const std::vector<TTirageDate>* tirages) {
        beginResetModel();
        tirages_ = tirages;
        endResetModel();
    }
    void traduit(bool en) {
        en_ = en;
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !tirages_ ? 0 : static_cast<int>(tirages_->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 8; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || !tirages_)
            return {};
        if (role == Qt::TextAlignmentRole)
            return index.column() == 0 ? QVariant() : QVariant(Qt::AlignCenter);
        if (role != Qt::DisplayRole)
            return {};
        const TTirageDate& t = (*tirages_)[static_cast<std::size_t>(index.row())];
        const int c = index.column();
        if (c == 0)
            return jour(t.date);
        return c <= 6 ? t.tirage.numeros[static_cast<std::size_t>(c - 1)] : t.tirage.complementaire;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (section == 0)
            return legendehistorique("coldate", en_);
        return section <= 6 ? QString::number(section) : legendehistorique("colcomp", en_);
    }

private:
    const std::vector<TTirageDate>* tirages_ = nullptr;
    bool en_ = false;
};

// The check, one row per draw; Qt::UserRole carries the value each column sorts by.
class ModeleRecapitulatif : public QAbstractTableModel {
public:
    static constexpr int nbcolonnes = 12;

    explicit ModeleRecapitulatif(QObject* parent) : QAbstractTableModel(parent) {}

    void montre(TRecapitulatif bilan) {
        beginResetModel();
        bilan_ = std::move(bilan);
        endResetModel();
    }
    const TRecapitulatif& recapitulatif() const { return bilan_; }
    void traduit(bool en) {
        en_ = en;
        emit headerDataChanged(Qt::Horizontal, 0, nbcolonnes - 1);
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, nbcolonnes - 1));
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(bilan_.tirages.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : nbcolonnes;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        const TRecapTirage& b = bilan_.tirages[static_cast<std::size_t>(index.row())];
        const int c = index.column();
        switch (role) {
        case Qt::DisplayRole:
            return affiche(b, c);
        case Qt::UserRole:
            return cle(b, c);
        case Qt::TextAlignmentRole:
            return c >= 3 && c <= 10 ? QVariant(Qt::AlignCenter) : QVariant();
        case Qt::ForegroundRole:
            if (c == 11 && b.promesse == TPromesse::manquee)
                return QColor(Qt::red);
            return {};
        case Qt::FontRole:
            // A prize reached stands out in a long list of draws that won nothing.
            return c == 2 && b.meilleure != TClasse::aucune ? QVariant(policestandard(true)) : QVariant();
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= nbcolonnes)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (role == Qt::ToolTipRole) {
            if (section >= 3 && section <= 9)
                return legendehistorique("bullecompte", en_);
            if (section == 10)
                return legendehistorique("bulletrouves", en_);
            return section == 11 ? legendehistorique("bullepromesse", en_) : QVariant();
        }
        if (role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        const char* const cles[nbcolonnes] = {"coldate", "coltirage", "colmeilleure", "col6",
                                              "col5c",   "col5",      "col4c",        "col4",
                                              "col3c",   "col3",      "coltrouves",   "colpromesse"};
        return legendehistorique(cles[section], en_);
    }

private:
    QVariant affiche(const TRecapTirage& b, int c) const {
        if (c == 0)
            return jour(b.tirage.date);
        if (c == 1) {
            QStringList numeros;
            for (const std::int32_t n : b.tirage.tirage.numeros)
                numeros << deuxchiffres(n);
            return numeros.join(QLatin1Char(' ')) + QStringLiteral(" + ") +
                   deuxchiffres(b.tirage.tirage.complementaire);
        }
        if (c == 2)
            return nomclasse(b.meilleure, en_);
        if (c <= 9)
            return b.compteurs[classesdecroissantes[c - 3]];
        if (c == 10)
            return b.trouves;
        return nompromesse(b.promesse, en_);
    }

    QVariant cle(const TRecapTirage& b, int c) const {
        if (c <= 1)
            return b.tirage.date.cle();
        if (c == 2)
            return static_cast<int>(b.meilleure);
        if (c <= 9)
            return b.compteurs[classesdecroissantes[c - 3]];
        if (c == 10)
            return b.trouves;
        return static_cast<int>(b.promesse);
    }

    TRecapitulatif bilan_;
    bool en_ = false;
};

THistorique::THistorique(TEtat& etat, const Plateforme& plateforme, QWidget* parent)
    : QDialog(parent), etat_(etat), plateforme_(plateforme) {
    setObjectName(QStringLiteral("Historique"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(policestandard());
    construitfenetre();
    resize(860, 560);
    traduithistorique();
}

THistorique::~THistorique() = default;

const TRecapitulatif& THistorique::recapitulatif() const {
    return modelerecap_->recapitulatif();
}

QString THistorique::legende(const char* cle) const {
    return legendehistorique(cle, anglais(etat_));
}

void THistorique::construitfenetre() {
    auto* disposition = new QVBoxLayout(this);
    onglets_ = new QTabWidget(this);
    onglets_->setObjectName(QStringLiteral("onglets"));
    onglets_->addTab(pagetirages(), QString());
    onglets_->addTab(pageverification(), QString());
    // Enter runs the command of the page in view.
    connect(onglets_, &QTabWidget::currentChanged, this,
            [this](int page) { (page == 0 ? bajouter_ : bverifier_)->setDefault(true); });
    disposition->addWidget(onglets_);
    auto* fermer = new QPushButton(this);
    fermer->setObjectName(QStringLiteral("bfermer"));
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(fermer);
    disposition->addLayout(bas);
}

namespace {

template <class T> T* nomme(T* widget, const char* nom) {
    widget->setObjectName(QString::fromLatin1(nom));
    return widget;
}

QPushButton* bouton(QWidget* parent, const char* nom) {
    auto* b = nomme(new QPushButton(parent), nom);
    // Enter in a field must not fire whichever button happens to be the default.
    b->setAutoDefault(false);
    return b;
}

QDateEdit* champdate(QWidget* parent, const char* nom, const QDate& aujourdhui) {
    auto* d = nomme(new QDateEdit(parent), nom);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    d->setDateRange(QDate(premiereannee, 1, 1), QDate(derniereannee, 12, 31));
    d->setDate(aujourdhui);
    return d;
}

QLabel* etiquettepour(QWidget* parent, const char* nom, QWidget* champ) {
    auto* l = nomme(new QLabel(parent), nom);
    l->setBuddy(champ);
    return l;
}

void reglevue(QTableView* vue) {
    vue->setSelectionBehavior(QAbstractItemView::SelectRows);
    vue->setAlternatingRowColors(true);
    vue->verticalHeader()->hide();
    vue->verticalHeader()->setDefaultSectionSize(vue->fontMetrics().height() + 6);
    vue->setTabKeyNavigation(false);
    vue->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

} // namespace

QWidget* THistorique::pagetirages() {
    auto* page = new QWidget;
    auto* disposition = new QVBoxLayout(page);

    vuetirages_ = nomme(new QTableView(page), "vuetirages");
    modeletirages_ = new ModeleTirages(this);
    modeletirages_->montre(&tirages_);
    vuetirages_->setModel(modeletirages_);
    reglevue(vuetirages_);
    vuetirages_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    vuetirages_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* effacer = new QAction(vuetirages_);
    effacer->setShortcut(QKeySequence::Delete);
    effacer->setShortcutContext(Qt::WidgetShortcut);
    vuetirages_->addAction(effacer);
    connect(effacer, &QAction::triggered, this, &THistorique::supprimeclick);
    disposition->addWidget(vuetirages_, 1);

    lnombre_ = nomme(new QLabel(page), "lnombre");
    lnombre_->setWordWrap(true);
    disposition->addWidget(lnombre_);

    auto* ajout = nomme(new QGroupBox(page), "gajout");
    auto* grille = new QGridLayout(ajout);
    edate_ = champdate(ajout, "edate", plateforme_.horloge.aujourdhui());
    grille->addWidget(etiquettepour(ajout, "ldate", edate_), 0, 0);
    grille->addWidget(edate_, 1, 0);
    const char* noms[7][2] = {{"lnum1", "enum1"}, {"lnum2", "enum2"}, {"lnum3", "enum3"}, {"lnum4", "enum4"},
                              {"lnum5", "enum5"}, {"lnum6", "enum6"}, {"lnumc", "enumc"}};
    for (std::size_t i = 0; i < numeros_.size(); ++i) {
        auto* numero = nomme(new QSpinBox(ajout), noms[i][1]);
        // 0 is "not chosen yet", shown as a dash, so a forgotten number is never taken for a 1.
        numero->setRange(0, 49);
        numero->setSpecialValueText(QStringLiteral("–"));
        numero->setAlignment(Qt::AlignCenter);
        numeros_[i] = numero;
        const int colonne = static_cast<int>(i) + 1 + (i == 6 ? 1 : 0);
        grille->addWidget(etiquettepour(ajout, noms[i][0], numero), 0, colonne, Qt::AlignHCenter);
        grille->addWidget(numero, 1, colonne);
    }
    grille->setColumnMinimumWidth(7, 12);
    bajouter_ = bouton(ajout, "bajouter");
    bajouter_->setDefault(true);
    connect(bajouter_, &QPushButton::clicked, this, &THistorique::ajouteclick);
    grille->addWidget(bajouter_, 1, 9);
    grille->setColumnStretch(10, 1);
    disposition->addWidget(ajout);

    auto* actions = new QHBoxLayout;
    bsupprimer_ = bouton(page, "bsupprimer");
    connect(bsupprimer_, &QPushButton::clicked, this, &THistorique::supprimeclick);
    bimporter_ = bouton(page, "bimporter");
    connect(bimporter_, &QPushButton::clicked, this, &THistorique::importeclick);
    actions->addWidget(bsupprimer_);
    actions->addStretch();
    actions->addWidget(bimporter_);
    disposition->addLayout(actions);
    return page;
}

QWidget* THistorique::pageverification() {
    auto* page = new QWidget;
    auto* disposition = new QVBoxLayout(page);

    auto* choix = new QHBoxLayout;
    rtous_ = nomme(new QRadioButton(page), "rtous");
    rtous_->setChecked(true);
    rperiode_ = nomme(new QRadioButton(page), "rperiode");
    const QDate aujourdhui = plateforme_.horloge.aujourdhui();
    edebut_ = champdate(page, "edebut", aujourdhui);
    efin_ = champdate(page, "efin", aujourdhui);
    choix->addWidget(rtous_);
    choix->addSpacing(16);
    choix->addWidget(rperiode_);
    choix->addWidget(edebut_);
    choix->addWidget(etiquettepour(page, "lau", efin_));
    choix->addWidget(efin_);
    choix->addStretch();
    bverifier_ = bouton(page, "bverifier");
    connect(bverifier_, &QPushButton::clicked, this, &THistorique::verifieclick);
    choix->addWidget(bverifier_);
    disposition->addLayout(choix);
    // Picking a date means the period is wanted.
    for (QDateEdit* d : {edebut_, efin_})
        connect(d, &QDateEdit::dateChanged, rperiode_, [this] { rperiode_->setChecked(true); });

    lverification_ = nomme(new QLabel(page), "lverification");
    lverification_->setWordWrap(true);
    disposition->addWidget(lverification_);

    vuebilan_ = nomme(new QTableView(page), "vuebilan");
    modelerecap_ = new ModeleRecapitulatif(this);
    tri_ = new QSortFilterProxyModel(this);
    tri_->setSourceModel(modelerecap_);
    tri_->setSortRole(Qt::UserRole);
    vuebilan_->setModel(tri_);
    reglevue(vuebilan_);
    vuebilan_->setSelectionMode(QAbstractItemView::SingleSelection);
    vuebilan_->setSortingEnabled(true);
    vuebilan_->sortByColumn(0, Qt::DescendingOrder);
    auto* entete = vuebilan_->horizontalHeader();
    entete->setSectionResizeMode(QHeaderView::ResizeToContents);
    entete->setStretchLastSection(true);
    disposition->addWidget(vuebilan_, 1);

    ltotaux_ = nomme(new QLabel(page), "ltotaux");
    ltotaux_->setWordWrap(true);
    ltotaux_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    disposition->addWidget(ltotaux_);

    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bargent_ = bouton(page, "bargent");
    bargent_->setEnabled(false);
    connect(bargent_, &QPushButton::clicked, this, &THistorique::argentclick);
    bas->addWidget(bargent_);
    bexporter_ = bouton(page, "bexporter");
    bexporter_->setEnabled(false);
    connect(bexporter_, &QPushButton::clicked, this, &THistorique::exporteclick);
    bas->addWidget(bexporter_);
    disposition->addLayout(bas);
    return page;
}

void THistorique::traduithistorique() {
    const bool en = anglais(etat_);
    appliquelegendes(this, legendeshistorique, en);
    onglets_->setTabText(0, legendehistorique("ongletTirages", en));
    onglets_->setTabText(1, legendehistorique("ongletVerification", en));
    bargent_->setText(TFenetreArgent::libellebouton());
    nommecontroles(this, en);
    onglets_->tabBar()->setAccessibleName(onglets_->accessibleName());
    modeletirages_->traduit(en);
    modelerecap_->traduit(en);
    affichenombre();
}

void THistorique::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    // A check belongs to the ticks and method of its time, which may have changed since.
    modelerecap_->montre(TRecapitulatif{});
    lverification_->clear();
    ltotaux_->clear();
    bexporter_->setEnabled(false);
    bargent_->setEnabled(false);
    if (argent_)
        argent_->hide();
    traduithistorique();
    if (!centree_) {
        centree_ = true;
        centreecran(this);
    }
    ouvrebase();
}

void THistorique::probleme(const char* cle, const QString& premier, const QString& second) {
    const bool en = anglais(etat_);
    QString message = legendehistorique(cle, en);
    // One call for both, so that a "%" in a file name is never taken for a place to fill.
    if (!second.isNull())
        message = message.arg(premier, second);
    else if (!premier.isNull())
        message = message.arg(premier);
    plateforme_.messages.message(message, texte(titreprobleme, en), Boutons::Ok, Icone::Exclamation);
}

void THistorique::ouvrebase() {
    if (base_ && base_->ouverte())
        return;
    const bool en = anglais(etat_);
    base_ = creestockagetirages();
    const QString dossier = plateforme_.systeme.repertoiredonnees();
    const TStockageTirages::TOuverture o = base_->ouvre(dossier);
    const QString fichier = QDir::toNativeSeparators(base_->chemin());
    QString cause;
    switch (o.cause) {
    case TStockageTirages::TCause::aucune:
        break;
    case TStockageTirages::TCause::dossier:
        cause = legendehistorique("causedossier", en).arg(QDir::toNativeSeparators(dossier));
        break;
    case TStockageTirages::TCause::ouverture:
        cause = legendehistorique("causeouverture", en).arg(fichier, o.detail);
        break;
    case TStockageTirages::TCause::illisible:
        cause = legendehistorique("causeillisible", en);
        break;
    case TStockageTirages::TCause::endommagee:
        cause = legendehistorique("causeendommagee", en);
        break;
    case TStockageTirages::TCause::inconnue:
        cause = legendehistorique("causeinconnue", en);
        break;
    case TStockageTirages::TCause::recente:
        cause = legendehistorique("causerecente", en).arg(fichier);
        break;
    case TStockageTirages::TCause::renommage:
        cause = legendehistorique("causerenommage", en).arg(fichier, o.detail);
        break;
    }
    causeindisponible_.clear();
    if (o.etat == TStockageTirages::TIssue::remplacee) {
        plateforme_.messages.message(
            legendehistorique("baseremplacee", en).arg(cause, QDir::toNativeSeparators(o.miseacote)),
            legendehistorique("", en), Boutons::Ok, Icone::Exclamation);
    } else if (o.etat == TStockageTirages::TIssue::echec) {
        causeindisponible_ = cause;
        plateforme_.messages.message(legendehistorique("baseechec", en).arg(cause), legendehistorique("", en),
                                     Boutons::Ok, Icone::Exclamation);
    }
    recharge();
}

void THistorique::recharge() {
    QString erreur;
    tirages_ = base_ && base_->ouverte() ? base_->tirages(&erreur) : std::vector<TTirageDate>{};
    if (!erreur.isEmpty())
        causeindisponible_ = erreur;
    modeletirages_->montre(&tirages_);
    const bool disponible = causeindisponible_.isEmpty();
    for (QWidget* w : {static_cast<QWidget*>(bajouter_), static_cast<QWidget*>(bsupprimer_),
                       static_cast<QWidget*>(bimporter_)})
        w->setEnabled(disponible);
    if (!tirages_.empty()) {
        QSignalBlocker a(edebut_);
        QSignalBlocker b(efin_);
        edebut_->setDate(versqdate(tirages_.back().date));
        efin_->setDate(versqdate(tirages_.front().date));
    }
    affichenombre();
}

void THistorique::affichenombre() {
    if (!causeindisponible_.isEmpty())
        lnombre_->setText(legende("indisponible").arg(causeindisponible_));
    else if (tirages_.empty())
        lnombre_->setText(legende("nombre0"));
    else if (tirages_.size() == 1)
        lnombre_->setText(legende("nombre1").arg(jour(tirages_.front().date)));
    else
        lnombre_->setText(legende("nombren")
                              .arg(static_cast<qulonglong>(tirages_.size()))
                              .arg(jour(tirages_.back().date), jour(tirages_.front().date)));
}

bool THistorique::enregistre(const std::vector<TTirageDate>& nouveaux, const std::vector<TGains>& gains) {
    TStockageTirages::TBilan bilan;
    bilan.erreur = TStockageTirages::TErreur::fermee;
    if (base_)
        bilan = base_->stocke(nouveaux, {}, gains);
    if (!bilan.reussi()) {
        probleme("echececriture", bilan.detail);
        return false;
    }
    recharge();
    return true;
}

void THistorique::ajouteclick() {
    TTirageDate t;
    t.date = depuisqdate(edate_->date());
    for (std::size_t i = 0; i < 6; ++i)
        t.tirage.numeros[i] = numeros_[i]->value();
    t.tirage.complementaire = numeros_[6]->value();
    if (std::any_of(numeros_.begin(), numeros_.end(), [](const QSpinBox* s) { return s->value() == 0; })) {
        probleme("ajoutincomplet");
        return;
    }
    TLigneRejetee rejet;
    rejet.motif = validetirage(t, depuisqdate(plateforme_.horloge.aujourdhui()));
    ordonne(t);
    QString pourquoi;
    if (rejet.motif != TMotif::aucun) {
        pourquoi = motif(rejet, anglais(etat_));
    } else {
        const auto meme = std::find_if(tirages_.begin(), tirages_.end(),
                                       [&t](const TTirageDate& autre) { return memetirage(t, autre); });
        if (meme != tirages_.end()) {
            rejet.motif = TMotif::contradiction;
            pourquoi = meme->tirage.complementaire == t.tirage.complementaire ? legende("dejaenregistre")
                                                                              : motif(rejet, anglais(etat_));
        }
    }
    if (!pourquoi.isEmpty()) {
        probleme("ajoutimpossible", pourquoi);
        return;
    }
    if (!enregistre({t}))
        return;
    for (QSpinBox* s : numeros_)
        s->setValue(0);
    // Shows the new draw where the list keeps it.
    for (std::size_t i = 0; i < tirages_.size(); ++i) {
        if (memetirage(tirages_[i], t)) {
            vuetirages_->selectRow(static_cast<int>(i));
            break;
        }
    }
    numeros_[0]->setFocus();
}

void THistorique::supprimeclick() {
    std::set<int> lignes;
    for (const QModelIndex& i : vuetirages_->selectionModel()->selectedRows())
        lignes.insert(i.row());
    if (lignes.empty()) {
        probleme("choixsuppression");
        return;
    }
    std::vector<TTirageDate> choisis;
    for (const int l : lignes)
        choisis.push_back(tirages_[static_cast<std::size_t>(l)]);
    const bool en = anglais(etat_);
    const QString question = choisis.size() == 1
                                 ? legendehistorique("confirmeun", en).arg(jour(choisis.front().date))
                                 : legendehistorique("confirmeplusieurs", en).arg(choisis.size());
    if (plateforme_.messages.message(question, legendehistorique("titreconfirmation", en), Boutons::OuiNon,
                                     Icone::Question) != Reponse::Oui)
        return;
    QString erreur;
    if (!base_->supprime(choisis, &erreur)) {
        probleme("echececriture", erreur);
        return;
    }
    vuetirages_->clearSelection();
    recharge();
}

void THistorique::importeclick() {
    const bool en = anglais(etat_);
    const QString chemin = plateforme_.fichiers.alire(legendehistorique("titreimport", en),
                                                      legendehistorique("filtreimport", en));
    if (chemin.isEmpty())
        return;
    const QString nom = QFileInfo(chemin).fileName();
    const auto refuse = [&](const char* cle, const QString& detail = QString()) {
        const QString modele = legendehistorique(cle, en);
        const QString message = detail.isNull() ? modele.arg(nom) : modele.arg(nom, detail);
        plateforme_.messages.message(message, legendehistorique("titreimportrefuse", en), Boutons::Ok,
                                     Icone::Exclamation);
    };
    // Read no further than the largest file taken, so a huge file is refused without filling memory;
    // a pipe or a device is never opened, as it could keep the window waiting for ever.
    std::string contenu;
    const Debut lu = lisfichier(QFile::encodeName(chemin).toStdString(), contenu, tailleimportmax + 1);
    switch (lu.ouverture) {
    case Ouverture::Lu:
        break;
    case Ouverture::Dossier:
        return refuse("dossier");
    case Ouverture::PasFichier:
        return refuse("pasfichier");
    case Ouverture::Absent:
    case Ouverture::Refuse:
        return refuse("illisible", qt_error_string(lu.erreur));
    }
    const TDate aujourdhui = depuisqdate(plateforme_.horloge.aujourdhui());
    const QString config = plateforme_.systeme.repertoireconfig();
    TProjetImport apercu = analyseimport(contenu, tirages_, aujourdhui);
    // The columns the player chose for this header read it, known to the import or not.
    if (const auto gardee = TChoixColonnes::memorisee(config, apercu.cle); gardee && apercu.entete) {
        TProjetImport relu = analyseimport(contenu, tirages_, aujourdhui, &*gardee);
        if (relu.refus != TRefus::enteteinconnue)
            apercu = std::move(relu);
    }
    // Reads the file again with the columns the player chooses; false when they give up.
    const auto choisitcolonnes = [&] {
        TFenetreColonnes colonnes(contenu, apercu, config, this);
        if (colonnes.exec() != QDialog::Accepted)
            return false;
        if (!colonnes.refus().isEmpty())
            plateforme_.messages.message(colonnes.refus(), texte(titreprobleme, en), Boutons::Ok,
                                         Icone::Exclamation);
        apercu = analyseimport(contenu, tirages_, aujourdhui, &colonnes.choix().correspondance());
        return true;
    };
    if (apercu.refus == TRefus::enteteinconnue && apercu.entete && !choisitcolonnes())
        return;
    // Says why the file as read cannot be imported.
    const auto lisible = [&] {
        switch (apercu.refus) {
        case TRefus::aucun:
            return true;
        case TRefus::pastexte:
            refuse("pastexte");
            break;
        case TRefus::troplong:
            refuse("troplong");
            break;
        case TRefus::aucuntirage:
            if (apercu.rejetees.empty())
                refuse("aucunevalide");
            else // The first rejected line shows what the whole file gets wrong.
                refuse("aucunevalidemotif", legendehistorique("lignemotif", en)
                                                .arg(apercu.rejetees.front().ligne)
                                                .arg(motif(apercu.rejetees.front(), en, apercu.ordre)));
            break;
        case TRefus::enteteinconnue: {
            const int c = static_cast<int>(apercu.colonnemanquante);
            const QString colonne = c == 0   ? legendehistorique("colonnedate", en)
                                    : c == 7 ? legendehistorique("colonnecomp", en)
                                             : legendehistorique("colonneboule", en).arg(c);
            refuse("enteteinconnue", colonne);
            break;
        }
        }
        return false;
    };
    for (;;) {
        if (!lisible())
            return;
        TApercuImport apercuimport(this, apercu, nom, en);
        const int reponse = apercuimport.exec();
        if (reponse == TApercuImport::colonnesdemandees) {
            if (!choisitcolonnes())
                return;
            continue;
        }
        if (reponse != QDialog::Accepted || apercu.aajouter.empty())
            return;
        break;
    }
    std::vector<TTirageDate> nouveaux;
    std::vector<TGains> gains;
    nouveaux.reserve(apercu.aajouter.size());
    for (const TLigneTirage& l : apercu.aajouter) {
        nouveaux.push_back(l.tirage);
        gains.push_back(gainsdelaligne(apercu, l));
    }
    // The payouts of draws stored earlier from a file without them join them now.
    for (const TLigneTirage& l : apercu.presents)
        if (const TGains g = gainsdelaligne(apercu, l); !g.aucun()) {
            nouveaux.push_back(l.tirage);
            gains.push_back(g);
        }
    enregistre(nouveaux, gains);
}

void THistorique::verifieclick() {
    const bool en = anglais(etat_);
    if (!selectioncorrecte(etat_)) {
        probleme("selectionincorrecte");
        return;
    }
    std::vector<TTirageDate> choisis = tirages_;
    if (rperiode_->isChecked()) {
        const TDate debut = depuisqdate(edebut_->date());
        const TDate fin = depuisqdate(efin_->date());
        if (fin < debut) {
            probleme("periodeinversee");
            return;
        }
        choisis = periode(tirages_, debut, fin);
    }
    if (choisis.empty()) {
        probleme(tirages_.empty() ? "nombre0" : "periodevide");
        return;
    }
    construitnumcoch(etat_);
    const std::vector<TMasque> grilles = grillesdelaserie(etat_);
    const TGarantie promesse = garantie(etat_.methodechoisie);
    modelerecap_->montre(recapitule(grilles, masquecoches(etat_), promesse, choisis));
    const TRecapitulatif& b = modelerecap_->recapitulatif();
    lverification_->setText(legendehistorique("verification", en)
                                .arg(etat_.methodechoisie)
                                .arg(grilles.size())
                                .arg(comptecoches(etat_))
                                .arg(choisis.size()));
    QStringList classes;
    for (const TClasse k : classesdecroissantes)
        classes << nomclasse(k, en) + legendehistorique("deuxpoints", en) + QString::number(b.totaux[k]);
    ltotaux_->setText(
        legendehistorique("totaux", en).arg(classes.join(QStringLiteral(" · "))) + QLatin1Char('\n') +
        legendehistorique("promesse", en).arg(promesse.x).arg(promesse.y).arg(b.promises).arg(b.tenues));
    bexporter_->setEnabled(true);
    bargent_->setEnabled(true);
    if (argent_ && argent_->isVisible())
        argent_->montre(b);
}

void THistorique::argentclick() {
    if (!argent_)
        argent_ = new TFenetreArgent(*base_, plateforme_.systeme.repertoireconfig(), this);
    argent_->montre(modelerecap_->recapitulatif());
    argent_->show();
    argent_->raise();
    argent_->activateWindow();
}

void THistorique::exporteclick() {
    const bool en = anglais(etat_);
    const QString chemin = plateforme_.fichiers.aecrire(
        legendehistorique("titreexport", en), legendehistorique("filtreexport", en),
        QDir::home().filePath(legendehistorique("nomexport", en)));
    if (chemin.isEmpty())
        return;
    // The rows in the order the table shows them.
    std::vector<const TRecapTirage*> lignes;
    const TRecapitulatif& b = modelerecap_->recapitulatif();
    for (int r = 0; r < tri_->rowCount(); ++r)
        lignes.push_back(&b.tirages[static_cast<std::size_t>(tri_->mapToSource(tri_->index(r, 0)).row())]);
    TLibellesCsv libelles;
    const auto utf8 = [&](const char* cle) { return legendehistorique(cle, en).toStdString(); };
    libelles.entetes[0] = utf8("coldate");
    for (int i = 1; i <= 6; ++i)
        libelles.entetes[static_cast<std::size_t>(i)] =
            legendehistorique("csvnumero", en).arg(i).toStdString();
    libelles.entetes[7] = utf8("csvcomp");
    libelles.entetes[8] = utf8("colmeilleure");
    for (std::size_t i = 0; i < 7; ++i)
        libelles.entetes[9 + i] = utf8(colonnesclasses[i]);
    libelles.entetes[16] = utf8("csvtrouves");
    libelles.entetes[17] = utf8("colpromesse");
    for (std::size_t k = 0; k < libelles.classes.size(); ++k)
        libelles.classes[k] = nomclasse(static_cast<TClasse>(k), en).toStdString();
    for (std::size_t p = 0; p < libelles.promesses.size(); ++p)
        libelles.promesses[p] = nompromesse(static_cast<TPromesse>(p), en).toStdString();
    // The byte-order mark tells spreadsheets the text is UTF-8.
    const std::string texte = "\xEF\xBB\xBF" + csvrecapitulatif(lignes, libelles);
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(texte.data(), static_cast<qint64>(texte.size())) != static_cast<qint64>(texte.size()) ||
        !fichier.commit())
        probleme("echecexport", QDir::toNativeSeparators(chemin), fichier.errorString());
}

TApercuImport::TApercuImport(QWidget* parent, const TProjetImport& apercu, const QString& fichier, bool en)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ApercuImport"));
    setWindowTitle(legendehistorique("apercu", en));
    setModal(true);
    resize(760, 440);
    auto* disposition = new QVBoxLayout(this);
    auto* nom = nomme(new QLabel(this), "lfichier");
    nom->setText(legendehistorique("lfichier", en).arg(fichier));
    disposition->addWidget(nom);
    auto* resume = nomme(new QLabel(this), "lresume");
    resume->setText(legendehistorique("lresume", en)
                        .arg(apercu.aajouter.size())
                        .arg(apercu.presents.size())
                        .arg(apercu.nbrejetees));
    QFont gras = resume->font();
    gras.setBold(true);
    resume->setFont(gras);
    disposition->addWidget(resume);
    auto* ordre = nomme(new QLabel(this), "lordre");
    ordre->setText(textedates(apercu, en));
    ordre->setWordWrap(true);
    disposition->addWidget(ordre);

    auto* rejets = nomme(new QTableWidget(static_cast<int>(apercu.rejetees.size()), 3, this), "listerejets");
    rejets->setHorizontalHeaderLabels({legendehistorique("colligne", en), legendehistorique("colmotif", en),
                                       legendehistorique("colcontenu", en)});
    reglevue(rejets);
    rejets->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t i = 0; i < apercu.rejetees.size(); ++i) {
        const TLigneRejetee& r = apercu.rejetees[i];
        const int ligne = static_cast<int>(i);
        auto* numero = new QTableWidgetItem;
        numero->setData(Qt::DisplayRole, r.ligne);
        numero->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rejets->setItem(ligne, 0, numero);
        rejets->setItem(ligne, 1, new QTableWidgetItem(motif(r, en, apercu.ordre)));
        rejets->setItem(ligne, 2, new QTableWidgetItem(QString::fromStdString(r.texte)));
    }
    // The whole line shows, scrolling sideways when it is long: it is how the user finds it.
    rejets->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    rejets->horizontalHeader()->setStretchLastSection(true);
    auto* titrerejets = etiquettepour(this, "lrejets", rejets);
    titrerejets->setText(legendehistorique(apercu.rejetees.empty() ? "aucunrejet" : "lrejets", en));
    disposition->addWidget(titrerejets);
    disposition->addWidget(rejets, 1);
    rejets->setVisible(!apercu.rejetees.empty());
    if (const std::size_t autres = apercu.nbrejetees - apercu.rejetees.size(); autres > 0) {
        auto* plus = nomme(new QLabel(this), "lplusrejets");
        plus->setText(autres == 1 ? legendehistorique("plusrejets1", en)
                                  : legendehistorique("plusrejets", en).arg(autres));
        disposition->addWidget(plus);
    }

    auto* boutons = new QDialogButtonBox(this);
    const std::size_t n = apercu.aajouter.size();
    auto* stocker = bouton(this, "bstocker");
    stocker->setText(n == 0   ? legendehistorique("bstocker0", en)
                     : n == 1 ? legendehistorique("bstocker1", en)
                              : legendehistorique("bstocker", en).arg(n));
    stocker->setEnabled(n > 0);
    stocker->setDefault(n > 0);
    auto* annuler = bouton(this, "bannuler");
    annuler->setText(legendehistorique("bannuler", en));
    boutons->addButton(stocker, QDialogButtonBox::AcceptRole);
    boutons->addButton(annuler, QDialogButtonBox::RejectRole);
    if (apercu.entete) {
        auto* colonnes = bouton(this, "bcolonnes");
        colonnes->setText(TFenetreColonnes::libellebouton());
        boutons->addButton(colonnes, QDialogButtonBox::ActionRole);
        connect(colonnes, &QPushButton::clicked, this, [this] { done(colonnesdemandees); });
    }
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    disposition->addWidget(boutons);
    nommecontroles(this, en);
    (n > 0 ? static_cast<QWidget*>(stocker) : annuler)->setFocus();
}

} // namespace vormigral
