#include <gtest/gtest.h>

#include "discovery/DiscoveryInterfaces.h"

namespace {

CInterfaceAddress Broadcasting(const char* name, unsigned index, const char* address,
                               const char* broadcast) {
    return CInterfaceAddress{name, index, true, true, address, broadcast};
}

const CInterfaceAddress kLoopback{"lo", 1, true, false, "127.0.0.1", ""};
const CInterfaceAddress kWired = Broadcasting("enp3s0", 2, "192.168.10.4", "192.168.10.255");
const CInterfaceAddress kWifi = Broadcasting("wlp2s0", 3, "10.0.0.7", "10.0.0.255");
const CInterfaceAddress kVpn{"tun0", 5, true, false, "10.8.0.2", ""};

CDiscoverySend Through(const CInterfaceAddress& entry) {
    return CDiscoverySend{entry.index, entry.name, entry.address, entry.broadcastAddress};
}

struct ChoiceCase {
    const char* what;
    CNetworkView network;
    std::vector<CDiscoverySend> expected;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.what;
}

class InterfaceChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(InterfaceChoice, OneRequestPerInterfaceAndNoneTwice) {
    EXPECT_EQ(ChooseDiscoverySends(GetParam().network), GetParam().expected) << GetParam().what;
}

CInterfaceAddress Down(CInterfaceAddress entry) {
    entry.up = false;
    return entry;
}

CInterfaceAddress OtherAddress(CInterfaceAddress entry, const char* address) {
    entry.address = address;
    return entry;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InterfaceChoice,
    ::testing::Values(
        ChoiceCase{"wired and Wi-Fi, the default route on Wi-Fi",
                   {{kLoopback, kWired, kWifi}, "10.0.0.7"},
                   {Through(kWired), Through(kWifi)}},
        ChoiceCase{"a namespace with loopback only, the broadcast routed there",
                   {{kLoopback}, "127.0.0.1"},
                   {CDiscoverySend{1, "lo", "127.0.0.1", ""}}},
        ChoiceCase{"a VPN holding the default route",
                   {{kLoopback, kWired, kVpn}, "10.8.0.2"},
                   {Through(kWired), CDiscoverySend{5, "tun0", "10.8.0.2", ""}}},
        ChoiceCase{
            "an interface that is down", {{Down(kWired), kWifi}, "10.0.0.7"}, {Through(kWifi)}},
        ChoiceCase{"two addresses on one interface: its first",
                   {{kWired, OtherAddress(kWired, "192.168.20.4"), kWifi}, ""},
                   {Through(kWired), Through(kWifi)}},
        ChoiceCase{"routed from the second address of an interface already chosen",
                   {{kWired, OtherAddress(kWired, "192.168.20.4")}, "192.168.20.4"},
                   {Through(kWired)}},
        ChoiceCase{"a source no interface lists: the routing table picks",
                   {{}, "192.168.1.9"},
                   {CDiscoverySend{0, "", "192.168.1.9", ""}}},
        ChoiceCase{"no interface up and no route", {{Down(kWired), kLoopback}, ""}, {}},
        ChoiceCase{
            "an interface without an IPv4 address text", {{OtherAddress(kWired, "")}, ""}, {}}));

struct HintCase {
    const char* what;
    std::vector<CSendResult> results;
    std::string destination;
    std::string expected;
};

void PrintTo(const HintCase& c, std::ostream* out) {
    *out << c.what;
}

// The texts of a broadcast search nobody answered are checked on the dialog (SearchDlgTest);
// here the ones it cannot reach.
class NoAnswerHint : public ::testing::TestWithParam<HintCase> {};

TEST_P(NoAnswerHint, NamesTheInterfacesSearched) {
    EXPECT_EQ(NoAnswerText(GetParam().results, GetParam().destination), GetParam().expected)
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoAnswerHint,
    ::testing::Values(HintCase{"an interface the system did not name",
                               {{CDiscoverySend{0, "", "192.168.1.9", ""}, SendOutcome::Sent, ""}},
                               kLimitedBroadcast,
                               "No appliance answered on 192.168.1.9"},
                      HintCase{"a unicast destination",
                               {{CDiscoverySend{}, SendOutcome::Sent, ""}},
                               "127.0.0.1",
                               "No appliance answered at 127.0.0.1"},
                      HintCase{"a unicast destination that could not be sent to",
                               {{CDiscoverySend{}, SendOutcome::Failed, ""}},
                               "300.1.2.3",
                               "Could not send to 300.1.2.3"}));

} // namespace
