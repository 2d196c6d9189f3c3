#include <Engine.h>
#include <OpLog.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

TEST(ReadKeyLength, ReadsTheNumberTheTextBeginsWith)
{
    struct Case {
        std::u16string text;
        double expected;
    };
    const Case cases[] = {
        {u"6", 6},        {u" 6 ", 6},       {u"6abc", 6},     {u"1 2", 12},    {u"2.5", 2.5},
        {u"", 0},         {u"abc", 0},       {u".5", 0.5},     {u"5.", 5},      {u".", 0},
        {u"-3", -3},      {u"+4", 4},        {u"- 2", -2},     {u"\t1\n2", 12}, {u"1.2.3", 1.2},
        {u"6e2", 6},      {u"0x10", 0},      {u"--1", 0},      {u"3-1", 3},     {u"\r6", 0},
        {u"007", 7},      {u"1,5", 1},       {u"\u0661", 0},   {u"+", 0},       {u"  .25x", 0.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Testing::Printable(c.text));
        EXPECT_EQ(Engine::ReadKeyLength(c.text), c.expected);
    }
}

TEST(ReadKeyLength, DigitsBeyondADoubleGiveInfinity)
{
    const std::u16string huge(400, u'9');
    EXPECT_EQ(Engine::ReadKeyLength(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Engine::ReadKeyLength(u"-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Engine::ReadKeyLength(u"0." + std::u16string(400, u'0') + u"1"), 0.0);
}

TEST(PrepareData, AddsTheEndMarkerAndDropsOnlySpaces)
{
    struct Case {
        std::u16string text, expected;
    };
    const Case cases[] = {
        {u"Bold__ Link__ Italic Link__ Italic Link__ Italic Underl Bold__",
         u"Bold__Link__ItalicLink__ItalicLink__ItalicUnderlBold__!"},
        {u"ab!", u"ab!"},
        {u"ab! ", u"ab!!"},  // the marker test sees the text as typed
        {u"      ", u"!"},
        {u"a\tb\nc\u00a0d", u"a\tb\nc\u00a0d!"},
        {u"!", u"!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Testing::Printable(c.text));
        EXPECT_EQ(Engine::PrepareData(c.text), c.expected);
    }
}
