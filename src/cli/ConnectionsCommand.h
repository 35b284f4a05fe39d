#pragma once

namespace CLI {
class App;
}
class CGlobalOptions;

// "connections TARGET [--json]": the live Bluetooth connections of an appliance.
void AddConnectionsCommand(CLI::App& app, CGlobalOptions& options);
