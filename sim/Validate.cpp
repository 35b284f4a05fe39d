#include "sim/Validate.h"

#include <algorithm>
#include <cctype>

namespace sim {

namespace {

bool isHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

bool allDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

bool isNumberInRange(const std::string& text, long low, long high, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits || !allDigits(text)) {
        return false;
    }
    const long value = std::stol(text);
    return value >= low && value <= high;
}

bool isPort(const std::string& text) {
    return isNumberInRange(text, 1, 65535, 5);
}

bool isShortPort(const std::string& text) {
    return isNumberInRange(text, 1, 9999, 4);
}

std::string fourDigits(const std::string& text) {
    return text.size() < 4 ? std::string(4 - text.size(), '0') + text : text;
}

bool isBdAddress(const std::string& text) {
    if (text.size() != 17) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool separator = i % 3 == 2;
        if (separator ? text[i] != ':' : !isHex(text[i])) {
            return false;
        }
    }
    return true;
}

bool isIPv4(const std::string& text) {
    std::size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = text.find('.', start);
        const bool last = part == 3;
        if (last != (dot == std::string::npos)) {
            return false;
        }
        const std::string number = text.substr(start, last ? std::string::npos : dot - start);
        if (!isNumberInRange(number, 0, 255, 3)) {
            return false;
        }
        start = dot + 1;
    }
    return true;
}

bool isSafeName(const std::string& text, std::size_t maxLength) {
    const bool printable = std::all_of(text.begin(), text.end(),
                                       [](char c) { return c >= 0x20 && c <= 0x7E && c != '|'; });
    return !text.empty() && text.size() <= maxLength && printable &&
           text.find("+OK") == std::string::npos && text.find("-ERR") == std::string::npos;
}

bool isDevice(const std::string& text) {
    return isBdAddress(text) || isSafeName(text);
}

std::string toUpper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace sim
