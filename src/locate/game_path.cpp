// What counts as a game path, and the code page 936 text search it rests on.
#include "locate/game_path.h"

#include <string_view>

#include "base/text.h"

int FindText(const char* text, const char* sought) {
  if (text == nullptr || sought == nullptr || *sought == '\0') return -1;
  const std::string_view haystack(text);
  const std::string_view needle(sought);
  int found = -1;
  cp936::ForEachCharacter(haystack, [&](std::size_t at) {
    if (haystack.compare(at, needle.size(), needle) != 0) return true;
    found = static_cast<int>(at) + 1;
    return false;
  });
  return found;
}

bool IsGamePath(const char* text) {
  return FindText(text, kCstrikeMarker) != -1 || FindText(text, kHlMarker) != -1;
}
