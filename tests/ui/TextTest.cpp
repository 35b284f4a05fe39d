#include <gtest/gtest.h>

#include "ui/Text.h"

TEST(TextTest, CutsOutOfRangeGiveShorterOrEmptyTexts) {
    EXPECT_EQ(Mid("+OK MAX 7", 8), "7");
    EXPECT_EQ(Mid("+OK", 8), "");
    EXPECT_EQ(Mid("+OK", -3, 2), "+O");
    EXPECT_EQ(Mid("+OK", 1, -1), "");
    EXPECT_EQ(Mid("+OK", 1, 100), "OK");
    EXPECT_EQ(Left("+OK", 10), "+OK");
    EXPECT_EQ(Left("+OK", -1), "");
    EXPECT_EQ(Right("+OK\r\n", 2), "\r\n");
    EXPECT_EQ(Right("K", 5), "K");
    EXPECT_EQ(Find("a|b|c", '|', 2), 3);
    EXPECT_EQ(Find("a|b", "|", 10), -1);
    EXPECT_EQ(Find("abc", "", 3), 3);
}

TEST(TextTest, LeadingIntTakesTheDigitsItFinds) {
    EXPECT_EQ(LeadingInt("9097abc"), 9097);
    EXPECT_EQ(LeadingInt("abc"), 0);
    EXPECT_EQ(LeadingInt(""), 0);
    EXPECT_EQ(LeadingInt("  -12"), -12);
    EXPECT_EQ(LeadingInt("99999999999"), 2147483647);
}
