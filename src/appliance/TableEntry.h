#pragma once

#include <string>
#include <string_view>

// One entry of the appliance's device table ("Bind" listing) or server table ("Serv"
// listing), as a listing line gives it: the appliance's index of the entry, its BDADDR/Name,
// and a value (the bound port, or the server's IP:Port).
struct CTableEntry {
    std::string index;
    std::string name;
    std::string value;
};

// Splits a listing line written "index||name|value" or "index|name||value". A line without any
// "|" gives an entry with the whole line as its name, so that both tables show it; any other
// missing separator leaves the rest of the line to the field before it and the fields after
// it empty. Any line gives an entry. Pure; the line is untrusted.
CTableEntry SplitTableLine(std::string_view line);

// True when the reply without its line end is exactly "+OK", as set commands are answered.
bool IsAccepted(std::string_view reply);
