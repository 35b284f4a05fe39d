#include "appliance/ModeReplies.h"

#include "ui/Text.h"

namespace {

constexpr int kModeCount = 6;

struct ModeReply {
    const char* replyLine; // the appliance's answer to "Mode"
    const char* word;      // argument of "mode"
};

constexpr ModeReply kModeReplies[kModeCount] = {
    {"+OK Server Mode", "server"},  {"+OK Client Mode", "client"},
    {"+OK Vertex Mode", "vertex"},  {"+OK Repeater Mode", "repeater"},
    {"+OK Serial Hub Mode", "hub"}, {"+OK RS232 Mode", "rs232"},
};

// Firmware 1.7 is the first to run the Repeater and Serial Hub modes.
constexpr int kFirstHubFirmware = 0x107;
// The appliance model without a serial port of its own.
constexpr std::string_view kModelWithoutRS232 = "101";
// The indexes of the modes that not every appliance runs.
constexpr int kRepeaterIndex = 3;
constexpr int kSerialHubIndex = 4;
constexpr int kRS232Index = 5;

constexpr int kPortLimit = 4;
// The keep-alive value stands from this position of the "kato" reply up to the next blank.
constexpr int kKeepAlivePosition = 9;
// The Vertex reply carries the port at 9 and the maximum at 18.
constexpr int kVertexPortPosition = 9;
constexpr int kVertexMaxPosition = 18;

} // namespace

int ModeIndexFromReply(std::string_view reply) {
    // Only the bare mode line counts: anything besides it (a second line, trailing blanks,
    // another case) is not an answer the page understands.
    const std::string line = Left(reply, Length(reply) - 2);
    for (int index = 0; index < kModeCount; ++index)
        if (line == kModeReplies[index].replyLine)
            return index;
    return -1;
}

std::string ModeWord(int index) {
    return index >= 0 && index < kModeCount ? kModeReplies[index].word : "";
}

std::string ModeUnavailableReason(int index, int firmwareVersion, std::string_view modelCode) {
    if ((index == kRepeaterIndex || index == kSerialHubIndex) &&
        firmwareVersion < kFirstHubFirmware)
        return "firmware < 1.7";
    if (index == kRS232Index && modelCode == kModelWithoutRS232)
        return "no RS232 port";
    return "";
}

std::optional<std::string> DataPortFromReply(std::string_view reply) {
    const std::string line = StripLineEnd(reply);
    if (Find(line, "+OK") < 0)
        return std::nullopt;
    return Right(line, kPortLimit);
}

std::optional<bool> NoDisconnectFromReply(std::string_view reply) {
    if (Find(reply, "+OK") < 0)
        return std::nullopt;
    return Find(reply, "off") < 0;
}

std::optional<std::string> KeepAliveFromReply(std::string_view reply) {
    if (Find(reply, "+OK") < 0)
        return std::nullopt;
    // Cut from the line without its end, so that a value closing the line comes without
    // "\r\n" (it goes out again in the next "kato" command).
    const std::string line = StripLineEnd(reply);
    const int blank = Find(line, ' ', kKeepAlivePosition);
    return blank < 0 ? Mid(line, kKeepAlivePosition)
                     : Mid(line, kKeepAlivePosition, blank - kKeepAlivePosition);
}

std::optional<std::string> RepeatIntervalFromReply(std::string_view reply) {
    const std::string stripped = StripLineEnd(reply);
    if (Left(stripped, 3) != "+OK")
        return std::nullopt;
    return Mid(stripped, 17, Length(stripped) - 17 - 3);
}

std::optional<std::string> PersistFromReply(std::string_view reply) {
    const std::string stripped = StripLineEnd(reply);
    if (Left(stripped, 3) != "+OK")
        return std::nullopt;
    return Mid(stripped, 12); // after "+OK PERSIST "
}

std::optional<CVertexSetting> VertexFromReply(std::string_view reply) {
    const std::string stripped = StripLineEnd(reply);
    if (Left(stripped, 3) != "+OK")
        return std::nullopt;
    return CVertexSetting{Mid(stripped, kVertexPortPosition, kPortLimit),
                          Mid(stripped, kVertexMaxPosition, 1)};
}

std::string StationInputFromReply(std::string_view reply) {
    // The appliance may write the address with or without ":".
    std::string input;
    for (char c : Mid(reply, 4))
        if (c != ':')
            input += c;
    return input;
}
