#pragma once

#include <string>

namespace sim {

// Argument checks shared by the command handlers. Everything a client sends is untrusted.

// One to `maxDigits` decimal digits whose value lies in [low, high].
bool isNumberInRange(const std::string& text, long low, long high, std::size_t maxDigits = 9);
// A TCP/UDP port 1..65535 written in decimal.
bool isPort(const std::string& text);
// A port the manager can show in its four-character fields: 1..9999.
bool isShortPort(const std::string& text);
// Decimal text widened to four digits with leading zeros ("80" -> "0080").
std::string fourDigits(const std::string& text);
// Twelve hexadecimal digits in six pairs joined by ":".
bool isBdAddress(const std::string& text);
// Dotted decimal IPv4 address, four numbers 0..255.
bool isIPv4(const std::string& text);
// A device or friendly name that can stand inside any reply: 1..maxLength printable ASCII
// characters without "|" (the listing separator) and without the end marks "+OK" and "-ERR",
// which would end the manager's reading early.
bool isSafeName(const std::string& text, std::size_t maxLength = 32);
// What "Bind" and "Serv" take as a device: a Bluetooth address or a safe name, kept as typed.
bool isDevice(const std::string& text);
std::string toUpper(std::string text);

} // namespace sim
