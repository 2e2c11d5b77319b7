// Code page 936 texts: searching for single-byte characters on character boundaries, and paths.
#include "base/text.h"

namespace cp936 {

std::size_t Find(std::string_view text, char c, std::size_t from) {
  std::size_t found = std::string_view::npos;
  ForEachCharacter(text, [&](std::size_t at) {
    if (at < from || text[at] != c) return true;
    found = at;
    return false;
  });
  return found;
}

std::size_t FindLast(std::string_view text, char c) {
  std::size_t found = std::string_view::npos;
  ForEachCharacter(text, [&](std::size_t at) {
    if (text[at] == c) found = at;
    return true;
  });
  return found;
}

bool EndsWith(std::string_view text, char c) { return !text.empty() && FindLast(text, c) == text.size() - 1; }

}  // namespace cp936

std::string DirectoryOfModulePath(std::string_view modulePath, bool (*isLeadByte)(unsigned char)) {
  std::size_t cut = std::string_view::npos;
  cp936::ForEachCharacter(
      modulePath,
      [&](std::size_t at) {
        if (modulePath[at] == '\\') cut = at;
        return true;
      },
      isLeadByte);
  return std::string(modulePath.substr(0, cut == std::string_view::npos ? 0 : cut));
}
