// Seeded random inputs, run through the engine and through the step-by-step
// reference: the lists, the texts and the whole operation log must agree.
#include "RecordingControls.h"
#include "Reference.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace Testing;

namespace {

struct Alphabet {
    const char* name;
    std::u16string units;
};

// Small alphabets so that repeats and ties abound; "!", "*", spaces, tabs,
// NUL, surrogate halves and other characters outside ASCII all appear.
const Alphabet Alphabets[] = {
    {"ab", u"ab"},
    {"abc", u"abc"},
    {"marks", u"ab!*"},
    {"stars", u"a**"},
    {"spaced", u"ab  "},
    {"wide", std::u16string(u"a\t\u00e9") + char16_t(0) + u"\u4e2d"},
    {"surrogates", std::u16string{u'a', char16_t(0xd83d), char16_t(0xde00), char16_t(0xdc00)}},
};

const std::u16string KeyTexts[] = {u"1", u"2", u"3", u"1", u"2", u"2 ", u" 3", u"1.5", u"2.5", u"0.7",
                                   u"0.6", u"1.25", u"0.5", u"0", u"", u"-1", u"x", u"1e1", u"+2"};

std::u16string RandomData(std::mt19937& random, const std::u16string& units)
{
    std::u16string data;
    const std::size_t length = random() % 28;
    for (std::size_t k = 0; k < length; ++k)
        data.push_back(units[random() % units.size()]);
    return data;
}

// Data made of whole codes from a small vocabulary, spaces between some.
std::u16string RandomCodes(std::mt19937& random, const std::u16string& units, std::size_t width)
{
    std::vector<std::u16string> vocabulary(1 + random() % 3);
    for (auto& code : vocabulary)
        for (std::size_t k = 0; k < width; ++k)
            code.push_back(units[random() % units.size()]);
    std::u16string data;
    const std::size_t codes = random() % (24 / width + 1);
    for (std::size_t k = 0; k < codes; ++k) {
        data += vocabulary[random() % vocabulary.size()];
        if (random() % 3 == 0)
            data += u' ';
    }
    if (random() % 4 == 0)
        data += units[random() % units.size()];  // a partial code
    return data;
}

}  // namespace

TEST(Differential, EngineMatchesTheStepByStepProcedure)
{
    std::mt19937 random(1211);
    int cases = 0;
    for (int round = 0; round < 4000; ++round) {
        const Alphabet& alphabet = Alphabets[random() % std::size(Alphabets)];
        std::u16string key = KeyTexts[random() % std::size(KeyTexts)];
        const std::size_t width = 1 + random() % 3;
        std::u16string data;
        if (round % 2 == 0) {
            data = RandomData(random, alphabet.units);
        } else {
            data = RandomCodes(random, alphabet.units, width);
            key = std::u16string(1, static_cast<char16_t>(u'0' + width));
        }
        SCOPED_TRACE("round " + std::to_string(round) + ", alphabet " + alphabet.name + ", data \"" +
                     Printable(data) + "\", key \"" + Printable(key) + "\"");

        RecordingControls engine;
        // A previous run's results, so that what a run leaves alone shows.
        engine.Run(u"ab ab", u"1");
        engine.log.clear();
        engine.Run(data, key);

        ReferenceControls reference;
        reference.Data = u"ab ab";
        reference.KWL = u"1";
        ReferenceAnalyze(reference);
        OpLog log;
        reference.log = &log;
        reference.Data = data;
        reference.KWL = key;
        ReferenceAnalyze(reference);

        ASSERT_EQ(engine.log, log);
        ASSERT_EQ(RecordingControls::Entries(engine.Patterns), reference.Patterns.entries);
        ASSERT_EQ(RecordingControls::Entries(engine.RpPatterns), reference.RpPatterns.entries);
        ASSERT_EQ(RecordingControls::Entries(engine.Use), reference.Use.entries);
        ASSERT_EQ(RecordingControls::Entries(engine.KWDS), reference.KWDS.entries);
        ASSERT_EQ(engine.RpPatterns.SelectedIndex(), reference.RpPatterns.selected);
        ASSERT_EQ(engine.Patterns.SelectedIndex(), reference.Patterns.selected);
        ASSERT_EQ(engine.Excep.text, reference.Excep);
        ASSERT_EQ(engine.RKeys.text, reference.RKeys);
        ASSERT_TRUE(engine.MirrorsMatch());
        ++cases;
    }
    EXPECT_EQ(cases, 4000);
}
