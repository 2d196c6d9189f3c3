#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Fuzz {

// What one run on fresh controls leaves on them.
struct Outcome {
    std::vector<std::u16string> Patterns, RpPatterns, Use, KWDS;
    std::optional<std::size_t> PatternsSelected, RpPatternsSelected;
    std::u16string Excep, RKeys;
    bool operator==(const Outcome&) const = default;
};

// The procedure again, step for step in its results, but with the two costly
// steps done the cheap way: the repeat search counts each candidate string
// once instead of comparing every pair, and the keyword ordering looks each
// piece's first position up once. That reaches data several times longer than
// the literal reference can in a fuzz case. The literal reference checks this
// one on every small case.
Outcome QuickAnalyze(std::u16string_view data, std::u16string_view keyLength);

}  // namespace Fuzz
