#pragma once

#include <string>
#include <vector>

#include "cli/Target.h"

namespace CLI {
class App;
}
class CGlobalOptions;

// The appliances a command for many targets works on, as given on its command line.
class CTargetSelection {
public:
    std::vector<std::string> m_targets;
};

// Adds the "TARGET..." arguments to `command`; each is checked as ParseTarget takes it, a
// bad one being a usage error.
void AddTargetArguments(CLI::App& command, CTargetSelection& selection);

struct CTargetList {
    std::vector<CTarget> targets;
    // Empty unless no target could be found; then why, in one line.
    std::string error;
};

// The targets of the selection, in the order given, each address once.
CTargetList SelectTargets(const CTargetSelection& selection, const CGlobalOptions& options);
