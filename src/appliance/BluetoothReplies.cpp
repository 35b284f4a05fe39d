#include "appliance/BluetoothReplies.h"

#include "ui/Text.h"

std::string NameFromReply(std::string_view reply) {
    return Mid(reply, 4);
}

std::string MaxDtFromReply(std::string_view reply) {
    return Mid(reply, 8);
}

std::string LinkTimeoutFromReply(std::string_view reply) {
    return Mid(reply, 17, Length(reply) - 21);
}

std::optional<CScanFlags> ScanFromReply(std::string_view reply, CScanFlags flags) {
    // The appliance pads a lone flag with a blank on the side of the missing one.
    const std::string value = Mid(reply, 4);
    if (value == "inquiry ")
        flags.discoverable = true;
    else if (value == " page")
        flags.connectable = true;
    else if (value == "inquiry page")
        flags = {true, true};
    else if (value == "noscan")
        flags = {false, false};
    else
        return std::nullopt;
    return flags;
}

std::optional<std::string> SecurityFromReply(std::string_view reply) {
    const std::string value = Mid(reply, 4);
    if (value == "low" || value == "high")
        return value;
    return std::nullopt;
}

std::optional<bool> PairableFromReply(std::string_view reply) {
    const std::string value = Mid(reply, 4);
    if (value == "on")
        return true;
    if (value == "off")
        return false;
    return std::nullopt;
}
