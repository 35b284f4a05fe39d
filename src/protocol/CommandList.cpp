#include "protocol/CommandList.h"

#include "ui/Text.h"

std::string CommandListFromHelpReply(std::string_view reply) {
    const size_t lineEnd = reply.find_first_of("\r\n");
    return lineEnd == std::string_view::npos ? std::string(reply)
                                             : Left(reply, static_cast<int>(lineEnd));
}

bool CommandListHas(std::string_view commandList, std::string_view word) {
    return !commandList.empty() && Find(commandList, MakeUpper(word)) >= 0;
}
