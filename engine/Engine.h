#pragma once

#include "Controls.h"
#include "ResultList.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace Engine {

// Runs one analysis on the window's controls. Reads the text of `Data`, then of
// `KWL`. An empty data text only empties `Excep` and `RKeys`; the lists keep
// what they hold and `Data` is not repainted. Otherwise it repaints `Data`,
// lists every run of whole codes in `Patterns` (by start, then length) and each
// one that stands twice in `RpPatterns` (by first position), orders
// `RpPatterns` by length, masks the prepared data with them in that order,
// lists the patterns that still masked something in `Use`, cuts their join into
// codes in `KWDS` ordered by first position in the prepared data, and finally
// writes the masked data to `Excep` and the join to `RKeys`. Every mark,
// repaint and exchange is the one the step-by-step procedure makes, in the
// same order. A key length of 0.5 or less finds no candidate. Throws TooLarge,
// before any list is cleared, when the candidates would not fit in memory;
// whatever else escapes (std::bad_alloc) leaves the controls as far as the run
// had written them.
void Analyze(const Controls& controls);

// Thrown by Analyze, before it changes any control, when the data would give
// more candidate patterns than one run may list. what() names all three numbers.
class TooLarge : public std::runtime_error {
public:
    TooLarge(std::uint64_t codes, std::uint64_t candidates, std::uint64_t bound);
    std::uint64_t codes;
    std::uint64_t candidates;
    std::uint64_t bound;
};

// The most candidate patterns one run lists. Measured at about 18 bytes per
// candidate while a run lasts (12 for its entry in Patterns, the rest for the
// repeating patterns), so the largest accepted data needs about 1 GB.
inline constexpr std::uint64_t MaxCandidates = 50'000'000;

// The key length that `text` begins with: blanks (space, tab, line feed) are
// skipped wherever they stand, one leading sign is read, then digits with at
// most one decimal point; reading stops at the first other character.
// "1 2" is 12, ".5" is 0.5, "6abc" is 6, "-3" is -3; no number, the empty text
// included, is 0. Exponents are not read; digits beyond a double's range give
// infinity.
double ReadKeyLength(std::u16string_view text);

// The data as analysed: "!" appended unless the text as typed already ends in
// it, then every space (character 32) removed. Never empty; always ends in "!".
std::u16string PrepareData(std::u16string_view text);

}  // namespace Engine
