#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

namespace vormigral {

// A window made the first time it is needed, so that start-up does not pay for it. The application
// makes one holder per such window and hands it by reference to every window that opens it; the
// window, once made, is a child of its owner (the main window) and lives as long as it.
template <class T> class SurDemande {
public:
    // Makes the window as a child of the owner it is given.
    using Fabrique = std::function<T*(QWidget* proprietaire)>;

    explicit SurDemande(Fabrique fabrique) : fabrique_(std::move(fabrique)) {}
    SurDemande(const SurDemande&) = delete;
    SurDemande& operator=(const SurDemande&) = delete;

    // The window that will own it; given once the owner exists, before the first opening.
    void confie(QWidget& proprietaire) { proprietaire_ = &proprietaire; }

    // The window, made now when this is its first use.
    T& operator()() {
        if (!fenetre_) {
            Q_ASSERT(proprietaire_);
            fenetre_ = fabrique_(proprietaire_);
        }
        return *fenetre_;
    }

    // The window if it was made, else nullptr.
    T* faite() const { return fenetre_.data(); }

private:
    Fabrique fabrique_;
    QWidget* proprietaire_ = nullptr;
    QPointer<T> fenetre_;
};

} // namespace vormigral
