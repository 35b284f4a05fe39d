#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The settings of an appliance that Save reads and Load writes, each through the set command
// that the pages and mode dialogs send for it, in the order a load applies them (the
// operation mode last: the appliance restarts its services when it changes mode).

enum class SettingId : int {
    DataPort,
    NoDisconnect,
    KeepAlive,
    Registrations, // the Server mode device table, one "Bind" line per entry
    Host,
    Servers, // the Client mode server table, one "Serv ip:port device" line per entry
    RepeatInterval,
    Persist,
    Vertex,
    Station,
    SerialPort,
    BtName,
    MaxDt,
    LinkTimeout,
    Security,
    Pairable,
    Scan,
    PeriodicInquiry,
    Mode,
};
inline constexpr int kSettingCount = static_cast<int>(SettingId::Mode) + 1;

struct CSettingInfo {
    SettingId id;
    std::string_view label; // as the load window names it
    std::string_view word;  // the set command's word, announced in capitals in "help"
    int timeoutSeconds;     // the time-out the set command is sent with
    bool table;             // zero or more lines, replaced as a whole
};

const std::array<CSettingInfo, kSettingCount>& SettingCatalogue();
const CSettingInfo& SettingInfo(SettingId id);
inline int SettingIndex(SettingId id) {
    return static_cast<int>(id);
}

// What one setting holds: its set command lines (without "\r\n"). `present` is false for a
// setting that was not read (its command not announced) or that a file leaves out.
struct CSettingEntry {
    bool present = false;
    std::vector<std::string> lines;
    bool operator==(const CSettingEntry&) const = default;
};
using CSettingValues = std::array<CSettingEntry, kSettingCount>;

// Longer lines are no set command: none is near this long.
inline constexpr size_t kMaxSetLine = 200;

// The setting a command line (without its line end) sets, when it is one of the set
// commands above with arguments that pass the checks the pages and dialogs apply to what
// the operator types, and no longer than kMaxSetLine; nothing for any other line. Pure; the
// line is untrusted.
std::optional<SettingId> ClassifySetLine(std::string_view line);

// For a line of a table: the Add dialog's refusal when an entry of `earlier` has the same
// device or the same port ("Same BDADDR is exist.", "Same Name is exist.", "Same Port Number
// is exist.", "Same Server Port Number is exist."); empty when none has. Pure.
std::string TableEntryConflict(SettingId id, const std::vector<std::string>& earlier,
                               std::string_view line);

// Whether `lines` may be what setting `id` holds: each line one ClassifySetLine gives as
// the setting's, no table entry with the device or port of one before it.
bool AreSettingLines(SettingId id, const std::vector<std::string>& lines);

// `line` (a line of setting `id`) as the appliance means it, for comparing what was sent with
// what reads back: ports and address numbers without leading zeros, Bluetooth addresses in
// capitals; any other line as it stands.
std::string CanonicalSetLine(SettingId id, std::string_view line);

// What the load window shows of a setting's lines: the arguments, entries joined by ", ";
// "(none)" for an empty table.
std::string DisplayValue(SettingId id, const std::vector<std::string>& lines);

// The first blank-separated word of `line` and everything after the blank that ends it.
std::string_view CommandWord(std::string_view line);
std::string_view CommandArguments(std::string_view line);
