// The text forms in which option.ini stores numbers and logical values, and how they read back.
// Free of window code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The two stored forms of a logical value.
inline constexpr const char kTrueSettingText[] = "真";
inline constexpr const char kFalseSettingText[] = "假";

// The text's leading decimal number: white space skipped, an optional sign, then digits up to the first
// other character. A text without digits gives 0. A number beyond the 32-bit range gives the nearest
// 32-bit value, so a huge index still means "past the end" and a hugely negative one "no selection".
std::int32_t SettingTextToInt(std::string_view text);

// A signed decimal number without leading zeros or plus sign: "0", "5", "-1".
std::string IndexToSettingText(std::int32_t index);

// "真" or "假".
std::string FlagToSettingText(bool flag);

// True exactly for "真" (bytes D5 E6); "假", "1", "TRUE" and everything else read as false.
bool SettingTextToFlag(std::string_view text);

// The name of the lock that launchers of one session share for the settings file of one folder,
// from the folder's identity: its volume's serial number and its file index, the same however the
// folder's path is spelt (short or long names, letter case, another drive letter). Within the system's
// limit on object names and without a backslash after its namespace.
std::string SettingsLockName(std::uint32_t volumeSerial, std::uint64_t folderIndex);
// The same for a folder that cannot be opened: from its path in long form, already folded to upper
// case, as UTF-16 units. Never equal to a name from an identity.
std::string SettingsLockName(std::u16string_view foldedPath);
