#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"
#include "history/importation.h"
#include "history/recapitulatif.h"
#include "storage/stockagetirages.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vormigral {

class TImporteur;

// The draw history's use cases, without a window: opening the history and listing its draws,
// adding one typed in, deleting some (both written off the window's thread, which another copy of
// the program holding the history would otherwise freeze for seconds), importing a file (its columns when its
// header is not known, its preview, then the storing of its draws and payouts off the window's thread),
// checking the grids against the draws and exporting the check. What goes wrong is said to the user through
// the platform's messages; the window shows the state and forwards.
class TGestionHistorique : public QObject {
    Q_OBJECT
public:
    TGestionHistorique(TEtat& etat, const Plateforme& plateforme, QObject* parent = nullptr);
    ~TGestionHistorique() override;

    // Where the draws are kept: creestockagetirages() unless changed before the first opening.
    using Fabrique = std::function<std::unique_ptr<TStockageTirages>()>;
    void fabrique(Fabrique f) { fabrique_ = std::move(f); }

    // Opens the history when it is not open yet, says how the opening went, and reads it afresh.
    void ouvre();
    // Reads the draws afresh from the file, so that what another copy stored is there.
    void recharge();

    const std::vector<TTirageDate>& tirages() const { return tirages_; }
    // The storage open now, for what reads it beside the history (the payouts of a check); null
    // before the first opening.
    const TStockageTirages* stockage() const { return base_.get(); }
    // The user's configuration folder, where the price of a grid and the columns chosen for a
    // header are kept.
    QString dossierconfig() const;
    // Why the history cannot be used, empty when it can.
    const QString& causeindisponible() const { return causeindisponible_; }
    bool lectureseule() const;
    // An import, an addition or a deletion is being written.
    bool encours() const;
    // Draws can be added, imported and deleted: open, writable, nothing being written.
    bool modifiable() const;
    // The line under the list: how many draws, over which days, or why there are none; while an
    // addition or a deletion waits past a moment, that it waits for the other copy of the program.
    QString resume() const;
    // How long a writing waits for the other copy of the program; attentemillisecondes unless changed.
    void attente(int millisecondes);

    // A draw typed in; a number 0 is one not chosen yet. False when it is refused before any
    // storing (said); true when its storing started: ajoutfini() says how it ended.
    bool ajoute(const TDate& date, const std::array<int, 7>& numeros);
    // Deletes the chosen draws once the user confirms. True when their removal started:
    // retraitfini() says how it ended.
    bool supprime(const std::vector<TTirageDate>& choisis);

    // What a file would bring, against the draws stored now: the file the user chose, read and
    // analysed, through the columns remembered for its header if any; empty when the user chose
    // none or the file is refused (said). A header the import does not know is no refusal: its
    // columns are to be chosen (colonnesachoisir), then the file read again with them (relit).
    struct TApercu {
        TProjetImport projet;
        QString fichier;     // its name, without the folder
        std::string contenu; // as read, for a reading through other columns
    };
    std::optional<TApercu> prepareimport();
    static bool colonnesachoisir(const TApercu& apercu);
    // Reads the file of `apercu` again through `correspondance`. False when the file so read
    // cannot be imported (said).
    bool relit(TApercu& apercu, const TCorrespondance& correspondance);
    // Stores the draws of an accepted preview, with their payouts, off the window's thread; a draw
    // stored earlier from a file without payouts gets those of this one. Progression, then
    // importtermine. False when there is nothing to store or a storing goes on.
    bool lanceimport(const TProjetImport& projet);
    void annuleimport();

    // The grids of the ticks and method chosen against the stored draws, all of them or those of
    // the days debut..fin; empty when the check cannot run (said).
    struct TVerification {
        TRecapitulatif recapitulatif;
        QString resume; // the method, the grids and the draws compared
        QString totaux; // winning grids per class and the method's guarantee
    };
    std::optional<TVerification> verifie(const std::optional<std::pair<TDate, TDate>>& periode);
    // Writes the check's rows, in the order given, to a CSV file the user chooses.
    void exporte(const std::vector<const TRecapTirage*>& lignes);

    // Says a problem to the user, as every use case here does.
    void probleme(const QString& texte);

signals:
    // The draws listed changed.
    void change();
    // The storage was made anew: what read the former one must let it go.
    void nouveaustockage();
    void progression(qint64 fait, qint64 total);
    // A storing started by lanceimport ended; its outcome is said right after.
    void importtermine();
    // A draw's storing started by ajoute ended, its outcome said and the list read again.
    void ajoutfini(bool stocke);
    // A removal started by supprime ended, its failure said and the list read again.
    void retraitfini(bool retires);
    // What resume() and modifiable() say changed while the draws listed did not.
    void etatchange();

private:
    // Says why the file as read cannot be imported; true when it can.
    bool lisible(const TApercu& apercu);
    void ouverture(const TStockageTirages::TOuverture& o, const QString& dossier);
    QString cause(const TStockageTirages::TOuverture& o, const QString& dossier) const;
    // What the importer writes now.
    enum class Ecriture { aucune, importation, ajout, retrait };
    // Hands a draw's addition or a removal to the importer; false when it refused (said).
    bool ecrit(Ecriture ecriture, const std::vector<TTirageDate>& tirages);
    void termine(const TStockageTirages::TBilan& bilan);
    void finimport(const TStockageTirages::TBilan& bilan);
    bool finajout(const TStockageTirages::TBilan& bilan);

    TEtat& etat_;
    const Plateforme plateforme_;
    Fabrique fabrique_ = creestockagetirages;
    std::unique_ptr<TStockageTirages> base_;
    std::unique_ptr<TImporteur> importeur_;
    std::vector<TTirageDate> tirages_;
    QString causeindisponible_;
    Ecriture ecriture_ = Ecriture::aucune;
    // A draw's addition or a removal still going on past this moment waits for the other copy.
    QTimer moment_;
    bool attendautre_ = false;
};

} // namespace vormigral
