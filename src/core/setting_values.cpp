// The text forms in which option.ini stores numbers and logical values.
#include "core/setting_values.h"

#include <cstdio>
#include <limits>

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

namespace {
constexpr const char kLockPrefix[] = "Local\\VantorLauncher.option.ini.";
}  // namespace

std::string SettingsLockName(std::uint32_t volumeSerial, std::uint64_t folderIndex) {
  char name[96];
  std::snprintf(name, sizeof name, "%s%08lx.%016llx", kLockPrefix, static_cast<unsigned long>(volumeSerial),
                static_cast<unsigned long long>(folderIndex));
  return name;
}

std::string SettingsLockName(std::u16string_view foldedPath) {
  std::uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a over the units' bytes
  for (const char16_t unit : foldedPath) {
    hash = (hash ^ (unit & 0xFFu)) * 1099511628211ull;
    hash = (hash ^ (unit >> 8)) * 1099511628211ull;
  }
  char name[96];
  std::snprintf(name, sizeof name, "%spath.%016llx", kLockPrefix, static_cast<unsigned long long>(hash));
  return name;
}
