#pragma once

#include <cstdint>
#include <random>

namespace vormigral {

// The searches' random draws. std::mt19937 is fully specified, the standard distributions are not:
// this draw keeps a seed's results the same with every standard library, which the generated wheel
// tables and the tests' fixed seeds rely on.
class Hasard {
public:
    explicit Hasard(std::uint32_t graine) : gen_(graine) {}
    // Uniform in [0, n), n >= 1.
    std::uint32_t sous(std::uint32_t n) {
        const std::uint64_t plage = std::uint64_t{1} << 32;
        const std::uint64_t limite = plage - plage % n;
        std::uint64_t v = gen_();
        while (v >= limite)
            v = gen_();
        return static_cast<std::uint32_t>(v % n);
    }

private:
    std::mt19937 gen_;
};

} // namespace vormigral
