#pragma once

#include <cstdint>
#include <random>

/// A seeded source of random choices that gives the same sequence for the same
/// seed on every machine: the engine is fully specified by the standard, and
/// the mappings below avoid the library's distributions, which are not.
class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    std::uint64_t bits() { return engine_(); }

    /// A whole number from low to high, both included.
    int between(int low, int high) {
        const auto span = static_cast<std::uint64_t>(high - low) + 1;
        return low + static_cast<int>(bits() % span);
    }

    /// Uniform in [0, 1).
    double unit() { return static_cast<double>(bits() >> 11) * 0x1p-53; }

    double uniform(double low, double high) { return low + (high - low) * unit(); }

    bool chance(double probability) { return unit() < probability; }

private:
    std::mt19937_64 engine_;
};
