// Writes the seed corpus: the worked examples and the awkward key texts, each
// in the fuzz target's byte layout, and checks that every file decodes back to
// its texts. Usage: fuzz_seeds DIRECTORY
//
// With --show FILE… it prints what each file decodes to instead, as the
// target sees it before cutting the data to its size bound.

#include "FuzzInput.h"

#include <OpLog.h>
#include <Reference.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Seed {
    const char* name;
    std::u16string data;
    std::u16string keyLength;
};

const std::u16string Starting(Testing::StartingData);

std::vector<Seed> Seeds()
{
    std::vector<Seed> seeds = {
        {"starting-texts", Starting, u"6"},
        {"equal-lengths-decide", u"ab ab ba ba ba", u"2"},
        {"mask-covers-end-marker", u"b!b!b", u"2"},
        {"mask-across-codes", u"xa bx ab ab", u"2"},
        {"first-position-across-codes", u"aa bc ab ab bc", u"2"},
        {"no-repeat", u"Bold__ Link__", u"6"},
        {"aaa", u"aaa", u"1"},
        {"abab", u"abab", u"2"},
        {"marker-then-space", u"ab! ", u"1"},
        {"marker-typed", u"ab!", u"1"},
        {"partial-code", u"Bold__Bold_", u"6"},
        {"case-counts", u"ABab", u"1"},
        {"spaces-only", u"      ", u"6"},
        {"empty-data", u"", u"6"},
        // The key texts, on the starting data.
        {"key-blanks-around", Starting, u" 6 "},
        {"key-trailing-letters", Starting, u"6abc"},
        {"key-blank-inside", Starting, u"1 2"},
        {"key-2.5", Starting, u"2.5"},
        {"key-empty", Starting, u""},
        {"key-abc", Starting, u"abc"},
        // Further edges of this system's own choosing.
        {"key-1.5", u"ab ab ab ba ba", u"1.5"},
        {"key-0.7", u"abababab", u"0.7"},
        {"key-0.5", u"abab", u"0.5"},
        {"key-0", u"abab", u"0"},
        {"key-negative", u"abab", u"-1"},
        {"key-negative-half", u"abab", u"-0.5"},
        {"stars-only", u"********", u"1"},
        {"stars-and-codes", u"a* a* ** a* **", u"2"},
        {"tabs-and-nul", std::u16string(u"a\tb\0a\tb\0!", 9), u"2"},
        {"surrogates", u"\U0001F600\U0001F600\xD800\xD800\xDC00\xDC00", u"1"},
        {"surrogate-halves", std::u16string{0xD83D, 0xDE00, 0xDE00, 0xD83D, 0xD83D, 0xDE00}, u"2"},
        {"wide-marks", u"\xFF01\xFF0A\xFF01\xFF0A\x00E9\x00E9", u"1"},
    };
    return seeds;
}

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "--show") {
        for (int a = 2; a < argc; ++a) {
            std::ifstream file(argv[a], std::ios::binary);
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
            const Fuzz::Inputs in = Fuzz::Decode(bytes.data(), bytes.size());
            std::printf("%s\n  data text: \"%s\"\n  key text:  \"%s\"\n", argv[a],
                        Testing::Printable(in.data).c_str(), Testing::Printable(in.keyLength).c_str());
        }
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY | --show FILE...\n", argv[0]);
        return 2;
    }
    int failures = 0;
    for (const Seed& seed : Seeds()) {
        const auto bytes = Fuzz::Encode(seed.data, seed.keyLength);
        const Fuzz::Inputs back = Fuzz::Decode(bytes.data(), bytes.size());
        if (back.data != seed.data || back.keyLength != seed.keyLength) {
            std::fprintf(stderr, "%s does not decode to its own texts\n", seed.name);
            ++failures;
            continue;
        }
        if (!Write(std::string(argv[1]) + "/" + seed.name, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", seed.name);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
