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

#include <atomic>

namespace vormigral {

namespace {

// SQLite's primary result codes that mean the file itself is at fault, not the access to it.
constexpr int sqlitecorrompue = 11;
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

const char* const colonnes = "date, n1, n2, n3, n4, n5, n6, complementaire";

QString nouvelleconnexion() {
    static std::atomic<int> compteur{0};
    return QStringLiteral("vormigral-historique-%1").arg(++compteur);
}

int codesqlite(const QSqlError& erreur) {
    // The driver reports the extended code; its low byte is the primary one.
    return erreur.nativeErrorCode().toInt() & 0xFF;
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

void lie(QSqlQuery& requete, const TTirageDate& tirage) {
    TTirageDate t = tirage;
    ordonne(t);
    requete.addBindValue(QString::fromStdString(dateiso(t.date)));
    for (const std::int32_t n : t.tirage.numeros)
        requete.addBindValue(n);
}

} // namespace

const char* const TBaseTirages::nomfichier = "historique.sqlite";

TBaseTirages::TBaseTirages() : connexion_(nouvelleconnexion()) {}

TBaseTirages::~TBaseTirages() {
    ferme();
}

void TBaseTirages::ferme() {
    if (!QSqlDatabase::contains(connexion_))
        return;
    {
        QSqlDatabase base = QSqlDatabase::database(connexion_, false);
        base.close();
    }
    QSqlDatabase::removeDatabase(connexion_);
    ouverte_ = false;
}

TBaseTirages::TOuverture TBaseTirages::ouvre(const QString& dossier) {
    ferme();
    if (!QDir().mkpath(dossier))
        return {TIssue::echec, TCause::dossier, QDir::toNativeSeparators(dossier), {}};
    chemin_ = QDir(dossier).filePath(QString::fromLatin1(nomfichier));
    const bool existait = QFileInfo(chemin_).size() > 0;
    TOuverture ouverture = verifie();
    if (ouverture.etat == TIssue::ouverte && !existait)
        ouverture.etat = TIssue::creee;
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
        return {TIssue::echec, TCause::renommage, fichier.errorString(), {}};
    const TOuverture neuve = verifie();
    if (neuve.etat == TIssue::echec)
        return neuve;
    return {TIssue::remplacee, ouverture.cause, ouverture.detail, acote};
}

TBaseTirages::TOuverture TBaseTirages::verifie() {
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connexion_);
    base.setDatabaseName(chemin_);
    // Another copy of the program may be writing; wait for it rather than fail at once.
    base.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    const auto echec = [](TCause cause, const QString& detail) {
        return TOuverture{TIssue::echec, cause, detail, {}};
    };
    if (!base.open())
        return echec(TCause::ouverture, base.lastError().text());
    QSqlQuery requete(base);
    if (!requete.exec(QStringLiteral("PRAGMA user_version")) || !requete.next())
        return echec(causede(requete.lastError()), requete.lastError().text());
    const int version = requete.value(0).toInt();
    if (!requete.exec(QStringLiteral("PRAGMA quick_check")))
        return echec(causede(requete.lastError()), requete.lastError().text());
    QStringList verdict;
    while (requete.next())
        verdict << requete.value(0).toString();
    if (verdict != QStringList{QStringLiteral("ok")})
        return echec(TCause::endommagee, verdict.join(QLatin1Char(' ')));
    if (version > versionschema)
        return echec(TCause::recente, QString::number(version));
    if (version == 0) {
        if (!requete.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !requete.next())
            return echec(causede(requete.lastError()), requete.lastError().text());
        if (requete.value(0).toInt() > 0)
            return echec(TCause::inconnue, QString());
        QString detail;
        if (!creeschema(detail))
            return echec(TCause::ouverture, detail);
    } else if (!requete.exec(QStringLiteral("SELECT %1 FROM tirages LIMIT 0").arg(QLatin1String(colonnes)))) {
        return echec(TCause::inconnue, requete.lastError().text());
    }
    ouverte_ = true;
    return {TIssue::ouverte, TCause::aucune, {}, {}};
}

bool TBaseTirages::creeschema(QString& detail) {
    QSqlDatabase base = QSqlDatabase::database(connexion_, false);
    if (!base.transaction()) {
        detail = base.lastError().text();
        return false;
    }
    QSqlQuery requete(base);
    for (const char* instruction : schema) {
        if (!requete.exec(QLatin1String(instruction))) {
            detail = requete.lastError().text();
            base.rollback();
            return false;
        }
    }
    if (!requete.exec(QStringLiteral("PRAGMA user_version = %1").arg(versionschema)) || !base.commit()) {
        detail = requete.lastError().isValid() ? requete.lastError().text() : base.lastError().text();
        base.rollback();
        return false;
    }
    return true;
}

std::vector<TTirageDate> TBaseTirages::tirages(QString* erreur) const {
    std::vector<TTirageDate> resultat;
    if (!ouverte_)
        return resultat;
    QSqlQuery requete(QSqlDatabase::database(connexion_, false));
    requete.setForwardOnly(true);
    if (!requete.exec(
            QStringLiteral("SELECT %1 FROM tirages ORDER BY date DESC, id").arg(QLatin1String(colonnes)))) {
        if (erreur)
            *erreur = requete.lastError().text();
        return resultat;
    }
    while (requete.next()) {
        const QString jour = requete.value(0).toString();
        TTirageDate t;
        t.date = {jour.mid(0, 4).toInt(), jour.mid(5, 2).toInt(), jour.mid(8, 2).toInt()};
        for (int i = 0; i < 6; ++i)
            t.tirage.numeros[static_cast<std::size_t>(i)] = requete.value(i + 1).toInt();
        t.tirage.complementaire = requete.value(7).toInt();
        // The schema keeps the numbers sound; only a day like 2023-02-30 written by another
        // program could slip through, and it is no draw.
        if (validetirage(t) == TMotif::aucun)
            resultat.push_back(t);
    }
    return resultat;
}

bool TBaseTirages::entransaction(const QString& sql, const std::vector<TTirageDate>& tirages,
                                 const std::function<QString(QSqlQuery&, const TTirageDate&)>& lie,
                                 QString* erreur) {
    QSqlDatabase base = QSqlDatabase::database(connexion_, false);
    const auto refuse = [&](const QString& cause) {
        base.rollback();
        if (erreur)
            *erreur = cause;
        return false;
    };
    if (!ouverte_ || !base.transaction())
        return refuse(base.lastError().text());
    QSqlQuery requete(base);
    requete.prepare(sql);
    for (const TTirageDate& t : tirages) {
        if (const QString cause = lie(requete, t); !cause.isEmpty())
            return refuse(cause);
        if (!requete.exec())
            return refuse(requete.lastError().text());
    }
    if (!base.commit())
        return refuse(base.lastError().text());
    return true;
}

bool TBaseTirages::ajoute(const std::vector<TTirageDate>& tirages, QString* erreur) {
    const QString sql = QStringLiteral("INSERT INTO tirages (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                            .arg(QLatin1String(colonnes));
    return entransaction(
        sql, tirages,
        [](QSqlQuery& requete, const TTirageDate& t) {
            if (validetirage(t) != TMotif::aucun)
                return QStringLiteral("invalid draw of %1").arg(QString::fromStdString(dateiso(t.date)));
            lie(requete, t);
            requete.addBindValue(t.tirage.complementaire);
            return QString();
        },
        erreur);
}

bool TBaseTirages::supprime(const std::vector<TTirageDate>& tirages, QString* erreur) {
    return entransaction(
        QStringLiteral("DELETE FROM tirages WHERE date = ? AND n1 = ? AND n2 = ? AND n3 = ? "
                       "AND n4 = ? AND n5 = ? AND n6 = ?"),
        tirages,
        [](QSqlQuery& requete, const TTirageDate& t) {
            lie(requete, t);
            return QString();
        },
        erreur);
}

std::unique_ptr<TStockageTirages> creestockagetirages() {
    return std::make_unique<TBaseTirages>();
}

} // namespace vormigral
