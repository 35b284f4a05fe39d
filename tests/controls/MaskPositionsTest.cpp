#include "controls/MaskPositions.h"

#include <gtest/gtest.h>

namespace {

CMaskPositions Positions(std::string_view mask, char prompt = '_') {
    CMaskPositions positions;
    positions.SetPromptChar(prompt);
    positions.ApplyMask(mask, CLocaleSeparators());
    return positions;
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
}

TEST(MaskPositions, EscapesMakeOnePositionAndATrailingBackslashIsItself) {
    CMaskPositions positions = Positions("\\&#\\\\x");
    EXPECT_EQ(positions.DisplayText(), "&_\\x");
    EXPECT_FALSE(positions.IsEditableAt(0));
    positions.ApplyMask("#\\", CLocaleSeparators());
    EXPECT_EQ(positions.DisplayText(), "_\\");
    EXPECT_FALSE(positions.IsEditableAt(1));
}

TEST(MaskPositions, PromptSetBeforeTheMaskAndChangedAfterInput) {
    CMaskPositions positions;
    EXPECT_TRUE(positions.SetPromptChar('*'));
    positions.ApplyMask("##-##", CLocaleSeparators());
    EXPECT_EQ(positions.DisplayText(), "**-**");
    positions.PutInputChars("7", 0, true);
    for (char refused : {'\0', '\r', '\n', '\x7f'})
        EXPECT_FALSE(positions.SetPromptChar(refused));
    EXPECT_TRUE(positions.SetPromptChar(' '));
    EXPECT_EQ(positions.DisplayText(), "7 -  ");
}

TEST(MaskPositions, FindFirstBlankClampsItsIndex) {
    CMaskPositions positions = Positions("&&:&&");
    positions.PutInputChars("0_12", 0, true);
    EXPECT_EQ(positions.FindFirstBlank(-5), 1);
    EXPECT_EQ(positions.FindFirstBlank(2), 5);
    EXPECT_EQ(positions.FindFirstBlank(40), 40);
}

TEST(MaskPositions, PourSkipsRefusedCharactersAndKeepsWhatRunsOutWhileSkipping) {
    CMaskPositions positions = Positions("#-?>");
    EXPECT_FALSE(positions.PutInputChars("x1-b_c", 0, true));
    EXPECT_EQ(positions.DisplayText(), "1-b_");
    EXPECT_TRUE(positions.PutInputChars("7_zq", 0, false));
    EXPECT_EQ(positions.DisplayText(), "7-zQ");
    EXPECT_TRUE(positions.PutInputChars("a", 2, true)); // keeps "7z", then "a"
    EXPECT_EQ(positions.DisplayText(), "7-zA");

    CMaskPositions digits = Positions("###");
    digits.PutInputChars("123", 0, true);
    EXPECT_FALSE(digits.PutInputChars("4xy", 0, true));
    EXPECT_EQ(digits.DisplayText(), "42_");
}

TEST(MaskPositions, InsertThatDoesNotFitRestoresTheContent) {
    CMaskPositions positions = Positions("#?#");
    positions.PutInputChars("1a", 0, true);
    EXPECT_EQ(positions.InsertCharAt(0, '5'), -1); // "1" would land on the letter position
    EXPECT_EQ(positions.DisplayText(), "1a_");
    EXPECT_EQ(positions.InsertCharAt(2, '7'), 2);
    EXPECT_EQ(positions.InsertCharAt(3, '8'), -1); // no input position from there on
    EXPECT_EQ(positions.DisplayText(), "1a7");
}

TEST(MaskPositions, OverwriteStoresOnlyAtInputPositions) {
    CMaskPositions positions = Positions("#-<");
    EXPECT_EQ(positions.OverwriteCharAt(1, '4'), 1);
    EXPECT_EQ(positions.OverwriteCharAt(2, 'Q'), 2);
    EXPECT_EQ(positions.OverwriteCharAt(2, '9'), -1);
    EXPECT_EQ(positions.OverwriteCharAt(-2, '1'), -2);
    EXPECT_EQ(positions.OverwriteCharAt(3, '1'), 3);
    EXPECT_EQ(positions.DisplayText(), "_-q");
}

TEST(MaskPositions, CaretQueriesJumpLiterals) {
    const CMaskPositions positions = Positions("--##-#--");
    EXPECT_EQ(positions.NextEditable(-4), 2);
    EXPECT_EQ(positions.NextEditable(4), 5);
    EXPECT_EQ(positions.NextEditable(6), 8);
    EXPECT_EQ(positions.NextEditable(12), 12);
    EXPECT_EQ(positions.PrevEditableEnd(3), 3);
    EXPECT_EQ(positions.PrevEditableEnd(7), 6);
    EXPECT_EQ(positions.PrevEditableEnd(1), 2); // nothing before: the next input position
    EXPECT_EQ(positions.PrevEditableEnd(-1), 2);
    EXPECT_EQ(positions.PrevEditableEnd(8), 8);
    EXPECT_FALSE(positions.IsEditableAt(8));
    EXPECT_TRUE(CMaskPositions().IsEditableAt(-1));
}

TEST(MaskPositions, LiteralRunsComeOutOnlyAtTheirPlace) {
    const CMaskPositions address = Positions("&&:&&:&&:&&:&&:&&");
    EXPECT_EQ(address.RemoveLiteralRuns("00:11:22:33:44:55"), "001122334455");
    EXPECT_EQ(address.RemoveLiteralRuns("001122334455"), "001122334455");
    EXPECT_EQ(address.RemoveLiteralRuns("0:011"), "0:011");
    EXPECT_EQ(address.RemoveLiteralRuns(""), "");
    // Literals that no input position follows stay.
    EXPECT_EQ(Positions("(##)-##-").RemoveLiteralRuns("(12)-34-"), "1234-");
}

TEST(MaskPositions, PourHandlerRunsAfterEveryPour) {
    CMaskPositions positions = Positions("#?");
    int pours = 0;
    positions.SetPourHandler([&] { ++pours; });
    positions.RemoveInputRange(5, 6);
    EXPECT_EQ(pours, 1);
    positions.PutInputChars("1", 0, true);
    positions.InsertCharAt(0, '2'); // refused: poured back
    EXPECT_EQ(pours, 4);
    positions.OverwriteCharAt(0, '3');
    EXPECT_EQ(pours, 4);
}

} // namespace
