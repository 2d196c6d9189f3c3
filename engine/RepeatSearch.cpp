#include "RepeatSearch.h"

#include <algorithm>
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

// Z-array of `text`: z[k] is the length of the longest common prefix of text
// and text[k..]; z[0] is the whole length.
void ZArray(std::u16string_view text, std::vector<std::uint32_t>& z)
{
    const std::size_t n = text.size();
    z.assign(n, 0);
    if (n == 0)
        return;
    z[0] = static_cast<std::uint32_t>(n);
    std::size_t left = 0, right = 0;  // text[left, right) matches a prefix
    for (std::size_t k = 1; k < n; ++k) {
        std::size_t match = 0;
        if (k < right)
            match = std::min<std::size_t>(z[k - left], right - k);
        while (k + match < n && text[match] == text[k + match])
            ++match;
        z[k] = static_cast<std::uint32_t>(match);
        if (k + match > right) {
            left = k;
            right = k + match;
        }
    }
}

// Any other key length: starts lie at uneven distances (two may even round to
// the same position), so compare characters, one Z-array per start.
RepeatBounds BoundsOverCharacters(std::u16string_view prepared, const CandidateGrid& grid)
{
    const std::size_t n = grid.starts.size();
    std::vector<std::uint32_t> before(n, 0), after(n, 0), z;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t from = grid.starts[i];
        ZArray(prepared.substr(from), z);
        for (std::size_t later = i + 1; later < n; ++later) {
            const std::uint32_t common = z[grid.starts[later] - from];
            after[i] = std::max(after[i], std::min(common, grid.MaxLength(later)));
            before[later] = std::max(before[later], common);
        }
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
