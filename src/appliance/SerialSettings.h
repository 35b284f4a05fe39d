#pragma once

#include <optional>
#include <string>
#include <string_view>

// The RS232 line parameters as the Serial Port Setup dialog shows them: the texts of its five
// combo boxes.
struct CSerialSettings {
    std::string baudRate = "115200";
    std::string dataBits = "8 bit";
    std::string flowControl = "Hardware";
    std::string parity = "None";
    std::string stopBits = "1 bit";
    bool operator==(const CSerialSettings&) const = default;
};

// Takes the reply to "rs232" ("+OK RS232 115200 8N1 hardware"): after a fixed skip of ten
// characters the baud rate up to a blank, the group of data bits, parity letter and stop bits
// up to the next blank, and the flow word up to the line end. A parity or stop-bit character
// without a name is kept as it stands; an unknown flow word leaves `settings.flowControl` as
// it was. Pure; the reply is untrusted.
CSerialSettings ParseSerialSettings(std::string_view reply, CSerialSettings settings);

// The set command "rs232 <baud> <DPS> <flow>\r\n" built from the settings' texts (first
// characters of data bits, parity and stop bits); nothing when the flow control is not one of
// "None", "Hardware" and "Xon/Xoff", since there is no word to send for it.
std::optional<std::string> SerialSettingsCommand(const CSerialSettings& settings);
