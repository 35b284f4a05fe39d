#pragma once

#include <optional>
#include <string>

class CGlobalOptions;

// The login password, never from the command line: the environment variable
// VELMORA42_PASSWORD, else the first line of --password-file, else asked on the terminal
// without echo. Nothing when none of them gives one; `error` then says why in one line.
std::optional<std::string> ObtainPassword(const CGlobalOptions& options, std::string& error);
