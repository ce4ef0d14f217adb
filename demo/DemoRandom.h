#pragma once

#include <QtGlobal>
#include <algorithm>
#include <numeric>
#include <vector>

namespace demo {

// A small deterministic generator (SplitMix64): the same seed gives the same
// sequence on every platform and library, which std::uniform_*_distribution
// does not promise.
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : state_(seed) {}

    quint64 next()
    {
        quint64 z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0 .. n-1 (n > 0).
    int below(int n) { return int(next() % quint64(n)); }
    // low .. high, both included.
    int between(int low, int high) { return low + below(high - low + 1); }
    // True with the given chance in percent.
    bool percent(int chance) { return below(100) < chance; }
    // 0 .. n-1, the low end more often (the smaller of two draws): a few
    // customers and references account for much of the business.
    int skewed(int n) { return qMin(below(n), below(n)); }

    // `wanted` different positions out of 0 .. available-1, ascending.
    std::vector<int> distinct(int available, int wanted)
    {
        std::vector<int> all(static_cast<size_t>(available));
        std::iota(all.begin(), all.end(), 0);
        for (int i = 0; i < wanted; ++i)
            std::swap(all[size_t(i)], all[size_t(i + below(available - i))]);
        all.resize(size_t(wanted));
        std::sort(all.begin(), all.end());
        return all;
    }

    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[size_t(below(int(items.size())))]; }

private:
    quint64 state_;
};

} // namespace demo
