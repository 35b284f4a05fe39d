#include "sim/CommandTable.h"

#include "sim/Validate.h"

namespace sim {

const CommandTable& CommandTable::standard() {
    static const CommandTable table = [] {
        CommandTable made;
        addModeCommands(made);
        addServerCommands(made);
        addClientCommands(made);
        addSerialCommands(made);
        addBluetoothCommands(made);
        addNetworkCommands(made);
        return made;
    }();
    return table;
}

void CommandTable::add(const std::string& word, const std::string& helpWord,
                       CommandHandler handler) {
    m_entries[word] = Entry{helpWord, std::move(handler)};
}

Reply CommandTable::dispatch(CommandContext& context, const CommandLine& command) const {
    const auto found = m_entries.find(command.word);
    if (found == m_entries.end() || !context.state.supports(found->second.helpWord)) {
        return Reply::error("Unknown command");
    }
    return found->second.handler(context, command);
}

std::string tableRow(std::size_t index, const std::string& device, const std::string& value) {
    const bool byAddress = isBdAddress(device);
    return std::to_string(index) + (byAddress ? "||" : "|") + device + (byAddress ? "|" : "||") +
           value + "\r\n";
}

} // namespace sim
