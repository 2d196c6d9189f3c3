#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Engine {

// Where the candidate patterns of a prepared data text lie. The candidate
// loops step real-number counters by the key length K (start s = 1, 1+K, …
// while s <= L; length l = K, 2K, … while l <= L - s) and round each to a
// whole number, halves to even, where it is used. Every start runs through the
// same sequence of lengths, cut off earlier the later it starts, so the grid
// keeps one list of starts and one of lengths.
struct CandidateGrid {
    std::vector<std::uint32_t> starts;   // 0-based offset of each start that yields a candidate
    std::vector<std::uint32_t> lengths;  // the rounded lengths, non-decreasing
    std::vector<std::uint32_t> counts;   // how many of `lengths` each start takes; non-increasing
    std::uint64_t total = 0;             // number of candidates: the sum of `counts`
    std::uint64_t codes = 0;             // whole codes in the data
    bool whole = false;                  // K is a whole number: starts and lengths are multiples of it

    // The longest candidate at start i.
    std::uint32_t MaxLength(std::size_t i) const { return lengths[counts[i] - 1]; }
};

// The grid for a prepared data text of `length` characters and key length K.
// Empty when K is 0.5 or less (such a length cuts no code) or not a number.
CandidateGrid MakeCandidateGrid(std::size_t length, double keyLength);

}  // namespace Engine
