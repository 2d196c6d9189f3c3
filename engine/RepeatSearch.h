#pragma once

#include "CandidateGrid.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace Engine {

// For each start i of the grid, how long a candidate may be and still stand
// earlier or later in the candidate list. A candidate of length λ at start i
// equals one at an earlier start exactly when λ <= before[i], and one at a
// later start exactly when λ <= after[i] (both in characters). Earlier starts
// take every length that start i takes, so `before` needs no cap; later starts
// take fewer, so `after` is capped by their longest candidate.
struct RepeatBounds {
    std::vector<std::uint32_t> before;
    std::vector<std::uint32_t> after;
};

RepeatBounds FindRepeatBounds(std::u16string_view prepared, const CandidateGrid& grid, double keyLength);

}  // namespace Engine
