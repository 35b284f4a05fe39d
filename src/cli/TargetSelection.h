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
    // Every appliance one discovery lists instead, searched for at the "--to" addresses
    // when there are some.
    bool m_bAll = false;
    std::vector<std::string> m_searchAt;
};

// Adds the "TARGET..." arguments, "--all" and "--to ADDRESS|CIDR" to `command`; each is
// checked, a bad one being a usage error, and TARGET and "--all" exclude each other.
void AddTargetArguments(CLI::App& command, CTargetSelection& selection);

struct CTargetList {
    std::vector<CTarget> targets;
    // Empty unless the discovery of "--all" found nobody; then where it searched, in one line.
    std::string error;
};

// The targets of the selection, in the order given (or the discovery's), each address once.
// Blocks for the discovery's window with "--all". Neither TARGET nor "--all" is a usage
// error: throws the parser's CLI::RequiredError, which ends the run with status 2.
CTargetList SelectTargets(const CTargetSelection& selection, const CGlobalOptions& options);
