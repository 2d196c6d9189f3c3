#include <ExchangeOrder.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// What an ordering did to the list, as the view sees it.
struct Trace : Engine::ResultListObserver {
    std::vector<std::pair<std::size_t, std::size_t>> exchanges;
    std::vector<std::size_t> marks;
    void Exchanged(std::size_t i, std::span<const std::size_t> js) override
    {
        for (const std::size_t j : js)
            exchanges.emplace_back(i, j);
    }
    void Marked(std::size_t pos) override { marks.push_back(pos); }
};

// The exchange procedure as written: every i, every j, n·n comparisons.
std::vector<std::pair<std::size_t, std::size_t>> LiteralExchanges(std::vector<std::uint64_t> keys)
{
    std::vector<std::pair<std::size_t, std::size_t>> exchanges;
    for (std::size_t i = 0; i < keys.size(); ++i)
        for (std::size_t j = 0; j < keys.size(); ++j)
            if (keys[i] < keys[j]) {
                std::swap(keys[i], keys[j]);
                exchanges.emplace_back(i, j);
            }
    return exchanges;
}

std::string Describe(const std::vector<std::uint64_t>& keys)
{
    std::string text;
    for (const auto key : keys)
        text += std::to_string(key) + " ";
    return text;
}

// Orders a list whose entries name their original positions, and checks the
// exchanges, the marks and where every entry ended.
void ExpectSameAsLiteral(const std::vector<std::uint64_t>& keys, bool marks)
{
    SCOPED_TRACE(Describe(keys));
    Engine::ResultList list;
    for (std::size_t k = 0; k < keys.size(); ++k)
        list.AddItem(std::u16string(1, static_cast<char16_t>(u'A' + k)));
    Trace trace;
    list.SetObserver(&trace);
    Engine::OrderByKeys(list, keys, marks);

    const auto expected = LiteralExchanges(keys);
    ASSERT_EQ(trace.exchanges, expected);

    std::vector<std::u16string> literal;
    for (std::size_t k = 0; k < keys.size(); ++k)
        literal.emplace_back(1, static_cast<char16_t>(u'A' + k));
    for (const auto& [i, j] : expected)
        std::swap(literal[i], literal[j]);
    for (std::size_t k = 0; k < keys.size(); ++k)
        EXPECT_EQ(list.List(k), literal[k]);

    std::vector<std::size_t> expectedMarks;
    if (marks)
        for (std::size_t k = 0; k < keys.size(); ++k)
            expectedMarks.push_back(k);
    EXPECT_EQ(trace.marks, expectedMarks);
}

}  // namespace

TEST(OrderByKeys, StartingTextsLengths)
{
    // The repeating patterns of the starting texts, as found: 13 exchanges.
    ExpectSameAsLiteral({6, 6, 12, 18, 24, 6, 12, 18}, true);
}

TEST(OrderByKeys, EveryArrayUpToSixEntriesOfFourKeys)
{
    for (std::size_t n = 0; n <= 6; ++n) {
        std::vector<std::uint64_t> keys(n, 0);
        while (true) {
            ExpectSameAsLiteral(keys, n % 2 == 0);
            if (HasFatalFailure())
                return;
            std::size_t k = 0;
            while (k < n && keys[k] == 3)
                keys[k++] = 0;
            if (k == n)
                break;
            ++keys[k];
        }
    }
}

TEST(OrderByKeys, RandomArraysWithManyTies)
{
    std::mt19937 random(20261211);
    for (int round = 0; round < 500; ++round) {
        const std::size_t n = random() % 60;
        const std::uint64_t distinct = 1 + random() % 8;
        std::vector<std::uint64_t> keys(n);
        for (auto& key : keys)
            key = random() % distinct;
        ExpectSameAsLiteral(keys, round % 2 == 0);
        if (HasFatalFailure())
            return;
    }
}
