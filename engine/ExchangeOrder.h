#pragma once

#include "ResultList.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Engine {

// Orders `list` exactly as the exchange procedure does: for each position i,
// for each position j, exchange entries i and j when the key of entry i is
// strictly less than that of entry j. keys[k] is the key of the entry now at
// position k. When `markEachPass` is set, entry i is marked as pass i begins.
// Makes the same exchanges in the same order as those n·n comparisons, in time
// proportional to the exchanges: pass 0 exchanges with each strict running
// maximum; every later pass i finds the prefix 0..i-1 sorted and exchanges i
// with the first entry of each run of equal keys greater than its own.
void OrderByKeys(ResultList& list, std::vector<std::uint64_t> keys, bool markEachPass);

}  // namespace Engine
