// The windows in the pseudo-translation (tests/traductions/pseudo.py): every text that went
// through the translations is marked ⟦…⟧ and a third longer. A window showing a text without the
// marks shows a text written into the code; a window with layouts whose text no longer fits its
// control cuts it, and one whose layout is short of room draws controls over one another or
// table rows past a table's edge.
//
// What is checked: window titles, labels, buttons, group boxes, menus and their entries, hints,
// accessible names, table headers, the items of drop-down lists, and the messages the program
// gives. What is not: data, which the program shows rather than says. A text with no letter at all
// (a number, a date, "/") is data; so are the contents of text fields, lists and table cells (the
// user's entries, grids, draws), which the walk does not read, and the controls a window's line
// names as showing data (names of slip types, printers, files, folders).
#include "tests/support/doubles.h"

#include "app/plateforme_qt.h"
#include "windows/apercu.h"
#include "windows/apropos.h"
#include "windows/bilanargent.h"
#include "windows/colonnes.h"
#include "windows/mesroues.h"
#include "windows/principale.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace vormigral;
using namespace vormigral::test;

namespace {

const QChar ouvre(0x27e6);
const QChar ferme(0x27e7);

// What one walk found.
struct Constat {
    QStringList nonmarques; // "window: control: text"
    QStringList coupes;     // texts cut in controls a layout places
    QStringList serres;     // texts wider than controls placed by hand
    int textes = 0;
};

bool lettres(const QString& texte) {
    return std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isLetter(); });
}

// Marked where the translations put it: a wrapped text keeps its marks after its arguments are
// filled in, since the marks wrap the whole model.
bool marque(const QString& texte) {
    return texte.contains(ouvre) && texte.contains(ferme);
}

QString sansmnemonique(QString texte) {
    return texte.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
}

// Whether a control shows its whole text in the room it has.
bool tient(QWidget* controle) {
    if (auto* etiquette = qobject_cast<QLabel*>(controle)) {
        const QRect place = etiquette->contentsRect();
        if (etiquette->wordWrap())
            return etiquette->heightForWidth(place.width()) <= place.height();
        return etiquette->fontMetrics().horizontalAdvance(sansmnemonique(etiquette->text())) <= place.width();
    }
    if (auto* cadre = qobject_cast<QGroupBox*>(controle))
        return cadre->fontMetrics().horizontalAdvance(sansmnemonique(cadre->title())) + 16 <= cadre->width();
    // A push button's size hint has a floor of its own: its text and picture are what must fit,
    // with the room the style gives them (one button margin and the frame on each side).
    if (auto* bouton = qobject_cast<QPushButton*>(controle)) {
        const int image = bouton->icon().isNull() ? 0 : bouton->iconSize().width() + 4;
        const int marges = bouton->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, bouton) +
                           2 * bouton->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, bouton);
        return bouton->fontMetrics().horizontalAdvance(sansmnemonique(bouton->text())) + image + marges <=
               bouton->width();
    }
    return controle->sizeHint().width() <= controle->width();
}

// Whether a layout places the control, rather than a position given by hand.
bool dispose(QWidget* controle) {
    const std::function<bool(QLayout*)> contient = [&](QLayout* disposition) {
        for (int i = 0; disposition && i < disposition->count(); ++i) {
            QLayoutItem* element = disposition->itemAt(i);
            if (element->widget() == controle || contient(element->layout()))
                return true;
        }
        return false;
    };
    return controle->parentWidget() && contient(controle->parentWidget()->layout());
}

// A view without a scroll bar shows all its rows: none is drawn beyond its bottom edge.
bool lignesvisibles(QWidget* controle) {
    auto* vue = qobject_cast<QAbstractItemView*>(controle);
    if (!vue || !vue->model() || vue->model()->rowCount() == 0 ||
        vue->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        return true;
    const QRect derniere = vue->visualRect(vue->model()->index(vue->model()->rowCount() - 1, 0));
    return derniere.bottom() < vue->viewport()->height();
}

// The controls a layout placed over one another: a layout short of room gives a control less
// than its minimum, which the control keeps, so the next one is drawn over it.
QStringList chevauchements(QWidget* fenetre, const QString& nom) {
    QStringList constats;
    const auto montres = [fenetre](QWidget* parent) {
        QList<QWidget*> places;
        for (auto* c : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (c->isVisibleTo(fenetre) && !c->isWindow() && dispose(c))
                places << c;
        return places;
    };
    QList<QWidget*> parents = fenetre->findChildren<QWidget*>();
    parents.prepend(fenetre);
    for (QWidget* parent : parents) {
        if (parent != fenetre && !parent->isVisibleTo(fenetre))
            continue;
        const QList<QWidget*> places = montres(parent);
        for (qsizetype i = 0; i < places.size(); ++i)
            for (qsizetype j = i + 1; j < places.size(); ++j)
                if (places[i]->geometry().intersects(places[j]->geometry()))
                    constats << QStringLiteral("%1: %2 and %3 overlap")
                                    .arg(nom, places[i]->objectName(), places[j]->objectName());
    }
    return constats;
}

class Examen {
public:
    Examen(Constat& constat, const QString& fenetre, const QStringList& donnees)
        : constat_(constat), fenetre_(fenetre), donnees_(donnees) {}

    void texte(const QString& ou, const QString& texte) {
        if (!lettres(texte))
            return;
        ++constat_.textes;
        if (!marque(texte))
            constat_.nonmarques << QStringLiteral("%1: %2: %3").arg(fenetre_, ou, texte);
    }

    // Every caption of the window and of its visible controls.
    void fenetre(QWidget* w) {
        texte(QStringLiteral("title"), w->windowTitle());
        QList<QWidget*> controles = w->findChildren<QWidget*>();
        controles.prepend(w);
        for (QWidget* c : controles) {
            if (c != w && (!c->isVisibleTo(w) || c->isWindow()))
                continue;
            if (donnees_.contains(c->objectName()))
                continue;
            controle(c);
        }
        for (auto* menu : w->findChildren<QMenu*>())
            this->menu(menu);
        constat_.coupes << chevauchements(w, fenetre_);
    }

private:
    void controle(QWidget* c) {
        const QString nom =
            c->objectName().isEmpty() ? QString::fromLatin1(c->metaObject()->className()) : c->objectName();
        QString montre;
        if (auto* etiquette = qobject_cast<QLabel*>(c))
            montre = etiquette->text();
        else if (auto* bouton = qobject_cast<QAbstractButton*>(c))
            montre = bouton->text();
        else if (auto* cadre = qobject_cast<QGroupBox*>(c))
            montre = cadre->title();
        texte(nom, montre);
        texte(nom + QStringLiteral(" (hint)"), c->toolTip());
        texte(nom + QStringLiteral(" (accessible name)"), c->accessibleName());
        if (auto* champ = qobject_cast<QLineEdit*>(c))
            texte(nom + QStringLiteral(" (placeholder)"), champ->placeholderText());
        if (auto* liste = qobject_cast<QComboBox*>(c)) {
            for (int i = 0; i < liste->count(); ++i) {
                texte(nom + QStringLiteral(" item %1").arg(i), liste->itemText(i));
                texte(nom + QStringLiteral(" item %1 (accessible)").arg(i),
                      liste->itemData(i, Qt::AccessibleTextRole).toString());
            }
        }
        if (auto* vue = qobject_cast<QAbstractItemView*>(c); vue && vue->model()) {
            auto* tete = vue->findChild<QHeaderView*>();
            for (int i = 0; tete && !tete->isHidden() && i < vue->model()->columnCount(); ++i)
                texte(nom + QStringLiteral(" header %1").arg(i),
                      vue->model()->headerData(i, Qt::Horizontal).toString());
        }
        if (!lignesvisibles(c))
            constat_.coupes << QStringLiteral("%1: %2: rows beyond its bottom edge").arg(fenetre_, nom);
        if (!montre.isEmpty() && lettres(montre) && !tient(c))
            (dispose(c) ? constat_.coupes : constat_.serres)
                << QStringLiteral("%1: %2: %3").arg(fenetre_, nom, montre);
    }

    void menu(QMenu* m) {
        texte(m->objectName() + QStringLiteral(" (menu)"), m->title());
        for (QAction* a : m->actions())
            if (!a->isSeparator() && a->isVisible())
                texte(a->objectName().isEmpty() ? a->text() : a->objectName(), a->text());
    }

    Constat& constat_;
    const QString fenetre_;
    const QStringList donnees_;
};

using Examine = std::function<void(QWidget*)>;

// One line per window walked: its name, how to show it (the program started in the
// pseudo-translation unless the line starts it otherwise), the controls that show data. A window
// joins the walk with a line here once its texts go through tr().
struct Fenetre {
    const char* nom;
    std::function<void(Banc&, const Examine&)> montre;
    QStringList donnees;
};

void demarre(Banc& banc) {
    ecrisparametres(banc, 1);
    banc.demarre();
}

// A window the main window's menu entry opens as a modal dialog.
std::function<void(Banc&, const Examine&)> parmenu(const char* commande) {
    return [commande](Banc& banc, const Examine& examine) {
        demarre(banc);
        pendantmodal(examine);
        controle<QAction>(&banc.principale(), commande)->trigger();
    };
}

// A grid window: method 12 selected, its seven numbers ticked, then the command.
std::function<void(Banc&, const Examine&)> pargrilles(const char* commande) {
    return [commande](Banc& banc, const Examine& examine) {
        demarre(banc);
        choisismethode(banc.principale(), 12);
        for (const int n : {3, 8, 19, 27, 33, 40, 45})
            cliquecase(&banc.principale(), n);
        pendantmodal(examine);
        controle<QAction>(&banc.principale(), commande)->trigger();
    };
}

const Fenetre fenetres[] = {
    {"Form1",
     [](Banc& banc, const Examine& examine) {
         demarre(banc);
         banc.principale().show();
         examine(&banc.principale());
         banc.principale().close();
     },
     {}},
    {"Form9", parmenu("Paramtres1"), {}},
    {"Historique", parmenu("mHistorique1"), {}},
    {"Historique, check",
     [](Banc& banc, const Examine& examine) {
         demarre(banc);
         pendantmodal([&](QWidget* historique) {
             controle<QTabWidget>(historique, "onglets")->setCurrentIndex(1);
             examine(historique);
             historique->close();
         });
         controle<QAction>(&banc.principale(), "mHistorique1")->trigger();
     },
     {}},
    // A file with a line of each kind: stored, rejected, and more rejected lines than are listed.
    {"ApercuImport",
     [](Banc& banc, const Examine& examine) {
         demarre(banc);
         QTemporaryDir dossier;
         const QString chemin = dossier.filePath(QStringLiteral("tirages.csv"));
         QFile fichier(chemin);
         QVERIFY(fichier.open(QIODevice::WriteOnly));
         fichier.write(QByteArray("1;2\n").repeated(1001) + "09/03/2024;1;2;3;4;5;6;7\n");
         fichier.close();
         banc.fichiers.lectures.push_back(chemin);
         pendantmodal([&](QWidget* historique) {
             pendantmodal([&](QWidget* apercu) {
                 examine(apercu);
                 apercu->close();
             });
             controle<QPushButton>(historique, "bimporter")->click();
             historique->close();
         });
         controle<QAction>(&banc.principale(), "mHistorique1")->trigger();
     },
     {}},
    {"Form2", pargrilles("mVoirlesbulletins1"), {"ltitmet", "lnubul", "Lnumax"}},
    {"Form5", pargrilles("mVoirlalistedesbulletins1"), {"listbull"}},
    {"Form8", pargrilles("mCompareraveclesrsultats1"), {"listresul"}},
    {"Form6", parmenu("Chargerbulletin1"), {"DirectoryListBox1", "FileListBox1", "DriveComboBox1", "Edit1"}},
    {"Form6 (save)",
     parmenu("EnregistrerBulletin1"),
     {"DirectoryListBox1", "FileListBox1", "DriveComboBox1", "Edit1"}},
    {"Analyse", parmenu("mAnalysedelamethode1"), {}},
    {"TailleAffichage", parmenu("mTailleAffichage1"), {}},
    {"apropos",
     [](Banc& banc, const Examine& examine) {
         demarre(banc);
         controle<QAction>(&banc.principale(), "Infos1")->trigger();
         examine(&banc.application().apropos());
         banc.application().apropos().close();
     },
     {}},
    {"mesroues",
     [](Banc& banc, const Examine& examine) {
         demarre(banc);
         controle<QAction>(&banc.principale(), "mMesroues1")->trigger();
         auto* roues = banc.principale().findChild<TMesRoues*>();
         QVERIFY(roues);
         examine(roues);
         roues->close();
     },
     {"lbibliotheque"}},
    // A wheel with holes repaired: the longest status lines, over the analysis of the result.
    {"mesroues, repaired",
     [](Banc& banc, const Examine& examine) {
         demarre(banc);
         controle<QAction>(&banc.principale(), "mMesroues1")->trigger();
         auto* roues = banc.principale().findChild<TMesRoues*>();
         QVERIFY(roues);
         const QString chemin = banc.systeme.exe + QStringLiteral("roue.txt");
         QFile fichier(chemin);
         QVERIFY(fichier.open(QIODevice::WriteOnly) &&
                 fichier.write("3 8 19 27 33 40\n3 8 19 27 33 45\n") > 0);
         fichier.close();
         banc.fichiers.lectures.push_back(chemin);
         controle<QPushButton>(roues, "bimporter")->click();
         controle<QSpinBox>(roues, "evt")->setValue(4);
         controle<QSpinBox>(roues, "evm")->setValue(4);
         controle<QPushButton>(roues, "breparer")->click();
         QTRY_VERIFY_WITH_TIMEOUT(!roues->atelier().encours() && roues->bilan(), 15000);
         examine(roues);
         roues->close();
     },
     {"lbibliotheque"}},
    // The chooser of a first run, before any language was chosen.
    {"Form10",
     [](Banc& banc, const Examine& examine) {
         banc.demarre();
         pendantmodal(examine);
         banc.principale().show();
         banc.principale().activateWindow();
         QTRY_VERIFY(banc.etat().parexiste);
         banc.principale().close();
     },
     {}},
    {"fenetreargent",
     [](Banc& banc, const Examine& examine) {
         demarre(banc);
         const auto stockage = creestockagetirages();
         stockage->ouvre(banc.systeme.repertoiredonnees());
         TFenetreArgent fenetre(*stockage, banc.systeme.config);
         fenetre.montre(
             recapitule({masque({1, 2, 3, 4, 5, 6})}, 0, {3, 3}, {{{2024, 3, 2}, {{1, 2, 3, 4, 7, 8}, 9}}}));
         fenetre.show();
         examine(&fenetre);
     },
     {}},
    {"Form7", pargrilles("Imprimerlesbulletins1"), {"ComboBox1"}},
    // The preview of the slips the print dialog would print.
    {"apercu",
     [](Banc& banc, const Examine& examine) {
         QObject garde;
         quandouverte<TApercu>(&garde, [&](TApercu* apercu) { examine(apercu); });
         pargrilles("Imprimerlesbulletins1")(banc, [](QWidget* dialogue) {
             QTest::mouseClick(controle<QAbstractButton>(dialogue, "bapercu"), Qt::LeftButton);
         });
     },
     {}},
    {"choiximprimante", parmenu("mImprimante1"), {"listeimprimantes"}},
    {"calage", parmenu("mCalage1"), {"ctype"}},
    {"fenetrecolonnes",
     [](Banc& banc, const Examine& examine) {
         demarre(banc);
         const char* const contenu = "quand;x;a;b;c;d;e;f;g\n2024-03-02;z;1;2;3;4;5;6;7\n";
         TFenetreColonnes fenetre(contenu, analyseimport(contenu, {}, {2100, 1, 1}), banc.systeme.config);
         fenetre.show();
         examine(&fenetre);
     },
     {}},
};

} // namespace

class TestPseudoTraduction : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initialiseapplication(); }
    void fenetres_data();
    void fenetres();
    void messages();
    void boitedemessage();
};

void TestPseudoTraduction::fenetres_data() {
    QTest::addColumn<int>("rang");
    for (std::size_t i = 0; i < std::size(::fenetres); ++i)
        QTest::newRow(::fenetres[i].nom) << int(i);
}

void TestPseudoTraduction::fenetres() {
    QFETCH(int, rang);
    const Fenetre& f = ::fenetres[rang];
    Banc banc;
    QVERIFY(banc.langue.remplace(1, QStringLiteral(VORMIGRAL_PSEUDO)));
    Constat constat;
    int vues = 0;
    f.montre(banc, [&](QWidget* w) {
        ++vues;
        Examen(constat, QString::fromLatin1(f.nom), f.donnees).fenetre(w);
    });
    QCOMPARE(vues, 1);
    QVERIFY2(constat.textes > 0, "no text seen");
    QVERIFY2(constat.nonmarques.isEmpty(), qPrintable(constat.nonmarques.join('\n')));
    QVERIFY2(constat.coupes.isEmpty(), qPrintable(constat.coupes.join('\n')));
    // A control placed by hand keeps its geometry in every language: a longer text there is for
    // the window's author to weigh, not a failure.
    if (!constat.serres.isEmpty())
        qInfo("%s", qPrintable(QStringLiteral("Wider than their control (placed by hand):\n") +
                               constat.serres.join('\n')));
}

// The messages the converted code gives, through the recording double: the main window's refusal,
// the settings at start, a grid file's name, and the print launcher's offer of a PDF file.
void TestPseudoTraduction::messages() {
    Banc banc;
    QVERIFY(banc.langue.remplace(1, QStringLiteral(VORMIGRAL_PSEUDO)));
    // A folder where the settings file would be: said at the first activation.
    QVERIFY(QDir().mkpath(banc.systeme.repertoireexe() + QStringLiteral("VORMIG.PAR")));
    banc.demarre();
    TForm1& f = banc.principale();
    f.show();
    f.activateWindow();
    QTRY_COMPARE(banc.messages.messages.size(), 1);
    QTest::mouseClick(controle<QAbstractButton>(&f, "bvoirbulletin"), Qt::LeftButton);
    pendantmodal([](QWidget* choix) {
        controle<QLineEdit>(choix, "Edit1")->setText(QStringLiteral(".cache"));
        QTest::mouseClick(controle<QAbstractButton>(choix, "boutok"), Qt::LeftButton);
    });
    controle<QAction>(&f, "EnregistrerBulletin1")->trigger();
    banc.imprimantes.installees = false;
    choisismethode(f, 12);
    for (int n : {1, 2, 3, 4, 5, 6, 7})
        cliquecase(&f, n);
    banc.messages.reponses.push_back(Reponse::Non);
    pendantmodal([](QWidget* dialogue) {
        QTest::mouseClick(controle<QAbstractButton>(dialogue, "boutlancer"), Qt::LeftButton);
    });
    QTest::mouseClick(controle<QAbstractButton>(&f, "bimpbull"), Qt::LeftButton);
    QCOMPARE(banc.messages.messages.size(), 4);
    Constat constat;
    Examen examen(constat, QStringLiteral("messages"), {});
    for (const MessageEnregistre& m : banc.messages.messages) {
        examen.texte(QStringLiteral("title"), m.titre);
        examen.texte(m.titre, m.texte);
    }
    QVERIFY2(constat.nonmarques.isEmpty(), qPrintable(constat.nonmarques.join('\n')));
    f.close();
}

// The platform's own message box: its buttons speak the program's language, and fit.
void TestPseudoTraduction::boitedemessage() {
    Langue langue;
    QVERIFY(langue.remplace(1, QStringLiteral(VORMIGRAL_PSEUDO)));
    langue.applique(1);
    Constat constat;
    QTimer::singleShot(50, [&constat] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(boite);
        for (QAbstractButton* bouton : boite->buttons()) {
            Examen(constat, QStringLiteral("message box"), {}).texte(bouton->objectName(), bouton->text());
            if (!tient(bouton))
                constat.coupes << bouton->text();
        }
        boite->button(QMessageBox::No)->click();
    });
    MessagesQt messages;
    QCOMPARE(messages.message(QStringLiteral("?"), QStringLiteral("!"), Boutons::OuiNon, Icone::Aucune),
             Reponse::Non);
    QCOMPARE(constat.textes, 2);
    QVERIFY2(constat.nonmarques.isEmpty(), qPrintable(constat.nonmarques.join('\n')));
    QVERIFY2(constat.coupes.isEmpty(), qPrintable(constat.coupes.join('\n')));
}

QTEST_MAIN(TestPseudoTraduction)
#include "test_pseudotraduction.moc"
