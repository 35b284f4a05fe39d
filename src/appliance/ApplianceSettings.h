#pragma once

#include <functional>
#include <string>

#include "appliance/SettingCatalogue.h"

class IApplianceExchange;

// Reading every setting of the appliance with the queries the pages and mode dialogs send,
// cut by their parsers. A setting whose command the appliance does not announce in "help"
// is not read (it stays not present).

struct CReadSettingsResult {
    CSettingValues values;
    // Empty when every setting was read; otherwise the setting whose query failed, and
    // whether it timed out (an empty reply) or got an answer its parser does not take.
    std::string failedSetting;
    bool timedOut = false;
    // The table entries that were read but left out, as "<table label>: "<entry>"".
    std::vector<std::string> leftOut;
    bool ok() const { return failedSetting.empty(); }
    // "Reading Maxdt is timeout. Check Velmora42 and Try again." or "Reading Maxdt is
    // Failed. Try again"
    std::string Message() const;
    // Empty when nothing was left out; otherwise a line end and the entries, one a line.
    std::string LeftOutText() const;
};

// Called before each query with the setting about to be read.
using ReadProgress = std::function<void(const CSettingInfo&)>;

// Sends the queries in the catalogue's order through `appliance` and stops at the first that
// fails; nothing read before it counts then. A table entry that no file line can hold never
// stops the reading: it is left out and named. Blocks the UI thread for each exchange.
CReadSettingsResult ReadApplianceSettings(IApplianceExchange& appliance,
                                          const ReadProgress& progress = {});

// What the reply to a setting's query gives as set command lines; nothing when the reply is
// not one its page or dialog takes. Pure; the reply is untrusted.
std::optional<std::vector<std::string>> SettingLinesFromReply(SettingId id, std::string_view reply);
// The query a setting is read with, and its time-out.
std::string_view SettingQuery(SettingId id);
int SettingQueryTimeout(SettingId id);
