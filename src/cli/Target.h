#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "discovery/DiscoveryCodec.h"

// One appliance a command works on: its address and control port, with what a discovery
// announced for it (nothing when the target was given on the command line).
struct CTarget {
    static constexpr int kDefaultControlPort = 9097;

    std::string m_strHost;
    int m_nPort = kDefaultControlPort;
    // The Bluetooth name of the record.
    std::string m_strName;
    std::optional<CDeviceRecord> m_record;

    // "192.168.1.20:9097", as reports name the target.
    std::string Address() const;
};

// The target a discovery record names: its IP address and control port (the port's leading
// digits, as the manager takes them).
CTarget TargetOfRecord(const CDeviceRecord& record);

// `ADDRESS[:PORT]`: a dotted IPv4 address or a host name, and a decimal port 1..65535 (9097
// when omitted). Nothing when the text is neither; no name is looked up here.
std::optional<CTarget> ParseTarget(std::string_view text);
