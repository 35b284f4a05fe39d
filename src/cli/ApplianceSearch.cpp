#include "cli/ApplianceSearch.h"

#include "cli/CliOptions.h"
#include "discovery/DiscoverySearch.h"

CApplianceSearch SearchAppliances(const CGlobalOptions& options,
                                  const std::vector<std::string>& addresses, int windowMs) {
    CDiscoveryTarget target;
    target.port = options.m_nDiscoveryPort;
    CDiscoverySearch search(target, windowMs);
    CApplianceSearch found;
    if (!search.Open()) {
        found.noAnswer = "the discovery socket could not be made";
        return found;
    }
    const CDiscoveryResult result = addresses.empty() ? search.Run() : search.RunTo(addresses);
    found.records = result.records;
    if (found.records.empty())
        found.noAnswer = NoAnswerText(
            result.sends, addresses.empty()       ? std::string(kLimitedBroadcast)
                          : addresses.size() == 1 ? addresses.front()
                                                  : addresses.front() + " ... " + addresses.back());
    return found;
}
