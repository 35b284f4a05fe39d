#pragma once

namespace CLI {
class App;
}
class CGlobalOptions;

// "reboot TARGET...": reboots many appliances.
void AddRebootCommand(CLI::App& app, CGlobalOptions& options);
