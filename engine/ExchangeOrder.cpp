#include "ExchangeOrder.h"

#include <algorithm>

namespace Engine {

void OrderByKeys(ResultList& list, std::vector<std::uint64_t> keys, bool markEachPass)
{
    const std::size_t n = keys.size();
    if (n == 0)
        return;
    std::vector<std::size_t> exchanges;

    // Pass 0: entry 0 takes every key greater than the one it holds.
    if (markEachPass)
        list.Selected(0);
    for (std::size_t j = 1; j < n; ++j)
        if (keys[0] < keys[j]) {
            std::swap(keys[0], keys[j]);
            exchanges.push_back(j);
        }
    list.Exchange(0, exchanges);

    // From here on entry i - 1 holds the greatest key, so pass i never
    // exchanges with j >= i, and positions after i keep the keys pass 0 left.
    struct Run {
        std::uint64_t key;
        std::size_t start;
    };
    std::vector<Run> runs{{keys[0], 0}};  // the sorted prefix, one run per key
    for (std::size_t i = 1; i < n; ++i) {
        if (markEachPass)
            list.Selected(i);
        const std::uint64_t key = keys[i];
        const auto greater = std::upper_bound(runs.begin(), runs.end(), key,
                                              [](std::uint64_t k, const Run& run) { return k < run.key; });
        const std::size_t first = static_cast<std::size_t>(greater - runs.begin());
        // Each greater run hands its first entry on to the next run and so
        // starts one later; the entry of pass i lands where the first began.
        exchanges.clear();
        const std::size_t landing = first < runs.size() ? runs[first].start : i;
        for (std::size_t r = first; r < runs.size(); ++r)
            exchanges.push_back(runs[r].start++);
        if (first == 0 || runs[first - 1].key != key)
            runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(first), Run{key, landing});
        list.Exchange(i, exchanges);
    }
}

}  // namespace Engine
