#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Fuzz {

// The two texts a person types before pressing Enter.
struct Inputs {
    std::u16string data;
    std::u16string keyLength;
};

// Turns fuzzer bytes into the two texts. Every byte string decodes to
// something; the layout is
//
//   byte 0        H, the header
//   key bytes     as the key form (H bits 5-7) asks:
//                   0-3  none: the key text is "1" … "4"
//                   4    1 byte: an index into a table of awkward key texts
//                   5    1 byte n, then n % 13 bytes, each one character of
//                        "0123456789.+- \t\nae,x" (byte % 20)
//                   6    1 byte n, then n % 16 bytes taken verbatim (Latin-1)
//                   7    1 byte b: "1" … "12" (1 + b % 12), then ".5" if b >= 128
//   data bytes    the rest, as the data form (H bits 0-1) asks:
//                   0    one unit per byte (Latin-1)
//                   1    UTF-16LE, two bytes per unit (any unit, lone
//                        surrogates included)
//                   2    a small alphabet of 2 to 9 characters (2 + H bits
//                        2-4): "a", "b", "*", "!", " ", "A", "\t", NUL, "é";
//                        unit = alphabet[byte % size]
//                   3    mixed: a byte below 0x80 is that ASCII character,
//                        0x80-0xEF picks from a table of odd units
//                        (surrogate halves, BOM, U+FFFF, wide "!" and "*", …),
//                        0xF0-0xFF takes the next two bytes as one raw unit
//
// The data stops at MaxDataUnits units; missing key bytes give an empty key.
Inputs Decode(const std::uint8_t* bytes, std::size_t size);

inline constexpr std::size_t MaxDataUnits = 120;

// The bytes that decode to exactly these texts (data form 0 or 1, key form
// 6), for seeds and regressions written by hand. The key text may hold at
// most 15 units, each below 0x100; the data at most MaxDataUnits units.
std::vector<std::uint8_t> Encode(std::u16string_view data, std::u16string_view keyLength);

}  // namespace Fuzz
