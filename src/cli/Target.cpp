#include "cli/Target.h"

#include <algorithm>
#include <cctype>

#include "ui/Text.h"

namespace {

// Host names as the resolver takes them: labels of letters, digits and "-", joined by dots.
// A name made of digits and dots alone must be a whole dotted address, so "10.0.0" or
// "300.1.1.1" is refused rather than read by the resolver as some other address.
bool IsHostName(std::string_view host) {
    if (host.empty() || host.size() > 253 || host.front() == '.' || host.back() == '.' ||
        host.find("..") != std::string_view::npos)
        return false;
    return std::all_of(host.begin(), host.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.';
    });
}

bool IsDottedAddress(std::string_view host) {
    int parts = 0;
    size_t start = 0;
    for (;;) {
        const size_t dot = std::min(host.find('.', start), host.size());
        const std::string_view part = host.substr(start, dot - start);
        if (part.empty() || part.size() > 3 ||
            !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
            std::stoi(std::string(part)) > 255)
            return false;
        ++parts;
        if (dot == host.size())
            return parts == 4;
        start = dot + 1;
    }
}

bool IsNumeric(std::string_view host) {
    return std::all_of(host.begin(), host.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

std::optional<int> ParsePort(std::string_view text) {
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int port = std::stoi(std::string(text));
    if (port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

} // namespace

CTarget TargetOfRecord(const CDeviceRecord& record) {
    CTarget target;
    target.m_strHost = record.ipAddress;
    target.m_nPort = LeadingInt(record.controlPort);
    target.m_strName = record.btName;
    target.m_record = record;
    return target;
}

std::string CTarget::Address() const {
    return m_strHost + ":" + std::to_string(m_nPort);
}

std::optional<CTarget> ParseTarget(std::string_view text) {
    CTarget target;
    const size_t colon = text.rfind(':');
    std::string_view host = text.substr(0, colon);
    if (colon != std::string_view::npos) {
        const std::optional<int> port = ParsePort(text.substr(colon + 1));
        if (!port)
            return std::nullopt;
        target.m_nPort = *port;
    }
    if (!IsHostName(host) || (IsNumeric(host) && !IsDottedAddress(host)))
        return std::nullopt;
    target.m_strHost = std::string(host);
    return target;
}
