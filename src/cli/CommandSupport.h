#pragma once

#include <string_view>

#include "cli/CliSession.h"

class CGlobalOptions;

// What the commands share to start their work and to tell what went wrong.

// Writes "velmora42-ctl: " and `line` to stderr.
void PrintError(std::string_view line);

// The user name and password of the run. Asks on the terminal, so call it once before any
// work starts. When no password can be had that is a usage error: throws the parser's
// CLI::ValidationError, which ends the run with status 2.
CCredentials RunCredentials(const CGlobalOptions& options);

// Opens `session` to `target`; on failure writes the target and the reason to stderr.
bool OpenSession(CCliSession& session, const CTarget& target, const CCredentials& credentials,
                 const CGlobalOptions& options);
