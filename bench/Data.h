#pragma once

// Deterministic data for the benchmarks: codes of width 6 drawn from a small
// vocabulary, joined with single spaces (the analysis drops spaces, so they
// only make the text read like typed data).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace Bench {

inline constexpr std::size_t CodeWidth = 6;
inline constexpr std::size_t VocabularySize = 8;

// std::mt19937's output is the same in every standard library, the
// distributions are not; plain modulo keeps the data identical everywhere.
inline std::uint32_t Below(std::mt19937& rng, std::uint32_t bound)
{
    return static_cast<std::uint32_t>(rng() % bound);
}

// `VocabularySize` distinct random codes of `CodeWidth` letters.
inline std::vector<std::u16string> Vocabulary(std::mt19937& rng)
{
    static constexpr char16_t Letters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::vector<std::u16string> codes;
    while (codes.size() < VocabularySize) {
        std::u16string code;
        for (std::size_t k = 0; k < CodeWidth; ++k)
            code += Letters[Below(rng, std::size(Letters) - 1)];
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(std::move(code));
    }
    return codes;
}

inline void Append(std::u16string& text, const std::u16string& code)
{
    if (!text.empty())
        text += u' ';
    text += code;
}

// `count` codes, each picked at random from the vocabulary.
inline std::u16string RandomCodes(std::size_t count, std::uint32_t seed = 1)
{
    std::mt19937 rng(seed);
    const std::vector<std::u16string> vocabulary = Vocabulary(rng);
    std::u16string text;
    for (std::size_t k = 0; k < count; ++k)
        Append(text, vocabulary[Below(rng, VocabularySize)]);
    return text;
}

// One block of `half` random codes written twice: every stretch of the first
// block repeats in the second, which makes the most repeating patterns and
// the longest ordering by length.
inline std::u16string DoubledCodes(std::size_t half, std::uint32_t seed = 1)
{
    const std::u16string block = RandomCodes(half, seed);
    return block + u' ' + block;
}

// The texts the window starts with.
inline constexpr std::u16string_view StartingData = u"Bold__ Link__ Italic Link__ Italic Link__ Italic Underl Bold__";
inline constexpr std::u16string_view StartingKeyLength = u"6";

}  // namespace Bench
