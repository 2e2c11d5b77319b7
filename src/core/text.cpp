// Small helpers for code page 936 texts.
#include "core/text.h"

std::size_t FindLastBackslash(std::string_view text) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      i += 2;  // a lead byte and its second byte; a lone lead byte at the end ends the text
      continue;
    }
    if (byte == '\\') found = i;
    ++i;
  }
  return found;
}
