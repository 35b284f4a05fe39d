#include "sim/LineSplitter.h"

namespace sim {

std::vector<LineSplitter::Line> LineSplitter::feed(std::string_view bytes) {
    std::vector<Line> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (!m_discarding) {
            m_partial.append(piece.substr(0, kMaxLineLength + 1 - m_partial.size()));
            if (m_partial.size() > kMaxLineLength) {
                m_discarding = true;
                m_partial.clear();
            }
        }
        if (end == std::string_view::npos) {
            break;
        }
        if (m_discarding) {
            lines.push_back({{}, true});
        } else {
            if (!m_partial.empty() && m_partial.back() == '\r') {
                m_partial.pop_back();
            }
            lines.push_back({std::move(m_partial), false});
        }
        m_partial.clear();
        m_discarding = false;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace sim
