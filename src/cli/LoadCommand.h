#pragma once

namespace CLI {
class App;
}
class CGlobalOptions;

// "load FILE TARGET...": loads a settings file into many appliances.
void AddLoadCommand(CLI::App& app, CGlobalOptions& options);
