#pragma once

// What the benchmarks that run windows share: timing of repeated runs, and quiet stand-ins for the
// platform seams so that a benchmark shows no message and keeps its files in a folder of its own.

#include "app/plateforme.h"

#include <QString>

#include <algorithm>
#include <chrono>
#include <vector>

namespace vormigral::banc {

// Median and fastest of the runs, in milliseconds.
struct Mesure {
    double mediane = 0;
    double minimum = 0;
};

template <class F> Mesure mesure(int repetitions, F&& action) {
    std::vector<double> durees;
    durees.reserve(static_cast<std::size_t>(repetitions));
    for (int i = 0; i < repetitions; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        action();
        const auto fin = std::chrono::steady_clock::now();
        durees.push_back(std::chrono::duration<double, std::milli>(fin - debut).count());
    }
    std::sort(durees.begin(), durees.end());
    return {durees[durees.size() / 2], durees.front()};
}

// Counts the messages instead of showing them: a benchmark that met one did not measure its case.
class MessagesMuets final : public Messages {
public:
    Reponse message(const QString&, const QString&, Boutons, Icone) override {
        ++messages;
        return Reponse::Ok;
    }
    void bip() override {}
    int messages = 0;
};

class AideMuette final : public Aide {
public:
    void contenu(const QString&) override {}
};

class HasardFixe final : public Hasard {
public:
    void initialise() override {}
    int tire(int) override { return 0; }
};

// The executable's, per-user and data folders, all inside `dossier`.
class SystemeTemporaire final : public Systeme {
public:
    explicit SystemeTemporaire(const QString& dossier) : dossier_(dossier + QLatin1Char('/')) {}
    QString repertoireexe() const override { return dossier_; }
    QString repertoireconfig() const override { return dossier_ + QStringLiteral("config/"); }
    QString repertoiredonnees() const override { return dossier_ + QStringLiteral("donnees/"); }

private:
    QString dossier_;
};

} // namespace vormigral::banc
