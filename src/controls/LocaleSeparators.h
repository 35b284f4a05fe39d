#pragma once

#include <string>
#include <string_view>

// The four separators a masked edit shows for its separator mask characters, as a locale
// writes them. Each keeps its initial value where the locale gives nothing usable: an empty
// text, or a character outside the 8-bit range the control works in (its code above 255).
class CLocaleSeparators {
public:
    // Reads the named locale; "" is the user's default locale from the environment, whatever
    // the program's current locale is, or the texts of the CUserLocaleStandIn in place. Returns
    // false, changing nothing, when the locale cannot be opened. Reads locale files (brief,
    // blocking); safe on any thread while no stand-in comes or goes.
    bool Read(const char* localeName = "");

    // Takes the separators from a locale's raw texts: the first character of the decimal and
    // thousands separators, and in the time and date formats the first character after a
    // field (hour, minute, second; day, month, year) that is neither part of a % directive
    // nor a letter or digit. The texts are decoded in the calling thread's current locale.
    // Pure apart from that; any thread.
    void Take(std::string_view decimal, std::string_view thousands, std::string_view timeFormat,
              std::string_view dateFormat);

    char m_chDecimalSep = '.';
    char m_chThousandSep = ',';
    char m_chTimeSep = ':';
    char m_chDateSep = '/';
};

// Stands in for the user's default locale while it lives: Read("") takes these texts, as the
// locale would give them (for instance ",", " ", "%H.%M.%S" and "%d.%m.%Y"), instead of
// opening the locale the environment names. A test shows a locale's separators this way
// without that locale installed. One at a time; made and ended on the UI thread.
class CUserLocaleStandIn {
public:
    CUserLocaleStandIn(std::string decimal, std::string thousands, std::string timeFormat,
                       std::string dateFormat);
    ~CUserLocaleStandIn();
    CUserLocaleStandIn(const CUserLocaleStandIn&) = delete;
    CUserLocaleStandIn& operator=(const CUserLocaleStandIn&) = delete;

    const std::string m_strDecimal;
    const std::string m_strThousands;
    const std::string m_strTimeFormat;
    const std::string m_strDateFormat;
};
