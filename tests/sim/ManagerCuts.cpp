#include "ManagerCuts.h"

#include <cstdio>

namespace cuts {

std::string mid(const std::string& text, int first, int count) {
    if (first < 0) {
        first = 0;
    }
    if (first >= static_cast<int>(text.size()) || count == 0) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(first),
                       count < 0 ? std::string::npos : static_cast<std::size_t>(count));
}

std::string stripped(const std::string& reply) {
    return reply.size() < 2 ? std::string() : reply.substr(0, reply.size() - 2);
}

std::vector<std::string> listingLines(const std::string& reply) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = reply.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = reply.substr(start, end - start);
        if (line == "+OK") {
            break;
        }
        lines.push_back(line);
    }
    return lines;
}

std::string closingLine(const std::string& reply) {
    if (reply.size() < 2 || reply.compare(reply.size() - 2, 2, "\r\n") != 0) {
        return {};
    }
    const std::string body = stripped(reply);
    const std::size_t lastEnd = body.rfind("\r\n");
    const std::size_t start = lastEnd == std::string::npos ? 0 : lastEnd + 2;
    const std::string before = body.substr(0, start);
    if (before.find("+OK") != std::string::npos || before.find("-ERR") != std::string::npos) {
        return {};
    }
    return body.substr(start);
}

std::array<std::string, 3> splitRegistration(const std::string& line) {
    const std::size_t p = line.find('|');
    const std::string index = line.substr(0, p);
    if (p != std::string::npos && p + 1 < line.size() && line[p + 1] == '|') {
        const std::string rest = line.substr(p + 2);
        const std::size_t q = rest.find('|');
        return {index, rest.substr(0, q), q == std::string::npos ? "" : rest.substr(q + 1)};
    }
    const std::string rest = p == std::string::npos ? "" : line.substr(p + 1);
    const std::size_t q = rest.find("||");
    return {index, rest.substr(0, q), q == std::string::npos ? "" : rest.substr(q + 2)};
}

std::vector<std::string> splitFields(const std::string& line, int count) {
    std::vector<std::string> fields;
    std::string rest = line;
    for (int i = 0; i + 1 < count; ++i) {
        const std::size_t bar = rest.find('|');
        fields.push_back(bar == std::string::npos ? "" : rest.substr(0, bar));
        if (bar != std::string::npos) {
            rest = rest.substr(bar + 1);
        }
    }
    fields.push_back(rest);
    return fields;
}

Colour linkColour(const std::string& field8, const std::string& field9) {
    const int n8 = std::atoi(field8.c_str());
    const int n9 = std::atoi(field9.c_str());
    if (n9 < -1 || n8 <= 200) {
        return Colour::Red;
    }
    return n8 < 215 ? Colour::Yellow : Colour::Green;
}

std::pair<std::string, std::string> hostOf(const std::string& hostLine) {
    const std::size_t colon = hostLine.find(':');
    return {mid(hostLine.substr(0, colon), 4),
            colon == std::string::npos ? "" : hostLine.substr(colon + 1)};
}

std::array<std::string, 3> serialSettings(const std::string& reply) {
    std::string rest = mid(reply, 10);
    const std::size_t blank1 = rest.find(' ');
    const std::string baud = rest.substr(0, blank1);
    rest = blank1 == std::string::npos ? "" : rest.substr(blank1 + 1);
    const std::size_t blank2 = rest.find(' ');
    const std::string group = rest.substr(0, blank2);
    rest = blank2 == std::string::npos ? "" : rest.substr(blank2 + 1);
    return {baud, group, rest.substr(0, rest.find_first_of("\r\n"))};
}

Inquiry inquiry(const std::string& reply) {
    Inquiry result;
    result.running = reply.find("On") != std::string::npos;
    const std::size_t blank = reply.find(' ', 4);
    std::string rest = blank == std::string::npos ? reply : reply.substr(blank + 1);
    const auto takeWord = [&rest] {
        const std::size_t end = rest.find(' ');
        const std::string word = rest.substr(0, end);
        rest = mid(rest, static_cast<int>(word.size()) + 1);
        return word;
    };
    result.interval = takeWord();
    result.length = takeWord();
    while (!rest.empty() && (rest.back() == '\r' || rest.back() == '\n')) {
        rest.pop_back();
    }
    result.accessCode = rest;
    return result;
}

std::vector<std::array<std::string, 3>> neighbours(const std::string& reply) {
    std::vector<std::array<std::string, 3>> rows;
    std::string rest = reply;
    for (;;) {
        const std::string line = rest.substr(0, rest.find_first_of("\r\n"));
        if (line.empty() || line.find("+OK") != std::string::npos) {
            return rows;
        }
        rows.push_back({mid(line, 0, 17), mid(line, 18, 8), mid(line, 27)});
        rest = mid(rest, static_cast<int>(line.size()) + 2);
    }
}

std::map<std::string, int> repeaterDepths(const std::string& reply) {
    std::map<std::string, int> keyDepth; // tree nodes by key
    std::map<std::string, int> itemDepth;
    std::string rest = reply;
    for (;;) {
        const std::string line = rest.substr(0, rest.find_first_of("\r\n"));
        if (line.empty() || line.find("+OK") != std::string::npos) {
            return itemDepth;
        }
        const bool repeater = line[0] == 'R';
        const std::size_t b1 = line.find('|', 2);
        const std::size_t b2 = line.find('|', b1 + 2);
        const std::string parent = mid(line, 2, static_cast<int>(b1) - 2);
        if (!keyDepth.count(parent)) {
            keyDepth[parent] = 0;
            itemDepth[parent] = 0;
        }
        const std::string child =
            mid(line, static_cast<int>(b1) + 1, static_cast<int>(b2 - b1) - 1);
        if (repeater) {
            const std::size_t b3 = line.find('|', b2 + 2);
            const std::string label = mid(line, static_cast<int>(b3) + 1);
            keyDepth[child] = keyDepth[parent] + 1;
            itemDepth[child + " ( " + label + " )"] = keyDepth[child];
        } else {
            itemDepth[child + " ( " + mid(line, static_cast<int>(b2) + 1) + " )"] =
                keyDepth[parent] + 1;
        }
        rest = mid(rest, static_cast<int>(line.size()) + 2);
    }
}

std::string stationDigits(const std::string& reply) {
    std::string digits;
    for (const char c : mid(reply, 4)) {
        if (c != ':' && digits.size() < 12 && c >= 0x20) {
            digits += c;
        }
    }
    return digits;
}

int firmwareNumber(const std::string& reply) {
    const std::string version = mid(reply, 8);
    return (version.size() < 3) ? -1 : (version[0] - '0') * 256 + ((version[2] - '0') & 0xFF);
}

std::optional<std::map<int, std::string>>
discoveryRecord(const std::vector<std::uint8_t>& datagram) {
    const int size = static_cast<int>(datagram.size());
    if (size < 5) {
        return std::nullopt;
    }
    int at = -1;
    for (int i = 0; i <= size - 5 && at < 0; ++i) {
        if (datagram[i] == 0xFA && datagram[i + 1] == 0x05 && datagram[i + 2] == 0x21 &&
            datagram[i + 3] == 0xEF) {
            at = i + 4;
        }
    }
    if (at < 0) {
        return std::nullopt;
    }
    std::map<int, std::string> columns;
    for (int record = 0; record < 8; ++record) {
        if (at + 2 > size || at + 2 + datagram[at + 1] > size) {
            return std::nullopt;
        }
        const int type = datagram[at];
        const auto* value = &datagram[at + 2];
        char text[32];
        if (type == 4) {
            std::snprintf(text, sizeof text, "%d.%d.%d.%d", value[0], value[1], value[2], value[3]);
            columns[type] = text;
        } else if (type == 5) {
            columns[type] = std::to_string(value[0] * 256 + value[1]);
        } else if (type == 6 || type == 8) {
            const bool reverse = type == 8;
            const auto byte = [&](int i) { return value[reverse ? 5 - i : i]; };
            std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", byte(0), byte(1),
                          byte(2), byte(3), byte(4), byte(5));
            columns[type] = text;
        } else {
            const std::string raw(value, value + datagram[at + 1]);
            columns[type] = raw.substr(0, raw.find('\0'));
        }
        at += 2 + datagram[at + 1];
    }
    return columns;
}

} // namespace cuts
