#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The status images of a connection, as indices into the Connections page's image list.
enum ConnectionStatus : int { kStatusGreen = 0, kStatusYellow = 1, kStatusRed = 2 };

// One connection line of the "List" reply: the seven fields the page shows (index, local
// device, port, address, name, Tx, Rx) and the status its two link figures give.
struct CConnectionRow {
    std::array<std::string, 7> fields;
    int status = kStatusRed;
};

// How a listing ended: at its "+OK" line, at the end of the reply after a whole line, or
// inside a line (or without any line end at all), which the page reports.
enum class ListingEnd { Closed, Exhausted, Imperfect };

struct CConnectionListing {
    std::vector<CConnectionRow> rows; // the lines before the end, in order
    ListingEnd end = ListingEnd::Imperfect;
};

// The status for the link figures `quality` (eighth field) and `signal` (ninth field), read
// as signed decimals, non-numbers as 0: red at quality 200 or below or signal below -1,
// yellow below 215, green from 215 on.
int ConnectionStatusOf(std::string_view quality, std::string_view signal);

// Splits a connection line into its nine "|"-separated fields; a missing "|" leaves its field
// empty and the rest of the line for the next field, so the ninth holds what is left.
std::array<std::string, 9> SplitConnectionLine(std::string_view line);

// Reads a "List" reply (its "-ERR" case aside) line by line. Pure; any input is safe.
CConnectionListing ParseConnectionListing(std::string_view reply);
