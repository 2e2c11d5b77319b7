// option.ini beside the launcher's executable.
#include "core/settings_file.h"

#include <windows.h>

#include <vector>

#include "base/folder_identity.h"
#include "base/handles.h"
#include "core/process_start.h"
#include "core/setting_values.h"
#include "ui/layouts/main_window.h"

namespace {

// How long a load or save waits for another launcher's save of the same file. A save takes a few
// milliseconds; past this the other launcher is taken to hang, and the file is used without the lock.
constexpr DWORD kLockTimeoutMs = 10000;

// The long form of the folder's path, in upper case as the file system folds names: letters beyond
// ASCII too (full-width Ｃｓ and ＣＳ name one folder).
std::u16string FoldedLongPath(const std::string& folder) {
  char longPath[MAX_PATH * 4];
  const DWORD n = GetLongPathNameA(folder.c_str(), longPath, sizeof longPath);
  const std::string path = n > 0 && n < sizeof longPath ? std::string(longPath, n) : folder;
  const int units = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(units, L'\0'), upper(units, L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), units);
  if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, wide.data(), units, upper.data(), units) != units) {
    upper = wide;
  }
  return std::u16string(upper.begin(), upper.end());
}

// Held around a load's reads and a save's writes, so that two launchers in one folder (a double
// click twice) never interleave their writes: each profile write reads and rewrites the whole file, and
// interleaved they lose lines, the player's own among them. The lock belongs to the folder, not to the
// spelling of its path: a launcher started through the folder's short name shares it with one started
// through the long name.
class SettingsFileLock {
 public:
  explicit SettingsFileLock(const std::string& file) {
    char full[MAX_PATH * 4];
    char* name = nullptr;
    const DWORD n = GetFullPathNameA(file.c_str(), sizeof full, full, &name);
    std::string folder = file;
    if (n > 0 && n < sizeof full) folder = name ? std::string(full, name) : std::string(full, n);
    mutex_.reset(CreateMutexA(nullptr, FALSE, SettingsLockNameOfFolder(folder).c_str()));
    if (!mutex_) return;
    // An abandoned lock (a launcher that died holding it) is ours now all the same.
    const DWORD r = WaitForSingleObject(mutex_.get(), kLockTimeoutMs);
    owned_ = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
  }
  ~SettingsFileLock() {
    if (owned_) ReleaseMutex(mutex_.get());
  }
  SettingsFileLock(const SettingsFileLock&) = delete;
  SettingsFileLock& operator=(const SettingsFileLock&) = delete;

 private:
  UniqueKernelHandle mutex_;
  bool owned_ = false;
};

// Each field with its key in the file, in the order a save writes them; a flag's key is the text of
// the game switch whose box it keeps.
struct SettingKey {
  LaunchSettingField field;
  const char* key;
};
constexpr SettingKey kSettingKeys[] = {
    {&LaunchSettings::gamePath, "CS路径"},
    {&LaunchSettings::resolutionIndex, "分辨率"},
    {&LaunchSettings::refreshRateIndex, "刷新率"},
    {&LaunchSettings::colorDepthIndex, "颜色质量"},
    {&LaunchSettings::noForceMouseAccel, main_window::kNoForceMouseAccel.text},
    {&LaunchSettings::noForceMouseParms, main_window::kNoForceMouseParms.text},
    {&LaunchSettings::noForceMouseSpeed, main_window::kNoForceMouseSpeed.text},
};

// The stored form of a value, and the value of a stored form.
std::string StoredForm(const std::string& text) { return text; }
std::string StoredForm(std::int32_t index) { return IndexToSettingText(index); }
std::string StoredForm(bool flag) { return FlagToSettingText(flag); }
void ReadStoredForm(const std::string& stored, std::string& text) { text = stored; }
void ReadStoredForm(const std::string& stored, std::int32_t& index) { index = SettingTextToInt(stored); }
void ReadStoredForm(const std::string& stored, bool& flag) { flag = SettingTextToFlag(stored); }

}  // namespace

std::string SettingsLockNameOfFolder(const std::string& folder) {
  FolderIdentity identity;
  if (IdentifyFolder(folder, identity)) return SettingsLockName(identity.volumeSerial, identity.index);
  return SettingsLockName(FoldedLongPath(folder));
}

std::string SettingsFilePath() { return LauncherDirectory() + "\\option.ini"; }

std::string ReadSetting(const std::string& key) { return ReadSetting(SettingsFilePath(), key); }

std::string ReadSetting(const std::string& file, const std::string& key) {
  std::vector<char> buffer(kSettingBufferSize, '\0');
  GetPrivateProfileStringA(kSettingsSection, key.c_str(), nullptr, buffer.data(), kSettingBufferSize,
                           file.c_str());
  buffer.back() = '\0';
  return std::string(buffer.data());
}

void WriteSetting(const std::string& key, const std::string& value) {
  WriteSetting(SettingsFilePath(), key, value);
}

void WriteSetting(const std::string& file, const std::string& key, const std::string& value) {
  // A profile value is one line: a line break in it would write lines of its own into the file,
  // such as a second 分辨率=. Only what stands before the first break is stored.
  const std::string line = value.substr(0, value.find_first_of("\r\n"));
  WritePrivateProfileStringA(kSettingsSection, key.c_str(), line.c_str(), file.c_str());
}

LaunchSettings LoadLaunchSettings() { return LoadLaunchSettings(SettingsFilePath()); }

LaunchSettings LoadLaunchSettings(const std::string& file) {
  const SettingsFileLock lock(file);
  LaunchSettings s;
  for (const SettingKey& k : kSettingKeys) {
    std::visit([&](auto field) { ReadStoredForm(ReadSetting(file, k.key), s.*field); }, k.field);
  }
  return s;
}

void SaveLaunchSettings(const LaunchSettings& settings) { SaveLaunchSettings(SettingsFilePath(), settings); }

void SaveLaunchSettings(const std::string& file, const LaunchSettings& s) {
  const SettingsFileLock lock(file);
  for (const SettingKey& k : kSettingKeys) {
    std::visit([&](auto field) { WriteSetting(file, k.key, StoredForm(s.*field)); }, k.field);
  }
}
