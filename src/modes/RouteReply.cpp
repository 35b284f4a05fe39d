#include "modes/RouteReply.h"

#include <algorithm>

#include "ui/Text.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<CRoute> ParseRouteReply(std::string_view reply) {
    std::vector<CRoute> routes;
    size_t pos = 0;
    while (pos < reply.size()) {
        const std::string_view line = NextLine(reply, pos);
        if (line.empty() || Find(line, "+OK") >= 0)
            break;
        const int arrow = Find(line, '>');
        std::string from = arrow < 0 ? std::string(line) : Left(line, arrow);
        while (!from.empty() && IsBlank(from.back()))
            from.pop_back();
        std::string to = arrow < 0 ? std::string() : Mid(line, arrow + 1);
        to.erase(0, std::min(to.size(), to.find_first_not_of(" \t")));
        routes.push_back({std::move(from), std::move(to)});
    }
    return routes;
}
