#pragma once
//! Matching of names against wildcard patterns, as the file search uses them.

#include <string_view>

namespace kwelar {

//! True when the whole UTF-8 text matches the pattern: "*" any text, "?" one character,
//! "#" one digit, "[list]" one character of the list and "[!list]" one not in it (a list
//! may hold ranges such as "A-Z"); any other character matches itself. Letter case counts.
bool matchesWildcard(std::string_view text, std::string_view pattern);

} // namespace kwelar
