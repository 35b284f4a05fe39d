// Feeds arbitrary replies to the "repeater" listing parser and checks what must hold for any
// input: one line at most per line end, no field spanning a line end or holding "+OK", a
// parent key that stops at the first "|", and fields no longer together than the reply.

#include "pages/RepeaterListing.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const std::vector<CRepeaterLine> lines = ParseRepeaterListing(reply);
    std::size_t lineEnds = 0;
    for (char c : reply)
        lineEnds += c == '\r' || c == '\n';
    if (lines.size() > lineEnds)
        std::abort();
    std::size_t characters = 0;
    for (const CRepeaterLine& line : lines) {
        for (const std::string* field : {&line.parentKey, &line.key, &line.label}) {
            if (field->find_first_of("\r\n") != std::string::npos ||
                field->find("+OK") != std::string::npos)
                std::abort();
            characters += field->size();
        }
        if (line.parentKey.find('|') != std::string::npos)
            std::abort();
    }
    // A line's fields may overlap only where a missing "|" lets the label start at the
    // beginning of the line: three times the reply bounds every case.
    if (characters > 3 * size)
        std::abort();
    return 0;
}
