// The text forms in which option.ini stores numbers and logical values.
#include "core/setting_values.h"

#include <cstdio>
#include <limits>

#include "base/text.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t SettingTextToInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // The magnitude is kept in 64 bits and stops growing once it is past every 32-bit value, so any
  // number of digits is read without overflow.
  constexpr std::int64_t kPastRange = std::int64_t{1} << 32;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (magnitude < kPastRange) magnitude = magnitude * 10 + (text[i] - '0');
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

std::string IndexToSettingText(std::int32_t index) { return std::to_string(index); }

std::string FlagToSettingText(bool flag) { return flag ? kTrueSettingText : kFalseSettingText; }

bool SettingTextToFlag(std::string_view text) { return text == kTrueSettingText; }

std::string SettingsLockName(std::string_view fullPath) {
  // One-byte letters in upper case; the second byte of a two-byte character stays as it is.
  std::string folded(fullPath);
  cp936::ForEachCharacter(folded, [&](std::size_t at) {
    if (cp936::CharacterLength(folded, at) == 1) folded[at] = cp936::UpperAscii(folded[at]);
    return true;
  });
  std::uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a
  for (const char byte : folded) hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
  char name[64];
  std::snprintf(name, sizeof name, "Local\\VantorLauncher.option.ini.%016llx", static_cast<unsigned long long>(hash));
  return name;
}
