#include "app/langue.h"
#include "history/prixgrille.h"
#include "storage/basetirages.h"
#include "windows/bilanargent.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vormigral;

namespace {

TTirageDate tirage(TDate date, std::array<std::int32_t, 6> numeros, std::int32_t complementaire) {
    return {date, {numeros, complementaire}};
}

TGains paye(std::initializer_list<std::pair<TClasse, std::int64_t>> classes) {
    TGains g;
    for (const auto& [k, centimes] : classes)
        g.centimes[static_cast<std::size_t>(k)] = centimes;
    return g;
}

// Two grids against three draws, newest first as the history lists them:
//   02/03: 1 2 3 4 20 21 + 5   grid 1: 4+C (80.00 €), grid 2: 3 (5.40 €)
//   05/03: 1 2 3 30 31 32 + 10 grid 1: 3 (4.00 €),    grid 2: 3+C (no payout stored)
//   09/03: 40..45 + 46         nothing won, no payout stored at all
const std::vector<TTirageDate> historique{tirage({2024, 3, 9}, {40, 41, 42, 43, 44, 45}, 46),
                                          tirage({2024, 3, 5}, {1, 2, 3, 30, 31, 32}, 10),
                                          tirage({2024, 3, 2}, {1, 2, 3, 4, 20, 21}, 5)};
const std::vector<TGains> rapports{{},
                                   paye({{TClasse::nb3, 400}, {TClasse::nb4, 1500}}),
                                   paye({{TClasse::nb3, 540}, {TClasse::nb4c, 8000}})};

TRecapitulatif verification() {
    const std::vector<TMasque> grilles{masque({1, 2, 3, 4, 5, 6}), masque({1, 2, 3, 10, 11, 12})};
    return recapitule(grilles, 0, {3, 3}, historique);
}

struct Banc {
    QTemporaryDir dossier;
    TBaseTirages base;
    Banc() {
        base.ouvre(dossier.filePath(QStringLiteral("donnees")));
        QVERIFY(base.stocke(historique, {}, rapports).reussi());
    }
    QString config() const { return dossier.filePath(QStringLiteral("config")); }
};

} // namespace

class TestVerificationArgent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { langue_.applique(Langue::anglais); }
    void cleanup() { langue_.applique(Langue::anglais); }
    void bilan_data();
    void bilan();
    void prixgarde();
    void fenetre();

private:
    Langue langue_;
};

void TestVerificationArgent::bilan_data() {
    QTest::addColumn<int>("langue");
    QTest::addColumn<qint64>("prix");
    QTest::addColumn<QList<qint64>>("nets");  // newest first
    QTest::addColumn<QList<qint64>>("cumul"); // oldest first
    QTest::addColumn<QString>("resume");
    QTest::addColumn<QString>("omissions");
    QTest::newRow("0,30 €")
        << int(Langue::anglais) << qint64(30) << QList<qint64>{-60, 340, 8480}
        << QList<qint64>{8480, 8820, 8760} << "Cost: €1.80 — Winnings: €89.40 — Net result: €87.60"
        << "1 winning grid without a known payout, not counted. 1 draw without any stored payout.";
    QTest::newRow("50 €")
        << int(Langue::anglais) << qint64(5000) << QList<qint64>{-10000, -9600, -1460}
        << QList<qint64>{-1460, -11060, -21060} << "Cost: €300.00 — Winnings: €89.40 — Net result: -€210.60"
        << "1 winning grid without a known payout, not counted. 1 draw without any stored payout.";
    QTest::newRow("en français")
        << int(Langue::francais) << qint64(30) << QList<qint64>{-60, 340, 8480}
        << QList<qint64>{8480, 8820, 8760}
        << "Coût : 1,80\u00A0€ — Gains : 89,40\u00A0€ — Résultat net : 87,60\u00A0€"
        << "1 grille gagnante sans rapport connu, non comptée. 1 tirage sans aucun rapport "
           "enregistré.";
}

// Hand-computed: two grids a draw; a class without payout is said, never counted as nothing won.
void TestVerificationArgent::bilan() {
    QFETCH(int, langue);
    QFETCH(qint64, prix);
    QFETCH(QList<qint64>, nets);
    QFETCH(QList<qint64>, cumul);
    QFETCH(QString, resume);
    Banc banc;
    langue_.applique(langue);
    TVerificationArgent cas(banc.base, QString());
    QCOMPARE(cas.prix(), prixgrilleordinaire);
    QVERIFY(cas.calcule(verification()));
    cas.changeprix(prix);
    const TBilanArgent& b = cas.bilan();
    QCOMPARE(b.tirages.size(), std::size_t{3});
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(b.tirages[std::size_t(i)].net, nets[i]);
        QCOMPARE(b.cumul[std::size_t(i)].cumul, cumul[i]);
    }
    QCOMPARE(b.gagne, std::int64_t{8940});
    QCOMPARE(cas.resume(), resume);
    QFETCH(QString, omissions);
    QCOMPARE(cas.omissions(), omissions);
    QCOMPARE(cas.inconnus(b.tirages[1]),
             TVerificationArgent::nomclasse(TClasse::nb3c) + QStringLiteral(" × 1"));
    QVERIFY(cas.inconnus(b.tirages[2]).isEmpty());
}

// The price is the player's own: kept in their configuration folder, back at the next opening; a
// file that does not hold one gives the usual price.
void TestVerificationArgent::prixgarde() {
    Banc banc;
    {
        TVerificationArgent cas(banc.base, banc.config());
        QCOMPARE(cas.changeprix(prixgrillemax + 1), Refus::Aucun);
        QCOMPARE(cas.prix(), prixgrillemax);
        QCOMPARE(cas.changeprix(125), Refus::Aucun);
    }
    QCOMPARE(TVerificationArgent(banc.base, banc.config()).prix(), std::int64_t{125});
    const QString fichier = TVerificationArgent(banc.base, banc.config()).fichierprix();
    for (const QByteArray& abime :
         {QByteArray("VORMIGRAL prix 1\n0\n"), QByteArray("VORMIGRAL prix 1\n12x\n"), QByteArray("125\n")}) {
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(abime);
        f.close();
        QCOMPARE(TVerificationArgent(banc.base, banc.config()).prix(), prixgrilleordinaire);
    }
}

// The view shows a row a draw and follows the price typed.
void TestVerificationArgent::fenetre() {
    Banc banc;
    TFenetreArgent fenetre(banc.base, banc.config());
    fenetre.montre(verification());
    fenetre.show();
    auto* vue = fenetre.findChild<QTableWidget*>(QStringLiteral("vueargent"));
    QCOMPARE(vue->rowCount(), 3);
    QCOMPARE(vue->item(2, 0)->text(), QStringLiteral("02/03/2024"));
    QCOMPARE(vue->item(2, 2)->text(), QStringLiteral("€85.40"));
    auto* prix = fenetre.findChild<QDoubleSpinBox*>(QStringLiteral("eprix"));
    QCOMPARE(prix->value(), 0.30);
    prix->setFocus();
    prix->selectAll();
    QTest::keyClicks(prix, QStringLiteral("1.00"));
    QTest::keyClick(prix, Qt::Key_Enter);
    QCOMPARE(vue->item(0, 3)->text(), QStringLiteral("-€2.00"));
    QCOMPARE(lisprixgrille(QFile::encodeName(fenetre.cas().fichierprix()).toStdString()), std::int64_t{100});
    QVERIFY(fenetre.findChild<TCourbeArgent*>()->accessibleDescription().contains(
        QStringLiteral("at the end €83.40")));
}

QTEST_MAIN(TestVerificationArgent)
#include "test_verificationargent.moc"
