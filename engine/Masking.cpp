#include "Masking.h"

#include <algorithm>
#include <functional>

namespace Engine {

namespace {
constexpr char16_t Star = u'*';
}

Masking::Masking(std::u16string_view prepared)
    : prepared_(prepared), work_(prepared), starsBefore_(prepared.size() + 1, 0),
      starTree_(prepared.size() + 1, 0)
{
    for (std::size_t k = 0; k < prepared.size(); ++k) {
        const bool star = prepared[k] == Star;
        starsBefore_[k + 1] = starsBefore_[k] + (star ? 1 : 0);
        if (star) {
            for (std::size_t node = k + 1; node < starTree_.size(); node += node & (~node + 1))
                ++starTree_[node];
        } else {
            ++nonStars_;
        }
    }
}

const SuffixIndex& Masking::Index()
{
    if (!index_)
        index_ = std::make_unique<SuffixIndex>(prepared_);
    return *index_;
}

std::size_t Masking::StarsInWork(std::size_t begin, std::size_t end) const
{
    auto prefix = [&](std::size_t k) {
        std::size_t sum = 0;
        for (; k > 0; k -= k & (~k + 1))
            sum += starTree_[k];
        return sum;
    };
    return prefix(end) - prefix(begin);
}

void Masking::Overwrite(std::size_t at, std::size_t length)
{
    for (std::size_t k = at; k < at + length; ++k) {
        if (work_[k] == Star)
            continue;
        work_[k] = Star;
        --nonStars_;
        for (std::size_t node = k + 1; node < starTree_.size(); node += node & (~node + 1))
            ++starTree_[node];
    }
}

bool Masking::Mask(std::size_t begin, std::size_t length)
{
    if (length == 0)
        return false;  // no key length above 0.5 cuts an empty pattern
    const std::size_t stars = starsBefore_[begin + length] - starsBefore_[begin];
    if (stars == 0)
        return MaskStarFree(begin, length);
    if (stars == length)
        return MaskAllStars(length);
    return MaskMixed(prepared_.substr(begin, length));
}

bool Masking::MaskStarFree(std::size_t begin, std::size_t length)
{
    // Masking writes only "*", so a pattern without one occurs in the work
    // string exactly where it occurs in the prepared data with no "*" yet over
    // it; and searching again from the start after an overwrite finds the next
    // such occurrence past the stretch just masked.
    if (nonStars_ < length)
        return false;
    found_.clear();
    Index().ForEachOccurrence(begin, length, [&](std::size_t at) {
        if (work_[at] != Star && work_[at + length - 1] != Star && StarsInWork(at, at + length) == 0)
            found_.push_back(at);
    });
    if (found_.empty())
        return false;
    std::sort(found_.begin(), found_.end());
    std::size_t free = 0;  // the first position the previous overwrite left alone
    for (const std::size_t at : found_)
        if (at >= free) {
            Overwrite(at, length);
            free = at + length;
        }
    return true;
}

bool Masking::MaskAllStars(std::size_t length) const
{
    std::size_t run = 0;
    for (const char16_t c : work_) {
        run = c == Star ? run + 1 : 0;
        if (run == length)
            return true;
    }
    return false;
}

bool Masking::MaskMixed(std::u16string_view pattern)
{
    // An overwrite may make new occurrences, but only ones that overlap it,
    // so the next search may start just far enough back to overlap it.
    const std::size_t patternNonStars =
        static_cast<std::size_t>(std::count_if(pattern.begin(), pattern.end(), [](char16_t c) { return c != Star; }));
    const std::boyer_moore_horspool_searcher searcher(pattern.begin(), pattern.end());
    bool masked = false;
    std::size_t from = 0;
    while (nonStars_ >= patternNonStars) {
        const auto hit = std::search(work_.cbegin() + static_cast<std::ptrdiff_t>(from), work_.cend(), searcher);
        if (hit == work_.cend())
            break;
        const std::size_t at = static_cast<std::size_t>(hit - work_.cbegin());
        Overwrite(at, pattern.size());
        masked = true;
        from = at + 1 > pattern.size() ? at + 1 - pattern.size() : 0;
    }
    return masked;
}

std::uint64_t Masking::FirstPosition(std::u16string_view pattern)
{
    if (pattern.empty())
        return 1;
    const std::size_t at = Index().Find(pattern);
    return at == SuffixIndex::npos ? 0 : at + 1;
}

}  // namespace Engine
