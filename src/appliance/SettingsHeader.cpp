#include "appliance/SettingsHeader.h"

CSettingsHeader MakeSettingsHeader(const CSettingValues& values, const CApplianceIdentity& identity,
                                   std::time_t now) {
    CSettingsHeader header;
    header.programVersion = VELMORA_VERSION;
    const CSettingEntry& name = values[static_cast<size_t>(SettingIndex(SettingId::BtName))];
    header.btName = name.present && !name.lines.empty()
                        ? std::string(CommandArguments(name.lines.front()))
                        : identity.btName;
    header.ipAddress = identity.ipAddress;
    header.macAddress = identity.macAddress;
    header.modelCode = identity.modelCode;
    header.firmware = identity.firmware;
    header.savedAt = LocalTimeText("%Y-%m-%d %H:%M:%S", now);
    return header;
}

std::string LocalTimeText(const char* format, std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

std::string SettingsFileStem(std::string_view btName) {
    std::string name;
    for (char c : btName)
        name += (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        c == '-' || c == '_'
                    ? c
                    : '_';
    return name.empty() ? std::string("Velmora42") : name;
}

std::string DefaultSettingsFileName(std::string_view btName, std::string_view date) {
    return SettingsFileStem(btName) + "-" + std::string(date) + ".txt";
}
