// What counts as a game path, and the code page 936 text search it rests on. Free of window code: the
// drive search calls these on every path it walks.
#pragma once

// Markers of the game's executables, looked for in this order, byte for byte (lower case only).
inline constexpr const char* kCstrikeMarker = "cstrike.exe";
inline constexpr const char* kHlMarker = "hl.exe";

// 1-based byte position of the first occurrence of `sought` in `text`, or -1. Bytes are compared as they
// are, so upper and lower case differ. A match starts only where a character begins: the second byte of
// a two-byte character is never tried. A null text counts as empty; an empty (or null) sought text is
// never found.
int FindText(const char* text, const char* sought);

// True when the text holds "cstrike.exe" or "hl.exe" anywhere, in the folder part as well.
bool IsGamePath(const char* text);
