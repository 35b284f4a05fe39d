#pragma once

#include <string>
#include <string_view>

// Writes `text` as the file `path` so that the file is either what it was or wholly the new
// text, whatever happens meanwhile (a full disk, a size limit, a crash): the text goes to a
// temporary file in the same folder, is flushed to the disk, and the temporary file is renamed
// over `path`. A link at `path` is followed: the file it names is replaced. An existing file's
// permissions carry over. Returns an empty text on success, otherwise what failed; the file at
// `path` is then untouched and no temporary file is left behind.
std::string WriteFileAtomically(const std::string& path, std::string_view text);
