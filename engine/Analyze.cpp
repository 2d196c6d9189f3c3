#include "Engine.h"

#include "CandidateGrid.h"
#include "ExchangeOrder.h"
#include "Masking.h"
#include "RepeatSearch.h"

#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>

namespace Engine {

namespace {

std::string TooLargeReason(std::uint64_t codes, std::uint64_t candidates, std::uint64_t bound)
{
    return "The data holds " + std::to_string(codes) + " codes, which give " + std::to_string(candidates) +
           " candidate patterns; one run lists at most " + std::to_string(bound) + ".";
}

// Candidates into Patterns, by start and then by length, each a stretch of the
// prepared data rather than a copy.
void ListCandidates(const Controls& c, const SharedText& prepared, const CandidateGrid& grid)
{
    c.Patterns.Clear();
    c.Patterns.Reserve(grid.total);
    for (std::size_t i = 0; i < grid.starts.size(); ++i)
        for (std::size_t j = 0; j < grid.counts[i]; ++j)
            c.Patterns.AddItem(prepared, grid.starts[i], grid.lengths[j]);
    c.Patterns.Refresh();
}

// The repeat search marks every candidate in turn and lists a candidate when
// it is the first of two or more equal ones. The bounds decide that in O(1)
// for each candidate instead of comparing every pair.
void ListRepeats(const Controls& c, const SharedText& prepared, const CandidateGrid& grid, double K)
{
    c.RpPatterns.Clear();
    const RepeatBounds bounds = FindRepeatBounds(*prepared, grid, K);
    std::size_t position = 0;
    for (std::size_t i = 0; i < grid.starts.size(); ++i) {
        const std::size_t count = grid.counts[i];
        for (std::size_t j = 0; j < count; ++j) {
            c.Patterns.Selected(position);
            const std::uint32_t length = grid.lengths[j];
            // Rounded lengths may repeat, so one start can hold the same string twice.
            const bool earlier = length <= bounds.before[i] || (j > 0 && grid.lengths[j - 1] == length);
            const bool later = length <= bounds.after[i] || (j + 1 < count && grid.lengths[j + 1] == length);
            if (!earlier && later) {
                c.RpPatterns.AddItem(c.Patterns, position);
                c.RpPatterns.Refresh();
                c.RpPatterns.Selected(c.RpPatterns.ListCount() - 1);
            }
            ++position;
        }
    }
}

void OrderByLength(ResultList& list)
{
    const std::size_t count = list.ListCount();
    if (count <= 1)
        return;
    std::vector<std::uint64_t> lengths(count);
    for (std::size_t k = 0; k < count; ++k)
        lengths[k] = list.At(k).length;
    OrderByKeys(list, std::move(lengths), true);
}

// Masks with each repeating pattern in list order; the ones that masked
// something go to Use and are joined into the return keys.
std::u16string MaskAll(const Controls& c, Masking& masking)
{
    std::u16string returnKeys;
    c.Use.Clear();
    const std::size_t count = c.RpPatterns.ListCount();
    for (std::size_t i = 0; i < count; ++i) {
        c.RpPatterns.Selected(i);
        const ResultList::Stretch pattern = c.RpPatterns.At(i);
        if (masking.Mask(pattern.begin, pattern.length)) {
            c.Use.AddItem(c.RpPatterns, i);
            returnKeys.append(c.RpPatterns.List(i));
        }
    }
    return returnKeys;
}

// The return keys cut into pieces of K characters (the last may be shorter),
// then ordered by first position in the prepared data.
void ListKeywords(const Controls& c, const SharedText& returnKeys, double K, Masking& masking)
{
    c.KWDS.Clear();
    const std::size_t size = returnKeys->size();
    // Only a key length above 0.5 finds patterns, so non-empty return keys
    // mean a piece length of at least 1.
    std::vector<std::uint64_t> firsts;
    std::unordered_map<std::u16string_view, std::uint64_t> firstOf;
    for (double s = 1.0; s <= static_cast<double>(size); s += K) {
        const std::size_t begin = static_cast<std::size_t>(std::nearbyint(s)) - 1;
        const std::size_t take = std::min(static_cast<std::size_t>(std::nearbyint(K)), size - begin);
        c.KWDS.AddItem(returnKeys, begin, take);
        const std::u16string_view piece = std::u16string_view(*returnKeys).substr(begin, take);
        auto [at, added] = firstOf.try_emplace(piece, 0);
        if (added)
            at->second = masking.FirstPosition(piece);
        firsts.push_back(at->second);
    }
    OrderByKeys(c.KWDS, std::move(firsts), false);
}

}  // namespace

TooLarge::TooLarge(std::uint64_t codes, std::uint64_t candidates, std::uint64_t bound)
    : std::runtime_error(TooLargeReason(codes, candidates, bound)), codes(codes), candidates(candidates),
      bound(bound)
{
}

void Analyze(const Controls& c)
{
    const std::u16string dataText = c.Data.Text();
    const std::u16string keyText = c.KWL.Text();
    if (dataText.empty()) {
        c.Excep.SetText(u"");
        c.RKeys.SetText(u"");
        return;
    }
    const auto prepared = std::make_shared<const std::u16string>(PrepareData(dataText));
    const double K = ReadKeyLength(keyText);
    const CandidateGrid grid = MakeCandidateGrid(prepared->size(), K);
    if (grid.total > MaxCandidates)
        throw TooLarge(grid.codes, grid.total, MaxCandidates);

    c.Data.Refresh();
    ListCandidates(c, prepared, grid);
    ListRepeats(c, prepared, grid, K);
    OrderByLength(c.RpPatterns);

    Masking masking(*prepared);
    const auto returnKeys = std::make_shared<const std::u16string>(MaskAll(c, masking));
    ListKeywords(c, returnKeys, K, masking);

    c.Excep.SetText(masking.Work());
    c.RKeys.SetText(*returnKeys);
}

}  // namespace Engine
