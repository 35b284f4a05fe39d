#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace sim {

// Appends every received line to a text file as "[n] line", n being the appliance number;
// bytes outside printable ASCII are written as \xNN so that the file stays readable.
class TranscriptFile {
public:
    bool open(const std::string& path, std::string& error);
    bool isOpen() const { return m_file != nullptr; }
    // Writes and flushes one line at once, so that the file is current while the program runs.
    void write(int applianceNumber, const std::string& line);

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> m_file;
};

} // namespace sim
