// option.ini beside the launcher's executable: the settings of MainWindow (LaunchSettings) kept between
// runs, all under the section "参数设置", reached only through the system's private profile functions.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

// The settings exchanged between option.ini and the controls of MainWindow: each field has its key in
// kSettingKeys (settings_file.cpp) and its control in kSettingControls (settings_controls.cpp); a flag's
// key and control are the text and the box of its game switch (kGameSwitches, main_window.h). A list's
// index counts its items from 0; -1 means no item is selected.
struct LaunchSettings {
  std::string gamePath;
  std::int32_t resolutionIndex = 0;
  std::int32_t refreshRateIndex = 0;
  std::int32_t colorDepthIndex = 0;
  bool noForceMouseAccel = false;
  bool noForceMouseParms = false;
  bool noForceMouseSpeed = false;

  bool operator==(const LaunchSettings&) const = default;
};

// One field of LaunchSettings: a text, a list index, or a logical value.
using LaunchSettingField = std::variant<std::string LaunchSettings::*, std::int32_t LaunchSettings::*,
                                        bool LaunchSettings::*>;

inline constexpr const char kSettingsSection[] = "参数设置";
inline constexpr unsigned kSettingBufferSize = 10240;

// The name of the lock that loads and saves of a settings file in `folder` (a full path) hold: from the
// folder's identity, or where the folder cannot be opened from its long path in upper case.
std::string SettingsLockNameOfFolder(const std::string& folder);

// LauncherDirectory followed by "\option.ini"; independent of the current directory.
std::string SettingsFilePath();

// The key's value in the section, or the empty text when the file, the section or the key is missing. A
// value longer than the buffer comes back cut to what fits. The forms without a file use
// SettingsFilePath().
std::string ReadSetting(const std::string& key);
std::string ReadSetting(const std::string& file, const std::string& key);

// Stores the value under the key in the section (an empty value still writes the key). A failed write is
// not reported.
void WriteSetting(const std::string& key, const std::string& value);
void WriteSetting(const std::string& file, const std::string& key, const std::string& value);

// Reads every key of kSettingKeys; a missing or unreadable one gives the field's default. Loads and saves
// hold a lock that every launcher of the session shares for the file, so that one launcher's writes
// never interleave with another's reads or writes.
LaunchSettings LoadLaunchSettings();
LaunchSettings LoadLaunchSettings(const std::string& file);

// Writes every key of kSettingKeys in the table's order. The first write creates the file; later ones
// replace the values in place and leave other keys and sections alone.
void SaveLaunchSettings(const LaunchSettings& settings);
void SaveLaunchSettings(const std::string& file, const LaunchSettings& settings);
