#include "controls/LocaleSeparators.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <locale.h>

namespace {

// Decodes the texts given to Take as UTF-8 for the length of one test.
class Utf8Thread {
public:
    Utf8Thread()
        : m_locale(newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))),
          m_previous(uselocale(m_locale)) {}
    ~Utf8Thread() {
        uselocale(m_previous);
        freelocale(m_locale);
    }
    bool Ready() const { return m_locale != static_cast<locale_t>(nullptr); }

private:
    locale_t m_locale;
    locale_t m_previous;
};

TEST(LocaleSeparators, CLocaleGivesTheUsualSeparatorsAndNoThousands) {
    CLocaleSeparators separators;
    separators.m_chThousandSep = '\'';
    ASSERT_TRUE(separators.Read("C"));
    EXPECT_EQ(separators.m_chDecimalSep, '.');
    EXPECT_EQ(separators.m_chThousandSep, '\''); // the C locale has none: the value stays
    EXPECT_EQ(separators.m_chTimeSep, ':');
    EXPECT_EQ(separators.m_chDateSep, '/');
}

TEST(LocaleSeparators, UnknownLocaleChangesNothing) {
    CLocaleSeparators separators;
    separators.m_chTimeSep = '#';
    EXPECT_FALSE(separators.Read("xx_NOWHERE.NOPE"));
    EXPECT_EQ(separators.m_chTimeSep, '#');
}

TEST(LocaleSeparators, FirstCharacterOutsideDirectivesAndAlphanumerics) {
    Utf8Thread utf8;
    ASSERT_TRUE(utf8.Ready());
    CLocaleSeparators separators;
    separators.Take(",", ".", "%H.%M.%S", "%d.%m.%Y");
    EXPECT_EQ(separators.m_chDecimalSep, ',');
    EXPECT_EQ(separators.m_chThousandSep, '.');
    EXPECT_EQ(separators.m_chTimeSep, '.');
    EXPECT_EQ(separators.m_chDateSep, '.');

    // "h" is a letter and "%%" and "%T" are directives: the time formats give nothing.
    separators.Take("", "", "%-Hh%M", "%Ey-%m");
    separators.Take("", "", "%%%T", "");
    EXPECT_EQ(separators.m_chDecimalSep, ',');
    EXPECT_EQ(separators.m_chTimeSep, '.');
    EXPECT_EQ(separators.m_chDateSep, '-');
}

TEST(LocaleSeparators, CharactersBeyondEightBitsGiveNothing) {
    Utf8Thread utf8;
    ASSERT_TRUE(utf8.Ready());
    CLocaleSeparators separators;
    separators.Take("\xd9\xab", "\xc2\xa0", "%H\xe6\x99\x82%M", "%d\xc2\xb7%m");
    EXPECT_EQ(separators.m_chDecimalSep, '.');
    EXPECT_EQ(separators.m_chThousandSep, '\xa0'); // no-break space fits in 8 bits
    EXPECT_EQ(separators.m_chTimeSep, ':');
    EXPECT_EQ(separators.m_chDateSep, '\xb7');

    separators.Take("\xff", "", "", "");
    EXPECT_EQ(separators.m_chDecimalSep, '.'); // not UTF-8 at all
}

TEST(LocaleSeparators, AStandInReplacesOnlyTheUserDefaultAndOnlyWhileItLives) {
    setenv("LC_ALL", "C", 1);
    {
        const CUserLocaleStandIn finnish(",", " ", "%H.%M.%S", "%d.%m.%Y");
        CLocaleSeparators user;
        ASSERT_TRUE(user.Read(""));
        EXPECT_EQ(user.m_chDecimalSep, ',');
        EXPECT_EQ(user.m_chThousandSep, ' ');
        EXPECT_EQ(user.m_chTimeSep, '.');
        EXPECT_EQ(user.m_chDateSep, '.');
        CLocaleSeparators named;
        ASSERT_TRUE(named.Read("C"));
        EXPECT_EQ(named.m_chTimeSep, ':');
    }
    CLocaleSeparators user;
    ASSERT_TRUE(user.Read(""));
    EXPECT_EQ(user.m_chTimeSep, ':'); // the environment's locale again
}

} // namespace
