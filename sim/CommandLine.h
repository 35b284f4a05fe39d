#pragma once

#include <string>
#include <vector>

namespace sim {

// One received command line, cut into its command word and arguments. The word is
// everything before the first blank; `argumentText` is everything after it, untouched
// (names may hold blanks); `arguments` are the blank-separated words of that text.
struct CommandLine {
    std::string word;
    bool hasArguments = false; // the line holds a blank after the word
    std::string argumentText;
    std::vector<std::string> arguments;

    static CommandLine parse(const std::string& line);
};

} // namespace sim
