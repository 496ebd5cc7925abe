#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace vormigral {

// One piece of work on a thread of its own, for a caller that polls and never waits. The work is
// given a stop flag to watch. Work dropped before its end (what it worked on is gone, or newer
// work replaced it) is told to stop and its result is never given; its thread is joined once it
// has ended, at a later poll or at the latest when the Travail goes, so that dropping never holds
// the caller up.
template <class T> class Travail {
public:
    Travail() = default;
    Travail(const Travail&) = delete;
    Travail& operator=(const Travail&) = delete;
    ~Travail() { abandonne(); }

    // Starts `calcul(const std::atomic<bool>& arret)`, dropping the work under way.
    template <class F> void lance(F calcul) {
        abandonne();
        arret_ = std::make_shared<std::atomic<bool>>(false);
        futur_ = std::async(std::launch::async, [calcul = std::move(calcul), arret = arret_]() mutable {
            return calcul(*arret);
        });
    }

    // Started, and its result not taken yet.
    bool encours() const { return futur_.valid(); }

    // The result once the work has ended, given once.
    std::optional<T> prends() {
        abandonnes_.erase(std::remove_if(abandonnes_.begin(), abandonnes_.end(),
                                         [](const std::future<T>& f) { return pret(f); }),
                          abandonnes_.end());
        if (!pret(futur_))
            return std::nullopt;
        return futur_.get();
    }

    void abandonne() {
        if (!futur_.valid())
            return;
        *arret_ = true;
        abandonnes_.push_back(std::move(futur_));
        futur_ = {};
    }

private:
    static bool pret(const std::future<T>& f) {
        return f.valid() && f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    }

    std::shared_ptr<std::atomic<bool>> arret_;
    std::future<T> futur_;
    // The futures of std::async wait for their thread when destroyed.
    std::vector<std::future<T>> abandonnes_;
};

} // namespace vormigral
