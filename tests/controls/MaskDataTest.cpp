#include "controls/MaskData.h"

#include <gtest/gtest.h>

namespace {

CMaskData Position(int kind) {
    CMaskData position;
    position.m_nKind = kind;
    return position;
}

TEST(MaskData, InputKindsAcceptTheirClassAndLiteralsNothing) {
    EXPECT_TRUE(Position(CMaskData::Digit).Accepts('9'));
    EXPECT_FALSE(Position(CMaskData::Digit).Accepts('a'));
    EXPECT_TRUE(Position(CMaskData::AlphaNumeric).Accepts('z'));
    EXPECT_FALSE(Position(CMaskData::AlphaNumeric).Accepts('_'));
    EXPECT_FALSE(Position(CMaskData::Letter).Accepts('1'));
    EXPECT_FALSE(Position(CMaskData::Letter).Accepts('\xe9'));
    EXPECT_EQ(Position(CMaskData::UpperLetter).ConvertCase('a'), 'A');
    EXPECT_EQ(Position(CMaskData::LowerLetter).ConvertCase('Z'), 'z');
    EXPECT_EQ(Position(CMaskData::AnyCharacter).ConvertCase('b'), 'b');
    for (int kind : {0, 1, 2, 3, 10, 11}) {
        EXPECT_FALSE(Position(kind).IsEditable()) << kind;
        EXPECT_FALSE(Position(kind).Accepts('a')) << kind;
    }
}

TEST(MaskData, AnyCharacterTakesPrintableAndHighCodesButNoControls) {
    const CMaskData any = Position(CMaskData::AnyCharacter);
    for (int code = 0; code < 256; ++code) {
        const bool expected = (code >= 32 && code <= 126) || code >= 128;
        EXPECT_EQ(any.Accepts(static_cast<char>(code)), expected) << code;
    }
}

} // namespace
