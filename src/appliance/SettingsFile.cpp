#include "appliance/SettingsFile.h"

namespace {

std::string Printable(std::string_view text) {
    std::string out;
    for (char c : text)
        out += c >= 0x20 && c <= 0x7E ? c : '?';
    return out;
}

std::string LineError(int number, std::string_view what) {
    return "Line " + std::to_string(number) + ": " + std::string(what);
}

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The comment that gives a table as empty; without it (and without entries) a table is not
// in the file.
std::string EmptyTableLine(const CSettingInfo& info) {
    return "# " + std::string(info.label) + ": none";
}

std::optional<SettingId> EmptyTableOf(std::string_view line) {
    for (const CSettingInfo& info : SettingCatalogue())
        if (info.table && line == EmptyTableLine(info))
            return info.id;
    return std::nullopt;
}

bool IsComment(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == '#';
}

// Comments may carry UTF-8 text; control characters other than the tab have no place in a
// text file.
bool HasControlCharacter(std::string_view line) {
    for (char c : line)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F)
            return true;
    return false;
}

} // namespace

std::string WriteSettingsFile(const CSettingsHeader& header, const CSettingValues& values) {
    std::string text;
    text += "# Velmora42 Manager " + Printable(header.programVersion) + " settings\n";
    text += "# Bluetooth name: " + Printable(header.btName) + "\n";
    text += "# IP address: " + Printable(header.ipAddress) + "\n";
    text += "# MAC address: " + Printable(header.macAddress) + "\n";
    text += "# Model code: " + Printable(header.modelCode) + "\n";
    text += "# Firmware: " + Printable(header.firmware) + "\n";
    text += "# Saved: " + Printable(header.savedAt) + "\n";
    text += "# Not saved: the PIN code and the Serial Hub route generation (the appliance has no "
            "query for them).\n";
    text += "\n";
    for (const CSettingInfo& info : SettingCatalogue()) {
        const CSettingEntry& entry = values[static_cast<size_t>(SettingIndex(info.id))];
        if (!entry.present) {
            text += "# " + std::string(info.label) +
                    ": left out, the appliance does not announce \"" + std::string(info.word) +
                    "\".\n";
            continue;
        }
        if (info.table && entry.lines.empty())
            text += EmptyTableLine(info) + "\n";
        for (const std::string& line : entry.lines)
            text += Printable(line) + "\n";
    }
    text += std::string(kSettingsFileEnd) + "\n";
    return text;
}

CSettingsFileResult ReadSettingsFile(std::string_view text) {
    CSettingsFileResult result;
    auto fail = [&](std::string error) {
        result.values = {};
        result.error = std::move(error);
        return result;
    };
    if (text.size() > kMaxSettingsFile)
        return fail("The file is larger than " + std::to_string(kMaxSettingsFile / 1024) +
                    " KiB; a settings file is far smaller.");

    int lastIndex = -1;
    int number = 0;
    bool ended = false;
    size_t pos = 0;
    while (pos < text.size()) {
        ++number;
        const size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            return fail(LineError(number, "the file ends inside this line: it is cut short."));
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() > kMaxSettingsLine)
            return fail(LineError(number, "the line is longer than " +
                                              std::to_string(kMaxSettingsLine) + " characters."));
        if (HasControlCharacter(line))
            return fail(LineError(number, "the line holds a control character."));
        if (ended) {
            if (IsBlankLine(line))
                continue;
            return fail(LineError(number, "text after the \"# end\" line."));
        }
        if (line == kSettingsFileEnd) {
            ended = true;
            continue;
        }
        const std::optional<SettingId> emptyTable = EmptyTableOf(line);
        if (IsBlankLine(line) || (IsComment(line) && !emptyTable))
            continue;
        const std::optional<SettingId> id = emptyTable ? emptyTable : ClassifySetLine(line);
        if (!id) {
            const std::string word(CommandWord(line));
            bool known = false;
            for (const CSettingInfo& info : SettingCatalogue())
                known = known || info.word == word;
            if (!known)
                return fail(LineError(number, "\"" + Printable(word) +
                                                  "\" is not a set command of a setting."));
            if (CommandArguments(line).empty())
                return fail(LineError(number, "\"" + word + "\" without values is a query."));
            return fail(LineError(number, "the values of \"" + word +
                                              "\" are not ones the dialogs would send."));
        }
        const int index = SettingIndex(*id);
        const CSettingInfo& info = SettingInfo(*id);
        if (index < lastIndex)
            return fail(LineError(number, "\"" + std::string(info.label) +
                                              "\" stands after a setting a load applies later."));
        CSettingEntry& entry = result.values[static_cast<size_t>(index)];
        if (entry.present && (!info.table || emptyTable || entry.lines.empty()))
            return fail(LineError(number, "\"" + std::string(info.label) + "\" is given twice."));
        if (info.table && !emptyTable) {
            for (const std::string& earlier : entry.lines)
                if (earlier == line)
                    return fail(LineError(number, "the same entry is given twice."));
            const std::string conflict = TableEntryConflict(info.id, entry.lines, line);
            if (!conflict.empty())
                return fail(LineError(number, "\"" + std::string(info.label) + "\": " + conflict));
        }
        entry.present = true;
        if (!emptyTable)
            entry.lines.emplace_back(line);
        lastIndex = index;
    }
    if (!ended)
        return fail(LineError(number + 1, "the \"# end\" line is missing: the file is cut short."));
    return result;
}
