// The private-profile rules as pure text operations, used by the POSIX
// profile access (and testable on every build).
//
// Reading: lines end at LF or CR (a UTF-8 byte-order mark is text of the
// first line, as Windows reads it) and are trimmed; "[name]" opens a section
// (name up to the last ']', trimmed); keys split at the first '='; section
// and key names match without case; the first matching section and the first
// matching key in it win; a line without '=' is a key without a value; a
// value that starts and ends with the same quote loses both quotes.
//
// Writing: an existing key's value is replaced in place (its line keeps the
// text before the old value and its own line end; a key without '=' gets
// "=value"); a new key goes after the last non-blank line of its section as
// "key=value" CR LF; a new section at the end of the text, as "[Section]"
// CR LF "key=value" CR LF, after a CR LF when the text does not end with a
// line end. Every other byte is kept as it was. Names match as on reading
// (without case for ASCII letters).
#pragma once

#include <string>

namespace pf {

// Looks up section/key in the 8-bit file text. True and the value when the
// key is present with a value; false otherwise.
bool ProfileLookup(const std::string& fileText, const std::string& section, const std::string& key,
                   std::string& value);

// Returns the file text with section/key set to value.
std::string ProfileUpdate(const std::string& fileText, const std::string& section, const std::string& key,
                          const std::string& value);

}  // namespace pf
