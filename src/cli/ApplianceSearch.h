#pragma once

#include <string>
#include <vector>

#include "discovery/DiscoveryCodec.h"

class CGlobalOptions;

// One discovery as the command line runs it: the manager's broadcast search, or one request
// to each of the unicast `addresses`, on the run's discovery port, replies gathered for
// `windowMs`.
struct CApplianceSearch {
    std::vector<CDeviceRecord> records; // one per appliance, in the order they answered
    // Empty when some appliance answered; else where the search went, as the manager's empty
    // list says it, or why it could not run.
    std::string noAnswer;
};

CApplianceSearch SearchAppliances(const CGlobalOptions& options,
                                  const std::vector<std::string>& addresses, int windowMs);
