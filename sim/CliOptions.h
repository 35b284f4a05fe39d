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

// `arguments` are the words after the program name.
CliResult parseCommandLine(const std::vector<std::string>& arguments);
// The --help text.
std::string usageText();

} // namespace sim
