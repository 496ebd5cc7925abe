#include "windows/texteshistorique.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace vormigral {

namespace {

struct Textes {
    Q_DECLARE_TR_FUNCTIONS(vormigral::THistorique)
};

} // namespace

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

QString nomclasse(TClasse k) {
    switch (k) {
    case TClasse::aucune:
        break;
    case TClasse::nb3:
        return Textes::tr("3 numbers");
    case TClasse::nb3c:
        return Textes::tr("3 + Bonus");
    case TClasse::nb4:
        return Textes::tr("4 numbers");
    case TClasse::nb4c:
        return Textes::tr("4 + Bonus");
    case TClasse::nb5:
        return Textes::tr("5 numbers");
    case TClasse::nb5c:
        return Textes::tr("5 + Bonus");
    case TClasse::nb6:
        return Textes::tr("6 numbers");
    }
    return QStringLiteral("—");
}

QString colonneclasse(std::size_t rang) {
    switch (classesdecroissantes[rang]) {
    case TClasse::nb5c:
        return Textes::tr("5+B");
    case TClasse::nb4c:
        return Textes::tr("4+B");
    case TClasse::nb3c:
        return Textes::tr("3+B");
    case TClasse::nb6:
        return QStringLiteral("6");
    case TClasse::nb5:
        return QStringLiteral("5");
    case TClasse::nb4:
        return QStringLiteral("4");
    case TClasse::nb3:
        return QStringLiteral("3");
    case TClasse::aucune:
        break;
    }
    return QString();
}

QString nompromesse(TPromesse p) {
    switch (p) {
    case TPromesse::sansobjet:
        break;
    case TPromesse::tenue:
        return Textes::tr("kept");
    case TPromesse::manquee:
        return Textes::tr("missed");
    }
    return Textes::tr("not applicable");
}

QString motif(const TLigneRejetee& rejet, TOrdreDates ordre) {
    switch (rejet.motif) {
    case TMotif::champs:
        return Textes::tr("wrong number of fields");
    case TMotif::date:
        return Textes::tr("unreadable date (DD/MM/YYYY or YYYY-MM-DD expected)");
    case TMotif::dateinexistante:
        return Textes::tr("no such date");
    case TMotif::annee:
        return Textes::tr("the year is outside the years accepted (1900 to today)");
    case TMotif::future:
        return Textes::tr("this date is after today");
    case TMotif::ordre:
        return ordre == TOrdreDates::moisjour
                   ? Textes::tr("no such date read month first, as this file's dates are")
                   : Textes::tr("no such date read day first, as this file's dates are");
    case TMotif::nombre:
        return Textes::tr("a number is missing or not a whole number");
    case TMotif::horsplage:
        return Textes::tr("a number is not between 1 and 49");
    case TMotif::repete:
        return Textes::tr("a number appears twice among the six");
    case TMotif::complementaire:
        return Textes::tr("the bonus number is also one of the six");
    case TMotif::repetition:
        return Textes::tr("same draw as line %1").arg(rejet.autre);
    case TMotif::contradiction:
        return rejet.autre > 0
                   ? Textes::tr("same date and numbers as line %1, another bonus number").arg(rejet.autre)
                   : Textes::tr("already stored with another bonus number");
    case TMotif::aucun:
        break;
    }
    return QString();
}

// A day read as a month shows when the first dates are spelt out beside the way they were written.
QString textedates(const TProjetImport& apercu) {
    QString texte = apercu.ordre == TOrdreDates::moisjour
                        ? Textes::tr("The dates of this file are read month first (MM/DD/YYYY).")
                    : apercu.ordre == TOrdreDates::annee
                        ? Textes::tr("The dates of this file are read year first (YYYY-MM-DD).")
                        : Textes::tr("The dates of this file are read day first (DD/MM/YYYY).");
    if (apercu.exemples.empty())
        return texte;
    //: The locale whose month names spell out the dates of an imported file.
    const QLocale langue(Textes::tr("en"));
    QStringList exemples;
    for (const TDateExemple& e : apercu.exemples)
        exemples << QStringLiteral("%1 = %2").arg(
            QString::fromStdString(e.texte),
            langue.toString(versqdate(e.date), QStringLiteral("d MMMM yyyy")));
    return texte + QLatin1Char(' ') +
           Textes::tr("First dates read: %1.").arg(exemples.join(QStringLiteral(" · ")));
}

QString causeerreur(TStockageTirages::TErreur erreur, const QString& detail) {
    using E = TStockageTirages::TErreur;
    switch (erreur) {
    case E::aucune:
        break;
    case E::fermee:
        return Textes::tr("The draw history is not open.");
    case E::lectureseule:
        return Textes::tr("The draw history can only be read: nothing was stored.");
    case E::verrouillee:
        return Textes::tr("The draw history has been busy with another copy of the program for more than 5 "
                          "seconds: nothing was stored. Try again in a moment.");
    case E::disquepleine:
        return Textes::tr("The disk is full: nothing was stored in the draw history.");
    case E::entreesortie:
        return Textes::tr("The system could not read or write the history file: nothing was stored.");
    case E::illisible:
    case E::endommagee:
        return Textes::tr(
            "The history file is damaged: nothing was stored. It will be set aside the next time "
            "the window opens.");
    case E::invalide: {
        const QDate date = QDate::fromString(detail, Qt::ISODate);
        return Textes::tr("The draw of %1 breaks the history's rules: nothing was stored.")
            .arg(date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : detail);
    }
    case E::annulee:
        return Textes::tr("Import cancelled: no draw was stored.");
    case E::autre:
        return Textes::tr("The draw history refused to store the draws: nothing was stored.");
    }
    return QString();
}

QString texteerreur(const TStockageTirages::TBilan& bilan) {
    QString texte = causeerreur(bilan.erreur, bilan.detail);
    // The driver's words help whoever looks into the fault, after the sentence the user reads.
    if (!bilan.detail.isEmpty() && bilan.erreur != TStockageTirages::TErreur::invalide &&
        bilan.erreur != TStockageTirages::TErreur::annulee)
        texte += Textes::tr("\n\nTechnical detail: %1").arg(bilan.detail);
    return texte;
}

} // namespace vormigral
