#pragma once

#include "app/plateforme.h"
#include "engine/etat.h"
#include "windows/differe.h"
#include "windows/impressionbulletins.h"
#include "windows/surdemande.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vormigral {

class Impression;
class TApercu;
class TChoixImprimante;

// The print dialog: ticket type, range of grids and print mode, then the print run.
class TForm7 : public DialogueDiffere {
    Q_OBJECT
public:
    TForm7(TEtat& etat, Messages& messages, Impression& impression, SurDemande<TApercu>& apercu,
           SurDemande<TChoixImprimante>& choiximprimante);

    // Each showing: the ticket types with the first selected, then the range 1..N.
    void formshow();
    void activate();
    void boutannuleClick();
    void boutlancerClick();
    void bapercuClick();
    void bimprimanteClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construitcontroles() override;
    void traduitcontroles() override;
    // The printer label, filled once the print service answered.
    void montreimprimante();

    // The request as the dialog holds it; none, after saying why, when the range is wrong.
    std::optional<RequeteBulletins> requete() const;

    Impression& impression_;
    SurDemande<TApercu>& apercu_;
    SurDemande<TChoixImprimante>& choiximprimante_;
    ImpressionBulletins bulletins_;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* Gpremier = nullptr;
    QLineEdit* gdernier = nullptr;
    QRadioButton* bimptsbull = nullptr;
    QRadioButton* bimpunbull = nullptr;
    QLabel* limprimante = nullptr;
};

} // namespace vormigral
