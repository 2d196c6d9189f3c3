#include "SuffixIndex.h"

#include <algorithm>
#include <numeric>

namespace Engine {

SuffixIndex::SuffixIndex(std::u16string_view text) : text_(text)
{
    const std::size_t n = text.size();
    order_.resize(n);
    rank_.resize(n);
    lcp_.assign(n, 0);
    if (n == 0)
        return;

    // Prefix doubling with counting sorts: O(n log n). The first round sorts
    // by character with a comparison sort, as 65,536 buckets would cost more
    // than the sort on the texts of a few thousand characters that runs meet.
    std::vector<std::uint32_t> cls(n), next(n), count(n + 1);
    std::iota(order_.begin(), order_.end(), 0u);
    std::sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) { return text[a] < text[b]; });
    std::uint32_t classes = 1;
    cls[order_[0]] = 0;
    for (std::size_t k = 1; k < n; ++k) {
        if (text[order_[k]] != text[order_[k - 1]])
            ++classes;
        cls[order_[k]] = classes - 1;
    }

    std::vector<std::uint32_t> byFirst(n);
    for (std::size_t half = 1; classes < n; half <<= 1) {
        // Order by (class of i, class of i + half), a suffix shorter than
        // `half` first: first by the second key, then stably by the first.
        std::size_t filled = 0;
        for (std::size_t i = n - std::min(half, n); i < n; ++i)
            byFirst[filled++] = static_cast<std::uint32_t>(i);
        for (std::size_t k = 0; k < n; ++k)
            if (order_[k] >= half)
                byFirst[filled++] = static_cast<std::uint32_t>(order_[k] - half);
        std::fill(count.begin(), count.begin() + classes + 1, 0);
        for (std::size_t k = 0; k < n; ++k)
            ++count[cls[byFirst[k]] + 1];
        std::partial_sum(count.begin(), count.begin() + classes + 1, count.begin());
        for (std::size_t k = 0; k < n; ++k)
            order_[count[cls[byFirst[k]]]++] = byFirst[k];

        auto second = [&](std::uint32_t i) -> std::int64_t {
            return i + half < n ? static_cast<std::int64_t>(cls[i + half]) : -1;
        };
        next[order_[0]] = 0;
        classes = 1;
        for (std::size_t k = 1; k < n; ++k) {
            const std::uint32_t a = order_[k - 1], b = order_[k];
            if (cls[a] != cls[b] || second(a) != second(b))
                ++classes;
            next[b] = classes - 1;
        }
        cls.swap(next);
    }
    for (std::size_t k = 0; k < n; ++k)
        rank_[order_[k]] = static_cast<std::uint32_t>(k);

    // Kasai: the common prefix with the suffix ranked just before shrinks by
    // at most one from one start position to the next.
    std::size_t common = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (rank_[i] == 0) {
            common = 0;
            continue;
        }
        const std::size_t j = order_[rank_[i] - 1];
        while (i + common < n && j + common < n && text[i + common] == text[j + common])
            ++common;
        lcp_[rank_[i]] = static_cast<std::uint32_t>(common);
        if (common > 0)
            --common;
    }
}

std::size_t SuffixIndex::Find(std::u16string_view pattern) const
{
    // Suffixes that begin with `pattern` form one block of the order.
    auto prefixOf = [&](std::uint32_t start) { return text_.substr(start, pattern.size()); };
    const auto first = std::partition_point(order_.begin(), order_.end(),
                                            [&](std::uint32_t start) { return prefixOf(start) < pattern; });
    if (first == order_.end() || prefixOf(*first) != pattern)
        return npos;
    std::size_t k = static_cast<std::size_t>(first - order_.begin());
    std::size_t best = order_[k];
    while (k + 1 < order_.size() && lcp_[k + 1] >= pattern.size())
        best = std::min<std::size_t>(best, order_[++k]);
    return best;
}

}  // namespace Engine
