#include "RepeatSearch.h"

#include "SuffixIndex.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace Engine {

namespace {

// Whole key length: every candidate is a run of whole codes, so compare code
// ids instead of characters. Walking each diagonal (codes c and c + d) from the
// end gives the number of equal codes from c and c + d on in O(1) a pair.
RepeatBounds BoundsOverCodes(std::u16string_view prepared, const CandidateGrid& grid, std::size_t K)
{
    const std::size_t n = grid.starts.size();
    std::vector<std::uint32_t> ids(n);
    std::unordered_map<std::u16string_view, std::uint32_t> idOf;
    idOf.reserve(n);
    for (std::size_t c = 0; c < n; ++c)
        ids[c] = idOf.try_emplace(prepared.substr(c * K, K), static_cast<std::uint32_t>(idOf.size()))
                     .first->second;

    std::vector<std::uint32_t> before(n, 0), after(n, 0);
    for (std::size_t d = 1; d < n; ++d) {
        std::uint32_t run = 0;
        for (std::size_t c = n - d; c-- > 0;) {
            run = ids[c] == ids[c + d] ? run + 1 : 0;
            after[c] = std::max(after[c], run);
            before[c + d] = std::max(before[c + d], run);
        }
    }
    // Codes to characters. A run of equal codes from c + d never passes the
    // last code, so it is never longer than what start c + d takes.
    for (std::size_t c = 0; c < n; ++c) {
        before[c] *= static_cast<std::uint32_t>(K);
        after[c] *= static_cast<std::uint32_t>(K);
    }
    return {std::move(before), std::move(after)};
}

// Any other key length: starts lie at uneven distances (two may even round to
// the same position), so compare suffixes of the characters. Ranked by suffix,
// the common prefix of two starts is the least common prefix of neighbours
// between them, which a sparse table answers in O(1) for every pair.
RepeatBounds BoundsOverCharacters(std::u16string_view prepared, const CandidateGrid& grid)
{
    const std::size_t n = grid.starts.size();
    const SuffixIndex index(prepared);
    std::vector<std::uint32_t> byRank(n);
    std::iota(byRank.begin(), byRank.end(), 0u);
    std::sort(byRank.begin(), byRank.end(), [&](std::uint32_t a, std::uint32_t b) {
        return index.RankOf(grid.starts[a]) < index.RankOf(grid.starts[b]);
    });
    std::vector<std::uint32_t> place(n);
    for (std::size_t k = 0; k < n; ++k)
        place[byRank[k]] = static_cast<std::uint32_t>(k);

    // neighbour[k]: common prefix of the starts ranked k - 1 and k.
    std::vector<std::uint32_t> neighbour(n, 0);
    for (std::size_t k = 1; k < n; ++k) {
        const std::size_t from = grid.starts[byRank[k - 1]], to = grid.starts[byRank[k]];
        const std::size_t low = index.RankOf(from), high = index.RankOf(to);
        std::size_t common = prepared.size() - to;  // the same position: the whole suffix
        for (std::size_t r = low + 1; r <= high; ++r)
            common = std::min(common, index.CommonWithPrevious(r));
        neighbour[k] = static_cast<std::uint32_t>(common);
    }
    std::vector<std::vector<std::uint32_t>> least{neighbour};  // least[p][k]: min of neighbour[k, k + 2^p)
    for (std::size_t width = 2; width <= n; width *= 2) {
        const auto& half = least.back();
        std::vector<std::uint32_t> level(n - width + 1);
        for (std::size_t k = 0; k + width <= n; ++k)
            level[k] = std::min(half[k], half[k + width / 2]);
        least.push_back(std::move(level));
    }
    auto common = [&](std::size_t a, std::size_t b) -> std::uint32_t {
        std::size_t low = std::min(place[a], place[b]) + 1, high = std::max(place[a], place[b]) + 1;
        const std::size_t level = static_cast<std::size_t>(std::bit_width(high - low)) - 1;
        return std::min(least[level][low], least[level][high - (std::size_t{1} << level)]);
    };

    std::vector<std::uint32_t> before(n, 0), after(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t later = i + 1; later < n; ++later) {
            const std::uint32_t shared = common(i, later);
            after[i] = std::max(after[i], std::min(shared, grid.MaxLength(later)));
            before[later] = std::max(before[later], shared);
        }
    return {std::move(before), std::move(after)};
}

}  // namespace

RepeatBounds FindRepeatBounds(std::u16string_view prepared, const CandidateGrid& grid, double keyLength)
{
    if (grid.whole)
        return BoundsOverCodes(prepared, grid, static_cast<std::size_t>(keyLength));
    return BoundsOverCharacters(prepared, grid);
}

}  // namespace Engine
