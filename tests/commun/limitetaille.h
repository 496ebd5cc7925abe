#pragma once

#include <sys/resource.h>

namespace vormigral::test {

// Files may not grow past `taille` bytes while it lives: writes fail as on a full disk, whoever
// runs the tests (root included). The signal the system sends with the failure is left to the
// process: the program ignores it (initialiseapplication), a test of the files library alone must.
class LimiteTaille {
public:
    explicit LimiteTaille(rlim_t taille) {
        getrlimit(RLIMIT_FSIZE, &limite_);
        rlimit nouvelle = limite_;
        nouvelle.rlim_cur = taille;
        setrlimit(RLIMIT_FSIZE, &nouvelle);
    }
    ~LimiteTaille() { setrlimit(RLIMIT_FSIZE, &limite_); }
    LimiteTaille(const LimiteTaille&) = delete;
    LimiteTaille& operator=(const LimiteTaille&) = delete;

private:
    rlimit limite_{};
};

} // namespace vormigral::test
