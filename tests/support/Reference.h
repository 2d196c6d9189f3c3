#pragma once

#include "OpLog.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Testing {

// The analysis written out step by step, literally: real-number counters,
// every pair of candidates compared, the repeating patterns scanned for each
// equal pair, both orderings by n·n comparisons, every search from the start.
// Its only departures are the ones the engine makes where the literal steps
// would hang or fail: a key length of 0.5 or less lists no candidate, a
// pattern of asterisks only is searched once, and lists have no size limit.
// Slow on purpose: it is the yardstick for the engine's results and speed.
struct ReferenceList {
    std::vector<std::u16string> entries;
    std::optional<std::size_t> selected;
};

struct ReferenceControls {
    std::u16string Data, KWL, Excep, RKeys;
    ReferenceList Patterns, RpPatterns, Use, KWDS;
    OpLog* log = nullptr;  // where the visible operations go, when set
};

void ReferenceAnalyze(ReferenceControls& controls);

// The operation log of one reference run on fresh controls.
OpLog ReferenceLog(std::u16string_view data, std::u16string_view keyLength);

// The window's starting data text; its key length is "6".
inline constexpr std::u16string_view StartingData =
    u"Bold__ Link__ Italic Link__ Italic Link__ Italic Underl Bold__";

}  // namespace Testing
