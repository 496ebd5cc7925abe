#include "storage/basetirages.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

#include <unistd.h>

namespace vormigral {

namespace {

using TErreur = TBaseTirages::TErreur;
using TBilan = TBaseTirages::TBilan;

// SQLite's primary result codes, which the driver reports (extended) as the error's native code.
constexpr int sqliteoccupee = 5;
constexpr int sqliteverrou = 6;
constexpr int sqlitelectureseule = 8;
constexpr int sqliteentreesortie = 10;
constexpr int sqlitecorrompue = 11;
constexpr int sqlitepleine = 13;
constexpr int sqliteouverture = 14;
constexpr int sqlitecontrainte = 19;
constexpr int sqlitepasunebase = 26;

const char* const schema[] = {
    "CREATE TABLE tirages ("
    " id INTEGER PRIMARY KEY,"
    " date TEXT NOT NULL CHECK (date GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),"
    " n1 INTEGER NOT NULL, n2 INTEGER NOT NULL, n3 INTEGER NOT NULL,"
    " n4 INTEGER NOT NULL, n5 INTEGER NOT NULL, n6 INTEGER NOT NULL,"
    " complementaire INTEGER NOT NULL,"
    " CHECK (1 <= n1 AND n1 < n2 AND n2 < n3 AND n3 < n4 AND n4 < n5 AND n5 < n6 AND n6 <= 49),"
    " CHECK (complementaire BETWEEN 1 AND 49 AND complementaire NOT IN (n1, n2, n3, n4, n5, n6)),"
    " UNIQUE (date, n1, n2, n3, n4, n5, n6))",
};

// Made by the first storing of payouts, in its transaction; the trigger is the file's own rule, so
// a program that knows nothing of payouts drops them with their draw (a draw's id may be reused).
const char* const schemagains[] = {
    "CREATE TABLE IF NOT EXISTS gains ("
    " tirage INTEGER NOT NULL,"
    " classe INTEGER NOT NULL CHECK (classe BETWEEN 1 AND 7),"
    " centimes INTEGER NOT NULL CHECK (centimes > 0),"
    " PRIMARY KEY (tirage, classe))",
    "CREATE TRIGGER IF NOT EXISTS gains_du_tirage AFTER DELETE ON tirages"
    " BEGIN DELETE FROM gains WHERE tirage = old.id; END",
};

const char* const colonnes = "date, n1, n2, n3, n4, n5, n6, complementaire";
const char* const clef = "date = ? AND n1 = ? AND n2 = ? AND n3 = ? AND n4 = ? AND n5 = ? AND n6 = ?";

QString nouvelleconnexion() {
    static std::atomic<int> compteur{0};
    return QStringLiteral("vormigral-historique-%1").arg(++compteur);
}

int codesqlite(const QSqlError& erreur) {
    // The driver reports the extended code; its low byte is the primary one.
    return erreur.nativeErrorCode().toInt() & 0xFF;
}

TErreur erreurde(const QSqlError& erreur) {
    switch (codesqlite(erreur)) {
    case sqliteoccupee:
    case sqliteverrou:
        return TErreur::verrouillee;
    case sqlitelectureseule:
        return TErreur::lectureseule;
    case sqliteentreesortie:
    case sqliteouverture:
        return TErreur::entreesortie;
    case sqlitecorrompue:
        return TErreur::endommagee;
    case sqlitepleine:
        return TErreur::disquepleine;
    case sqlitecontrainte:
        return TErreur::invalide;
    case sqlitepasunebase:
        return TErreur::illisible;
    default:
        return TErreur::autre;
    }
}

TBilan refus(TErreur erreur, const QString& detail = {}) {
    TBilan bilan;
    bilan.erreur = erreur;
    bilan.detail = detail;
    return bilan;
}

TBilan echec(const QSqlError& erreur) {
    return refus(erreurde(erreur), erreur.text());
}

TBaseTirages::TCause causede(const QSqlError& erreur) {
    switch (codesqlite(erreur)) {
    case sqlitepasunebase:
        return TBaseTirages::TCause::illisible;
    case sqlitecorrompue:
        return TBaseTirages::TCause::endommagee;
    default:
        return TBaseTirages::TCause::ouverture;
    }
}

bool miseacoteutile(TBaseTirages::TCause cause) {
    return cause == TBaseTirages::TCause::illisible || cause == TBaseTirages::TCause::endommagee ||
           cause == TBaseTirages::TCause::inconnue;
}

// Why `chemin` may not be written to (the system's words), empty when it may. Root writes through
// permissions, and access() knows it.
QString refusecriture(const QString& chemin, int mode) {
    if (::access(QFile::encodeName(chemin).constData(), mode) == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Binds a draw's day and main numbers from position `debut` on.
void lie(QSqlQuery& requete, const TTirageDate& tirage, int debut = 0) {
    TTirageDate t = tirage;
    ordonne(t);
    requete.bindValue(debut, QString::fromStdString(dateiso(t.date)));
    for (int i = 0; i < 6; ++i)
        requete.bindValue(debut + 1 + i, t.tirage.numeros[static_cast<std::size_t>(i)]);
}

// The draw of a row that starts with `colonnes`.
TTirageDate tiragelu(const QSqlQuery& requete) {
    const QString jour = requete.value(0).toString();
    TTirageDate t;
    t.date = {jour.mid(0, 4).toInt(), jour.mid(5, 2).toInt(), jour.mid(8, 2).toInt()};
    for (int i = 0; i < 6; ++i)
        t.tirage.numeros[static_cast<std::size_t>(i)] = requete.value(i + 1).toInt();
    t.tirage.complementaire = requete.value(7).toInt();
    return t;
}

// A draw's day and main numbers as one key, whatever their order.
std::pair<int, std::uint64_t> identite(const TTirageDate& tirage) {
    std::uint64_t numeros = 0;
    for (const std::int32_t n : tirage.tirage.numeros)
        numeros |= std::uint64_t{1} << n;
    return {tirage.date.cle(), numeros};
}

bool avecgains(const std::vector<TGains>& gains, std::size_t i) {
    return i < gains.size() && !gains[i].aucun();
}

// Gives the draw `id` its payouts.
bool ajoutegains(QSqlQuery& insertion, const QVariant& id, const TGains& gains) {
    for (int k = 1; k <= 7; ++k) {
        const std::int64_t centimes = gains.centimes[static_cast<std::size_t>(k)];
        if (centimes <= gaininconnu)
            continue;
        insertion.bindValue(0, id);
        insertion.bindValue(1, k);
        insertion.bindValue(2, static_cast<qlonglong>(centimes));
        if (!insertion.exec())
            return false;
    }
    return true;
}

} // namespace

const char* const TBaseTirages::nomfichier = "historique.sqlite";

TBaseTirages::TBaseTirages() : connexion_(nouvelleconnexion()) {}

TBaseTirages::~TBaseTirages() {
    ferme();
}

void TBaseTirages::ferme() {
    ouverte_ = false;
    lectureseule_ = false;
    if (!QSqlDatabase::contains(connexion_))
        return;
    {
        QSqlDatabase base = QSqlDatabase::database(connexion_, false);
        base.close();
    }
    QSqlDatabase::removeDatabase(connexion_);
}

TBaseTirages::TOuverture TBaseTirages::ouvre(const QString& dossier) {
    ferme();
    if (!QDir().mkpath(dossier))
        return {TIssue::echec, TCause::dossier, QDir::toNativeSeparators(dossier), {}, TErreur::autre};
    chemin_ = QDir(dossier).filePath(QString::fromLatin1(nomfichier));
    const bool existait = QFileInfo(chemin_).size() > 0;
    TOuverture ouverture = verifie(!existait);
    if (ouverture.etat != TIssue::echec || !miseacoteutile(ouverture.cause))
        return ouverture;

    // Kept under another name for whoever wants to look at it or repair it. A journal left
    // beside it was already played back or dropped by SQLite's first read above.
    ferme();
    const QString horodatage = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString acote = chemin_ + QStringLiteral(".endommagee-") + horodatage;
    for (int n = 2; QFileInfo::exists(acote); ++n)
        acote = chemin_ + QStringLiteral(".endommagee-") + horodatage + QLatin1Char('-') + QString::number(n);
    QFile fichier(chemin_);
    if (!fichier.rename(acote))
        return {TIssue::echec, TCause::renommage, fichier.errorString(), {}, TErreur::autre};
    TOuverture neuve = verifie(true);
    // Whatever became of the new one, the damaged one now lies there, and the user must know.
    neuve.miseacote = acote;
    if (neuve.etat == TIssue::echec)
        return neuve;
    return {TIssue::remplacee, ouverture.cause, ouverture.detail, acote, TErreur::aucune};
}

TBaseTirages::TOuverture TBaseTirages::rejoint(const QString& chemin) {
    ferme();
    chemin_ = chemin;
    // Never made here: a missing file would come back empty and hide the draws.
    if (QFileInfo(chemin_).size() == 0)
        return {
            TIssue::echec, TCause::ouverture, QDir::toNativeSeparators(chemin_), {}, TErreur::entreesortie};
    TOuverture ouverture = connecte();
    if (ouverture.etat == TIssue::echec)
        return ouverture;
    QSqlQuery requete(QSqlDatabase::database(connexion_, false));
    if (!requete.exec(QStringLiteral("SELECT %1 FROM tirages LIMIT 0").arg(QLatin1String(colonnes)))) {
        ferme();
        return {
            TIssue::echec, TCause::inconnue, requete.lastError().text(), {}, erreurde(requete.lastError())};
    }
    ouverte_ = true;
    return ouverture;
}

// Opens the connection, read-only when the file or its folder takes no writing (SQLite writes
// its journal beside the file).
TBaseTirages::TOuverture TBaseTirages::connecte() {
    const QString dossier = QFileInfo(chemin_).absolutePath();
    QString refus = refusecriture(dossier, W_OK | X_OK);
    if (refus.isEmpty() && QFileInfo::exists(chemin_))
        refus = refusecriture(chemin_, W_OK);
    lectureseule_ = !refus.isEmpty();
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connexion_);
    base.setDatabaseName(chemin_);
    // Another copy of the program may be writing; wait for it rather than fail at once.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(attente_);
    if (lectureseule_)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    base.setConnectOptions(options);
    if (!base.open()) {
        const TBilan bilan = echec(base.lastError());
        return {TIssue::echec,
                TCause::ouverture,
                lectureseule_ ? refus : bilan.detail,
                {},
                lectureseule_ ? TErreur::lectureseule : bilan.erreur};
    }
    return {
        lectureseule_ ? TIssue::lectureseule : TIssue::ouverte, TCause::aucune, refus, {}, TErreur::aucune};
}

TBaseTirages::TOuverture TBaseTirages::verifie(bool nouvelle) {
    TOuverture ouverture = connecte();
    if (ouverture.etat != TIssue::echec)
        ouverture = examine(nouvelle, ouverture.detail);
    if (ouverture.etat == TIssue::echec && nouvelle) {
        // An empty file left behind would open next time as an empty history, without a word
        // of what went wrong; it held nothing, so it goes.
        ferme();
        QFile::remove(chemin_);
        QFile::remove(chemin_ + QStringLiteral("-journal"));
    }
    return ouverture;
}

// Checks the opened file with SQLite's own check and the schema's version; gives an empty one
// its schema. `refus`: why it is read-only, if it is.
TBaseTirages::TOuverture TBaseTirages::examine(bool nouvelle, const QString& refus) {
    QSqlQuery requete(QSqlDatabase::database(connexion_, false));
    const auto echoue = [](TCause cause, const QSqlError& erreur) {
        return TOuverture{TIssue::echec, cause, erreur.text(), {}, erreurde(erreur)};
    };
    if (!requete.exec(QStringLiteral("PRAGMA user_version")) || !requete.next())
        return echoue(causede(requete.lastError()), requete.lastError());
    const int version = requete.value(0).toInt();
    if (!requete.exec(QStringLiteral("PRAGMA quick_check")))
        return echoue(causede(requete.lastError()), requete.lastError());
    QStringList verdict;
    while (requete.next())
        verdict << requete.value(0).toString();
    if (verdict != QStringList{QStringLiteral("ok")})
        return {TIssue::echec, TCause::endommagee, verdict.join(QLatin1Char(' ')), {}, TErreur::endommagee};
    if (version > versionschema)
        return {TIssue::echec, TCause::recente, QString::number(version), {}, TErreur::autre};
    if (version == 0) {
        if (!requete.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !requete.next())
            return echoue(causede(requete.lastError()), requete.lastError());
        if (requete.value(0).toInt() > 0)
            return {TIssue::echec, TCause::inconnue, QString(), {}, TErreur::autre};
        requete.finish();
        if (lectureseule_)
            return {TIssue::echec, TCause::ouverture, refus, {}, TErreur::lectureseule};
        QSqlError erreur;
        if (!creeschema(requete, erreur))
            return echoue(TCause::ouverture, erreur);
    } else if (!requete.exec(QStringLiteral("SELECT %1 FROM tirages LIMIT 0").arg(QLatin1String(colonnes)))) {
        return echoue(TCause::inconnue, requete.lastError());
    }
    ouverte_ = true;
    const TIssue issue = lectureseule_ ? TIssue::lectureseule : nouvelle ? TIssue::creee : TIssue::ouverte;
    return {issue, TCause::aucune, refus, {}, TErreur::aucune};
}

bool TBaseTirages::creeschema(QSqlQuery& requete, QSqlError& erreur) {
    if (!requete.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        erreur = requete.lastError();
        return false;
    }
    bool fait = true;
    for (const char* instruction : schema)
        fait = fait && requete.exec(QLatin1String(instruction));
    fait = fait && requete.exec(QStringLiteral("PRAGMA user_version = %1").arg(versionschema)) &&
           requete.exec(QStringLiteral("COMMIT"));
    if (!fait) {
        erreur = requete.lastError();
        requete.exec(QStringLiteral("ROLLBACK"));
    }
    return fait;
}

TBaseTirages::TBilan TBaseTirages::lit(std::vector<TTirageDate>& sortie) const {
    sortie.clear();
    if (!ouverte_)
        return refus(TErreur::fermee);
    QSqlQuery requete(QSqlDatabase::database(connexion_, false));
    requete.setForwardOnly(true);
    if (!requete.exec(
            QStringLiteral("SELECT %1 FROM tirages ORDER BY date DESC, id").arg(QLatin1String(colonnes))))
        return echec(requete.lastError());
    while (requete.next()) {
        const TTirageDate t = tiragelu(requete);
        // The schema keeps the numbers sound; only a day like 2023-02-30 written by another
        // program could slip through, and it is no draw.
        if (validetirage(t) == TMotif::aucun)
            sortie.push_back(t);
    }
    // A read that stops half-way (a lock, a damaged page) must not pass for the whole history.
    if (requete.lastError().isValid()) {
        sortie.clear();
        return echec(requete.lastError());
    }
    return {};
}

bool TBaseTirages::commence(QSqlQuery& requete, TBilan& bilan) {
    if (!ouverte_) {
        bilan = refus(TErreur::fermee);
        return false;
    }
    if (lectureseule_) {
        QString pourquoi = refusecriture(QFileInfo(chemin_).absolutePath(), W_OK | X_OK);
        bilan = refus(TErreur::lectureseule, pourquoi.isEmpty() ? refusecriture(chemin_, W_OK) : pourquoi);
        return false;
    }
    if (requete.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return true;
    bilan = echec(requete.lastError());
    return false;
}

TBaseTirages::TBilan TBaseTirages::termine(QSqlQuery& requete, const TBilan& bilan) {
    if (bilan.reussi() && requete.exec(QStringLiteral("COMMIT")))
        return bilan;
    TBilan refuse = bilan.reussi() ? echec(requete.lastError()) : bilan;
    requete.exec(QStringLiteral("ROLLBACK"));
    refuse.ajoutes = refuse.presents = refuse.differents = refuse.retires = refuse.avecgains = 0;
    return refuse;
}

TBaseTirages::TBilan TBaseTirages::stocke(const std::vector<TTirageDate>& tirages,
                                          const TSuiviStockage& suivi, const std::vector<TGains>& gains) {
    TBilan bilan;
    // The history's rules first: a refused draw stops everything before any lock is taken.
    for (const TTirageDate& t : tirages)
        if (validetirage(t) != TMotif::aucun)
            return refus(TErreur::invalide, QString::fromStdString(dateiso(t.date)));
    const QSqlDatabase base = QSqlDatabase::database(connexion_, false);
    QSqlQuery transaction(base);
    if (!commence(transaction, bilan))
        return bilan;
    QSqlQuery insertion(base);
    insertion.prepare(QStringLiteral("INSERT INTO tirages (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?) "
                                     "ON CONFLICT (date, n1, n2, n3, n4, n5, n6) DO NOTHING")
                          .arg(QLatin1String(colonnes)));
    QSqlQuery present(base);
    present.prepare(
        QStringLiteral("SELECT complementaire, id FROM tirages WHERE %1").arg(QLatin1String(clef)));
    QSqlQuery paiement(base);
    if (std::any_of(gains.begin(), gains.end(), [](const TGains& g) { return !g.aucun(); })) {
        for (const char* instruction : schemagains)
            if (!paiement.exec(QLatin1String(instruction)))
                return termine(transaction, echec(paiement.lastError()));
        paiement.prepare(QStringLiteral("INSERT INTO gains (tirage, classe, centimes) VALUES (?, ?, ?)"));
    }
    QSqlQuery payes(base);
    payes.prepare(QStringLiteral("SELECT count(*) FROM gains WHERE tirage = ?"));
    const auto compte = [&](std::size_t i) {
        const TTirageDate& t = tirages[i];
        lie(insertion, t);
        insertion.bindValue(7, t.tirage.complementaire);
        if (!insertion.exec())
            return false;
        QVariant id;
        if (insertion.numRowsAffected() > 0) {
            ++bilan.ajoutes;
            id = insertion.lastInsertId();
        } else {
            lie(present, t);
            if (!present.exec() || !present.next())
                return false;
            const bool meme = present.value(0).toInt() == t.tirage.complementaire;
            ++(meme ? bilan.presents : bilan.differents);
            if (meme)
                id = present.value(1);
            present.finish();
            // Payouts come whole from one file: a draw that has some keeps them.
            if (!id.isNull() && avecgains(gains, i)) {
                payes.bindValue(0, id);
                if (!payes.exec() || !payes.next())
                    return false;
                if (payes.value(0).toInt() > 0)
                    id.clear();
                payes.finish();
            }
        }
        if (id.isNull() || !avecgains(gains, i))
            return true;
        ++bilan.avecgains;
        return ajoutegains(paiement, id, gains[i]);
    };
    for (std::size_t fait = 0; fait < tirages.size();) {
        const std::size_t fin = std::min(tirages.size(), fait + tranche);
        for (; fait < fin; ++fait)
            if (!compte(fait)) {
                QSqlError erreur = paiement.lastError();
                for (const QSqlQuery* q : {&insertion, &present, &payes})
                    if (q->lastError().isValid())
                        erreur = q->lastError();
                return termine(transaction, echec(erreur));
            }
        if (suivi.progression)
            suivi.progression(fait, tirages.size());
        if (suivi.annulation && suivi.annulation->load())
            return termine(transaction, refus(TErreur::annulee));
    }
    return termine(transaction, bilan);
}

TBaseTirages::TBilan TBaseTirages::litgains(const std::vector<TTirageDate>& tirages,
                                            std::vector<TGains>& sortie) const {
    sortie.clear();
    if (!ouverte_)
        return refus(TErreur::fermee);
    QSqlQuery requete(QSqlDatabase::database(connexion_, false));
    requete.setForwardOnly(true);
    if (!requete.exec(
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'gains'")) ||
        !requete.next())
        return echec(requete.lastError());
    const bool table = requete.value(0).toInt() > 0;
    requete.finish();
    std::map<std::pair<int, std::uint64_t>, TGains> stockes;
    if (table) {
        if (!requete.exec(
                QStringLiteral("SELECT %1, classe, centimes FROM gains JOIN tirages ON tirages.id = tirage")
                    .arg(QLatin1String(colonnes))))
            return echec(requete.lastError());
        while (requete.next()) {
            const TTirageDate t = tiragelu(requete);
            const int k = requete.value(8).toInt();
            if (k >= 1 && k <= 7)
                stockes[identite(t)].centimes[static_cast<std::size_t>(k)] = requete.value(9).toLongLong();
        }
        if (requete.lastError().isValid())
            return echec(requete.lastError());
    }
    sortie.reserve(tirages.size());
    for (const TTirageDate& t : tirages) {
        const auto trouve = stockes.find(identite(t));
        sortie.push_back(trouve == stockes.end() ? TGains{} : trouve->second);
    }
    return {};
}

TBaseTirages::TBilan TBaseTirages::retire(const std::vector<TTirageDate>& tirages) {
    TBilan bilan;
    const QSqlDatabase base = QSqlDatabase::database(connexion_, false);
    QSqlQuery transaction(base);
    if (!commence(transaction, bilan))
        return bilan;
    QSqlQuery suppression(base);
    suppression.prepare(QStringLiteral("DELETE FROM tirages WHERE %1").arg(QLatin1String(clef)));
    for (const TTirageDate& t : tirages) {
        lie(suppression, t);
        if (!suppression.exec())
            return termine(transaction, echec(suppression.lastError()));
        bilan.retires += static_cast<std::size_t>(std::max(0, suppression.numRowsAffected()));
    }
    return termine(transaction, bilan);
}

std::unique_ptr<TStockageTirages> creestockagetirages() {
    return std::make_unique<TBaseTirages>();
}

} // namespace vormigral
