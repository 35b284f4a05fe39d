#include "appliance/SerialSettings.h"

#include "ui/Text.h"

namespace {

// The combo text and the appliance's word for each flow control.
struct FlowNames {
    const char* text;
    const char* word;
};
constexpr FlowNames kFlows[] = {{"None", "none"}, {"Hardware", "hardware"}, {"Xon/Xoff", "xonoff"}};

// The field up to the first blank of `rest`, which then loses the field and the blank; with no
// blank the field is all that is left.
std::string TakeField(std::string& rest) {
    const int blank = Find(rest, ' ');
    const std::string field = blank < 0 ? rest : Left(rest, blank);
    rest = blank < 0 ? std::string() : Mid(rest, blank + 1);
    return field;
}

std::string ParityName(const std::string& letter) {
    if (letter == "N")
        return "None";
    if (letter == "E")
        return "Even";
    if (letter == "O")
        return "Odd";
    return letter;
}

std::string StopBitsName(const std::string& digit) {
    if (digit == "1" || digit == "2")
        return digit + " bit";
    return digit;
}

} // namespace

CSerialSettings ParseSerialSettings(std::string_view reply, CSerialSettings settings) {
    // Only the first line counts: no field may reach into a line end.
    std::string rest = Mid(reply, 10);
    for (const char lineEnd : {'\r', '\n'})
        if (const int end = Find(rest, lineEnd); end >= 0)
            rest = Left(rest, end);
    settings.baudRate = TakeField(rest);
    const std::string group = TakeField(rest);
    settings.dataBits = Left(group, 1) + " bit";
    settings.parity = ParityName(Mid(group, 1, 1));
    settings.stopBits = StopBitsName(Mid(group, 2, 1));
    for (const FlowNames& flow : kFlows)
        if (rest == flow.word)
            settings.flowControl = flow.text;
    return settings;
}

std::optional<std::string> SerialSettingsCommand(const CSerialSettings& settings) {
    for (const FlowNames& flow : kFlows)
        if (settings.flowControl == flow.text)
            return "rs232 " + settings.baudRate + " " + Left(settings.dataBits, 1) +
                   Left(settings.parity, 1) + Left(settings.stopBits, 1) + " " + flow.word + "\r\n";
    return std::nullopt;
}
