// A window runs analysis after analysis on the same controls for as long as
// it is open, so a run must give back everything it takes. These tests repeat
// runs a thousand times in one process and check that the resident memory
// (and, where the C library tells, the heap in use) ends where it began after
// a warm-up. They measure memory, not time.
//
// QUORREL_MEMORY_RUNS overrides the thousand, for a shorter run under a leak
// checker such as valgrind.

#include <RecordingControls.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#if __has_include(<valgrind/valgrind.h>)
#include <valgrind/valgrind.h>
#else
#define RUNNING_ON_VALGRIND 0
#endif

#if defined(__SANITIZE_ADDRESS__)
#define QUORREL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORREL_ASAN 1
#endif
#endif

#if defined(QUORREL_ASAN)
// Freed blocks would otherwise wait in AddressSanitizer's quarantine (up to
// 256 MB of it) and look like growth; without it the sanitizer still catches
// leaks and misuse.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=0:thread_local_quarantine_size_kb=0";
}
#endif

using Testing::RecordingControls;

namespace {

constexpr long MiB = 1024 * 1024;

long ResidentBytes()
{
    long pages = 0, resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return -1;
    const int read = std::fscanf(statm, "%ld %ld", &pages, &resident);
    std::fclose(statm);
    return read == 2 ? resident * sysconf(_SC_PAGESIZE) : -1;
}

// Bytes the C library's heap has handed out and not had back; -1 where it
// does not say (another allocator, or a checker that replaces malloc).
long HeapInUse()
{
#if defined(__GLIBC__) && !defined(QUORREL_ASAN) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 33)
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd > 0 ? static_cast<long>(info.uordblks + info.hblkhd) : -1;
#else
    return -1;
#endif
}

int Runs()
{
    const char* runs = std::getenv("QUORREL_MEMORY_RUNS");
    return runs ? std::max(1, std::atoi(runs)) : 1000;
}

// 255 codes of width 6 drawn from 8: 32,640 candidates, the largest count
// below 32,767, and repeats of every length.
std::u16string RandomCodes()
{
    static const char16_t* const codes[] = {u"Bold__", u"Link__", u"Italic", u"Underl",
                                            u"Strike", u"Code__", u"Quote_", u"Header"};
    std::mt19937 random(20240511);
    std::u16string data;
    for (int k = 0; k < 255; ++k) {
        data += codes[random() % 8];
        data += u' ';
    }
    return data;
}

struct Results {
    std::vector<std::u16string> Patterns, RpPatterns, Use, KWDS;
    std::u16string Excep, RKeys;
    bool operator==(const Results&) const = default;
};

Results Snapshot(const RecordingControls& c)
{
    return {RecordingControls::Entries(c.Patterns), RecordingControls::Entries(c.RpPatterns),
            RecordingControls::Entries(c.Use),      RecordingControls::Entries(c.KWDS),
            c.Excep.text,                           c.RKeys.text};
}

// Runs the texts `Runs()` times after a warm-up on the same controls and
// checks that memory ends where the warm-up left it and that the last run
// gives what the first gave. `logging` puts a view behind every list.
void ExpectFlat(std::u16string_view data, std::u16string_view keyLength, bool logging, long tolerance)
{
    RecordingControls controls(logging);
    controls.Run(data, keyLength);
    const Results first = Snapshot(controls);
    ASSERT_FALSE(first.Use.empty()) << "the data should find repeating codes";

    for (int k = 0; k < 20; ++k) {
        controls.log.clear();
        controls.Run(data, keyLength);
    }
    controls.log.clear();
    controls.log.shrink_to_fit();
    const long residentBefore = ResidentBytes();
    const long heapBefore = HeapInUse();
    ASSERT_GT(residentBefore, 0) << "/proc/self/statm unreadable";

    const int runs = Runs();
    for (int k = 0; k < runs; ++k) {
        controls.log.clear();
        controls.Run(data, keyLength);
    }
    controls.log.clear();
    controls.log.shrink_to_fit();
    const long residentAfter = ResidentBytes();
    const long heapAfter = HeapInUse();

    EXPECT_TRUE(Snapshot(controls) == first) << "the last run differs from the first";
    EXPECT_TRUE(!logging || controls.MirrorsMatch());
    // Under valgrind the resident size is valgrind's own; its leak check
    // stands in for this one.
    if (!RUNNING_ON_VALGRIND)
        EXPECT_LE(residentAfter - residentBefore, tolerance)
            << "resident memory grew from " << residentBefore / 1024 << " KiB to " << residentAfter / 1024
            << " KiB over " << runs << " runs";
    if (heapBefore >= 0 && heapAfter >= 0)
        EXPECT_LE(heapAfter - heapBefore, 4096)
            << "the heap in use grew from " << heapBefore << " to " << heapAfter << " bytes over " << runs
            << " runs";
}

}  // namespace

// Leaking only the prepared data of each run (110 bytes) would not show in the
// resident size; the heap count catches that. A leaked list of candidates
// (45 entries and their text) shows in both.
TEST(RepeatedRuns, StartingTextsWithViewsStayFlat)
{
    ExpectFlat(u"Bold__ Link__ Italic Link__ Italic Link__ Italic Underl Bold__", u"6", true, 1 * MiB);
}

// One run lists 32,640 candidates; keeping any of its lists or even its
// prepared data (3 KB) a thousand times would add megabytes.
TEST(RepeatedRuns, TwoHundredFiftyFiveCodesStayFlat)
{
    ExpectFlat(RandomCodes(), u"6", false, 2 * MiB);
}
