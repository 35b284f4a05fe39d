#pragma once

#include "sim/ApplianceState.h"
#include "sim/CommandLine.h"
#include "sim/Reply.h"
#include "sim/SimulatorOptions.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace sim {

// What a handler may read and change: the appliance's state and its timing.
struct CommandContext {
    ApplianceState& state;
    const Timing& timing;
};

using CommandHandler = std::function<Reply(CommandContext&, const CommandLine&)>;

// Maps command words (case-sensitive, as the manager writes them) to their handlers.
// Immutable after construction, so one table serves every appliance and thread.
class CommandTable {
public:
    // The table with every command family of the appliance.
    static const CommandTable& standard();

    // `helpWord` is the upper-case word "help" announces for it; a command the appliance's
    // state does not list under that word is refused as unknown.
    void add(const std::string& word, const std::string& helpWord, CommandHandler handler);
    Reply dispatch(CommandContext& context, const CommandLine& command) const;

private:
    struct Entry {
        std::string helpWord;
        CommandHandler handler;
    };
    std::map<std::string, Entry> m_entries;
};

// A row of the "Bind" and "Serv" listings. An address is written index "||" address "|" value,
// a name index "|" name "||" value; the manager reads both orders.
std::string tableRow(std::size_t index, const std::string& device, const std::string& value);

// Removes the first entry that `matches` and answers "+OK", or answers "-ERR " + `missing`.
template <typename Entry, typename Match>
Reply eraseFirst(std::vector<Entry>& entries, Match matches, const std::string& missing) {
    const auto found = std::find_if(entries.begin(), entries.end(), matches);
    if (found == entries.end()) {
        return Reply::error(missing);
    }
    entries.erase(found);
    return Reply::ok();
}

// Each command family adds its handlers (one source file per family).
void addModeCommands(CommandTable& table);
void addServerCommands(CommandTable& table);
void addClientCommands(CommandTable& table);
void addSerialCommands(CommandTable& table);
void addBluetoothCommands(CommandTable& table);
void addNetworkCommands(CommandTable& table);

} // namespace sim
