#pragma once

#include <string>
#include <string_view>

// The list of command words the appliance announces in the first line of its "help" reply.

// The help reply up to, not including, its first "\r" or "\n" (the whole reply when it has
// neither; empty for an empty reply).
std::string CommandListFromHelpReply(std::string_view reply);

// Whether the upper-case form of `word` occurs anywhere in the command list (a plain,
// case-sensitive substring search). False for an empty list.
bool CommandListHas(std::string_view commandList, std::string_view word);
