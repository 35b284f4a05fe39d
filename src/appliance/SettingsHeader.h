#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "appliance/SettingsFile.h"

// What is known of the appliance beside its settings: the device record discovery gave and
// the firmware version it reports.
struct CApplianceIdentity {
    std::string btName; // used when the appliance does not announce "BTName"
    std::string ipAddress;
    std::string macAddress;
    std::string modelCode;
    std::string firmware;
};

// The header of a file of `values`, read at `now`: this program's version, the Bluetooth name
// as read (the identity's when it was not read), the identity, the local time.
CSettingsHeader MakeSettingsHeader(const CSettingValues& values, const CApplianceIdentity& identity,
                                   std::time_t now);

// `now` in local time as `format` (strftime) gives it.
std::string LocalTimeText(const char* format, std::time_t now);

// A file name's start made of a Bluetooth name: letters, digits, "-" and "_", others become
// "_"; "Velmora42" for an empty name.
std::string SettingsFileStem(std::string_view btName);

// The file name Save offers: the stem of the Bluetooth name and the date,
// "Gateway-1-2026-12-09.txt".
std::string DefaultSettingsFileName(std::string_view btName, std::string_view date);
