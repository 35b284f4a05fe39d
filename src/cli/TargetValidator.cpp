#include "cli/TargetValidator.h"

#include "cli/Target.h"
#include "discovery/UnicastAddresses.h"

CLI::Validator TargetValidator() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            if (ParseTarget(text))
                return {};
            const size_t colon = text.rfind(':');
            if (colon != std::string::npos && ParseTarget(text.substr(0, colon)))
                return "bad port \"" + text.substr(colon + 1) + "\" (1 to 65535)";
            return "bad address \"" + text + "\" (ADDRESS[:PORT] expected)";
        },
        "");
}

CLI::Validator AddressRangeValidator() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            if (UnicastAddresses(text))
                return {};
            return "bad address or range \"" + text +
                   "\" (ADDRESS, or ADDRESS/PREFIX from /16 to /32)";
        },
        "");
}

CLI::Option* AddSingleTarget(CLI::App& command, std::string& target) {
    return command.add_option("TARGET", target, "ADDRESS[:PORT] of the appliance (port 9097)")
        ->type_name("ADDRESS[:PORT]")
        ->required()
        ->check(TargetValidator());
}
