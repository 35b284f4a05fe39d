#include "controls/MaskData.h"

namespace {

// Digits and letters are the ASCII ones: a byte above 127 is no letter or digit of its own.
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

bool CMaskData::IsEditable() const {
    return m_nKind >= Digit && m_nKind <= AnyCharacter;
}

bool CMaskData::Accepts(char c) const {
    const auto code = static_cast<unsigned char>(c);
    switch (m_nKind) {
    case Digit:
        return IsDigit(code);
    case AlphaNumeric:
        return IsDigit(code) || IsLetter(code);
    case Letter:
    case UpperLetter:
    case LowerLetter:
        return IsLetter(code);
    case AnyCharacter:
        return (code >= 32 && code <= 126) || code >= 128;
    default:
        return false;
    }
}

bool CMaskData::IsWrittenAs(char c) const {
    if (IsEditable())
        return false;
    constexpr char kSeparatorMaskCharacters[] = {'.', ',', ':', '/'};
    return c == m_ch || (m_nKind <= DateSeparator && c == kSeparatorMaskCharacters[m_nKind]);
}

char CMaskData::ConvertCase(char c) const {
    if (m_nKind == UpperLetter && c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    if (m_nKind == LowerLetter && c >= 'A' && c <= 'Z')
        return static_cast<char>(c - 'A' + 'a');
    return c;
}
