#include "FuzzInput.h"

#include <array>
#include <stdexcept>

namespace Fuzz {

namespace {

class Reader {
public:
    Reader(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}
    bool Next(std::uint8_t& byte)
    {
        if (at_ >= size_)
            return false;
        byte = bytes_[at_++];
        return true;
    }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Key texts that sit on the edges of reading and rounding: blanks inside,
// trailing junk, signs, points, halves (rounded to even), just above and below
// 0.5, digits beyond a double's range either way, long runs of zeros.
std::u16string KeyFromTable(std::uint8_t index)
{
    static const std::array<std::u16string, 43> table = {
        u"6",     u" 6 ",    u"6abc",  u"1 2",     u"2.5",  u"",       u"abc",   u"1.5",
        u"0.7",   u"0.5",    u"0",     u"-1",      u"-0.5", u".5",     u"+2",    u"3.0",
        u"0.51",  u"0.49",   u"1e2",   u"2-",      u"--2",  u"+-1",    u"5",     u"8",
        u"12",    u"1.49",   u"4.5",   u"3.5",     u"2.",   u"+",      u".",     u"-",
        u".5.5",  u"\t3\n",  u"1,5",   u"0.5000000000000001", u"2.4999999999999996", u"1.0000001",
        u"-0",    u"1" + std::u16string(400, u'0'), u"0." + std::u16string(400, u'0') + u"1",
        u"00000000000000000000000000000000000000000000000000006", u"0.0",
    };
    return table[index % table.size()];
}

const char16_t OddUnits[] = {
    0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xD83D, 0xDE00, 0xFFFF, 0xFFFE, 0xFEFF, 0x00A0, 0x3000, 0x2028,
    0x00E9, 0x0130, 0x212A, 0x0085, 0xFF01, 0xFF0A, 0x2217, 0x0000, 0x0080, 0x00FF, 0x0100, 0x7FFF,
    0x8000, 0x0021, 0x002A, 0x0020, 0x0009, 0x000A, 0x000D, 0x005C,
};

const char16_t Alphabet[] = {u'a', u'b', u'*', u'!', u' ', u'A', u'\t', 0x0000, 0x00E9};

}  // namespace

Inputs Decode(const std::uint8_t* bytes, std::size_t size)
{
    Inputs in;
    Reader reader(bytes, size);
    std::uint8_t header = 0;
    if (!reader.Next(header))
        return in;

    std::uint8_t b = 0;
    switch (header >> 5) {
    case 0: case 1: case 2: case 3:
        in.keyLength = std::u16string(1, static_cast<char16_t>(u'1' + (header >> 5)));
        break;
    case 4:
        if (reader.Next(b))
            in.keyLength = KeyFromTable(b);
        break;
    case 5:
        if (reader.Next(b)) {
            static constexpr std::u16string_view chars = u"0123456789.+- \t\nae,x";
            for (int n = b % 13; n > 0 && reader.Next(b); --n)
                in.keyLength.push_back(chars[b % chars.size()]);
        }
        break;
    case 6:
        if (reader.Next(b))
            for (int n = b % 16; n > 0 && reader.Next(b); --n)
                in.keyLength.push_back(b);
        break;
    case 7:
        if (reader.Next(b)) {
            const int whole = 1 + b % 12;
            in.keyLength = whole >= 10 ? std::u16string{u'1', static_cast<char16_t>(u'0' + whole - 10)}
                                       : std::u16string(1, static_cast<char16_t>(u'0' + whole));
            if (b >= 128)
                in.keyLength += u".5";
        }
        break;
    }

    const std::size_t alphabetSize = 2 + ((header >> 2) & 7);
    while (in.data.size() < MaxDataUnits && reader.Next(b)) {
        std::uint8_t hi = 0;
        switch (header & 3) {
        case 0:
            in.data.push_back(b);
            break;
        case 1:
            if (!reader.Next(hi))
                return in;
            in.data.push_back(static_cast<char16_t>(b | hi << 8));
            break;
        case 2:
            in.data.push_back(Alphabet[b % alphabetSize]);
            break;
        case 3:
            if (b < 0x80) {
                in.data.push_back(b);
            } else if (b < 0xF0) {
                in.data.push_back(OddUnits[(b - 0x80) % std::size(OddUnits)]);
            } else {
                std::uint8_t lo = 0;
                if (!reader.Next(lo) || !reader.Next(hi))
                    return in;
                in.data.push_back(static_cast<char16_t>(lo | hi << 8));
            }
            break;
        }
    }
    return in;
}

std::vector<std::uint8_t> Encode(std::u16string_view data, std::u16string_view keyLength)
{
    if (keyLength.size() > 15 || data.size() > MaxDataUnits)
        throw std::invalid_argument("too long to encode");
    bool narrow = true;
    for (const char16_t c : data)
        narrow = narrow && c < 0x100;

    std::vector<std::uint8_t> bytes;
    bytes.push_back(static_cast<std::uint8_t>(6 << 5 | (narrow ? 0 : 1)));
    bytes.push_back(static_cast<std::uint8_t>(keyLength.size()));
    for (const char16_t c : keyLength) {
        if (c >= 0x100)
            throw std::invalid_argument("key text unit above 0xFF");
        bytes.push_back(static_cast<std::uint8_t>(c));
    }
    for (const char16_t c : data) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        if (!narrow)
            bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

}  // namespace Fuzz
