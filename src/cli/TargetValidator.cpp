#include "cli/TargetValidator.h"

#include "cli/AddressRange.h"
#include "cli/Target.h"

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
    return CLI::Validator([](std::string& text) { return ExpandAddressRange(text).error; }, "");
}
