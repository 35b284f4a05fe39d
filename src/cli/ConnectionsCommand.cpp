#include "cli/ConnectionsCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "appliance/ConnectionListing.h"
#include "cli/CliOptions.h"
#include "cli/CommandSupport.h"
#include "cli/TargetValidator.h"
#include "cli/TextTable.h"
#include "ui/Text.h"

namespace {

struct CConnectionsArguments {
    std::string m_strTarget;
    bool m_bJson = false;
};

// The colours of the page's status images, as words a script can compare.
const char* StatusWord(int status) {
    switch (status) {
    case kStatusGreen:
        return "green";
    case kStatusYellow:
        return "yellow";
    default:
        return "red";
    }
}

// The page's columns, in its order: the table's headers and the JSON keys.
constexpr const char* kHeaders[] = {"idx", "dev", "Port", "Addr", "Name", "Tx", "Rx"};
constexpr const char* kKeys[] = {"index", "device", "port", "address", "name", "tx", "rx"};

void PrintListing(const CConnectionListing& listing, bool json) {
    if (json) {
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (const CConnectionRow& row : listing.rows) {
            nlohmann::ordered_json object{{"status", StatusWord(row.status)}};
            for (size_t column = 0; column < row.fields.size(); ++column)
                object[kKeys[column]] = row.fields[column];
            rows.push_back(std::move(object));
        }
        std::cout << rows.dump(2) << "\n";
        return;
    }
    std::vector<std::string> headers{"Status"};
    headers.insert(headers.end(), std::begin(kHeaders), std::end(kHeaders));
    std::vector<std::vector<std::string>> table;
    for (const CConnectionRow& row : listing.rows) {
        table.push_back({StatusWord(row.status)});
        table.back().insert(table.back().end(), row.fields.begin(), row.fields.end());
    }
    std::cout << FormatTable(headers, table);
}

// Reads and prints the listing; 0 when it was read whole.
int ListConnections(CCliSession& session, const CTarget& target, bool json) {
    const std::string reply = session.SendCommand("List\r\n", 1);
    if (reply.empty()) {
        PrintError(target.Address() +
                   ": Get Information is timeout. Check Velmora42 and Try again.");
        return 1;
    }
    if (Left(reply, 4) == "-ERR") {
        PrintError(target.Address() + ": Get Information is Failed. Try again");
        return 1;
    }
    const CConnectionListing listing = ParseConnectionListing(reply);
    PrintListing(listing, json);
    if (listing.end == ListingEnd::Imperfect) {
        PrintError(target.Address() + ": Get Status is imperfect. Try again");
        return 1;
    }
    return 0;
}

} // namespace

void AddConnectionsCommand(CLI::App& app, CGlobalOptions& options) {
    CLI::App* command = app.add_subcommand(
        "connections",
        "List the appliance's live Bluetooth connections, as the Connections page does");
    auto arguments = std::make_shared<CConnectionsArguments>();
    AddSingleTarget(*command, arguments->m_strTarget);
    command->add_flag("--json", arguments->m_bJson,
                      "Print a JSON array, one object per connection");
    command->callback([&options, arguments] {
        const CCredentials credentials = RunCredentials(options);
        const CTarget target = *ParseTarget(arguments->m_strTarget);
        CCliSession session(options.m_bVerbose);
        options.m_nExitStatus = OpenSession(session, target, credentials, options)
                                    ? ListConnections(session, target, arguments->m_bJson)
                                    : 1;
    });
}
