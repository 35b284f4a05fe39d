#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the Operation Mode page and the mode dialogs take from the appliance's replies to
// their queries, as pure functions, so that Save reads each setting the way its dialog does.
// The replies are untrusted; any text gives a result.

// The mode index (0 Server to 5 RS232) whose reply line the reply is, exactly and whole once
// its line end is dropped; -1 for any other reply.
int ModeIndexFromReply(std::string_view reply);
// The word of "mode <word>" for index 0 to 5; empty for any other index.
std::string ModeWord(int index);

// Why an appliance of firmware `firmwareVersion` (major × 256 + minor) and model code
// `modelCode` cannot run mode `index`, in a few words: Repeater and Serial Hub came with
// firmware 1.7, model "101" has no serial port of its own for RS232; empty when it can.
std::string ModeUnavailableReason(int index, int firmwareVersion, std::string_view modelCode);

// "Port": the last four characters before the line end; nothing without "+OK".
std::optional<std::string> DataPortFromReply(std::string_view reply);
// "prsv": whether the socket is kept ("off" nowhere in the reply); nothing without "+OK".
std::optional<bool> NoDisconnectFromReply(std::string_view reply);
// "kato": the seconds from position 9 up to the next blank or the line end; nothing
// without "+OK".
std::optional<std::string> KeepAliveFromReply(std::string_view reply);
// "Rept" ("+OK REPEAT every " interval " ms"): the interval; nothing unless it begins "+OK".
std::optional<std::string> RepeatIntervalFromReply(std::string_view reply);
// "Psist" ("+OK PERSIST on"): the word after the prefix; nothing unless it begins "+OK".
std::optional<std::string> PersistFromReply(std::string_view reply);

// "Vertex" ("+OK PORT pppp MAX m"): the port at 9 (four characters) and the maximum at 18.
struct CVertexSetting {
    std::string port;
    std::string maxConnections;
};
// Nothing unless the reply begins "+OK".
std::optional<CVertexSetting> VertexFromReply(std::string_view reply);

// "station" ("+OK 00:0B:CE:01:02:03"): the characters after "+OK " without the ":", for
// the masked address field, which keeps what fits.
std::string StationInputFromReply(std::string_view reply);
