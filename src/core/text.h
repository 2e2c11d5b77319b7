// Small helpers for code page 936 texts, free of window code. A byte of 0x80 or above begins a
// two-byte character, so a 0x5C ("\") or 0x78 ("x") that is the second byte of one is no separator.
#pragma once

#include <cstddef>
#include <string_view>

// Position of the last "\" that stands on a character boundary, or npos.
std::size_t FindLastBackslash(std::string_view text);
