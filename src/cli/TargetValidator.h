#pragma once

#include <CLI/CLI.hpp>

// Checks a TARGET argument as ParseTarget takes it; the message names the text refused.
CLI::Validator TargetValidator();
