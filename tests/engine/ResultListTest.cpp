#include <ResultList.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using Engine::ResultList;

namespace {

std::vector<std::u16string> Entries(const ResultList& list)
{
    std::vector<std::u16string> entries;
    for (std::size_t k = 0; k < list.ListCount(); ++k)
        entries.emplace_back(list.List(k));
    return entries;
}

ResultList Listing(std::initializer_list<std::u16string_view> items)
{
    ResultList list;
    for (const auto item : items)
        list.AddItem(item);
    return list;
}

}  // namespace

TEST(ResultList, AddItemAppendsAtTheEndAndKeepsDuplicates)
{
    ResultList list;
    list.AddItem(u"ab");
    EXPECT_EQ(list.ListCount(), 1u);
    EXPECT_EQ(list.List(0), u"ab");
    list.AddItem(u"cd");
    list.AddItem(u"ab");
    EXPECT_EQ(Entries(list), (std::vector<std::u16string>{u"ab", u"cd", u"ab"}));
}

TEST(ResultList, ClearEmptiesAndForgetsTheSelection)
{
    ResultList list = Listing({u"a", u"b"});
    list.Selected(1);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0u);
    EXPECT_FALSE(list.SelectedIndex().has_value());
    list.AddItem(u"c");
    EXPECT_EQ(Entries(list), std::vector<std::u16string>{u"c"});
}

TEST(ResultList, WritingChangesOnlyThatEntry)
{
    ResultList list = Listing({u"a", u"b", u"c"});
    list.SetList(1, u"xyz");
    EXPECT_EQ(Entries(list), (std::vector<std::u16string>{u"a", u"xyz", u"c"}));
}

TEST(ResultList, MarkingAnotherEntryMovesTheSingleSelection)
{
    ResultList list = Listing({u"a", u"b", u"c"});
    list.Selected(0);
    list.Selected(2);
    EXPECT_EQ(list.SelectedIndex(), 2u);
    EXPECT_THROW(list.Selected(3), std::out_of_range);
    EXPECT_EQ(list.SelectedIndex(), 2u);
}

TEST(ResultList, ExchangeBatchMakesEachExchangeInTurn)
{
    ResultList list = Listing({u"a", u"b", u"c", u"d"});
    // (0,1): b a c d; (0,0): unchanged; (0,3): d a c b; (0,1): a d c b
    const std::vector<std::size_t> js{1, 0, 3, 1};
    list.Exchange(0, js);
    EXPECT_EQ(Entries(list), (std::vector<std::u16string>{u"a", u"d", u"c", u"b"}));
}

TEST(ResultList, ExchangeWithAPositionOutsideChangesNothing)
{
    ResultList list = Listing({u"a", u"b", u"c"});
    const std::vector<std::size_t> js{1, 5};
    EXPECT_THROW(list.Exchange(0, js), std::out_of_range);
    EXPECT_EQ(Entries(list), (std::vector<std::u16string>{u"a", u"b", u"c"}));
}

TEST(ResultList, StretchesShareTheirTextAndOutliveTheCaller)
{
    ResultList patterns, repeats;
    {
        auto text = std::make_shared<const std::u16string>(u"abcabc!");
        patterns.AddItem(text, 0, 3);
        patterns.AddItem(text, 3, 4);
        repeats.AddItem(patterns, 1);
    }
    patterns.AddItem(u"copied");
    EXPECT_EQ(Entries(patterns), (std::vector<std::u16string>{u"abc", u"abc!", u"copied"}));
    EXPECT_EQ(Entries(repeats), std::vector<std::u16string>{u"abc!"});
    EXPECT_EQ(repeats.At(0).begin, 3u);
}

TEST(ResultList, StretchOutsideItsTextIsRefused)
{
    auto text = std::make_shared<const std::u16string>(u"abc");
    ResultList list;
    EXPECT_THROW(list.AddItem(text, 2, 2), std::out_of_range);
    EXPECT_EQ(list.ListCount(), 0u);
}
