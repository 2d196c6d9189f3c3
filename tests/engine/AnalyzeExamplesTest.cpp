// The worked examples: exact lists, texts and the operations that matter, and
// for each the same operation log as the step-by-step reference.
#include "RecordingControls.h"
#include "Reference.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace Testing;
using Strings = std::vector<std::u16string>;
using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

namespace {

// Lines of the log that start with `prefix`, with the prefix cut off.
std::vector<std::string> Lines(const OpLog& log, const std::string& prefix)
{
    std::vector<std::string> lines;
    for (const std::string& line : log)
        if (line.rfind(prefix, 0) == 0)
            lines.push_back(line.substr(prefix.size()));
    return lines;
}

// The exchanges made on one list: each is two writes, then a repaint.
Pairs Exchanges(const OpLog& log, const std::string& list)
{
    Pairs pairs;
    const std::string write = list + ".List ";
    for (std::size_t k = 0; k + 2 < log.size(); ++k)
        if (log[k].rfind(write, 0) == 0 && log[k + 1].rfind(write, 0) == 0 && log[k + 2] == list + ".Refresh") {
            pairs.emplace_back(std::stoul(log[k].substr(write.size())), std::stoul(log[k + 1].substr(write.size())));
            k += 2;
        }
    return pairs;
}

struct Example {
    const char* name;
    std::u16string data, key;
    std::optional<Strings> patterns;  // when the example spells them out
    Strings found;                    // RpPatterns in the order they were appended
    Strings repeating;                // RpPatterns after ordering by length
    Strings useful, keywords;
    std::u16string exceptions, returnKeys;
};

const Example Examples[] = {
    {"starting texts", std::u16string(StartingData), u"6", std::nullopt,
     {u"Bold__", u"Link__", u"Link__Italic", u"Link__ItalicLink__", u"Link__ItalicLink__Italic", u"Italic",
      u"ItalicLink__", u"ItalicLink__Italic"},
     {u"Link__", u"Bold__", u"Italic", u"Link__Italic", u"ItalicLink__", u"Link__ItalicLink__",
      u"ItalicLink__Italic", u"Link__ItalicLink__Italic"},
     {u"Link__", u"Bold__", u"Italic"}, {u"Bold__", u"Link__", u"Italic"},
     std::u16string(42, u'*') + u"Underl" + std::u16string(6, u'*') + u"!", u"Link__Bold__Italic"},
    {"equal lengths decide", u"ab ab ba ba ba", u"2", std::nullopt, {u"ab", u"ba", u"baba"},
     {u"ba", u"ab", u"baba"}, {u"ba"}, {u"ba"}, u"a**b******!", u"ba"},
    {"mask covers the end marker", u"b!b!b", u"2", Strings{u"b!", u"b!b!", u"b!"}, {u"b!"}, {u"b!"}, {u"b!"},
     {u"b!"}, u"******", u"b!"},
    {"across a code boundary", u"xa bx ab ab", u"2", std::nullopt, {u"ab"}, {u"ab"}, {u"ab"}, {u"ab"},
     u"x**x****!", u"ab"},
    {"first positions across boundaries", u"aa bc ab ab bc", u"2", std::nullopt, {u"bc", u"ab"}, {u"bc", u"ab"},
     {u"bc", u"ab"}, {u"ab", u"bc"}, u"aa********!", u"bcab"},
    {"no repeating pattern", u"Bold__ Link__", u"6", Strings{u"Bold__", u"Bold__Link__", u"Link__"}, {}, {}, {},
     {}, u"Bold__Link__!", u""},
    {"one letter codes", u"aaa", u"1", Strings{u"a", u"aa", u"aaa", u"a", u"aa", u"a"}, {u"a", u"aa"},
     {u"a", u"aa"}, {u"a"}, {u"a"}, u"***!", u"a"},
    {"a code twice", u"abab", u"2", Strings{u"ab", u"abab", u"ab"}, {u"ab"}, {u"ab"}, {u"ab"}, {u"ab"}, u"****!",
     u"ab"},
    {"typed end marker then a space", u"ab! ", u"1", Strings{u"a", u"ab", u"ab!", u"b", u"b!", u"!"}, {}, {}, {},
     {}, u"ab!!", u""},
    {"typed end marker", u"ab!", u"1", Strings{u"a", u"ab", u"b"}, {}, {}, {}, {}, u"ab!", u""},
    {"partial code left out", u"Bold__Bold_", u"6", Strings{u"Bold__"}, {}, {}, {}, {}, u"Bold__Bold_!", u""},
    {"case counts", u"ABab", u"1",
     Strings{u"A", u"AB", u"ABa", u"ABab", u"B", u"Ba", u"Bab", u"a", u"ab", u"b"}, {}, {}, {}, {}, u"ABab!", u""},
    {"spaces only", u"      ", u"6", Strings{}, {}, {}, {}, {}, u"!", u""},
};

std::vector<std::string> AsAppends(const Strings& items)
{
    std::vector<std::string> lines;
    for (const auto& item : items)
        lines.push_back("AddItem " + Printable(item));
    return lines;
}

}  // namespace

TEST(AnalyzeExamples, ListsTextsAndOperations)
{
    for (const Example& e : Examples) {
        SCOPED_TRACE(e.name);
        RecordingControls run;
        run.Run(e.data, e.key);
        if (e.patterns)
            EXPECT_EQ(RecordingControls::Entries(run.Patterns), *e.patterns);
        EXPECT_EQ(Lines(run.log, "RpPatterns.AddItem "), Lines(AsAppends(e.found), "AddItem "));
        EXPECT_EQ(RecordingControls::Entries(run.RpPatterns), e.repeating);
        EXPECT_EQ(RecordingControls::Entries(run.Use), e.useful);
        EXPECT_EQ(RecordingControls::Entries(run.KWDS), e.keywords);
        EXPECT_EQ(run.Excep.text, e.exceptions);
        EXPECT_EQ(run.RKeys.text, e.returnKeys);
        EXPECT_TRUE(run.MirrorsMatch());
        EXPECT_EQ(run.log, ReferenceLog(e.data, e.key));
    }
}

TEST(AnalyzeExamples, StartingTextsMarksRepaintsAndExchanges)
{
    RecordingControls run;
    run.Run(StartingData, u"6");
    const OpLog& log = run.log;

    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "Data.Text read");
    EXPECT_EQ(log[1], "KWL.Text read");
    EXPECT_EQ(log[2], "Data.Refresh");
    EXPECT_EQ(log[3], "Patterns.Clear");

    const auto patterns = RecordingControls::Entries(run.Patterns);
    ASSERT_EQ(patterns.size(), 45u);
    EXPECT_EQ(patterns[0], u"Bold__");
    EXPECT_EQ(patterns[8], u"Bold__Link__ItalicLink__ItalicLink__ItalicUnderlBold__");
    EXPECT_EQ(patterns[9], u"Link__");
    EXPECT_EQ(patterns[42], u"Underl");
    EXPECT_EQ(patterns[43], u"UnderlBold__");
    EXPECT_EQ(patterns[44], u"Bold__");

    // 45 marks on Patterns, in turn; one repaint of Patterns, after the appends.
    std::vector<std::string> marks;
    for (int k = 0; k < 45; ++k)
        marks.push_back(std::to_string(k));
    EXPECT_EQ(Lines(log, "Patterns.Selected "), marks);
    EXPECT_EQ(Lines(log, "Patterns.Refresh").size(), 1u);

    // Each of the 8 appends to RpPatterns is followed by a repaint and a mark of it.
    std::size_t appends = 0;
    for (std::size_t k = 0; k < log.size(); ++k)
        if (log[k].rfind("RpPatterns.AddItem ", 0) == 0) {
            ASSERT_LT(k + 2, log.size());
            EXPECT_EQ(log[k + 1], "RpPatterns.Refresh");
            EXPECT_EQ(log[k + 2], "RpPatterns.Selected " + std::to_string(appends));
            ++appends;
        }
    EXPECT_EQ(appends, 8u);

    const Pairs byLength{{0, 2}, {0, 3}, {0, 4}, {1, 0}, {2, 1}, {3, 2}, {4, 3},
                         {5, 2}, {5, 3}, {5, 4}, {6, 4}, {6, 5}, {7, 6}};
    EXPECT_EQ(Exchanges(log, "RpPatterns"), byLength);
    EXPECT_EQ(Exchanges(log, "KWDS"), (Pairs{{0, 2}, {1, 0}, {2, 1}}));
    EXPECT_TRUE(Lines(log, "KWDS.Selected").empty());
    EXPECT_TRUE(Lines(log, "Use.Refresh").empty());
    EXPECT_TRUE(Lines(log, "Use.Selected").empty());

    // 8 appends' marks, 8 ordering marks, 8 masking marks; the last stays.
    EXPECT_EQ(Lines(log, "RpPatterns.Selected ").size(), 24u);
    EXPECT_EQ(run.RpPatterns.SelectedIndex(), 7u);
    EXPECT_EQ(run.Patterns.SelectedIndex(), 44u);

    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "Excep.Text = " + Printable(run.Excep.text));
    EXPECT_EQ(log.back(), "RKeys.Text = Link__Bold__Italic");
}

TEST(AnalyzeExamples, SingleRepeatIsNotOrdered)
{
    RecordingControls run;
    run.Run(u"xa bx ab ab", u"2");
    // One mark for its append, one for masking; none from ordering.
    EXPECT_EQ(Lines(run.log, "RpPatterns.Selected "), (std::vector<std::string>{"0", "0"}));
    EXPECT_TRUE(Exchanges(run.log, "RpPatterns").empty());
}

TEST(AnalyzeExamples, EmptyDataOnlyEmptiesTheTwoTexts)
{
    RecordingControls run;
    run.Run(StartingData, u"6");
    const auto patterns = RecordingControls::Entries(run.Patterns);
    const auto repeating = RecordingControls::Entries(run.RpPatterns);
    const auto useful = RecordingControls::Entries(run.Use);
    const auto keywords = RecordingControls::Entries(run.KWDS);
    run.log.clear();

    run.Run(u"", u"6");
    EXPECT_EQ(run.log, (OpLog{"Data.Text read", "KWL.Text read", "Excep.Text = ", "RKeys.Text = "}));
    EXPECT_EQ(RecordingControls::Entries(run.Patterns), patterns);
    EXPECT_EQ(RecordingControls::Entries(run.RpPatterns), repeating);
    EXPECT_EQ(RecordingControls::Entries(run.Use), useful);
    EXPECT_EQ(RecordingControls::Entries(run.KWDS), keywords);
    EXPECT_EQ(run.Excep.text, u"");
    EXPECT_EQ(run.RKeys.text, u"");
}

TEST(AnalyzeExamples, SecondRunReplacesEveryList)
{
    RecordingControls run;
    run.Run(StartingData, u"6");
    run.log.clear();
    run.Run(u"abab", u"2");
    EXPECT_EQ(run.log, ReferenceLog(u"abab", u"2"));
    EXPECT_EQ(RecordingControls::Entries(run.Patterns), (Strings{u"ab", u"abab", u"ab"}));
    EXPECT_EQ(RecordingControls::Entries(run.RpPatterns), Strings{u"ab"});
    EXPECT_EQ(RecordingControls::Entries(run.Use), Strings{u"ab"});
    EXPECT_EQ(RecordingControls::Entries(run.KWDS), Strings{u"ab"});
    EXPECT_TRUE(run.MirrorsMatch());
}
