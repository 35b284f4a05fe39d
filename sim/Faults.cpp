#include "sim/Faults.h"

#include <algorithm>
#include <cctype>

namespace sim {

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

bool containsWord(const std::set<std::string>& words, const std::string& word) {
    return std::any_of(words.begin(), words.end(),
                       [&](const std::string& each) { return sameIgnoringCase(each, word); });
}

} // namespace sim
