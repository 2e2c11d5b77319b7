// What counts as a game path, and the code page 936 text search it rests on.
#include "locate/game_path.h"

namespace {

// True when `sought` (not empty) stands at `at`. Stops at the first differing byte, so it never reads
// past the end of `at`: its terminating zero differs from every byte of `sought`.
bool StartsWith(const unsigned char* at, const unsigned char* sought) {
  while (*sought != 0) {
    if (*at != *sought) return false;
    ++at;
    ++sought;
  }
  return true;
}

}  // namespace

int FindText(const char* text, const char* sought) {
  if (text == nullptr || sought == nullptr || *sought == '\0') return -1;
  const auto* begin = reinterpret_cast<const unsigned char*>(text);
  const auto* want = reinterpret_cast<const unsigned char*>(sought);
  const unsigned char first = want[0];
  for (const unsigned char* at = begin; *at != 0;) {
    if (*at == first && StartsWith(at + 1, want + 1)) return static_cast<int>(at - begin) + 1;
    if (*at >= 0x80) {
      if (at[1] == 0) break;  // a lead byte without its second byte ends the text
      at += 2;
    } else {
      ++at;
    }
  }
  return -1;
}

bool IsGamePath(const char* text) {
  return FindText(text, kCstrikeMarker) != -1 || FindText(text, kHlMarker) != -1;
}
