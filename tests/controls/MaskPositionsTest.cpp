#include "controls/MaskPositions.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kAddressMask = "&&:&&:&&:&&:&&:&&";

CMaskPositions Address(char prompt = '_') {
    CMaskPositions positions;
    positions.SetPromptChar(prompt);
    positions.ApplyMask(kAddressMask, CLocaleSeparators());
    return positions;
}

TEST(MaskPositions, EmptyAddressShowsPromptPairs) {
    const CMaskPositions positions = Address();
    EXPECT_EQ(positions.DisplayText(), "__:__:__:__:__:__");
    EXPECT_EQ(positions.InputText(), "____________");
    EXPECT_EQ(positions.Length(), 17);
    EXPECT_TRUE(positions.HasNoInput());
}

TEST(MaskPositions, SeparatorsShowTheLocaleNotTheMaskCharacter) {
    CLocaleSeparators separators;
    separators.m_chTimeSep = '.';
    separators.m_chDecimalSep = ',';
    separators.m_chThousandSep = '\'';
    separators.m_chDateSep = '-';
    CMaskPositions positions;
    positions.ApplyMask("#:#.#,#/#", separators);
    EXPECT_EQ(positions.DisplayText(), " . , ' - ");
    positions.ApplyMask(kAddressMask, separators);
    EXPECT_EQ(positions.DisplayText(), "  .  .  .  .  .  ");
}

TEST(MaskPositions, EscapesAndTrailingBackslash) {
    CMaskPositions positions;
    positions.ApplyMask("\\&#\\\\x", CLocaleSeparators());
    EXPECT_EQ(positions.DisplayText(), "& \\x");
    EXPECT_FALSE(positions.IsEditableAt(0));
    EXPECT_TRUE(positions.IsEditableAt(1));
    positions.ApplyMask("#\\", CLocaleSeparators());
    EXPECT_EQ(positions.DisplayText(), " \\");
    EXPECT_EQ(positions.Length(), 2);
    EXPECT_FALSE(positions.IsEditableAt(1));
    positions.ApplyMask("\\", CLocaleSeparators());
    EXPECT_EQ(positions.DisplayText(), "\\");
}

TEST(MaskPositions, PromptBeforeMaskChangesOnlyThePrompt) {
    CMaskPositions positions;
    EXPECT_TRUE(positions.SetPromptChar('*'));
    EXPECT_FALSE(positions.HasMask());
    positions.ApplyMask("##-##", CLocaleSeparators());
    EXPECT_EQ(positions.DisplayText(), "**-**");
}

TEST(MaskPositions, PromptChangeRepaintsOnlyUnfilledPositions) {
    CMaskPositions positions = Address();
    positions.PutInputChars("AB", 0, true);
    for (char refused : {'\0', '\r', '\n', '\x7f'})
        EXPECT_FALSE(positions.SetPromptChar(refused));
    EXPECT_EQ(positions.PromptChar(), '_');
    EXPECT_TRUE(positions.SetPromptChar(' '));
    EXPECT_EQ(positions.DisplayText(), "AB:  :  :  :  :  ");
    EXPECT_EQ(positions.PromptChar(), ' ');
}

TEST(MaskPositions, FindFirstBlankIsTheLengthOnlyWhenAllTwelveAreFilled) {
    CMaskPositions positions = Address();
    EXPECT_EQ(positions.FindFirstBlank(0), 0);
    positions.PutInputChars("00112233445", 0, true);
    EXPECT_EQ(positions.FindFirstBlank(0), 16);
    positions.PutInputChars("001122334455", 0, true);
    EXPECT_EQ(positions.FindFirstBlank(0), 17);
    EXPECT_EQ(positions.FindFirstBlank(-5), 17);
    EXPECT_EQ(positions.FindFirstBlank(40), 40);
    positions.PutInputChars("0011_2334455", 0, true); // the prompt itself counts as unfilled
    EXPECT_EQ(positions.FindFirstBlank(0), 6);
    EXPECT_EQ(positions.FindFirstBlank(7), 17);
}

TEST(MaskPositions, PourSkipsRefusedCharactersAndDropsPromptsOnRequest) {
    CMaskPositions positions;
    positions.SetPromptChar('_');
    positions.ApplyMask("#-?>", CLocaleSeparators());
    EXPECT_FALSE(positions.PutInputChars("x1-b_c", 0, true));
    EXPECT_EQ(positions.DisplayText(), "1-b_");
    EXPECT_TRUE(positions.PutInputChars("7_zq", 0, false));
    EXPECT_EQ(positions.DisplayText(), "7-zQ");
    EXPECT_TRUE(positions.PutInputChars("a", 2, true)); // keeps "7z", then "a"
    EXPECT_EQ(positions.DisplayText(), "7-zA");
    EXPECT_TRUE(positions.PutInputChars("", 0, true));
    EXPECT_EQ(positions.DisplayText(), "_-__");
}

TEST(MaskPositions, PositionKeepsItsCharacterWhenTheSourceRunsOutWhileSkipping) {
    CMaskPositions positions;
    positions.SetPromptChar('_');
    positions.ApplyMask("###", CLocaleSeparators());
    positions.PutInputChars("123", 0, true);
    EXPECT_FALSE(positions.PutInputChars("4xy", 0, true));
    EXPECT_EQ(positions.DisplayText(), "42_");
}

TEST(MaskPositions, RemoveInputRangeShiftsLaterInputLeftOverLiterals) {
    CMaskPositions positions = Address();
    positions.PutInputChars("0123456789AB", 0, true);
    EXPECT_EQ(positions.RemoveInputRange(1, 2), 1);
    EXPECT_EQ(positions.DisplayText(), "02:34:56:78:9A:B_");
    EXPECT_EQ(positions.RemoveInputRange(2, 3), 0); // a literal alone
    EXPECT_EQ(positions.DisplayText(), "02:34:56:78:9A:B_");
    EXPECT_EQ(positions.RemoveInputRange(1, 7), 4);
    EXPECT_EQ(positions.DisplayText(), "06:78:9A:B_:__:__");
    EXPECT_EQ(positions.RemoveInputRange(-3, 99), 12);
    EXPECT_TRUE(positions.HasNoInput());
}

TEST(MaskPositions, InsertPushesTheLastCharacterOutAndRestoresWhenRefused) {
    CMaskPositions positions = Address();
    positions.PutInputChars("0123456789AB", 0, true);
    EXPECT_EQ(positions.InsertCharAt(2, 'x'), 3); // at the literal: the next input position
    EXPECT_EQ(positions.DisplayText(), "01:x2:34:56:78:9A");
    EXPECT_EQ(positions.InsertCharAt(17, 'y'), -1); // no input position after the end
    EXPECT_EQ(positions.DisplayText(), "01:x2:34:56:78:9A");

    CMaskPositions digits;
    digits.SetPromptChar('_');
    digits.ApplyMask("#?#", CLocaleSeparators());
    digits.PutInputChars("1a", 0, true);
    EXPECT_EQ(digits.InsertCharAt(0, '5'), -1); // "1" would land on the letter position
    EXPECT_EQ(digits.DisplayText(), "1a_");
    EXPECT_EQ(digits.InsertCharAt(2, '7'), 2);
    EXPECT_EQ(digits.DisplayText(), "1a7");
}

TEST(MaskPositions, OverwriteStoresOnlyAtInputPositions) {
    CMaskPositions positions;
    positions.SetPromptChar('_');
    positions.ApplyMask("#-<", CLocaleSeparators());
    EXPECT_EQ(positions.OverwriteCharAt(0, '4'), 0);
    EXPECT_EQ(positions.OverwriteCharAt(1, '4'), 1); // literal: unchanged
    EXPECT_EQ(positions.OverwriteCharAt(2, 'Q'), 2);
    EXPECT_EQ(positions.OverwriteCharAt(2, '9'), -1);
    EXPECT_EQ(positions.OverwriteCharAt(-2, '1'), -2);
    EXPECT_EQ(positions.OverwriteCharAt(3, '1'), 3);
    EXPECT_EQ(positions.DisplayText(), "4-q");
    EXPECT_EQ(positions.OverwriteCharAt(0, '_'), 0);
    EXPECT_EQ(positions.DisplayText(), "_-q");
}

TEST(MaskPositions, CaretQueriesJumpLiterals) {
    CMaskPositions positions;
    positions.ApplyMask("--##-#--", CLocaleSeparators());
    EXPECT_EQ(positions.NextEditable(-4), 2);
    EXPECT_EQ(positions.NextEditable(4), 5);
    EXPECT_EQ(positions.NextEditable(6), 8);
    EXPECT_EQ(positions.NextEditable(8), 8);
    EXPECT_EQ(positions.NextEditable(12), 12);
    EXPECT_EQ(positions.PrevEditableEnd(3), 3);
    EXPECT_EQ(positions.PrevEditableEnd(4), 4);
    EXPECT_EQ(positions.PrevEditableEnd(7), 6);
    EXPECT_EQ(positions.PrevEditableEnd(1), 2); // nothing before: the next input position
    EXPECT_EQ(positions.PrevEditableEnd(-1), 2);
    EXPECT_EQ(positions.PrevEditableEnd(8), 8);
    EXPECT_FALSE(positions.IsEditableAt(-1));
    EXPECT_FALSE(positions.IsEditableAt(8));
    EXPECT_TRUE(CMaskPositions().IsEditableAt(-1));
}

TEST(MaskPositions, LiteralRunsComeOutOnlyAtTheirPlace) {
    const CMaskPositions positions = Address();
    EXPECT_EQ(positions.RemoveLiteralRuns("00:11:22:33:44:55"), "001122334455");
    EXPECT_EQ(positions.RemoveLiteralRuns("001122334455"), "001122334455");
    EXPECT_EQ(positions.RemoveLiteralRuns("00:11"), "0011");
    EXPECT_EQ(positions.RemoveLiteralRuns("0:011"), "0:011");
    EXPECT_EQ(positions.RemoveLiteralRuns(""), "");

    CMaskPositions trailing;
    trailing.ApplyMask("(##)-##-", CLocaleSeparators());
    EXPECT_EQ(trailing.RemoveLiteralRuns("(12)-34-"), "1234-");
}

TEST(MaskPositions, PourHandlerRunsAfterEveryPour) {
    CMaskPositions positions;
    positions.ApplyMask("#?", CLocaleSeparators());
    int pours = 0;
    positions.SetPourHandler([&] { ++pours; });
    positions.PutInputChars("1", 0, true);
    EXPECT_EQ(pours, 1);
    positions.RemoveInputRange(5, 6);
    EXPECT_EQ(pours, 2);
    positions.InsertCharAt(0, '2'); // "1" would land on the letter: poured back
    EXPECT_EQ(pours, 4);
    positions.OverwriteCharAt(0, '3');
    EXPECT_EQ(pours, 4);
}

} // namespace
