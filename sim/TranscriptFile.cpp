#include "sim/TranscriptFile.h"

#include <cerrno>
#include <cstring>

namespace sim {

bool TranscriptFile::open(const std::string& path, std::string& error) {
    m_file.reset(std::fopen(path.c_str(), "a"));
    if (!m_file) {
        error = "transcript " + path + ": " + std::strerror(errno);
    }
    return m_file != nullptr;
}

void TranscriptFile::write(int applianceNumber, const std::string& line) {
    if (!m_file) {
        return;
    }
    std::string text = "[" + std::to_string(applianceNumber) + "] ";
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), m_file.get());
    std::fflush(m_file.get());
}

} // namespace sim
