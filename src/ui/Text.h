#pragma once

#include <string>
#include <string_view>

// Forgiving text helpers for cutting replies at fixed positions. Replies come from the
// appliance and are untrusted: a position or count out of range yields a shorter or empty
// text (or -1 from Find), never an exception.

// Up to `count` characters from position `first` (negative values count as 0).
std::string Mid(std::string_view text, int first, int count);
// Everything from position `first` on.
std::string Mid(std::string_view text, int first);
// The first `count` characters, or the whole text when it is shorter.
std::string Left(std::string_view text, int count);
// The last `count` characters, or the whole text when it is shorter.
std::string Right(std::string_view text, int count);
// Index of the first occurrence of `what` at or after `start`, or -1.
int Find(std::string_view text, std::string_view what, int start = 0);
int Find(std::string_view text, char what, int start = 0);
// Length as an int, for the position arithmetic the parsers do.
int Length(std::string_view text);
// ASCII upper and lower case.
std::string MakeUpper(std::string_view text);
std::string MakeLower(std::string_view text);
// Decimal value of the leading digits after optional blanks and sign (0 when there are
// none), saturated to the int range: what the original's atoi gave for sane input.
int LeadingInt(std::string_view text);
// The text with blanks, tabs and line ends removed from both ends.
std::string Trim(std::string_view text);
// A reply without its last two characters (its final "\r\n"): what most replies are tested on.
std::string StripLineEnd(std::string_view reply);
// The line of `text` that starts at `pos`, up to the next "\r" or "\n"; `pos` moves past its
// line end as it stands ("\r\n", or a lone "\r" or "\n"), so that a short line end costs the
// next line none of its characters. `ended` is false for a last line without a line end.
std::string_view NextLine(std::string_view text, size_t& pos, bool* ended = nullptr);
