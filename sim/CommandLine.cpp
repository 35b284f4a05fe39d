#include "sim/CommandLine.h"

#include <sstream>

namespace sim {

CommandLine CommandLine::parse(const std::string& line) {
    CommandLine command;
    const std::size_t blank = line.find(' ');
    command.word = line.substr(0, blank);
    if (blank != std::string::npos) {
        command.hasArguments = true;
        command.argumentText = line.substr(blank + 1);
        std::istringstream words(command.argumentText);
        for (std::string word; words >> word;) {
            command.arguments.push_back(word);
        }
    }
    return command;
}

} // namespace sim
