// Feeds an arbitrary reply to the query of every setting, cut by the parsers of the pages and
// mode dialogs as Save cuts it, and checks what must hold for any reply: the lines Save would
// keep (those the file's checks take as the setting's own; a parser may well give others,
// such as an address with the reply's line end in it, which Save refuses) go through the
// file, with a header made of the reply, and come back the same.

#include "appliance/ApplianceSettings.h"
#include "appliance/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    CSettingValues kept;
    for (const CSettingInfo& info : SettingCatalogue()) {
        const auto lines = SettingLinesFromReply(info.id, reply);
        if (!lines)
            continue;
        if (AreSettingLines(info.id, *lines))
            kept[static_cast<size_t>(SettingIndex(info.id))] = {true, *lines};
    }
    const std::string any(reply);
    const CSettingsHeader header{any, any, any, any, any, any, any};
    const CSettingsFileResult file = ReadSettingsFile(WriteSettingsFile(header, kept));
    if (!file.ok() || file.values != kept)
        std::abort();
    return 0;
}
