#pragma once

#include <string>
#include <vector>

namespace sim {

// Operation modes in the order the "Mode" reply table lists them.
enum class OperationMode { Server, Client, Vertex, Repeater, SerialHub, RS232 };

// A Bluetooth device bound to a data port in Server mode ("Bind").
struct Registration {
    std::string device; // Bluetooth address or device name
    std::string port;   // decimal text as it was given
};

// A server entry of Client mode ("Serv ip:port device").
struct ServerEntry {
    std::string device;
    std::string address; // dotted IPv4
    std::string port;
};

// One live Bluetooth connection ("List", "disc").
struct BluetoothConnection {
    int index = 0; // stable number that "disc" takes
    int localDevice = 0;
    std::string port; // data port the connection is bound to
    std::string address;
    std::string name;
    long long tx = 0;
    long long rx = 0;
    int qualityStep = 0; // position in the link-quality cycle, advanced by every listing
};

// A device found by the periodic inquiry ("ngbrh").
struct Neighbour {
    std::string address;       // 17 characters
    std::string classOfDevice; // 8 characters, e.g. "0x5A020C"
    std::string name;
};

// A link of the repeater tree ("repeater": "R parent|child|hops|label").
struct RepeaterLink {
    std::string parent;
    std::string child;
    int hops = 1;
    std::string label;
};

// A serial device hanging under a tree node ("repeater": "D parent|device|label").
struct RepeaterDevice {
    std::string parent;
    std::string device;
    std::string label;
};

// Everything one appliance knows: identity, credentials, settings and live state. A plain
// value; the simulator holds one per appliance and hands out copies under its lock.
struct ApplianceState {
    // Identity, as discovery announces it.
    std::string productName = "Velmora42";
    std::string modelCode = "100";
    std::string serialNumber = "V42-000001";
    std::string macAddress = "00:0B:CE:10:00:01";
    std::string bdAddress = "00:0B:CE:20:00:01";
    std::string firmware = "1.7.3";
    // Upper-case command words the appliance announces in "help" and accepts.
    std::vector<std::string> commandWords;

    std::string user = "admin";
    std::string password = "velmora";

    OperationMode mode = OperationMode::Server;

    // Server mode.
    std::string dataPort = "9100";
    bool keepSocket = false; // "prsv"
    std::string keepAliveSeconds = "600";
    std::string keepAliveInterval = "10";
    std::string keepAliveProbes = "3";
    std::vector<Registration> registrations;

    // Client mode.
    std::string hostAddress = "192.168.0.10";
    std::string hostPort = "9200";
    std::vector<ServerEntry> servers;
    std::string repeatIntervalMs = "3000";
    bool persist = true; // "Psist"

    // Vertex mode.
    std::string vertexPort = "9300";
    std::string vertexMaxConnections = "7";

    // Repeater and Serial Hub modes.
    std::string stationAddress = "00:0B:CE:01:02:03";
    std::string routeGeneration = "manual"; // "manual", "ptp" or "multi"
    std::vector<std::string> hubDevices;    // devices the route generation pairs up
    std::vector<std::pair<std::string, std::string>> routes;

    // RS232 mode.
    std::string baudRate = "115200";
    char dataBits = '8';
    char parity = 'N';
    char stopBits = '1';
    std::string flowControl = "hardware";

    // Bluetooth radio.
    std::string btName = "Velmora42-1";
    std::string maxDt = "7";
    std::string linkTimeoutSeconds = "30";
    bool inquiryScan = true; // discoverable
    bool pageScan = true;    // connectable
    std::string security = "low";
    bool pairable = true;
    std::string pin = "1234";
    int localDevices = 1;

    std::vector<BluetoothConnection> connections;
    int nextConnectionIndex = 0;
    // Every this many listings one connection comes or goes, by turns: a new one connects
    // with the next index, then the oldest drops (0: the set stays as it is).
    int connectionChurnLists = 0;
    int listingsSinceChurn = 0;
    bool churnAddsNext = true;

    // Periodic inquiry.
    bool inquiryRunning = false;
    std::string inquiryInterval = "10";
    std::string inquiryLength = "5";
    std::string inquiryAccessCode = "0x9E8B33";
    std::vector<Neighbour> neighbours;

    std::vector<RepeaterLink> repeaterLinks;
    std::vector<RepeaterDevice> repeaterDevices;

    // The factory state of appliance `number` (1-based): identities differ by that number.
    static ApplianceState defaults(int number = 1);

    // Adds a live connection with the next free index and returns that index.
    int addConnection(const std::string& address, const std::string& name,
                      const std::string& port = "9101");
    // Replaces the live connections by `count` made-up ones.
    void resetConnections(int count);
    // Counts one listing and, when `connectionChurnLists` listings have passed, lets one
    // connection come or go.
    void churnConnections();
    bool supports(const std::string& upperWord) const;
};

// Every command word a current appliance announces, in the order "help" lists them.
const std::vector<std::string>& allCommandWords();

} // namespace sim
