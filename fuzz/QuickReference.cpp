#include "QuickReference.h"

#include <Engine.h>

#include <cmath>
#include <unordered_map>

namespace Fuzz {

namespace {

long Round(double x)
{
    return static_cast<long>(std::nearbyint(x));
}

// Substring by 1-based start and length, both rounded halves to even; empty
// where either falls outside the text.
std::u16string Mid(const std::u16string& text, double start, double length)
{
    const long from = Round(start), count = Round(length);
    if (from < 1 || from > static_cast<long>(text.size()) || count <= 0)
        return u"";
    return text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count));
}

// 1-based first position of `pattern` in `text`, 0 when absent.
std::size_t InStr(const std::u16string& text, const std::u16string& pattern)
{
    const std::size_t at = text.find(pattern);
    return at == std::u16string::npos ? 0 : at + 1;
}

// The exchange ordering: for every i, for every j, exchange when key i is
// strictly less than key j. It moves keys and positions, then the entries
// once, since the pieces of a long keyword list number in the thousands.
void ExchangeOrder(std::vector<std::u16string>& entries, std::vector<std::size_t> keys)
{
    const std::size_t n = entries.size();
    std::vector<std::size_t> from(n);
    for (std::size_t k = 0; k < n; ++k)
        from[k] = k;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            if (keys[i] < keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(from[i], from[j]);
            }
    std::vector<std::u16string> ordered(n);
    for (std::size_t k = 0; k < n; ++k)
        ordered[k] = std::move(entries[from[k]]);
    entries = std::move(ordered);
}

}  // namespace

Outcome QuickAnalyze(std::u16string_view dataText, std::u16string_view keyText)
{
    Outcome out;
    if (dataText.empty())
        return out;
    // Reading and preparing are the engine's own small functions, which the
    // literal reference checks in every small case.
    const double K = Engine::ReadKeyLength(keyText);
    const std::u16string D = Engine::PrepareData(dataText);
    const double L = static_cast<double>(D.size());

    if (K > 0.5)
        for (double s = 1; s <= L; s += K)
            for (double l = K; l <= L - s; l += K)
                out.Patterns.push_back(Mid(D, s, l));
    if (!out.Patterns.empty())
        out.PatternsSelected = out.Patterns.size() - 1;

    // A string repeats when it stands twice; it is listed at its first position.
    std::unordered_map<std::u16string_view, std::size_t> count;
    for (const auto& p : out.Patterns)
        ++count[p];
    for (const auto& p : out.Patterns) {
        auto at = count.find(p);
        if (at->second >= 2) {
            out.RpPatterns.push_back(p);
            at->second = 0;  // listed: later equal candidates add nothing
        }
    }
    if (out.RpPatterns.size() > 1) {
        std::vector<std::size_t> lengths;
        for (const auto& r : out.RpPatterns)
            lengths.push_back(r.size());
        ExchangeOrder(out.RpPatterns, lengths);
    }
    if (!out.RpPatterns.empty())
        out.RpPatternsSelected = out.RpPatterns.size() - 1;

    std::u16string work = D;
    for (const auto& pattern : out.RpPatterns) {
        bool masked = false;
        const bool allStars = pattern.find_first_not_of(u'*') == std::u16string::npos;
        for (std::size_t at = InStr(work, pattern); at > 0; at = InStr(work, pattern)) {
            work.replace(at - 1, pattern.size(), pattern.size(), u'*');
            masked = true;
            if (allStars)
                break;
        }
        if (masked) {
            out.Use.push_back(pattern);
            out.RKeys += pattern;
        }
    }
    out.Excep = work;

    for (double s = 1; s <= static_cast<double>(out.RKeys.size()); s += K)
        out.KWDS.push_back(Mid(out.RKeys, s, K));
    std::unordered_map<std::u16string, std::size_t> firstOf;
    std::vector<std::size_t> firsts;
    for (const auto& piece : out.KWDS) {
        auto [at, added] = firstOf.try_emplace(piece, 0);
        if (added)
            at->second = InStr(D, piece);
        firsts.push_back(at->second);
    }
    ExchangeOrder(out.KWDS, firsts);
    return out;
}

}  // namespace Fuzz
