#include "ui/Text.h"

#include <algorithm>
#include <climits>

namespace {

int Clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

int Length(std::string_view text) {
    return text.size() > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
}

std::string Mid(std::string_view text, int first, int count) {
    const int length = Length(text);
    first = Clamp(first, 0, length);
    count = Clamp(count, 0, length - first);
    return std::string(text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

std::string Mid(std::string_view text, int first) {
    return Mid(text, first, INT_MAX);
}

std::string Left(std::string_view text, int count) {
    return Mid(text, 0, count);
}

std::string Right(std::string_view text, int count) {
    const int length = Length(text);
    count = Clamp(count, 0, length);
    return Mid(text, length - count, count);
}

int Find(std::string_view text, std::string_view what, int start) {
    if (start < 0)
        start = 0;
    if (start > Length(text))
        return -1;
    const size_t at = text.find(what, static_cast<size_t>(start));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int Find(std::string_view text, char what, int start) {
    return Find(text, std::string_view(&what, 1), start);
}

std::string MakeUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string MakeLower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

int LeadingInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string Trim(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string StripLineEnd(std::string_view reply) {
    return Left(reply, Length(reply) - 2);
}

std::string_view NextLine(std::string_view text, size_t& pos, bool* ended) {
    const size_t start = std::min(pos, text.size());
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    if (ended)
        *ended = end < text.size();
    pos = end;
    if (pos < text.size() && text[pos] == '\r')
        ++pos;
    if (pos < text.size() && text[pos] == '\n')
        ++pos;
    return text.substr(start, end - start);
}
