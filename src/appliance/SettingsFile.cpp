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

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// Where the free text of a command line stands (a device or Bluetooth name), the one value
// that may have blanks at either end: after "BTName", between the command word and the port
// of "Bind", after the address of a "Serv" entry.
std::optional<std::pair<size_t, size_t>> NameSpan(std::string_view line) {
    const std::string_view word = CommandWord(line);
    const size_t start = word.size() + 1;
    if (start > line.size())
        return std::nullopt;
    if (word == "BTName")
        return std::pair{start, line.size() - start};
    if (word == "Bind") {
        const size_t last = line.rfind(' ');
        if (last < start)
            return std::nullopt;
        return std::pair{start, last - start};
    }
    if (word == "Serv") {
        const size_t blank = line.find(' ', start);
        if (blank == std::string_view::npos)
            return std::nullopt;
        return std::pair{blank + 1, line.size() - blank - 1};
    }
    return std::nullopt;
}

// A name with a blank at either end is written in double quotes, so that an editor that
// strips trailing blanks keeps it; one that begins with a quote is quoted too, so that the
// reader takes off one pair of quotes whenever a name begins with one.
std::string FileLine(const std::string& line) {
    const auto span = NameSpan(line);
    if (!span || span->second == 0)
        return line;
    const std::string_view name = std::string_view(line).substr(span->first, span->second);
    if (name.front() != ' ' && name.back() != ' ' && name.front() != '"')
        return line;
    return line.substr(0, span->first) + "\"" + std::string(name) + "\"" +
           line.substr(span->first + span->second);
}

// The command line a file line stands for: its quoted name without the quotes; nothing when
// a quote is left open.
std::optional<std::string> CommandLineOf(std::string_view line) {
    const auto span = NameSpan(line);
    if (!span || span->second == 0 || line[span->first] != '"')
        return std::string(line);
    if (span->second < 2 || line[span->first + span->second - 1] != '"')
        return std::nullopt;
    return std::string(line.substr(0, span->first)) +
           std::string(line.substr(span->first + 1, span->second - 2)) +
           std::string(line.substr(span->first + span->second));
}

// A header line, cut to what the reader takes.
std::string HeaderLine(std::string_view label, std::string_view value) {
    return Printable(std::string("# ") + std::string(label) + std::string(value))
               .substr(0, kMaxSettingsLine) +
           "\n";
}

} // namespace

std::string WriteSettingsFile(const CSettingsHeader& header, const CSettingValues& values) {
    std::string text;
    text += HeaderLine("Velmora42 Manager ", header.programVersion + " settings");
    text += HeaderLine("Bluetooth name: ", header.btName);
    text += HeaderLine("IP address: ", header.ipAddress);
    text += HeaderLine("MAC address: ", header.macAddress);
    text += HeaderLine("Model code: ", header.modelCode);
    text += HeaderLine("Firmware: ", header.firmware);
    text += HeaderLine("Saved: ", header.savedAt);
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
            text += Printable(FileLine(line)) + "\n";
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

    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    int lastIndex = -1;
    int number = 0;
    bool ended = false;
    size_t pos = 0;
    while (pos < text.size()) {
        ++number;
        const size_t end = text.find('\n', pos);
        std::string_view line = text.substr(pos, end == std::string_view::npos ? end : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() > kMaxSettingsLine)
            return fail(LineError(number, "the line is longer than " +
                                              std::to_string(kMaxSettingsLine) + " characters."));
        if (HasControlCharacter(line))
            return fail(LineError(number, "the line holds a control character."));
        // Editors leave blanks around a line and may drop the last line end.
        line = TrimBlanks(line);
        if (ended) {
            if (line.empty())
                continue;
            return fail(LineError(number, "text after the \"# end\" line."));
        }
        if (line == kSettingsFileEnd) {
            ended = true;
            continue;
        }
        if (end == std::string_view::npos && !line.empty())
            return fail(LineError(number, "the file ends inside this line: it is cut short."));
        const std::optional<SettingId> emptyTable = EmptyTableOf(line);
        if (line.empty() || (IsComment(line) && !emptyTable))
            continue;
        const std::optional<std::string> command = CommandLineOf(line);
        if (!command)
            return fail(LineError(number, "a quoted value lacks its closing quote."));
        const std::optional<SettingId> id = emptyTable ? emptyTable : ClassifySetLine(*command);
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
                if (earlier == *command)
                    return fail(LineError(number, "the same entry is given twice."));
            const std::string conflict = TableEntryConflict(info.id, entry.lines, *command);
            if (!conflict.empty())
                return fail(LineError(number, "\"" + std::string(info.label) + "\": " + conflict));
        }
        entry.present = true;
        if (!emptyTable)
            entry.lines.push_back(*command);
        lastIndex = index;
    }
    if (!ended)
        return fail(LineError(number + 1, "the \"# end\" line is missing: the file is cut short."));
    return result;
}
