#include "cli/DiscoverCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/ApplianceSearch.h"
#include "cli/CliOptions.h"
#include "cli/CommandSupport.h"
#include "cli/TargetValidator.h"
#include "cli/TextTable.h"
#include "cli/UnicastList.h"

namespace {

struct CDiscoverArguments {
    double m_dTimeoutSeconds = 1.0;
    std::vector<std::string> m_to;
    bool m_bJson = false;
};

std::vector<std::string> Fields(const CDeviceRecord& record) {
    return {record.btName,      record.modelCode,  record.serialNumber, record.ipAddress,
            record.controlPort, record.macAddress, record.bdAddr};
}

void PrintRecords(const std::vector<CDeviceRecord>& records, bool json) {
    if (json) {
        static const char* const kKeys[] = {"name", "model", "serial", "ip",
                                            "port", "mac",   "bdaddr"};
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (const CDeviceRecord& record : records) {
            const std::vector<std::string> fields = Fields(record);
            nlohmann::ordered_json row = nlohmann::ordered_json::object();
            for (size_t field = 0; field < fields.size(); ++field)
                row[kKeys[field]] = fields[field];
            rows.push_back(std::move(row));
        }
        std::cout << rows.dump(2) << "\n";
        return;
    }
    std::vector<std::vector<std::string>> table;
    for (const CDeviceRecord& record : records)
        table.push_back(Fields(record));
    std::cout << FormatTable(
        {"Name", "Model", "Serial", "IP address", "Port", "MAC address", "Bluetooth address"},
        table);
}

} // namespace

void AddDiscoverCommand(CLI::App& app, CGlobalOptions& options) {
    CLI::App* command = app.add_subcommand(
        "discover", "List the appliances that answer the manager's search, one row each");
    auto arguments = std::make_shared<CDiscoverArguments>();
    command
        ->add_option("--timeout", arguments->m_dTimeoutSeconds,
                     "Seconds the replies are gathered for")
        ->type_name("SECONDS")
        ->check(CLI::Range(0.1, 60.0).description(""))
        ->capture_default_str();
    command
        ->add_option("--to", arguments->m_to,
                     "Send the request to this address or to each host of this range (up to "
                     "/16) instead of the broadcast")
        ->type_name("ADDRESS|CIDR")
        ->check(AddressRangeValidator());
    command->add_flag("--json", arguments->m_bJson, "Print a JSON array, one object per appliance");
    command->callback([&options, arguments] {
        const CApplianceSearch search =
            SearchAppliances(options, UnicastList(arguments->m_to),
                             static_cast<int>(arguments->m_dTimeoutSeconds * 1000));
        if (search.records.empty()) {
            if (arguments->m_bJson)
                std::cout << "[]\n";
            PrintError(search.noAnswer);
            options.m_nExitStatus = 1;
            return;
        }
        PrintRecords(search.records, arguments->m_bJson);
        options.m_nExitStatus = 0;
    });
}
