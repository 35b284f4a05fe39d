#pragma once

#include <optional>
#include <string>
#include <string_view>

// One appliance a command works on: its address and control port, with the name a discovery
// announced for it (empty when the target was given on the command line).
struct CTarget {
    static constexpr int kDefaultControlPort = 9097;

    std::string m_strHost;
    int m_nPort = kDefaultControlPort;
    std::string m_strName;

    // "192.168.1.20:9097", as reports name the target.
    std::string Address() const;
};

// `ADDRESS[:PORT]`: a dotted IPv4 address or a host name, and a decimal port 1..65535 (9097
// when omitted). Nothing when the text is neither; no name is looked up here.
std::optional<CTarget> ParseTarget(std::string_view text);
