#include "protocol/CommandList.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandListTest, ListIsTheHelpReplyUpToItsFirstLineEnd) {
    EXPECT_EQ(CommandListFromHelpReply("+OK VER MODE KATO\r\nmore\r\n"), "+OK VER MODE KATO");
    EXPECT_EQ(CommandListFromHelpReply("A B\nC\r\n"), "A B");
    EXPECT_EQ(CommandListFromHelpReply("A B\rC"), "A B");
    EXPECT_EQ(CommandListFromHelpReply("A B C"), "A B C");
    EXPECT_EQ(CommandListFromHelpReply("\r\nA"), "");
    EXPECT_EQ(CommandListFromHelpReply(""), "");
}

TEST(CommandListTest, WordIsSearchedInUpperCaseAnywhere) {
    const std::string list = "+OK VER MODE KATO PRSV";
    EXPECT_TRUE(CommandListHas(list, "kato"));
    EXPECT_TRUE(CommandListHas(list, "Prsv"));
    EXPECT_TRUE(CommandListHas(list, "ODE")); // a plain substring search
    EXPECT_FALSE(CommandListHas(list, "repeater"));
    EXPECT_FALSE(CommandListHas("+ok kato", "kato")); // the search itself is case-sensitive
}

TEST(CommandListTest, EmptyListSupportsNothing) {
    EXPECT_FALSE(CommandListHas("", "kato"));
    EXPECT_FALSE(CommandListHas("", ""));
}

} // namespace
