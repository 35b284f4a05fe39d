#pragma once

#include "sim/SimulatorOptions.h"

#include <string>
#include <vector>

namespace sim {

// The command line of velmora42-sim, turned into simulator options.
struct CliResult {
    SimulatorOptions options;
    bool showHelp = false;
    std::string error; // not empty: the command line is wrong, and this says why
};

// `arguments` are the words after the program name. Long options may be abbreviated and take
// their value as the next word or after "=". Uses the C library's getopt_long, whose state is
// global: call from one thread at a time.
CliResult parseCommandLine(const std::vector<std::string>& arguments);
// The --help text.
std::string usageText();

} // namespace sim
