#pragma once

#include <CLI/CLI.hpp>

// Checks a TARGET argument as ParseTarget takes it; the message names the text refused.
CLI::Validator TargetValidator();

// Checks a "--to" argument as ExpandAddressRange takes it.
CLI::Validator AddressRangeValidator();
