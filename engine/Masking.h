#pragma once

#include "SuffixIndex.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Engine {

// The work string of masking: a copy of the prepared data in which every
// occurrence of each pattern in turn is overwritten with "*", leftmost first,
// each search starting again from the beginning.
class Masking {
public:
    explicit Masking(std::u16string_view prepared);

    // Masks with the pattern prepared[begin, begin + length) and says whether
    // it found anything to mask. A pattern made only of "*" is searched once:
    // overwriting asterisks with asterisks changes nothing, so searching again
    // would find it forever.
    bool Mask(std::size_t begin, std::size_t length);

    // The first position of `pattern` in the prepared data (1-based), 0 when absent.
    std::uint64_t FirstPosition(std::u16string_view pattern);

    const std::u16string& Work() const { return work_; }

private:
    bool MaskStarFree(std::size_t begin, std::size_t length);
    bool MaskAllStars(std::size_t length) const;
    bool MaskMixed(std::u16string_view pattern);
    void Overwrite(std::size_t at, std::size_t length);
    std::size_t StarsInWork(std::size_t begin, std::size_t end) const;
    const SuffixIndex& Index();

    std::u16string_view prepared_;
    std::u16string work_;
    std::vector<std::uint32_t> starsBefore_;  // "*" in prepared[0, k)
    std::vector<std::uint32_t> starTree_;     // Fenwick tree over "*" in work_
    std::size_t nonStars_ = 0;                // characters of work_ other than "*"
    std::unique_ptr<SuffixIndex> index_;      // built on first need
    std::vector<std::size_t> found_;
};

}  // namespace Engine
