#include "controls/MaskData.h"

#include <gtest/gtest.h>

namespace {

CMaskData Position(int kind) {
    CMaskData position;
    position.m_nKind = kind;
    return position;
}

TEST(MaskData, ConstructedAsLiteralShowingNul) {
    const CMaskData position;
    EXPECT_EQ(position.m_nKind, CMaskData::Literal);
    EXPECT_EQ(position.m_ch, '\0');
    EXPECT_FALSE(position.IsEditable());
}

TEST(MaskData, OnlyKindsFourToNineAreInputPositions) {
    for (int kind = 0; kind <= 11; ++kind)
        EXPECT_EQ(Position(kind).IsEditable(), kind >= 4 && kind <= 9) << kind;
}

TEST(MaskData, EachInputKindAcceptsItsClass) {
    const CMaskData digit = Position(CMaskData::Digit);
    const CMaskData alnum = Position(CMaskData::AlphaNumeric);
    const CMaskData letter = Position(CMaskData::Letter);
    EXPECT_TRUE(digit.Accepts('0'));
    EXPECT_TRUE(digit.Accepts('9'));
    EXPECT_FALSE(digit.Accepts('a'));
    EXPECT_TRUE(alnum.Accepts('z'));
    EXPECT_TRUE(alnum.Accepts('5'));
    EXPECT_FALSE(alnum.Accepts('_'));
    EXPECT_TRUE(letter.Accepts('Q'));
    EXPECT_FALSE(letter.Accepts('1'));
    EXPECT_FALSE(letter.Accepts('\xe9'));
    EXPECT_TRUE(Position(CMaskData::UpperLetter).Accepts('q'));
    EXPECT_TRUE(Position(CMaskData::LowerLetter).Accepts('Q'));
    for (int kind : {0, 1, 2, 3, 10, 11})
        EXPECT_FALSE(Position(kind).Accepts('a')) << kind;
}

TEST(MaskData, AnyCharacterTakesPrintableAndHighCodesButNoControls) {
    const CMaskData any = Position(CMaskData::AnyCharacter);
    for (int code = 0; code < 256; ++code) {
        const bool expected = (code >= 32 && code <= 126) || code >= 128;
        EXPECT_EQ(any.Accepts(static_cast<char>(code)), expected) << code;
    }
}

TEST(MaskData, CaseFollowsTheKind) {
    EXPECT_EQ(Position(CMaskData::UpperLetter).ConvertCase('a'), 'A');
    EXPECT_EQ(Position(CMaskData::UpperLetter).ConvertCase('A'), 'A');
    EXPECT_EQ(Position(CMaskData::LowerLetter).ConvertCase('Z'), 'z');
    EXPECT_EQ(Position(CMaskData::Letter).ConvertCase('a'), 'a');
    EXPECT_EQ(Position(CMaskData::AnyCharacter).ConvertCase('B'), 'B');
    EXPECT_EQ(Position(CMaskData::UpperLetter).ConvertCase('\xe9'), '\xe9');
}

} // namespace
