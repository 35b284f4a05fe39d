#pragma once

#include <string>
#include <string_view>

#include "appliance/SettingCatalogue.h"

// The settings file: plain text a person can read, diff and keep in version control. A
// comment header ("#" lines), then one line per setting, each the exact set command that puts
// it back, in the order a load applies them, and a closing "# end" line, so that a file cut
// short is told apart from a whole one. A table (the registrations, the servers) is in the
// file when it has lines there or the comment "# <its label>: none" that gives it as empty;
// a file without either leaves it as the appliance holds it. A device or Bluetooth name with a
// blank at either end (or beginning with a double quote) stands in double quotes,
// `Bind "Printer " 9101`, `BTName " Gateway 1"`, `Serv 10.0.0.5:9000 "Scale "`: the quotes are
// not part of the name. The reader takes the files editors make: a UTF-8 byte order mark, "\n"
// or "\r\n" line ends, none after the last line, blanks around a line, blank lines and
// comments anywhere. Pure; reading takes any bytes.

// What the header tells about the appliance the settings were read from, as it was read.
struct CSettingsHeader {
    std::string programVersion;
    std::string btName;
    std::string ipAddress;
    std::string macAddress;
    std::string modelCode;
    std::string firmware;
    std::string savedAt; // "2026-12-09 08:30:00"
};

inline constexpr std::string_view kSettingsFileEnd = "# end";
// Longer lines are refused as they stand, comments too; a set command's line has room for the
// quotes of its name.
inline constexpr size_t kMaxSettingsLine = kMaxSetLine + 2;
inline constexpr size_t kMaxSettingsFile = 64 * 1024;

// The file text for `values`. A setting that is not present gets a comment saying that the
// appliance does not announce its command, an empty table its "none" comment; header texts outside
// printable ASCII show as "?", a header line is cut to the length the reader takes. Every line
// written passes the reader.
std::string WriteSettingsFile(const CSettingsHeader& header, const CSettingValues& values);

struct CSettingsFileResult {
    CSettingValues values; // the settings the file holds
    std::string error;     // empty when the file was read; otherwise what is wrong, by line
    bool ok() const { return error.empty(); }
};

// Reads a settings file. Every setting line must be a set command that ClassifySetLine
// takes, in the catalogue's order, each setting once (a table's lines together); an error
// names the first line that breaks a rule, and nothing of the file is kept then.
CSettingsFileResult ReadSettingsFile(std::string_view text);
