#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// Cuts a byte stream into command lines. A line ends at "\n"; one "\r" before it is dropped.
// A line that grows past the cap is thrown away up to its line end and reported as overlong,
// so that no client can make the appliance hold unbounded input.
class LineSplitter {
public:
    static constexpr std::size_t kMaxLineLength = 4096;

    struct Line {
        std::string text;
        bool overlong = false;
    };

    // Adds received bytes; returns the lines they complete, in order.
    std::vector<Line> feed(std::string_view bytes);
    // Bytes of an unfinished line held so far.
    std::size_t pending() const { return m_partial.size(); }

private:
    std::string m_partial;
    bool m_discarding = false;
};

} // namespace sim
