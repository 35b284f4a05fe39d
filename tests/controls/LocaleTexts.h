#pragma once

// What locales that do not write times as "12:30:00" give for the decimal and thousands
// separators and the time and date formats, byte for byte as their installed locale data has
// them (fi_FI's thousands separator is U+202F, a narrow no-break space, in UTF-8).
struct CLocaleTexts {
    const char* name;
    const char *decimal, *thousands, *timeFormat, *dateFormat;
};

inline constexpr CLocaleTexts kLocalesWithOtherTimes[] = {
    {"fi_FI", ",", "\xe2\x80\xaf", "%H.%M.%S", "%d.%m.%Y"},
    {"as_IN", ".", ",", "%I.%M.%S %p", "%e-%m-%Y"},
    {"ar_AE", ".", ",", "%Z %I:%M:%S %p", "%d %b, %Y"},
};
