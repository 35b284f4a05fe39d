#include <gtest/gtest.h>

#include <net/if.h>

#include "FakeAppliances.h"
#include "discovery/DiscoverySearch.h"
#include "discovery/UdpSocket.h"
#include "discovery/UnicastAddresses.h"

namespace {

using Strings = std::vector<std::string>;

// A search to a list of addresses on a virtual clock, the appliance answering while it waits.
TEST(DiscoverySearchTest, SendsOnceToEachAddressAndKeepsOneRecordPerAppliance) {
    CFakeAppliances appliance;
    appliance.Answer({BuildReply(CAnnouncement{})});
    CDiscoverySearch search(appliance.Target());
    ASSERT_TRUE(search.Open());
    std::uint64_t clock = 0;
    int found = 0;
    CSearchHooks hooks;
    hooks.now = [&] { return clock; };
    hooks.wait = [&](int ms) {
        clock += static_cast<std::uint64_t>(ms);
        appliance.Serve();
    };
    hooks.found = [&](const CDeviceRecord&) { ++found; };
    const CDiscoveryResult result = search.RunTo({"127.0.0.1", "127.0.0.1", "300.1.2.3"}, hooks);
    Strings failed;
    for (const CSendResult& send : result.sends)
        failed.push_back(send.outcome == SendOutcome::Failed ? send.destination : "");
    EXPECT_EQ(failed, (Strings{"", "", "300.1.2.3"}));
    EXPECT_EQ(appliance.Requests(), 2);
    EXPECT_EQ(result.records, std::vector<CDeviceRecord>{*ParseDiscoveryReply(BuildReply({}))});
    EXPECT_EQ(found, 1);
    EXPECT_TRUE(clock >= 1000u && clock < 1040u) << clock;
}

TEST(UnicastAddressesTest, AnAddressOrEachAddressOfASubnet) {
    struct Case {
        const char* operand;
        std::optional<Strings> addresses;
    };
    for (const Case& c : {
             Case{"10.0.0.7", Strings{"10.0.0.7"}},
             Case{"10.0.0.7/30", Strings{"10.0.0.5", "10.0.0.6"}},
             Case{"10.0.0.7/31", Strings{"10.0.0.6", "10.0.0.7"}},
             Case{"10.0.0.7/32", Strings{"10.0.0.7"}},
             Case{"10.0.0.0/15", std::nullopt},
             Case{"10.0.0.0/33", std::nullopt},
             Case{"10.0.0.0/", std::nullopt},
             Case{"10.0.0.0/24x", std::nullopt},
             Case{"10.0.0/24", std::nullopt},
         })
        EXPECT_EQ(UnicastAddresses(c.operand), c.addresses) << c.operand;
    EXPECT_EQ(UnicastAddresses("10.1.0.0/16")->size(), 65534u);
}

// The system's side of a send through one interface, on loopback.
TEST(UdpSocketTest, SendsThroughTheInterfaceItIsGivenAndFailsWhereThatCannotBe) {
    CFakeAppliances appliance;
    const CDiscoveryTarget target = appliance.Target();
    const unsigned loopback = if_nametoindex("lo");
    ASSERT_NE(loopback, 0u);
    CUdpSocket socket;
    ASSERT_TRUE(socket.Open());
    struct Case {
        unsigned index;
        const char* source;
        bool sent;
    };
    for (const Case& c :
         {Case{loopback, "127.0.0.1", true}, Case{loopback, "", true}, Case{0, "", true},
          Case{0x7fffffff, "127.0.0.1", false}, Case{loopback, "not an address", false}}) {
        const int before = appliance.Requests();
        EXPECT_EQ(
            socket.SendThrough(c.index, c.source, target.address, target.port, kDiscoveryRequest),
            c.sent)
            << c.index << " " << c.source;
        appliance.Serve();
        EXPECT_EQ(appliance.Requests() - before, c.sent ? 1 : 0) << c.index << " " << c.source;
    }
}

} // namespace
