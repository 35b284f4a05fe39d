#include "protocol/LogPaneText.h"

#include <gtest/gtest.h>

namespace {

TEST(LogPaneTextTest, FiveHundredthLineBreakMakesTheFiveHundredFirstLineAndClears) {
    CLogPaneText pane;
    for (int i = 0; i < 499; ++i)
        ASSERT_FALSE(pane.Append("+OK\r\n"));
    EXPECT_EQ(pane.LineCount(), 500);
    EXPECT_TRUE(pane.Append("Ver\r\n"));
    EXPECT_EQ(pane.Text(), "");
    EXPECT_EQ(pane.LineCount(), 1);
}

TEST(LogPaneTextTest, TextWithoutFinalBreakCountsItsLastLine) {
    CLogPaneText pane;
    pane.Append("a\r\nb");
    EXPECT_EQ(pane.LineCount(), 2);
}

TEST(LogPaneTextTest, OneLongAppendIsDiscardedWholeWithEverythingBefore) {
    CLogPaneText pane;
    pane.Append("Stat\r\n");
    std::string listing;
    for (int i = 0; i < 600; ++i)
        listing += "1|00:11:22:33:44:55\r\n";
    EXPECT_TRUE(pane.Append(listing));
    EXPECT_EQ(pane.Text(), "");
    EXPECT_FALSE(pane.Append("+OK\r\n"));
    EXPECT_EQ(pane.Text(), "+OK\r\n");
}

TEST(LogPaneTextTest, LoneBreaksCountAndAPairSplitOverTwoAppendsCountsOnce) {
    CLogPaneText pane;
    pane.Append("a\nb\rc");
    EXPECT_EQ(pane.LineCount(), 3);
    pane.Append("\r");
    pane.Append("\nd");
    EXPECT_EQ(pane.LineCount(), 4);
    pane.Append("\r\r\n");
    EXPECT_EQ(pane.LineCount(), 6);
}

} // namespace
