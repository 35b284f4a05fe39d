#pragma once

namespace CLI {
class App;
}
class CGlobalOptions;

// "discover [--timeout SECONDS] [--to ADDRESS|CIDR]... [--json]": the appliances that answer.
void AddDiscoverCommand(CLI::App& app, CGlobalOptions& options);
