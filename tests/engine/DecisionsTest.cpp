// What a run does where the step-by-step procedure would hang, fail or run
// out of room: key lengths of 0.5 or less, key lengths that are not whole,
// patterns of asterisks, lists beyond 32,767 entries, data beyond the limit.
#include "RecordingControls.h"
#include "Reference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Testing;
using Strings = std::vector<std::u16string>;

TEST(Decisions, KeyLengthOfHalfOrLessFindsNoCandidate)
{
    const std::u16string keys[] = {u"", u"abc", u"0", u"-2", u"0.5", u"0.3", u"-0.4", u"- 6"};
    for (const auto& key : keys) {
        SCOPED_TRACE("key \"" + Printable(key) + "\"");
        RecordingControls run;
        run.Run(StartingData, u"6");  // leaves every list filled
        run.log.clear();
        run.Run(u"ab ab", key);
        EXPECT_EQ(run.log, (OpLog{"Data.Text read", "KWL.Text read", "Data.Refresh", "Patterns.Clear",
                                  "Patterns.Refresh", "RpPatterns.Clear", "Use.Clear", "KWDS.Clear",
                                  "Excep.Text = abab!", "RKeys.Text = "}));
        EXPECT_EQ(run.log, ReferenceLog(u"ab ab", key));
        EXPECT_EQ(run.Patterns.ListCount(), 0u);
        EXPECT_EQ(run.RpPatterns.ListCount(), 0u);
        EXPECT_EQ(run.Use.ListCount(), 0u);
        EXPECT_EQ(run.KWDS.ListCount(), 0u);
    }
}

TEST(Decisions, NonWholeKeyLengthsFollowTheRealCounters)
{
    struct Case {
        std::u16string data, key;
    };
    const Case cases[] = {
        {u"abcabcabcabc", u"1.5"}, {u"aaaaaaa", u"0.6"},   {u"abababab", u"2.5"},
        {u"ab ab ab", u"0.7"},     {u"xyxyxyxy", u"1.25"}, {u"aaaa", u"3.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Printable(c.data) + " / " + Printable(c.key));
        RecordingControls run;
        run.Run(c.data, c.key);
        EXPECT_EQ(run.log, ReferenceLog(c.data, c.key));
        EXPECT_TRUE(run.MirrorsMatch());
    }
    // Lengths rounded from 0.6, 1.2, 1.8, … repeat, so one start yields the
    // same string twice, and that alone makes it a repeating pattern.
    RecordingControls run;
    run.Run(u"abc", u"0.6");
    EXPECT_EQ(RecordingControls::Entries(run.Patterns).at(0), u"a");
    EXPECT_EQ(RecordingControls::Entries(run.Patterns).at(1), u"a");
    EXPECT_EQ(RecordingControls::Entries(run.RpPatterns).at(0), u"a");
}

TEST(Decisions, PatternOfAsterisksMasksOnceAndIsUseful)
{
    RecordingControls run;
    run.Run(u"** ** ab", u"2");
    EXPECT_EQ(RecordingControls::Entries(run.RpPatterns), Strings{u"**"});
    EXPECT_EQ(RecordingControls::Entries(run.Use), Strings{u"**"});
    EXPECT_EQ(RecordingControls::Entries(run.KWDS), Strings{u"**"});
    EXPECT_EQ(run.Excep.text, u"****ab!");
    EXPECT_EQ(run.RKeys.text, u"**");
    EXPECT_EQ(run.log, ReferenceLog(u"** ** ab", u"2"));
}

TEST(Decisions, PatternsHoldingAsterisksMaskWhatTheyMake)
{
    // Masking "a*" turns "aa*" into "a**", a new occurrence before the last.
    const std::u16string data[] = {u"aa* a* a* b", u"*a *a a* a*", u"a*a* a*a* *a*a", u"ab*b ab*b b*ab"};
    for (const auto& text : data) {
        SCOPED_TRACE(Printable(text));
        RecordingControls run;
        run.Run(text, u"2");
        EXPECT_EQ(run.log, ReferenceLog(text, u"2"));
    }
}

TEST(Decisions, ListsGrowPast32767Entries)
{
    // 256 equal codes: 32,896 candidates and 255 repeating patterns, one per length.
    std::u16string data;
    for (int k = 0; k < 256; ++k)
        data += u"aa ";
    RecordingControls run(false);
    run.Run(data, u"2");
    ASSERT_EQ(run.Patterns.ListCount(), 32896u);
    EXPECT_EQ(run.Patterns.List(32895), u"aa");
    EXPECT_EQ(run.Patterns.List(0), u"aa");
    EXPECT_EQ(run.Patterns.List(255).size(), 512u);  // start 1 runs to the last code
    EXPECT_EQ(run.Patterns.List(256), u"aa");
    ASSERT_EQ(run.RpPatterns.ListCount(), 255u);
    for (std::size_t k = 0; k < 255; ++k)
        ASSERT_EQ(run.RpPatterns.List(k).size(), 2 * (k + 1));
    EXPECT_EQ(run.RpPatterns.SelectedIndex(), 254u);
    EXPECT_EQ(RecordingControls::Entries(run.Use), Strings{u"aa"});
    EXPECT_EQ(run.Excep.text, std::u16string(512, u'*') + u"!");
}

TEST(Decisions, DataBeyondTheLimitStopsBeforeChangingAnything)
{
    RecordingControls run;
    run.Run(StartingData, u"6");
    const auto patterns = RecordingControls::Entries(run.Patterns);
    const auto keywords = RecordingControls::Entries(run.KWDS);
    const std::u16string exceptions = run.Excep.text;
    run.log.clear();

    // 10,000 codes give 50,005,000 candidates.
    run.Data.text = std::u16string(10000, u'a');
    run.KWL.text = u"1";
    try {
        Engine::Analyze(run.controls());
        FAIL() << "the run should have stopped";
    } catch (const Engine::TooLarge& error) {
        EXPECT_EQ(error.codes, 10000u);
        EXPECT_EQ(error.candidates, 50005000u);
        EXPECT_EQ(error.bound, Engine::MaxCandidates);
        const std::string reason = error.what();
        for (const char* number : {"10000", "50005000", "50000000"})
            EXPECT_NE(reason.find(number), std::string::npos) << reason;
    }
    EXPECT_EQ(run.log, (OpLog{"Data.Text read", "KWL.Text read"}));
    EXPECT_EQ(RecordingControls::Entries(run.Patterns), patterns);
    EXPECT_EQ(RecordingControls::Entries(run.KWDS), keywords);
    EXPECT_EQ(run.Excep.text, exceptions);
    EXPECT_EQ(run.Data.text, std::u16string(10000, u'a'));
}
