#pragma once

#include "printing/imprimantes.h"
#include "printing/surface.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vormigral::test {

// One thing a print run did to its surface.
struct TraceImpression {
    enum class Genre { Ouvre, Page, Envoi, Ferme, Abandon, Police, Texte, Cadre, Trait } genre;
    std::string texte; // document name, font name or drawn text
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t points = 0;
    bool gras = false;
    std::int32_t x2 = 0; // the far corner of a frame, the far end of a line
    std::int32_t y2 = 0;
};

// A text drawn on a page, with the font it was drawn in.
struct TexteImprime {
    std::int32_t x;
    std::int32_t y;
    std::string texte;
    std::string police;
    std::int32_t points;
    bool gras;
};

// A printer that records what is drawn on it. Its text metrics are simple and known: a character
// is points x resolution / 120 dots wide, a line points x resolution / 60 dots high. Failures can
// be asked for at the opening, at the n-th new page, at the n-th text or at the closing. Qt-free
// and header-only, so that engine tests use it too.
class SurfaceDouble : public SurfaceImpression {
public:
    std::int32_t resx = 300;
    std::int32_t resy = 300;
    std::int32_t decx = 0;
    std::int32_t decy = 0;
    std::int32_t largeur = 2400;
    std::int32_t hauteur = 3300;
    // Where the printer reaches, when not the page laid out.
    std::optional<TZone> zone;

    bool echoueouverture = false;
    int echouepage = 0;  // 1 fails the first new page
    int echouetexte = 0; // 1 fails the first text
    bool echouefermeture = false;
    // A printer, which takes the slips one by one; false for a file.
    bool surpapier = true;
    // The queue's name in what the printer answers.
    std::string destination = "Double";

    std::vector<TraceImpression> traces;
    // Resolution and printing-offset queries, to check that nothing is cached.
    mutable int requetes = 0;

    void ouvre(const std::string& document) override {
        if (echoueouverture)
            throw ErreurImpression(CauseImpression::Autre, {}, "opening refused");
        trace({TraceImpression::Genre::Ouvre, document});
        ouvert_ = true;
        pages_ = 0;
        textes_ = 0;
    }
    void nouvellepage() override {
        exigeouvert();
        if (echouepage && ++pages_ == echouepage)
            throw ErreurImpression(CauseImpression::Autre, {}, "page refused");
        trace({TraceImpression::Genre::Page, {}});
    }
    void envoie() override {
        exigeouvert();
        trace({TraceImpression::Genre::Envoi, {}});
    }
    void ferme() override {
        exigeouvert();
        if (echouefermeture)
            throw ErreurImpression(CauseImpression::Autre, {}, "closing refused");
        trace({TraceImpression::Genre::Ferme, {}});
        ouvert_ = false;
    }
    void abandonne() noexcept override {
        traces.push_back({TraceImpression::Genre::Abandon, {}});
        ouvert_ = false;
    }
    void police(const std::string& nom, std::int32_t points, bool gras) override {
        police_ = nom;
        points_ = points;
        gras_ = gras;
        // Outside a job a font only measures (a check before printing, say): nothing is drawn.
        if (ouvert_)
            traces.push_back({TraceImpression::Genre::Police, nom, 0, 0, points, gras});
    }
    std::int32_t largeurtexte(const std::string& texte) const override {
        return static_cast<std::int32_t>(caracteres(texte)) * (points_ * resx / 120);
    }
    std::int32_t hauteurtexte(const std::string&) const override { return points_ * resy / 60; }
    void ecrit(std::int32_t x, std::int32_t y, const std::string& texte) override {
        exigeouvert();
        if (echouetexte && ++textes_ == echouetexte)
            throw ErreurImpression(CauseImpression::Autre, {}, "text refused");
        traces.push_back({TraceImpression::Genre::Texte, texte, x, y, points_, gras_});
    }
    void cadre(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h) override {
        exigeouvert();
        traces.push_back({TraceImpression::Genre::Cadre, {}, x, y, points_, gras_, x + l, y + h});
    }
    void trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        exigeouvert();
        traces.push_back({TraceImpression::Genre::Trait, {}, x1, y1, points_, gras_, x2, y2});
    }
    bool papier() const override { return surpapier; }
    // The pages of the jobs sent or closed, as a printer that took them all would say: a send hands
    // over the pages so far as a job, the next page beginning the next one.
    TRemise remise() const override {
        using G = TraceImpression::Genre;
        TRemise r{destination, {}, 0};
        int ouvertes = 0;
        for (const TraceImpression& t : traces) {
            if (t.genre == G::Ouvre || t.genre == G::Page)
                ++ouvertes;
            if ((t.genre == G::Envoi || t.genre == G::Ferme) && ouvertes > 0) {
                r.pages += ouvertes;
                r.travaux.push_back(static_cast<std::int32_t>(r.travaux.size()) + 1);
            }
            if (t.genre == G::Envoi || t.genre == G::Ferme || t.genre == G::Abandon)
                ouvertes = 0;
        }
        return r;
    }
    std::int32_t largeurpage() const override { return largeur; }
    std::int32_t hauteurpage() const override { return hauteur; }
    TZone zoneimprimable() const override { return zone.value_or(SurfaceImpression::zoneimprimable()); }
    std::int32_t resolutionx() const override {
        ++requetes;
        return resx;
    }
    std::int32_t resolutiony() const override {
        ++requetes;
        return resy;
    }
    std::int32_t decalagex() const override {
        ++requetes;
        return decx;
    }
    std::int32_t decalagey() const override {
        ++requetes;
        return decy;
    }

    // The texts of each page of the jobs recorded, page by page (a job's first page included).
    std::vector<std::vector<TexteImprime>> pages() const {
        std::vector<std::vector<TexteImprime>> resultat;
        std::string police;
        std::int32_t points = 0;
        bool gras = false;
        for (const TraceImpression& t : traces) {
            switch (t.genre) {
            case TraceImpression::Genre::Ouvre:
            case TraceImpression::Genre::Page:
                resultat.emplace_back();
                break;
            case TraceImpression::Genre::Police:
                police = t.texte;
                points = t.points;
                gras = t.gras;
                break;
            case TraceImpression::Genre::Texte:
                resultat.back().push_back({t.x, t.y, t.texte, police, points, gras});
                break;
            default:
                break;
            }
        }
        return resultat;
    }
    int compte(TraceImpression::Genre genre) const {
        int n = 0;
        for (const TraceImpression& t : traces)
            n += t.genre == genre ? 1 : 0;
        return n;
    }

private:
    static std::size_t caracteres(const std::string& texte) {
        std::size_t n = 0;
        for (const unsigned char c : texte)
            n += (c & 0xC0) != 0x80 ? 1 : 0;
        return n;
    }
    void trace(TraceImpression t) { traces.push_back(std::move(t)); }
    void exigeouvert() const {
        if (!ouvert_)
            throw ErreurImpression(CauseImpression::AucunTravail, "double");
    }

    bool ouvert_ = false;
    int pages_ = 0;
    int textes_ = 0;
    std::string police_;
    std::int32_t points_ = 10;
    bool gras_ = false;
};

// The system's printers, replaced: recording print queues, or none at all, and a file chooser that
// answers from a queue. The PDF files are real, written through the Qt surface, and what is
// drawn on them is recorded as well.
class ImprimantesDouble final : public Imprimantes {
public:
    // A silent service keeps the caller waiting until its limit or its cancel, as a real one would.
    std::vector<TFile> files(const TLimitesService& limites, TEtatService& etat) const override;
    std::unique_ptr<SurfaceImpression> imprimante(const std::string& file) override;
    std::unique_ptr<SurfaceImpression> pdf(const std::string& chemin) override;
    std::string choisitpdf(const std::string& titre) override;

    bool installees = true;
    // A print service that is not there or does not answer lists no queue.
    TEtatService service;
    // The queues, one of them the default unless a test says otherwise.
    std::vector<TFile> listefiles{{"Double", true, true, false, {}}};
    // The queue of each printer surface handed out, in order.
    std::vector<std::string> filesutilisees;
    // Settings of every printer surface handed out from now on.
    SurfaceDouble modele;
    // Each surface handed out, printer or PDF, in order; they live as long as this double.
    std::vector<std::shared_ptr<SurfaceDouble>> surfaces;
    std::vector<std::string> fichierspdf;
    std::deque<std::string> choix; // answers of the file chooser; empty answers "cancelled"
    std::vector<std::string> titreschoix;
};

} // namespace vormigral::test
