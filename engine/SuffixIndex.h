#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace Engine {

// A suffix array of one text with its LCP array: every occurrence of a stretch
// of the text, and the first occurrence of any string in it, without scanning
// the whole text each time.
class SuffixIndex {
public:
    explicit SuffixIndex(std::u16string_view text);

    // Every position where text[begin, begin + length) occurs, in no
    // particular order. length must be at least 1.
    template <typename Visit>
    void ForEachOccurrence(std::size_t begin, std::size_t length, Visit visit) const
    {
        const std::size_t at = rank_[begin];
        std::size_t low = at, high = at;
        while (low > 0 && lcp_[low] >= length)
            --low;
        while (high + 1 < order_.size() && lcp_[high + 1] >= length)
            ++high;
        for (std::size_t k = low; k <= high; ++k)
            visit(static_cast<std::size_t>(order_[k]));
    }

    // Where the suffix from `pos` stands in lexicographic order.
    std::size_t RankOf(std::size_t pos) const { return rank_[pos]; }
    // The common prefix of the suffixes ranked `rank` - 1 and `rank` (rank >= 1).
    std::size_t CommonWithPrevious(std::size_t rank) const { return lcp_[rank]; }

    // The 0-based position of the first occurrence of `pattern`, or npos.
    std::size_t Find(std::u16string_view pattern) const;

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    std::u16string_view text_;
    std::vector<std::uint32_t> order_;  // suffix starts in lexicographic order
    std::vector<std::uint32_t> rank_;   // inverse of order_
    std::vector<std::uint32_t> lcp_;    // lcp_[k]: common prefix of suffixes order_[k-1] and order_[k]
};

}  // namespace Engine
