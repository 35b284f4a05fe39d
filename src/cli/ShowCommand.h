#pragma once

namespace CLI {
class App;
}
class CGlobalOptions;

// "show TARGET": prints an appliance's settings as the settings file text.
void AddShowCommand(CLI::App& app, CGlobalOptions& options);
