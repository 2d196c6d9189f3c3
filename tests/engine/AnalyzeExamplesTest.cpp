#include "RecordingControls.h"
#include "Reference.h"

#include <gtest/gtest.h>

using namespace Testing;

TEST(Sanity, StartingTexts)
{
    const std::u16string data = u"Bold__ Link__ Italic Link__ Italic Link__ Italic Underl Bold__";
    RecordingControls engine;
    engine.Run(data, u"6");
    ReferenceControls ref;
    OpLog refLog;
    ref.Data = data;
    ref.KWL = u"6";
    ref.log = &refLog;
    ReferenceAnalyze(ref);
    EXPECT_EQ(engine.log, refLog);
    EXPECT_TRUE(engine.MirrorsMatch());
    for (auto& l : engine.log) if (l.rfind("Patterns.", 0) != 0) std::printf("%s\n", l.c_str());
}
