#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace belltide {

// The scheduler's source of chance. A given seed always yields the same
// numbers on every platform, so an attempt can be replayed.
class RandomSequence {
public:
    RandomSequence();
    explicit RandomSequence(std::uint64_t seed);

    // Uniform in [0, 1), built from the top 53 bits of the generator's output.
    double NextUnit();

    // Fisher–Yates from the last element down: element i trades places with
    // element floor(r × (i + 1)).
    template <typename T> void Shuffle(std::vector<T>& items)
    {
        for (std::size_t i = items.size(); i-- > 1;) {
            auto j = static_cast<std::size_t>(NextUnit() * static_cast<double>(i + 1));
            if (j > i)
                j = i;
            if (j != i)
                std::swap(items[i], items[j]);
        }
    }

private:
    std::mt19937_64 mGenerator;
};

} // namespace belltide
