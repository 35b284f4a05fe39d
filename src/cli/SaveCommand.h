#pragma once

namespace CLI {
class App;
}
class CGlobalOptions;

// "save TARGET -o FILE": writes an appliance's settings file, replacing FILE only on success.
void AddSaveCommand(CLI::App& app, CGlobalOptions& options);
