#pragma once

// One position of a masked edit: what kind of character it stands for and the character it
// shows now. Characters are 8-bit; every classification works on the byte value.
class CMaskData {
public:
    enum Kind {
        DecimalSeparator = 0,
        ThousandsSeparator = 1,
        TimeSeparator = 2,
        DateSeparator = 3,
        Digit = 4,
        AlphaNumeric = 5,
        Letter = 6,
        UpperLetter = 7,
        LowerLetter = 8,
        AnyCharacter = 9,
        EscapedLiteral = 10,
        Literal = 11,
    };

    // True for the input positions (Digit to AnyCharacter); the others are literals.
    bool IsEditable() const;
    // Whether this input position takes `c`; a literal takes nothing.
    bool Accepts(char c) const;
    // `c` upper-cased for UpperLetter, lower-cased for LowerLetter, unchanged otherwise.
    char ConvertCase(char c) const;
    // Whether `c` stands for this literal in a text given whole: the character it shows, and
    // for a separator also its own mask character (":" for the time separator), the form a
    // text written for every locale has. An input position stands for nothing.
    bool IsWrittenAs(char c) const;

    int m_nKind = Literal;
    char m_ch = 0;
};
