#include "history/argent.h"
#include "history/correspondances.h"
#include "history/importation.h"
#include "history/recapitulatif.h"

#include "engine/cases.h"
#include "tests/commun/grilles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

#include <sys/stat.h>

using namespace vormigral;

namespace {

// The day the tests run on, as far as the import knows.
constexpr TDate aujourdhui{2025, 6, 15};

QString iso(const TTirageDate& t) {
    QStringList numeros;
    for (const std::int32_t n : t.tirage.numeros)
        numeros << QString::number(n);
    return QStringLiteral("%1 %2+%3")
        .arg(QString::fromStdString(dateiso(t.date)), numeros.join(QLatin1Char('-')))
        .arg(t.tirage.complementaire);
}

// One line per outcome in file order: "+L date numbers" added, "=L" already stored, "!L reason"
// rejected ("@L" names the earlier line); or the refusal alone.
QString resume(const TProjetImport& a) {
    static const char* const refus[] = {"", "pastexte", "troplong", "enteteinconnue", "aucuntirage"};
    static const char* const motifs[] = {"",           "champs",        "date",   "dateinexistante",
                                         "nombre",     "horsplage",     "repete", "complementaire",
                                         "repetition", "contradiction", "annee",  "future",
                                         "ordre"};
    if (a.refus != TRefus::aucun) {
        QString r = QString::fromLatin1(refus[static_cast<int>(a.refus)]);
        if (a.refus == TRefus::enteteinconnue)
            r += QString::number(static_cast<int>(a.colonnemanquante));
        return r;
    }
    std::map<int, QString> lignes;
    for (const TLigneTirage& l : a.aajouter)
        lignes[l.ligne] = QStringLiteral("+%1 %2").arg(l.ligne).arg(iso(l.tirage));
    for (const TLigneTirage& l : a.presents)
        lignes[l.ligne] = QStringLiteral("=%1").arg(l.ligne);
    for (const TLigneRejetee& r : a.rejetees)
        lignes[r.ligne] =
            QStringLiteral("!%1 %2").arg(r.ligne).arg(QLatin1String(motifs[static_cast<int>(r.motif)])) +
            (r.autre ? QStringLiteral("@%1").arg(r.autre) : QString());
    QStringList resultat;
    for (const auto& [ligne, texte] : lignes)
        resultat << texte;
    const QString ordre = a.ordre == TOrdreDates::moisjour  ? QStringLiteral("[mois] ")
                          : a.ordre == TOrdreDates::annee   ? QStringLiteral("[annee] ")
                          : a.ordre == TOrdreDates::lettres ? QStringLiteral("[lettres] ")
                                                            : QString();
    return ordre + resultat.join(QStringLiteral(", "));
}

std::vector<TTirageDate> lus(const QByteArray& texte) {
    std::vector<TTirageDate> tirages;
    for (const TLigneTirage& l : analyseimport(texte.toStdString(), {}, aujourdhui).aajouter)
        tirages.push_back(l.tirage);
    return tirages;
}

// A draw's payouts from 6 down to 3, "?" where unknown.
QString paiements(const TGains& g) {
    QStringList classes;
    for (int k = 7; k >= 1; --k)
        classes << (g.connu(static_cast<TClasse>(k))
                        ? QString::number(g.centimes[static_cast<std::size_t>(k)])
                        : QStringLiteral("?"));
    return classes.join(QLatin1Char(' '));
}

QByteArray utf16(const QString& texte) {
    QByteArray octets("\xFF\xFE", 2);
    octets.append(reinterpret_cast<const char*>(texte.utf16()), texte.size() * 2);
    return octets;
}

} // namespace

class TestHistorique : public QObject {
    Q_OBJECT

private slots:
    void importation_data();
    void importation();
    void correspondance_data();
    void correspondance();
    void cle();
    void gains_data();
    void gains();
    void montants_data();
    void montants();
    void argent();
    void memoirecolonnes();
    void tropgrand();
    void rejetsbornes();
    void exemple();
    void bilanbrut_data();
    void bilanbrut();
    void periodeetcsv();
};

void TestHistorique::importation_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QByteArray>("existants");
    QTest::addColumn<QString>("attendu");
    const QByteArray aucun;
    const QByteArray sept = ";1;2;3;4;5;6;7";

    QTest::newRow("entete publie, colonnes en trop, numeros dans l'ordre du tirage")
        << QByteArray("numero;jour;date_de_tirage;date_de_forclusion;boule_1;boule_2;boule_3;boule_4;boule_5;"
                      "boule_6;boule_complementaire;rapport\n"
                      "1;SAMEDI;09/03/2024;08/05/2024;44;3;17;29;8;31;12;1 000,50\n"
                      "2;MERCREDI;13/03/2024;12/05/2024;1;2;3;4;5;6;7;2,00\n")
        << aucun << "+2 2024-03-09 3-8-17-29-31-44+12, +3 2024-03-13 1-2-3-4-5-6+7";
    QTest::newRow("entete anglais, virgules, dates ISO")
        << QByteArray(
               "Draw Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball\n2024-03-09,1,2,3,4,5,6,7\n")
        << aucun << "[annee] +2 2024-03-09 1-2-3-4-5-6+7";
    QTest::newRow("entete Latin-1 accentue, tabulations")
        << QByteArray("Date\tNum\xe9ro 1\tNUM\xc9RO 2\tNum\xe9ro 3\tNum\xe9ro 4\tNum\xe9ro 5\tNum\xe9ro 6\t"
                      "Compl\xe9mentaire\n9/3/2024\t1\t2\t3\t4\t5\t6\t7\n")
        << aucun << "+2 2024-03-09 1-2-3-4-5-6+7";
    QTest::newRow("colonnes dans le desordre, guillemets")
        << QByteArray(
               "\"C\";\"N6\";\"N5\";\"N4\";\"N3\";\"N2\";\"N1\";\"Date\"\n\"7\";6;5;4;3;2;1;\"09/03/2024\"\n")
        << aucun << "+2 2024-03-09 1-2-3-4-5-6+7";
    QTest::newRow("sans entete, toutes les formes de date")
        << QByteArray("09/03/2024" + sept +
                      "\n2024-03-13;1;2;3;4;5;6;8\n16/03/24;1;2;3;4;5;6;9\n"
                      "20/03/69;1;2;3;4;5;6;10\n23/03/70;1;2;3;4;5;6;11\n20240327;1;2;3;4;5;6;12\n"
                      "30.03.2024;1;2;3;4;5;6;13\n2024-04-03 20:15:00;1;2;3;4;5;6;14\n")
        << aucun
        // 69 is 2069, after today.
        << "+1 2024-03-09 1-2-3-4-5-6+7, +2 2024-03-13 1-2-3-4-5-6+8, +3 2024-03-16 1-2-3-4-5-6+9, "
           "!4 future, +5 1970-03-23 1-2-3-4-5-6+11, +6 2024-03-27 1-2-3-4-5-6+12, "
           "+7 2024-03-30 1-2-3-4-5-6+13, +8 2024-04-03 1-2-3-4-5-6+14";
    QTest::newRow("BOM, CRLF, lignes blanches avant et apres l'entete")
        << QByteArray("\xEF\xBB\xBF\r\nDate;B1;B2;B3;B4;B5;B6;C\r\n\r\n09/03/2024;1;2;3;4;5;6;7\r\n  \r\n"
                      "13/03/2024;1;2;3;4;5;6;8\r\n")
        << aucun << "+4 2024-03-09 1-2-3-4-5-6+7, +6 2024-03-13 1-2-3-4-5-6+8";
    QTest::newRow("CR seuls, blancs comme separateur")
        << QByteArray("09/03/2024 1 2 3 4 5 6 7\r13/03/2024  1 2 3 4 5 6\t8\r") << aucun
        << "+1 2024-03-09 1-2-3-4-5-6+7, +2 2024-03-13 1-2-3-4-5-6+8";
    QTest::newRow("lignes cassees")
        << QByteArray("09/03/2024" + sept + "\n10/03/2024;1;2;3;4;5;6\n32/01/2024" + sept + "\n29/02/2023" +
                      sept + "\n29/02/2024" + sept + "\n29/02/1900" + sept + "\n29/02/2000" + sept +
                      "\nhier" + sept +
                      "\n11/03/2024;1;2;x;4;5;6;7\n12/03/2024;0;2;3;4;5;6;7\n12/03/2024;1;2;3;4;5;50;7\n"
                      "14/03/2024;1;2;3;4;5;5;7\n15/03/2024;1;2;3;4;5;6;6\n16/03/2024;1;2;3;4;5;6;\n"
                      "17/03/2024;1;2;3;4;5;6;0049\n18/03/2024;1;2;3;4;5;6;7;8\n")
        << aucun
        << "+1 2024-03-09 1-2-3-4-5-6+7, !2 champs, !3 dateinexistante, !4 dateinexistante, "
           "+5 2024-02-29 1-2-3-4-5-6+7, !6 dateinexistante, +7 2000-02-29 1-2-3-4-5-6+7, !8 date, !9 "
           "nombre, "
           "!10 horsplage, !11 horsplage, !12 repete, !13 complementaire, !14 champs, !15 nombre, !16 champs";
    QTest::newRow("doublons avec la base et dans le fichier")
        << QByteArray("09/03/2024;6;5;4;3;2;1;7\n13/03/2024;10;11;12;13;14;15;17\n16/03/2024" + sept +
                      "\n16/03/2024" + sept + "\n16/03/2024;1;2;3;4;5;6;8\n")
        << QByteArray("09/03/2024" + sept + "\n13/03/2024;10;11;12;13;14;15;16\n")
        << "=1, !2 contradiction, +3 2024-03-16 1-2-3-4-5-6+7, !4 repetition@3, !5 contradiction@3";
    QTest::newRow("dates mois d'abord")
        << QByteArray("03/25/2024" + sept + "\n04/01/2024" + sept + "\n04/13/2024" + sept + "\n05/14/2024" +
                      sept + "\n")
        << aucun
        << "[mois] +1 2024-03-25 1-2-3-4-5-6+7, +2 2024-04-01 1-2-3-4-5-6+7, +3 2024-04-13 1-2-3-4-5-6+7, "
           "+4 2024-05-14 1-2-3-4-5-6+7";
    // One typing error among day-first dates: the file stays day first, the line is rejected.
    QTest::newRow("une date mois d'abord parmi d'autres")
        << QByteArray("date;b1;b2;b3;b4;b5;b6;c\n05/03/2022" + sept + "\n10/04/2022" + sept + "\n07/11/2022" +
                      sept + "\n06/13/2022" + sept + "\n")
        << aucun
        << "+2 2022-03-05 1-2-3-4-5-6+7, +3 2022-04-10 1-2-3-4-5-6+7, +4 2022-11-07 1-2-3-4-5-6+7, !5 ordre";
    QTest::newRow("trois mois d'abord contre deux jour d'abord")
        << QByteArray("03/25/2024" + sept + "\n04/13/2024" + sept + "\n05/14/2024" + sept + "\n25/03/2023" +
                      sept + "\n13/04/2023" + sept + "\n")
        << aucun << "!1 ordre, !2 ordre, !3 ordre, +4 2023-03-25 1-2-3-4-5-6+7, +5 2023-04-13 1-2-3-4-5-6+7";
    QTest::newRow("cinq mois d'abord contre deux jour d'abord")
        << QByteArray("03/25/2024" + sept + "\n04/13/2024" + sept + "\n05/14/2024" + sept + "\n06/15/2024" +
                      sept + "\n07/16/2024" + sept + "\n25/03/2023" + sept + "\n13/04/2023" + sept + "\n")
        << aucun
        << "[mois] +1 2024-03-25 1-2-3-4-5-6+7, +2 2024-04-13 1-2-3-4-5-6+7, +3 2024-05-14 1-2-3-4-5-6+7, "
           "+4 2024-06-15 1-2-3-4-5-6+7, +5 2024-07-16 1-2-3-4-5-6+7, !6 ordre, !7 ordre";
    QTest::newRow("annees hors limites et dates a venir")
        << QByteArray("15/06/1850" + sept + "\n01/01/0021" + sept + "\n31/12/1899" + sept + "\n01/01/1900" +
                      sept + "\n15/06/2025" + sept + "\n16/06/2025" + sept + "\n01/01/2150" + sept + "\n")
        << aucun
        << "!1 annee, !2 annee, !3 annee, +4 1900-01-01 1-2-3-4-5-6+7, +5 2025-06-15 1-2-3-4-5-6+7, !6 "
           "future, "
           "!7 future";
    QTest::newRow("jour d'abord quand rien ne tranche")
        << QByteArray("03/04/2024" + sept + "\n") << aucun << "+1 2024-04-03 1-2-3-4-5-6+7";
    QTest::newRow("UTF-16 avec BOM")
        << utf16(
               QStringLiteral("Date;Boule 1;Boule 2;Boule 3;Boule 4;Boule 5;Boule 6;Numéro complémentaire\r\n"
                              "09/03/2024;1;2;3;4;5;6;7\r\n"))
        << aucun << "+2 2024-03-09 1-2-3-4-5-6+7";
    QTest::newRow("canadien")
        << QByteArray(
               "PRODUCT,DRAW NUMBER,SEQUENCE NUMBER,DRAW DATE,NUMBER DRAWN 1,NUMBER DRAWN 2,NUMBER DRAWN 3,"
               "NUMBER DRAWN 4,NUMBER DRAWN 5,NUMBER DRAWN 6,BONUS NUMBER\n"
               "649,1,0,1982-06-12,3,11,12,14,41,43,13\n649,2,0,1982-06-19,8,33,36,37,39,41,9\n")
        << aucun << "[annee] +2 1982-06-12 3-11-12-14-41-43+13, +3 1982-06-19 8-33-36-37-39-41+9";
    QTest::newRow("britannique")
        << QByteArray(
               "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,Raffles,"
               "DrawNumber\n03-Oct-2015,3,10,13,29,42,47,11,7,Lancelot,\"JDM1,JDM2\",2074\n"
               "30-SEP-2015,5,7,22,30,33,44,9,7,Merlin,,2073\n")
        << aucun << "[lettres] +2 2015-10-03 3-10-13-29-42-47+11, +3 2015-09-30 5-7-22-30-33-44+9";
    QTest::newRow("mois en lettres")
        << QByteArray("3 octobre 2015" + sept + "\n04 Oct 2015" + sept + "\n5-févr.-2015" + sept +
                      "\nSept. 6 2015" + sept + "\nsam. 7 AOÛT 2021" + sept + "\nSaturday 8 May 21" + sept +
                      "\n09-Dec-2015 20:00" + sept + "\n31-Feb-2015" + sept + "\n3 Foo 2015" + sept +
                      "\n3 jui 2015" + sept + "\n03-Oct-2015x" + sept + "\n")
        << aucun
        << "[lettres] +1 2015-10-03 1-2-3-4-5-6+7, +2 2015-10-04 1-2-3-4-5-6+7, +3 2015-02-05 1-2-3-4-5-6+7, "
           "+4 2015-09-06 1-2-3-4-5-6+7, +5 2021-08-07 1-2-3-4-5-6+7, +6 2021-05-08 1-2-3-4-5-6+7, "
           "+7 2015-12-09 1-2-3-4-5-6+7, !8 dateinexistante, !9 date, !10 date, !11 date";
    QTest::newRow("mois en lettres Latin-1")
        << QByteArray("2 f\xe9vrier 2015" + sept +
                      "\n3 D\xc9"
                      "C. 2015" +
                      sept + "\n")
        << aucun << "[lettres] +1 2015-02-02 1-2-3-4-5-6+7, +2 2015-12-03 1-2-3-4-5-6+7";
    QTest::newRow("octet NUL") << QByteArray("09/03/2024;1;2;3\0;4;5;6;7\n", 26) << aucun << "pastexte";
    QTest::newRow("image PNG") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << aucun << "pastexte";
    QTest::newRow("entete sans boule 4")
        << QByteArray("date;boule_1;boule_2;boule_3;boule_5;boule_6;complementaire\n09/03/2024;1;2;3;5;6;7\n")
        << aucun << "enteteinconnue4";
    QTest::newRow("entete sans complementaire")
        << QByteArray("date;n1;n2;n3;n4;n5;n6\n09/03/2024;1;2;3;4;5;6\n") << aucun << "enteteinconnue7";
    QTest::newRow("aucune ligne valable")
        << QByteArray("1;2;3\n09/03/2024;1;1;1;1;1;1;1\n") << aucun << "aucuntirage";
    QTest::newRow("vide") << QByteArray("\r\n \r\n") << aucun << "aucuntirage";
}

void TestHistorique::importation() {
    QFETCH(QByteArray, contenu);
    QFETCH(QByteArray, existants);
    QFETCH(QString, attendu);
    const TProjetImport apercu =
        analyseimport(std::string_view(contenu.constData(), static_cast<std::size_t>(contenu.size())),
                      lus(existants), aujourdhui);
    QCOMPARE(resume(apercu), attendu);
    if (apercu.refus != TRefus::aucun)
        QVERIFY(apercu.aajouter.empty() && apercu.presents.empty());
    if (apercu.refus != TRefus::aucun && apercu.refus != TRefus::aucuntirage)
        QVERIFY(apercu.rejetees.empty());
}

void TestHistorique::correspondance_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("correspondance");
    QTest::addColumn<QString>("attendu");
    const QByteArray inconnue = "Tirage;Jour;Quand;Un;Deux;Trois;Quatre;Cinq;Six;Bonus\n"
                                "1;SA;09/03/2024;1;2;3;4;5;6;7\n";
    QTest::newRow("entete inconnue") << inconnue << ""
                                     << "enteteinconnue0";
    QTest::newRow("colonnes donnees") << inconnue << "2,3,4,5,6,7,8,9"
                                      << "+2 2024-03-09 1-2-3-4-5-6+7";
    QTest::newRow("colonne deux fois") << inconnue << "2,3,4,5,6,7,3,9"
                                       << "enteteinconnue6";
    QTest::newRow("colonne hors entete") << inconnue << "2,3,4,5,6,7,8,10"
                                         << "enteteinconnue7";
    QTest::newRow("sans entete") << QByteArray("7;1;2;3;4;5;6;09/03/2024;x\n") << "7,1,2,3,4,5,6,0"
                                 << "+1 2024-03-09 1-2-3-4-5-6+7";
    QTest::newRow("au-dela des colonnes d'une ligne")
        << QByteArray("9;1;2;3;4;5;6;09/03/2024;7\n7;1;2;3;4;5;6;10/03/2024\n") << "7,1,2,3,4,5,6,8"
        << "+1 2024-03-09 1-2-3-4-5-6+7, !2 champs";
    QTest::newRow("en place d'une entete connue")
        << QByteArray("date;b1;b2;b3;b4;b5;b6;c\n1;2;3;4;5;6;7;09/03/2024\n") << "7,0,1,2,3,4,5,6"
        << "+2 2024-03-09 1-2-3-4-5-6+7";
}

// A header the import does not know is reported column by column; the player's mapping reads it.
void TestHistorique::correspondance() {
    QFETCH(QByteArray, contenu);
    QFETCH(QString, correspondance);
    QFETCH(QString, attendu);
    TCorrespondance c;
    const QStringList indices = correspondance.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int i = 0; i < indices.size(); ++i)
        c.colonnes[static_cast<std::size_t>(i)] = indices[i].toInt();
    const TProjetImport a =
        analyseimport(contenu.toStdString(), {}, aujourdhui, indices.isEmpty() ? nullptr : &c);
    QCOMPARE(resume(a), attendu);
    if (contenu.startsWith("Tirage")) {
        QCOMPARE(a.colonnes.size(), std::size_t{10});
        QCOMPARE(a.colonnes[2], std::string("Quand"));
        QCOMPARE(a.exemple[2], std::string("09/03/2024"));
        QCOMPARE(a.cle, std::string("tirage;jour;quand;un;deux;trois;quatre;cinq;six;bonus"));
        // What the import did recognise is offered as the start of the mapping.
        const std::array<int, 8> reconnues{-1, -1, -1, -1, -1, -1, -1, 9};
        QCOMPARE(a.reconnues.colonnes, reconnues);
    }
}

// The same layout written by other programs finds the same key; a very long header a bounded one.
void TestHistorique::cle() {
    const TProjetImport a =
        analyseimport("Date;Numéro 1;Numéro 2;N3;N4;N5;N6;Complémentaire\n", {}, aujourdhui);
    const TProjetImport b = analyseimport(
        "\"DATE\",\"numero_1\",\"NUM\xc9RO 2\",\"n 3\",n4,n5,n6,complementaire,,\r\n", {}, aujourdhui);
    QCOMPARE(a.cle, std::string("date;numero1;numero2;n3;n4;n5;n6;complementaire"));
    QCOMPARE(b.cle, a.cle);
    std::vector<std::string> longue(300, "colonne");
    const std::string k = cleentete(longue);
    QCOMPARE(k.size(), std::size_t{257});
    QCOMPARE(k[240], '#');
    longue.back() = "autre";
    QVERIFY(cleentete(longue) != k);
}

void TestHistorique::gains_data() {
    QTest::addColumn<QByteArray>("entete");
    QTest::addColumn<QByteArray>("ligne");
    QTest::addColumn<QString>("attendu");
    // The seven ranks of the French 6/49 as its history files give them, winners then payout.
    const QByteArray fdj =
        "annee_numero_de_tirage;1er_ou_2eme_tirage;jour_de_tirage;date_de_tirage;boule_1;boule_2;"
        "boule_3;boule_4;boule_5;boule_6;boule_complementaire;nombre_de_gagnant_au_rang1;"
        "rapport_du_rang1;nombre_de_gagnant_au_rang2;rapport_du_rang2;nombre_de_gagnant_au_rang3;"
        "rapport_du_rang3;nombre_de_gagnant_au_rang4;rapport_du_rang4;nombre_de_gagnant_au_rang5;"
        "rapport_du_rang5;nombre_de_gagnant_au_rang6;rapport_du_rang6;nombre_de_gagnant_au_rang7;"
        "rapport_du_rang7;numero_jokerplus;devise;";
    const QByteArray rangs = "1;1 234 567,8;6;10 500,2;200;1400;600;61,6;12000;30,8;20000;5,4;250000;2,7;";
    QTest::newRow("euros") << fdj << "2008001;1;SA;20080105;1;2;3;4;5;6;7;" + rangs + "7 523 262;eur;"
                           << "123456780 1050020 140000 6160 3080 540 270";
    QTest::newRow("francs convertis") << fdj << "1995001;1;SA;19950107;1;2;3;4;5;6;7;" + rangs + ";FRF;"
                                      << "18820865 160075 21343 939 470 82 41";
    QTest::newRow("sans devise avant 2002: francs")
        << fdj << "1995001;1;SA;19950107;1;2;3;4;5;6;7;" + rangs + ";;"
        << "18820865 160075 21343 939 470 82 41";
    QTest::newRow("rangs sans gagnant") << fdj
                                        << QByteArray("2008001;1;SA;20080105;1;2;3;4;5;6;7;0;0;6;10 "
                                                      "500,2;200;1400;0;0;12000;30,8;20000;;250000;2,7;;eur;")
                                        << "? 1050020 140000 ? 3080 ? 270";
    // The first rank may then hold the 5+C grids: what a 6 paid is unknown too.
    QTest::newRow("second rang sans gagnant")
        << fdj
        << QByteArray("2008001;1;SA;20080105;1;2;3;4;5;6;7;1;2 000 "
                      "000;0;0;200;1400;600;61,6;12000;30,8;20000;5,4;250000;2,7;;eur;")
        << "? ? 140000 6160 3080 540 270";
    QTest::newRow("cinq rangs seulement")
        << fdj
        << QByteArray(
               "1977001;1;ME;19770105;1;2;3;4;5;6;7;1;500 000;6;10 500;200;1400;600;61;12000;30;;;;;;;")
        << "? ? ? ? ? ? ?";
    QTest::newRow("neuf rangs: une autre formule")
        << QByteArray(
               "date;b1;b2;b3;b4;b5;b6;c;rapport_du_rang1;rapport_du_rang2;rapport_du_rang3;rapport_du_rang4;"
               "rapport_du_rang5;rapport_du_rang6;rapport_du_rang7;rapport_du_rang8;rapport_du_rang9")
        << QByteArray("05/01/2008;1;2;3;4;5;6;7;1;2;3;4;5;6;7;8;9") << "? ? ? ? ? ? ?";
}

// Payouts come with each draw where the layout gives them for certain, in euro cents.
void TestHistorique::gains() {
    QFETCH(QByteArray, entete);
    QFETCH(QByteArray, ligne);
    QFETCH(QString, attendu);
    const TProjetImport a = analyseimport((entete + "\n" + ligne + "\n").toStdString(), {}, aujourdhui);
    QCOMPARE(a.aajouter.size(), std::size_t{1});
    QCOMPARE(paiements(gainsdelaligne(a, a.aajouter.front())), attendu);
}

void TestHistorique::montants_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<qint64>("centimes"); // -1: refused
    QTest::newRow("entier") << "904940" << qint64(90494000);
    QTest::newRow("groupes et virgule") << "1 234 567,89" << qint64(123456789);
    QTest::newRow("espace insecable, une decimale") << "10\u00A0953,9" << qint64(1095390);
    QTest::newRow("point") << " 2.20 " << qint64(220);
    QTest::newRow("milliard") << "1 000 000 000" << qint64(100000000000);
    QTest::newRow("au-dela") << "1000000000,01" << qint64(-1);
    QTest::newRow("trois decimales") << "12,345" << qint64(-1);
    QTest::newRow("groupe court") << "1 23" << qint64(-1);
    QTest::newRow("negatif") << "-5" << qint64(-1);
    QTest::newRow("devise") << "5 €" << qint64(-1);
}

void TestHistorique::montants() {
    QFETCH(QString, texte);
    QFETCH(qint64, centimes);
    std::int64_t lu = -1;
    QCOMPARE(litmontant(texte.toStdString(), lu) ? lu : -1, centimes);
}

// Three grids, three draws, worked out by hand. Newest first, as the history lists them:
// - 09/03: nothing reached, no payout stored: costs 0.90 €;
// - 06/03: grid 1 has 3 (2.70 €), grid 2 has 4 + C, whose payout is unknown: 2.70 - 0.90 = 1.80 €,
//   one grid without payout;
// - 02/03: grid 1 has 5 + C (1,000 €), grid 2 has 3 (5.40 €): 1,005.40 - 0.90 = 1,004.50 €.
void TestHistorique::argent() {
    const std::vector<TTirageDate> tirages =
        lus("09/03/2024;30;31;32;33;34;35;36\n06/03/2024;1;2;3;10;40;41;11\n"
            "02/03/2024;1;2;3;4;5;7;6\n");
    const std::vector<TMasque> grilles{masque({1, 2, 3, 4, 5, 6}), masque({1, 2, 3, 10, 11, 12}),
                                       masque({20, 21, 22, 23, 24, 25})};
    std::vector<TGains> gains(3);
    gains[1].centimes[static_cast<std::size_t>(TClasse::nb3)] = 270;
    gains[2].centimes[static_cast<std::size_t>(TClasse::nb5c)] = 100000;
    gains[2].centimes[static_cast<std::size_t>(TClasse::nb3)] = 540;
    const TBilanArgent b = bilanargent(recapitule(grilles, 0, {3, 3}, tirages), gains, prixgrilleordinaire);
    QCOMPARE(b.tirages[1].inconnus[static_cast<std::size_t>(TClasse::nb4c)], 1);
    QCOMPARE(b.cout, std::int64_t{270});
    QCOMPARE(b.gagne, std::int64_t{100810});
    QCOMPARE(b.net, std::int64_t{100540});
    QCOMPARE(b.nbinconnus, 1);
    QCOMPARE(b.tiragesincomplets, 1);
    QCOMPARE(b.tiragessansgains, 1);
    // The chart runs from the oldest draw on; each step is that draw's net.
    QCOMPARE(b.cumul.size(), std::size_t{3});
    QCOMPARE(b.cumul[0].cumul, std::int64_t{100450});
    QCOMPARE(b.cumul[1].incomplet, true);
    QCOMPARE(b.cumul[1].cumul, std::int64_t{100630});
    QCOMPARE(b.cumul[2].cumul, std::int64_t{100540});
    QCOMPARE(b.cumul[2].tirage, std::size_t{0});
    // A price past the bound is held at it; a draw past the payouts given has none.
    const TBilanArgent cher = bilanargent(recapitule(grilles, 0, {3, 3}, tirages), {}, prixgrillemax * 10);
    QCOMPARE(cher.cout, 9 * prixgrillemax);
    QCOMPARE(cher.nbinconnus, 4);
}

// The remembered mappings: written whole, read back, damaged lines passed over, bounded, and a
// file that is not a plain file never opened.
void TestHistorique::memoirecolonnes() {
    QTemporaryDir dossier;
    const std::string chemin = QFile::encodeName(dossier.filePath(QStringLiteral("colonnes"))).toStdString();
    TCorrespondance c;
    c.colonnes = {2, 3, 4, 5, 6, 7, 8, 9};
    QVERIFY(static_cast<bool>(memorisecorrespondance(chemin, "tirage;jour;quand", c)));
    c.colonnes[0] = 1;
    QVERIFY(static_cast<bool>(memorisecorrespondance(chemin, "autre", c)));
    QCOMPARE(memorisecorrespondance(chemin, "Pas une cle", c).refus, Refus::Autre);
    c.colonnes[1] = 1;
    QCOMPARE(memorisecorrespondance(chemin, "autre", c).refus, Refus::Autre);
    TMemoireColonnes m = liscorrespondances(chemin);
    QCOMPARE(m.entrees.size(), std::size_t{2});
    QCOMPARE(correspondancememorisee(m, "tirage;jour;quand")->colonnes[0], 2);
    QCOMPARE(correspondancememorisee(m, "autre")->colonnes[0], 1);
    QVERIFY(!correspondancememorisee(m, "tirage").has_value());

    m = lismemoirecolonnes("VORMIGRAL correspondances 1\r\n1,2,3,4,5,6,7,8\tune\n1,2,3,4,5,6,7\tcourte\n"
                           "1,1,3,4,5,6,7,8\tdouble\n1,2,3,4,5,6,7,256\tloin\n1,2,3,4,5,6,7,8\tMAJ\n"
                           "1,2,3,4,5,6,7,8\n\x01\xff\n8,2,3,4,5,6,7,1\tune\n");
    QCOMPARE(m.ignorees, std::size_t{6});
    QCOMPARE(m.entrees.size(), std::size_t{1});
    QCOMPARE(m.entrees[0].correspondance.colonnes[0], 8);

    // Beyond the bound the mapping used longest ago is forgotten.
    QFile plein(QFile::decodeName(chemin.c_str()));
    QVERIFY(plein.open(QIODevice::WriteOnly));
    for (std::size_t i = 0; i < correspondancesmax + 20; ++i)
        plein.write(QByteArray("0,1,2,3,4,5,6,7\tcle") + QByteArray::number(static_cast<int>(i)) + '\n');
    plein.close();
    QVERIFY(static_cast<bool>(
        memorisecorrespondance(chemin, "nouvelle", TCorrespondance{{0, 1, 2, 3, 4, 5, 6, 7}})));
    m = liscorrespondances(chemin);
    QCOMPARE(m.entrees.size(), correspondancesmax);
    QCOMPARE(m.entrees.front().cle, std::string("cle21"));
    QCOMPARE(m.entrees.back().cle, std::string("nouvelle"));

    // A file cut short by the reading bound loses its last, partial line rather than read a shorter key.
    QVERIFY(plein.open(QIODevice::WriteOnly));
    for (int i = 0; i < 400; ++i)
        plein.write("0,1,2,3,4,5,6,7\t" + QByteArray::number(1000 + i) + QByteArray(200, 'a') + '\n');
    plein.close();
    m = liscorrespondances(chemin);
    QCOMPARE(m.entrees.size(), correspondancesmax);
    for (const TCorrespondanceMemorisee& e : m.entrees)
        QCOMPARE(e.cle.size(), std::size_t{204});

    const std::string tube = QFile::encodeName(dossier.filePath(QStringLiteral("tube"))).toStdString();
    QCOMPARE(::mkfifo(tube.c_str(), 0600), 0);
    QCOMPARE(liscorrespondances(tube).ouverture, Ouverture::PasFichier);
    QCOMPARE(memorisecorrespondance(tube, "autre", TCorrespondance{{0, 1, 2, 3, 4, 5, 6, 7}}).refus,
             Refus::PasFichier);
}

void TestHistorique::tropgrand() {
    const std::string enorme(tailleimportmax + 1, '1');
    QCOMPARE(static_cast<int>(analyseimport(enorme, {}, aujourdhui).refus),
             static_cast<int>(TRefus::troplong));
}

// Every rejected line is counted, only the first are described: a file of rejected lines takes no
// more memory than a file of draws.
void TestHistorique::rejetsbornes() {
    std::string texte;
    for (std::size_t i = 0; i < rejetsdetailles + 1500; ++i)
        texte += i % 2 ? "1;2\n" : "32/01/2024;1;2;3;4;5;6;7\n";
    texte += "09/03/2024;1;2;3;4;5;6;7\n";
    const TProjetImport a = analyseimport(texte, {}, aujourdhui);
    QCOMPARE(a.nbrejetees, rejetsdetailles + 1500);
    QCOMPARE(a.rejetees.size(), rejetsdetailles);
    QCOMPARE(a.rejetees.back().ligne, static_cast<int>(rejetsdetailles));
    QCOMPARE(a.rejetees.back().texte, std::string("1;2"));
    QCOMPARE(a.aajouter.size(), std::size_t{1});
    QCOMPARE(a.aajouter.front().ligne, static_cast<int>(rejetsdetailles) + 1501);
}

// The sample file ships with the tests: every draw is taken, and taken only once.
void TestHistorique::exemple() {
    QFile fichier(QFINDTESTDATA("../donnees/historique-exemple.csv"));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const std::string contenu = fichier.readAll().toStdString();
    const TProjetImport premier = analyseimport(contenu, {}, aujourdhui);
    QCOMPARE(premier.aajouter.size(), std::size_t{300});
    QVERIFY(premier.rejetees.empty());
    QCOMPARE(iso(premier.aajouter.front().tirage), QStringLiteral("2021-01-02 4-14-16-42-46-49+23"));
    QCOMPARE(dateiso(premier.aajouter.back().tirage.date), std::string("2023-11-15"));
    std::vector<TTirageDate> stockes;
    for (const TLigneTirage& l : premier.aajouter)
        stockes.push_back(l.tirage);
    const TProjetImport second = analyseimport(contenu, stockes, aujourdhui);
    QCOMPARE(second.presents.size(), std::size_t{300});
    QVERIFY(second.aajouter.empty() && second.rejetees.empty());
}

void TestHistorique::bilanbrut_data() {
    QTest::addColumn<int>("methode");
    for (const int m : {3, 6, 13, 22, 47})
        QTest::addRow("methode %d", m) << m;
}

// Every count of the bit-mask check against a plain count over the expanded grids, on a history
// where half the draws come from the ticked numbers, so that the promise applies often.
void TestHistorique::bilanbrut() {
    QFETCH(int, methode);
    TEtat etat;
    initmethodes(etat.methodes);
    std::mt19937 hasard(static_cast<unsigned>(methode));
    tirealeatoire(etat, etat.methodes[methode].nbnumeros,
                  [&](int l) { return std::uniform_int_distribution<int>(0, l - 1)(hasard); });
    construitnumcoch(etat);
    etat.methodechoisie = methode;
    const int nbnumeros = etat.methodes[methode].nbnumeros;
    std::vector<int> coches(etat.numcoch.begin() + 1, etat.numcoch.begin() + 1 + nbnumeros);

    std::vector<int> autres;
    for (int n = 1; n <= 49; ++n)
        if (std::find(coches.begin(), coches.end(), n) == coches.end())
            autres.push_back(n);
    std::vector<TTirageDate> tirages;
    for (int i = 0; i < 60; ++i) {
        std::shuffle(coches.begin(), coches.end(), hasard);
        std::shuffle(autres.begin(), autres.end(), hasard);
        std::vector<int> urne = i % 2 == 0 ? coches : autres;
        urne.insert(urne.end(), (i % 2 == 0 ? autres : coches).begin(), (i % 2 == 0 ? autres : coches).end());
        if (i % 4 == 1)
            std::shuffle(urne.begin(), urne.end(), hasard);
        TTirageDate t;
        t.date = {2024, 1 + i / 28, 1 + i % 28};
        std::copy_n(urne.begin(), 6, t.tirage.numeros.begin());
        t.tirage.complementaire = urne[6];
        tirages.push_back(t);
    }
    const TGarantie promesse = garantie(methode);
    const TRecapitulatif b = recapitule(grillesdelaserie(etat), masquecoches(etat), promesse, tirages);
    QCOMPARE(b.tirages.size(), tirages.size());

    std::vector<std::vector<int>> grilles;
    for (int g = 1; g <= etat.methodes[methode].nbgrilles; ++g)
        grilles.push_back(test::numeros(etat, methode, g));
    std::array<int, 8> totaux{};
    int promises = 0;
    int tenues = 0;
    for (std::size_t i = 0; i < tirages.size(); ++i) {
        const TTirage& t = tirages[i].tirage;
        const auto tire = [&t](int n) { return std::count(t.numeros.begin(), t.numeros.end(), n) > 0; };
        std::array<int, 8> compte{};
        int meilleure = 0;
        int plusdebons = 0;
        for (const std::vector<int>& grille : grilles) {
            const int bons = static_cast<int>(std::count_if(grille.begin(), grille.end(), tire));
            const bool c = std::count(grille.begin(), grille.end(), t.complementaire) > 0;
            const int k = bons < 3 ? 0 : 1 + (bons - 3) * 2 + (c && bons < 6 ? 1 : 0);
            ++compte[static_cast<std::size_t>(k)];
            meilleure = std::max(meilleure, k);
            plusdebons = std::max(plusdebons, bons);
        }
        const int trouves = static_cast<int>(std::count_if(coches.begin(), coches.end(), tire));
        const TRecapTirage& r = b.tirages[i];
        for (int k = 0; k < 8; ++k) {
            QCOMPARE(r.compteurs[static_cast<TClasse>(k)], compte[static_cast<std::size_t>(k)]);
            totaux[static_cast<std::size_t>(k)] += compte[static_cast<std::size_t>(k)];
        }
        QCOMPARE(static_cast<int>(r.meilleure), meilleure);
        QCOMPARE(r.trouves, trouves);
        const TPromesse attendue = trouves < promesse.y       ? TPromesse::sansobjet
                                   : plusdebons >= promesse.x ? TPromesse::tenue
                                                              : TPromesse::manquee;
        QCOMPARE(static_cast<int>(r.promesse), static_cast<int>(attendue));
        promises += attendue != TPromesse::sansobjet;
        tenues += attendue == TPromesse::tenue;
    }
    for (int k = 0; k < 8; ++k)
        QCOMPARE(b.totaux[static_cast<TClasse>(k)], totaux[static_cast<std::size_t>(k)]);
    QCOMPARE(b.promises, promises);
    QCOMPARE(b.tenues, tenues);
    QVERIFY(promises > 0);
}

void TestHistorique::periodeetcsv() {
    const std::vector<TTirageDate> tirages = lus("13/03/2024;1;2;3;4;5;6;7\n09/03/2024;8;9;10;11;12;13;14\n"
                                                 "06/03/2024;1;2;3;4;5;6;7\n");
    const std::vector<TTirageDate> mars = periode(tirages, {2024, 3, 6}, {2024, 3, 9});
    QCOMPARE(mars.size(), std::size_t{2});
    QCOMPARE(dateiso(mars.front().date), std::string("2024-03-09"));
    QCOMPARE(dateiso(mars.back().date), std::string("2024-03-06"));
    QCOMPARE(placesperiode(tirages, {2024, 3, 6}, {2024, 3, 9}), (std::vector<std::size_t>{1, 2}));

    // Grid 1..6 against the first draw: six numbers, "6" class; a label with ";" and quotes, and one
    // a spreadsheet would take for a formula.
    const TRecapitulatif b =
        recapitule({masque({1, 2, 3, 4, 5, 6})}, masque({1, 2, 3, 4, 5, 6}), {3, 3}, tirages);
    TLibellesCsv libelles;
    for (std::size_t i = 0; i < nbcolonnescsv; ++i)
        libelles.entetes[i] = "h" + std::to_string(i);
    libelles.entetes[8] = "rang; \"meilleur\"";
    libelles.classes = {"-", "3", "3+C", "4", "4+C", "5", "5+C", "6"};
    libelles.promesses = {"n/a", "ok", "no"};
    const std::string csv = csvrecapitulatif({&b.tirages[0], &b.tirages[1]}, libelles);
    QCOMPARE(QString::fromStdString(csv),
             QStringLiteral(
                 "h0;h1;h2;h3;h4;h5;h6;h7;\"rang; \"\"meilleur\"\"\";h9;h10;h11;h12;h13;h14;h15;h16;h17\r\n"
                 "2024-03-13;1;2;3;4;5;6;7;6;1;0;0;0;0;0;0;6;ok\r\n"
                 "2024-03-09;8;9;10;11;12;13;14;\"'-\";0;0;0;0;0;0;0;0;n/a\r\n"));
}

QTEST_APPLESS_MAIN(TestHistorique)
#include "test_historique.moc"
