// Feeds arbitrary bytes to the settings file reader and checks what must hold for any file:
// either an error naming a line (or the size) and nothing kept, or settings whose every line
// is a set command the program would send by itself, which the writer turns back into a
// file that reads the same, whatever its header holds (filled from the input too).

#include "appliance/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CSettingsFileResult result = ReadSettingsFile(text);
    if (!result.ok()) {
        if (result.error.rfind("Line ", 0) != 0 && result.error.rfind("The file ", 0) != 0)
            std::abort();
        for (const CSettingEntry& entry : result.values)
            if (entry.present)
                std::abort();
        return 0;
    }
    for (const CSettingInfo& info : SettingCatalogue())
        for (const std::string& line :
             result.values[static_cast<size_t>(SettingIndex(info.id))].lines)
            if (ClassifySetLine(line) != info.id || line.size() > kMaxSettingsLine)
                std::abort();
    const std::string any(text);
    const CSettingsHeader header{any, any, any, any, any, any, any};
    const CSettingsFileResult again = ReadSettingsFile(WriteSettingsFile(header, result.values));
    if (!again.ok() || again.values != result.values)
        std::abort();
    return 0;
}
