#pragma once

namespace CLI {
class App;
class ParseError;
} // namespace CLI

// Ends a run whose command line did not parse: prints the help asked for (status 0), or one
// line naming what is wrong on stderr (status 2).
int ReportParseError(const CLI::App& app, const CLI::ParseError& error);
