#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// How the manager reads each reply: the positions and split rules of its pages, written
// independently of the simulator so that the tests check the appliance against the reader.
namespace cuts {

// Forgiving substring: out-of-range positions give shorter or empty text.
std::string mid(const std::string& text, int first, int count = -1);
// The reply without its last two characters (its final line end).
std::string stripped(const std::string& reply);
// Lines of a listing up to (not including) the first line that is exactly "+OK".
std::vector<std::string> listingLines(const std::string& reply);
// The last line of a listing, provided the engine's end marks ("+OK", "-ERR") occur nowhere
// before it, so that the engine reads on until the whole listing is in; empty otherwise, and
// for a reply that does not end in "\r\n".
std::string closingLine(const std::string& reply);

// index, BDADDR/Name, third field: "||" and "|" in either order (Bind and Serv rows).
std::array<std::string, 3> splitRegistration(const std::string& line);
// Fields split on "|" with the last field taking the rest ("Stat": 6, "List": 9).
std::vector<std::string> splitFields(const std::string& line, int count);
enum class Colour { Green, Yellow, Red };
Colour linkColour(const std::string& field8, const std::string& field9);

// "Serv" closing line: host address and port.
std::pair<std::string, std::string> hostOf(const std::string& hostLine);
// "rs232": baud, group, flow after the fixed ten-character skip.
std::array<std::string, 3> serialSettings(const std::string& reply);
// "pinq": running, interval, length, access code.
struct Inquiry {
    bool running = false;
    std::string interval, length, accessCode;
};
Inquiry inquiry(const std::string& reply);
// "ngbrh": address, class of device, name per line.
std::vector<std::array<std::string, 3>> neighbours(const std::string& reply);
// "repeater": depth of every tree item text (roots have depth 0).
std::map<std::string, int> repeaterDepths(const std::string& reply);
// "station": the twelve input characters the Repeater Mode dialog fills.
std::string stationDigits(const std::string& reply);
// "Ver": firmware number major*256 + minor.
int firmwareNumber(const std::string& reply);

// Discovery reply to the eight column texts by record type (1..8); nullopt when ignored.
std::optional<std::map<int, std::string>>
discoveryRecord(const std::vector<std::uint8_t>& datagram);

} // namespace cuts
