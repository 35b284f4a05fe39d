#include "sim/ApplianceState.h"

#include <algorithm>
#include <cstdio>

namespace sim {

namespace {

// Vendor prefix 00:0B:CE, then a family byte, then the appliance number in two bytes.
std::string makeAddress(int family, int number) {
    char text[18];
    std::snprintf(text, sizeof text, "00:0B:CE:%02X:%02X:%02X", family & 0xFF, (number >> 8) & 0xFF,
                  number & 0xFF);
    return text;
}

} // namespace

const std::vector<std::string>& allCommandWords() {
    static const std::vector<std::string> words{
        "USER",  "PASS",  "HELP",   "VER",     "MODE",   "PORT",  "PRSV",     "KATO",
        "BIND",  "RELE",  "SERV",   "DELSERV", "PSIST",  "REPT",  "VERTEX",   "STATION",
        "ROUTE", "RS232", "BTNAME", "MAXDT",   "LINKTO", "SCAN",  "SECU",     "PAIR",
        "PIN",   "STAT",  "LIST",   "DISC",    "PINQ",   "NGBRH", "REPEATER", "REBOOT"};
    return words;
}

ApplianceState ApplianceState::defaults(int number) {
    ApplianceState state;
    char serial[16];
    std::snprintf(serial, sizeof serial, "V42-%06d", number);
    state.serialNumber = serial;
    state.macAddress = makeAddress(0x10, number);
    state.bdAddress = makeAddress(0x20, number);
    state.btName = "Velmora42-" + std::to_string(number);
    state.commandWords = allCommandWords();

    state.registrations = {{"00:0B:CE:01:02:03", "9101"}, {"Sensor", "9102"}};
    // One server by address, one by name: the listing shows both separator orders.
    state.servers = {{"00:0B:CE:01:02:03", "192.168.0.20", "9200"},
                     {"Printer", "192.168.0.21", "9201"}};
    state.hubDevices = {"00:0B:CE:00:00:01", "00:0B:CE:00:00:02", "00:0B:CE:00:00:03",
                        "00:0B:CE:00:00:04"};
    state.routes = {{"00:0B:CE:00:00:01", "00:0B:CE:00:00:02"}};
    state.neighbours = {{"00:0B:CE:40:00:01", "0x5A020C", "Phone-1"},
                        {"00:0B:CE:40:00:02", "0x200404", "Headset"},
                        {"00:0B:CE:40:00:03", "0x000104", "Desktop PC"}};

    // Three levels below the appliance itself: appliance -> relay 1 -> relay 2, with devices.
    const std::string relay1 = makeAddress(0x50, number * 2 - 1);
    const std::string relay2 = makeAddress(0x50, number * 2);
    state.repeaterLinks = {{state.bdAddress, relay1, 1, "Relay-1"}, {relay1, relay2, 2, "Relay-2"}};
    state.repeaterDevices = {{state.bdAddress, makeAddress(0x60, 1), "Printer"},
                             {relay1, makeAddress(0x60, 2), "Scale"},
                             {relay2, makeAddress(0x60, 3), "Sensor-A"}};
    state.resetConnections(2);
    return state;
}

int ApplianceState::addConnection(const std::string& address, const std::string& name,
                                  const std::string& port) {
    BluetoothConnection connection;
    connection.index = nextConnectionIndex++;
    connection.localDevice = connection.index % std::max(1, localDevices);
    connection.port = port;
    connection.address = address;
    connection.name = name;
    connection.qualityStep = connection.index * 3;
    connections.push_back(connection);
    return connection.index;
}

void ApplianceState::resetConnections(int count) {
    static const char* const names[] = {"Printer", "Scanner", "Scale", "Sensor", "Terminal"};
    connections.clear();
    nextConnectionIndex = 0;
    for (int i = 0; i < count; ++i) {
        addConnection(makeAddress(0x30, i + 1), names[i % 5], std::to_string(9101 + i));
    }
}

void ApplianceState::churnConnections() {
    if (connectionChurnLists <= 0 || ++listingsSinceChurn < connectionChurnLists)
        return;
    listingsSinceChurn = 0;
    if (churnAddsNext || connections.empty()) {
        const int number = nextConnectionIndex + 1;
        addConnection(makeAddress(0x30, number), "Device-" + std::to_string(number),
                      std::to_string(9101 + nextConnectionIndex));
        churnAddsNext = false;
    } else {
        connections.erase(connections.begin());
        churnAddsNext = true;
    }
}

bool ApplianceState::supports(const std::string& upperWord) const {
    return std::find(commandWords.begin(), commandWords.end(), upperWord) != commandWords.end();
}

} // namespace sim
