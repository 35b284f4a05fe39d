#include "controls/LocaleSeparators.h"

#include <clocale>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <langinfo.h>
#include <locale.h>
#include <string>
#include <utility>

namespace {

// The stand-in for the user's default locale, if one is in place.
const CUserLocaleStandIn* g_pUserLocaleStandIn = nullptr;

// The characters of `text`, decoded up to the end or the first byte sequence that is not a
// character in the current locale.
std::wstring Decode(std::string_view text) {
    std::wstring result;
    std::mbstate_t state{};
    size_t at = 0;
    while (at < text.size()) {
        wchar_t wc = 0;
        const size_t used = std::mbrtowc(&wc, text.data() + at, text.size() - at, &state);
        if (used == 0 || used == static_cast<size_t>(-1) || used == static_cast<size_t>(-2))
            break;
        result.push_back(wc);
        at += used;
    }
    return result;
}

// The conversions of the fields a separator stands between: hour, minute and second of a time,
// day, month and year of a date.
constexpr const wchar_t* kTimeFields = L"HIklMS";
constexpr const wchar_t* kDateFields = L"deCyYgGmbBh";

// The first character that follows a directive of one of the `fields` in a time or date format
// and is neither a directive nor alphanumeric; 0 when there is none. What stands beside other
// directives is no separator, such as the blank after the zone name in "%Z %I:%M:%S %p".
wchar_t FirstSeparator(const std::wstring& format, const wchar_t* fields) {
    bool afterField = false;
    size_t i = 0;
    while (i < format.size()) {
        if (format[i] == L'%') {
            ++i;
            while (i < format.size() && std::wcschr(L"_-0^#123456789EO", format[i]) != nullptr)
                ++i;
            // The conversion character itself.
            afterField = i < format.size() && std::wcschr(fields, format[i]) != nullptr;
            ++i;
            continue;
        }
        if (afterField && !std::iswalnum(static_cast<wint_t>(format[i])))
            return format[i];
        afterField = false;
        ++i;
    }
    return 0;
}

// Stores `wc` in `target` when it is a character the 8-bit control can show.
void Keep(wchar_t wc, char& target) {
    if (wc > 0 && static_cast<unsigned long>(wc) <= 255)
        target = static_cast<char>(static_cast<unsigned char>(wc));
}

wchar_t First(std::string_view text) {
    const std::wstring wide = Decode(text);
    return wide.empty() ? 0 : wide.front();
}

} // namespace

void CLocaleSeparators::Take(std::string_view decimal, std::string_view thousands,
                             std::string_view timeFormat, std::string_view dateFormat) {
    Keep(First(decimal), m_chDecimalSep);
    Keep(First(thousands), m_chThousandSep);
    Keep(FirstSeparator(Decode(timeFormat), kTimeFields), m_chTimeSep);
    Keep(FirstSeparator(Decode(dateFormat), kDateFields), m_chDateSep);
}

bool CLocaleSeparators::Read(const char* localeName) {
    if (g_pUserLocaleStandIn != nullptr && *localeName == '\0') {
        const CUserLocaleStandIn& user = *g_pUserLocaleStandIn;
        Take(user.m_strDecimal, user.m_strThousands, user.m_strTimeFormat, user.m_strDateFormat);
        return true;
    }
    const locale_t locale = newlocale(LC_ALL_MASK, localeName, static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr))
        return false;
    // The texts are copied before the locale is switched back and freed.
    const std::string decimal = nl_langinfo_l(RADIXCHAR, locale);
    const std::string thousands = nl_langinfo_l(THOUSEP, locale);
    const std::string timeFormat = nl_langinfo_l(T_FMT, locale);
    const std::string dateFormat = nl_langinfo_l(D_FMT, locale);
    const locale_t previous = uselocale(locale);
    Take(decimal, thousands, timeFormat, dateFormat);
    uselocale(previous);
    freelocale(locale);
    return true;
}

CUserLocaleStandIn::CUserLocaleStandIn(std::string decimal, std::string thousands,
                                       std::string timeFormat, std::string dateFormat)
    : m_strDecimal(std::move(decimal)), m_strThousands(std::move(thousands)),
      m_strTimeFormat(std::move(timeFormat)), m_strDateFormat(std::move(dateFormat)) {
    g_pUserLocaleStandIn = this;
}

CUserLocaleStandIn::~CUserLocaleStandIn() {
    g_pUserLocaleStandIn = nullptr;
}
