// Feeds arbitrary replies to the RS232 settings parser and builds the set command from what
// it gives, checking what must hold for any input: no field reaches into a line end, the
// parity and stop bits are a name or the one character read, and a command is one line.

#include "appliance/SerialSettings.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const CSerialSettings settings = ParseSerialSettings(reply, CSerialSettings{});
    for (const std::string* field : {&settings.baudRate, &settings.dataBits, &settings.parity,
                                     &settings.stopBits, &settings.flowControl})
        if (field->find_first_of("\r\n") != std::string::npos)
            std::abort();
    if (settings.baudRate.find(' ') != std::string::npos || settings.dataBits.size() > 5 ||
        (settings.parity.size() > 1 && settings.parity != "None" && settings.parity != "Even" &&
         settings.parity != "Odd") ||
        (settings.stopBits.size() > 1 && settings.stopBits != "1 bit" &&
         settings.stopBits != "2 bit"))
        std::abort();
    const auto command = SerialSettingsCommand(settings);
    if (!command || command->find("\r\n") != command->size() - 2 ||
        command->compare(0, 6, "rs232 ") != 0)
        std::abort();
    return 0;
}
