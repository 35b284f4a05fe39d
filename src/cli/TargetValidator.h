#pragma once

#include <CLI/CLI.hpp>

// Checks a TARGET argument as ParseTarget takes it; the message names the text refused.
CLI::Validator TargetValidator();

// Checks a "--to" argument: a dotted address, or a range no wider than /16.
CLI::Validator AddressRangeValidator();

// Adds the one required TARGET argument of a command that works on a single appliance.
CLI::Option* AddSingleTarget(CLI::App& command, std::string& target);
