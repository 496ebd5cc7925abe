#pragma once

#include <csignal>

#include <sys/resource.h>

namespace vormigral::test {

// Files may not grow past `taille` bytes while it lives: writes fail as on a full disk, whoever
// runs the tests (root included).
class LimiteTaille {
public:
    explicit LimiteTaille(rlim_t taille) {
        ancien_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &limite_);
        rlimit nouvelle = limite_;
        nouvelle.rlim_cur = taille;
        setrlimit(RLIMIT_FSIZE, &nouvelle);
    }
    ~LimiteTaille() {
        setrlimit(RLIMIT_FSIZE, &limite_);
        std::signal(SIGXFSZ, ancien_);
    }
    LimiteTaille(const LimiteTaille&) = delete;
    LimiteTaille& operator=(const LimiteTaille&) = delete;

private:
    rlimit limite_{};
    void (*ancien_)(int) = nullptr;
};

} // namespace vormigral::test
