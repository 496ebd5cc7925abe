#include "windows/gestionhistorique.h"

#include "engine/cases.h"
#include "engine/methodes.h"
#include "engine/serie.h"
#include "files/ecriture.h"
#include "storage/importeur.h"
#include "windows/choixcolonnes.h"
#include "windows/texteshistorique.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace vormigral {

namespace {

// Writing one draw takes milliseconds; past this, the other copy of the program holds the history.
constexpr int momentavantattente = 500;

bool memesliste(const std::vector<TTirageDate>& a, const std::vector<TTirageDate>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TTirageDate& x, const TTirageDate& y) {
        return memetirage(x, y) && x.tirage.complementaire == y.tirage.complementaire;
    });
}

} // namespace

TGestionHistorique::TGestionHistorique(TEtat& etat, const Plateforme& plateforme, QObject* parent)
    : QObject(parent), etat_(etat), plateforme_(plateforme), importeur_(std::make_unique<TImporteur>()) {
    connect(importeur_.get(), &TImporteur::progression, this, &TGestionHistorique::progression);
    connect(importeur_.get(), &TImporteur::termine, this, &TGestionHistorique::termine);
    moment_.setSingleShot(true);
    moment_.setInterval(momentavantattente);
    connect(&moment_, &QTimer::timeout, this, [this] {
        attendautre_ = true;
        emit etatchange();
    });
}

// A storing still going on is cancelled and waited for by the importer: nothing of it is kept.
TGestionHistorique::~TGestionHistorique() = default;

QString TGestionHistorique::dossierconfig() const {
    return plateforme_.systeme.repertoireconfig();
}

bool TGestionHistorique::lectureseule() const {
    return base_ && base_->ouverte() && base_->lectureseule();
}

bool TGestionHistorique::encours() const {
    return importeur_->encours();
}

bool TGestionHistorique::modifiable() const {
    return causeindisponible_.isEmpty() && base_ && base_->ouverte() && !base_->lectureseule() && !encours();
}

void TGestionHistorique::attente(int millisecondes) {
    importeur_->attente(millisecondes);
}

void TGestionHistorique::probleme(const QString& texte) {
    plateforme_.messages.message(texte, tr("Problem !!"), Boutons::Ok, Icone::Exclamation);
}

QString TGestionHistorique::cause(const TStockageTirages::TOuverture& o, const QString& dossier) const {
    const QString fichier = QDir::toNativeSeparators(base_->chemin());
    switch (o.cause) {
    case TStockageTirages::TCause::aucune:
        break;
    case TStockageTirages::TCause::dossier:
        return tr("the folder %1 cannot be created").arg(QDir::toNativeSeparators(dossier));
    case TStockageTirages::TCause::ouverture:
        return tr("SQLite cannot open %1 (%2)").arg(fichier, o.detail);
    case TStockageTirages::TCause::illisible:
        return tr("it is not an SQLite database");
    case TStockageTirages::TCause::endommagee:
        return tr("SQLite found errors in it");
    case TStockageTirages::TCause::inconnue:
        return tr("it does not hold a draw history");
    case TStockageTirages::TCause::recente:
        return tr("%1 was made by a newer version of VORMIGRAL").arg(fichier);
    case TStockageTirages::TCause::renommage:
        return tr("%1 is damaged and cannot be set aside (%2)").arg(fichier, o.detail);
    }
    return QString();
}

void TGestionHistorique::ouverture(const TStockageTirages::TOuverture& o, const QString& dossier) {
    const auto dit = [this](const QString& texte) {
        plateforme_.messages.message(texte, tr("Draw history"), Boutons::Ok, Icone::Exclamation);
    };
    const QString fichier = QDir::toNativeSeparators(base_->chemin());
    const QString miseacote = QDir::toNativeSeparators(o.miseacote);
    switch (o.etat) {
    case TStockageTirages::TIssue::remplacee:
        dit(tr("The history file was damaged (%1). It is kept as %2 and an empty history was made in its "
               "place.")
                .arg(cause(o, dossier), miseacote));
        break;
    case TStockageTirages::TIssue::lectureseule:
        dit(tr("The draw history can only be read: %1 (%2).\nIts draws can still be listed and checked, but "
               "nothing can be added, imported or deleted.")
                .arg(fichier, o.detail));
        break;
    case TStockageTirages::TIssue::echec:
        causeindisponible_ = cause(o, dossier);
        // The damaged file was moved: where it lies is said whatever stopped the new one.
        if (!o.miseacote.isEmpty()) {
            TStockageTirages::TBilan refus;
            refus.erreur =
                o.erreur == TStockageTirages::TErreur::aucune ? TStockageTirages::TErreur::autre : o.erreur;
            refus.detail = o.detail;
            const QString pourquoi = texteerreur(refus);
            if (causeindisponible_.isEmpty())
                causeindisponible_ = causeerreur(refus.erreur, refus.detail);
            dit(tr("The draw history was damaged; it was set aside as:\n%1\nA new history could not be made: "
                   "%2")
                    .arg(miseacote, pourquoi));
        } else {
            dit(tr("The draw history cannot be opened: %1.").arg(causeindisponible_));
        }
        break;
    case TStockageTirages::TIssue::fermee:
    case TStockageTirages::TIssue::ouverte:
    case TStockageTirages::TIssue::creee:
        break;
    }
}

void TGestionHistorique::ouvre() {
    if (!base_ || !base_->ouverte()) {
        base_ = fabrique_();
        emit nouveaustockage();
        causeindisponible_.clear();
        const QString dossier = plateforme_.systeme.repertoiredonnees();
        ouverture(base_->ouvre(dossier), dossier);
    }
    recharge();
}

void TGestionHistorique::recharge() {
    std::vector<TTirageDate> lus;
    QString cause = causeindisponible_;
    if (base_ && base_->ouverte()) {
        // Opened, so only a reading can have made the history unavailable.
        const TStockageTirages::TBilan bilan = base_->lit(lus);
        if (!bilan.reussi())
            lus.clear();
        // The storage's own words follow the program's, as a detail.
        cause = bilan.reussi() ? QString() : tr("the draws cannot be read (%1)").arg(bilan.detail);
    }
    if (memesliste(lus, tirages_) && cause == causeindisponible_)
        return;
    tirages_ = std::move(lus);
    causeindisponible_ = cause;
    emit change();
}

QString TGestionHistorique::resume() const {
    if (attendautre_)
        return tr("Waiting for another copy of the program, which is using the draw history…");
    if (!causeindisponible_.isEmpty())
        return tr("History unavailable: %1.").arg(causeindisponible_);
    if (tirages_.empty())
        return tr("No draw stored: import a file or add a draw.");
    if (tirages_.size() == 1)
        return tr("1 draw stored, on %1.").arg(jour(tirages_.front().date));
    return tr("%1 draws stored, from %2 to %3.")
        .arg(static_cast<qulonglong>(tirages_.size()))
        .arg(jour(tirages_.back().date), jour(tirages_.front().date));
}

bool TGestionHistorique::ajoute(const TDate& date, const std::array<int, 7>& numeros) {
    if (std::find(numeros.begin(), numeros.end(), 0) != numeros.end()) {
        probleme(tr("Choose the six numbers and the bonus number."));
        return false;
    }
    TTirageDate t;
    t.date = date;
    std::copy_n(numeros.begin(), 6, t.tirage.numeros.begin());
    t.tirage.complementaire = numeros[6];
    TLigneRejetee rejet;
    rejet.motif = validetirage(t, depuisqdate(plateforme_.horloge.aujourdhui()));
    if (rejet.motif != TMotif::aucun) {
        probleme(tr("Draw not added: %1.").arg(motif(rejet)));
        return false;
    }
    ordonne(t);
    return ecrit(Ecriture::ajout, {t});
}

bool TGestionHistorique::ecrit(Ecriture ecriture, const std::vector<TTirageDate>& tirages) {
    if (encours())
        return false;
    if (!base_ || !base_->ouverte()) {
        TStockageTirages::TBilan fermee;
        fermee.erreur = TStockageTirages::TErreur::fermee;
        probleme(texteerreur(fermee));
        return false;
    }
    const bool lance = ecriture == Ecriture::ajout ? importeur_->lance(base_->chemin(), tirages)
                                                   : importeur_->retire(base_->chemin(), tirages);
    if (!lance)
        return false;
    ecriture_ = ecriture;
    moment_.start();
    emit etatchange();
    return true;
}

bool TGestionHistorique::finajout(const TStockageTirages::TBilan& bilan) {
    TLigneRejetee rejet;
    if (!bilan.reussi()) {
        probleme(texteerreur(bilan));
        return false;
    }
    // Stored already, by this copy or another: the storage skipped it and says so.
    if (bilan.ajoutes == 0) {
        rejet.motif = TMotif::contradiction;
        probleme(tr("Draw not added: %1.")
                     .arg(bilan.differents > 0 ? motif(rejet) : tr("this draw is already stored")));
        recharge();
        return false;
    }
    recharge();
    return true;
}

bool TGestionHistorique::supprime(const std::vector<TTirageDate>& choisis) {
    if (choisis.empty()) {
        probleme(tr("First choose in the list the draw or draws to delete."));
        return false;
    }
    const QString question = choisis.size() == 1
                                 ? tr("Delete the draw of %1?").arg(jour(choisis.front().date))
                                 : tr("Delete the %1 chosen draws?").arg(choisis.size());
    if (plateforme_.messages.message(question, tr("Confirm"), Boutons::OuiNon, Icone::Question) !=
        Reponse::Oui)
        return false;
    return ecrit(Ecriture::retrait, choisis);
}

std::optional<TGestionHistorique::TApercu> TGestionHistorique::prepareimport() {
    const QString chemin =
        plateforme_.fichiers.alire(tr("Import draws"), tr("Draw files (*.csv *.txt *.tsv);;All files (*)"));
    if (chemin.isEmpty())
        return std::nullopt;
    const QString nom = QFileInfo(chemin).fileName();
    const auto refuse = [&](const QString& texte) {
        plateforme_.messages.message(texte, tr("Import refused"), Boutons::Ok, Icone::Exclamation);
        return std::nullopt;
    };
    // Read no further than the largest file taken, so a huge file is refused without filling memory;
    // a pipe or a device is never opened, as it could keep the window waiting for ever.
    std::string contenu;
    const Debut lu = lisfichier(QFile::encodeName(chemin).toStdString(), contenu, tailleimportmax + 1);
    switch (lu.ouverture) {
    case Ouverture::Lu:
        break;
    case Ouverture::Dossier:
        return refuse(tr("%1 is a folder: nothing was imported.").arg(nom));
    case Ouverture::PasFichier:
        return refuse(tr("%1 is not a regular file (it is a named pipe, a device or a socket): nothing was "
                         "imported.")
                          .arg(nom));
    case Ouverture::Absent:
    case Ouverture::Refuse:
        return refuse(tr("%1 cannot be read: %2").arg(nom, qt_error_string(lu.erreur)));
    }
    // What another copy of the program stored meanwhile counts as already stored.
    recharge();
    const TDate aujourdhui = depuisqdate(plateforme_.horloge.aujourdhui());
    TApercu apercu{analyseimport(contenu, tirages_, aujourdhui), nom, std::move(contenu)};
    // The columns the player chose for this header read it, known to the import or not.
    if (const auto gardee = TChoixColonnes::memorisee(dossierconfig(), apercu.projet.cle);
        gardee && apercu.projet.entete) {
        TProjetImport relu = analyseimport(apercu.contenu, tirages_, aujourdhui, &*gardee);
        if (relu.refus != TRefus::enteteinconnue)
            apercu.projet = std::move(relu);
    }
    if (colonnesachoisir(apercu) || lisible(apercu))
        return apercu;
    return std::nullopt;
}

bool TGestionHistorique::colonnesachoisir(const TApercu& apercu) {
    return apercu.projet.refus == TRefus::enteteinconnue && apercu.projet.entete;
}

bool TGestionHistorique::relit(TApercu& apercu, const TCorrespondance& correspondance) {
    recharge();
    apercu.projet = analyseimport(apercu.contenu, tirages_, depuisqdate(plateforme_.horloge.aujourdhui()),
                                  &correspondance);
    return lisible(apercu);
}

bool TGestionHistorique::lisible(const TApercu& apercu) {
    const TProjetImport& p = apercu.projet;
    const QString& nom = apercu.fichier;
    const auto refuse = [&](const QString& texte) {
        plateforme_.messages.message(texte, tr("Import refused"), Boutons::Ok, Icone::Exclamation);
        return false;
    };
    switch (p.refus) {
    case TRefus::aucun:
        return true;
    case TRefus::pastexte:
        return refuse(tr("%1 is not a text file: nothing was imported.").arg(nom));
    case TRefus::troplong:
        return refuse(tr("%1 is too large to be a draw file: nothing was imported.").arg(nom));
    case TRefus::aucuntirage:
        if (p.rejetees.empty())
            return refuse(tr("%1 holds no valid draw line: nothing was imported.").arg(nom));
        // The first rejected line shows what the whole file gets wrong.
        return refuse(
            tr("%1 holds no valid draw line (%2): nothing was imported.")
                .arg(
                    nom,
                    tr("line %1: %2").arg(p.rejetees.front().ligne).arg(motif(p.rejetees.front(), p.ordre))));
    case TRefus::enteteinconnue: {
        const int c = static_cast<int>(p.colonnemanquante);
        const QString colonne = c == 0   ? tr("the date")
                                : c == 7 ? tr("the bonus number")
                                         : tr("number %1").arg(c);
        return refuse(
            tr("The header line of %1 has no column for %2: nothing was imported.").arg(nom, colonne));
    }
    }
    return false;
}

bool TGestionHistorique::lanceimport(const TProjetImport& projet) {
    if (projet.aajouter.empty() || !modifiable())
        return false;
    std::vector<TTirageDate> nouveaux;
    std::vector<TGains> gains;
    nouveaux.reserve(projet.aajouter.size());
    gains.reserve(projet.aajouter.size());
    for (const TLigneTirage& l : projet.aajouter) {
        nouveaux.push_back(l.tirage);
        gains.push_back(gainsdelaligne(projet, l));
    }
    // The payouts of draws stored earlier from a file without them join them now.
    for (const TLigneTirage& l : projet.presents)
        if (const TGains g = gainsdelaligne(projet, l); !g.aucun()) {
            nouveaux.push_back(l.tirage);
            gains.push_back(g);
        }
    if (!importeur_->lance(base_->chemin(), std::move(nouveaux), std::move(gains)))
        return false;
    ecriture_ = Ecriture::importation;
    return true;
}

void TGestionHistorique::annuleimport() {
    importeur_->annule();
}

void TGestionHistorique::termine(const TStockageTirages::TBilan& bilan) {
    const Ecriture ecriture = ecriture_;
    ecriture_ = Ecriture::aucune;
    moment_.stop();
    attendautre_ = false;
    switch (ecriture) {
    case Ecriture::ajout:
        emit ajoutfini(finajout(bilan));
        break;
    case Ecriture::retrait: {
        if (!bilan.reussi())
            probleme(texteerreur(bilan));
        else
            recharge();
        emit retraitfini(bilan.reussi());
        break;
    }
    case Ecriture::importation:
    case Ecriture::aucune:
        finimport(bilan);
        break;
    }
}

void TGestionHistorique::finimport(const TStockageTirages::TBilan& bilan) {
    recharge();
    emit importtermine();
    if (!bilan.reussi()) {
        probleme(texteerreur(bilan));
    } else {
        QString texte =
            tr("%n draw(s) added; %1 already stored (skipped).", nullptr, static_cast<int>(bilan.ajoutes))
                .arg(bilan.presents);
        if (bilan.differents > 0)
            texte += QLatin1Char('\n') +
                     tr("%1 already stored with another bonus number (skipped, the stored one kept).")
                         .arg(bilan.differents);
        plateforme_.messages.message(texte, tr("Draw history"), Boutons::Ok, Icone::Information);
    }
}

std::optional<TGestionHistorique::TVerification>
TGestionHistorique::verifie(const std::optional<std::pair<TDate, TDate>>& periode) {
    if (!selectioncorrecte(etat_)) {
        probleme(tr("Incorrect Selection"));
        return std::nullopt;
    }
    if (periode && periode->second < periode->first) {
        probleme(tr("The start of the period is after its end."));
        return std::nullopt;
    }
    // What another copy of the program stored meanwhile is checked too.
    recharge();
    const std::vector<TTirageDate> choisis =
        periode ? vormigral::periode(tirages_, periode->first, periode->second) : tirages_;
    if (choisis.empty()) {
        probleme(tirages_.empty() ? tr("No draw stored: import a file or add a draw.")
                                  : tr("No draw stored in this period."));
        return std::nullopt;
    }
    construitnumcoch(etat_);
    const std::vector<TMasque> grilles = grillesdelaserie(etat_);
    const TGarantie promesse = garantiedeserie(etat_, etat_.methodechoisie);
    TVerification v;
    v.recapitulatif = recapitule(grilles, masquecoches(etat_), promesse, choisis);
    const TRecapitulatif& b = v.recapitulatif;
    v.resume = etat_.methodechoisie == methoderoue
                   ? tr("Your wheel: %1 grids over your %2 numbers; draws compared: %3.")
                         .arg(grilles.size())
                         .arg(comptecoches(etat_))
                         .arg(choisis.size())
                   : tr("Method %1: %2 grids over your %3 numbers; draws compared: %4.")
                         .arg(etat_.methodechoisie)
                         .arg(grilles.size())
                         .arg(comptecoches(etat_))
                         .arg(choisis.size());
    QStringList classes;
    for (const TClasse k : classesdecroissantes)
        //: Between a class and its count; French puts a blank before the colon.
        classes << nomclasse(k) + tr(": ") + QString::number(b.totaux[k]);
    v.totaux = tr("Winning grids over the period: %1.").arg(classes.join(QStringLiteral(" · "))) +
               QLatin1Char('\n') +
               tr("The method's guarantee (%1 if %2): draws where it applies: %3; where it is kept: %4.")
                   .arg(promesse.x)
                   .arg(promesse.y)
                   .arg(b.promises)
                   .arg(b.tenues);
    return v;
}

void TGestionHistorique::exporte(const std::vector<const TRecapTirage*>& lignes) {
    const QString chemin = plateforme_.fichiers.aecrire(tr("Export the check"), tr("CSV files (*.csv)"),
                                                        QDir::home().filePath(tr("grid-check.csv")));
    if (chemin.isEmpty())
        return;
    TLibellesCsv libelles;
    libelles.entetes[0] = tr("Date").toStdString();
    for (int i = 1; i <= 6; ++i)
        //: The heading of the column of the i-th main number of the exported check.
        libelles.entetes[static_cast<std::size_t>(i)] = tr("N%1").arg(i).toStdString();
    libelles.entetes[7] = tr("Bonus").toStdString();
    libelles.entetes[8] = tr("Best class").toStdString();
    for (std::size_t i = 0; i < 7; ++i)
        libelles.entetes[9 + i] = colonneclasse(i).toStdString();
    libelles.entetes[16] = tr("Found among your numbers").toStdString();
    libelles.entetes[17] = tr("Promise").toStdString();
    for (std::size_t k = 0; k < libelles.classes.size(); ++k)
        libelles.classes[k] = nomclasse(static_cast<TClasse>(k)).toStdString();
    for (std::size_t p = 0; p < libelles.promesses.size(); ++p)
        libelles.promesses[p] = nompromesse(static_cast<TPromesse>(p)).toStdString();
    // The byte-order mark tells spreadsheets the text is UTF-8.
    const std::string texte = "\xEF\xBB\xBF" + csvrecapitulatif(lignes, libelles);
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(texte.data(), static_cast<qint64>(texte.size())) != static_cast<qint64>(texte.size()) ||
        !fichier.commit())
        probleme(
            tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(chemin), fichier.errorString()));
}

} // namespace vormigral
