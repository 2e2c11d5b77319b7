// A scratch key that stands in for HKEY_CURRENT_USER while a test runs, so that no test reads or writes
// the real user's settings (the mouse curves above all). Removed with everything in it at the end.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace test {

class ScratchUserKey {
 public:
  ScratchUserKey() {
    static int serial = 0;
    path_ = "Software\\LauncherTests\\user" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial);
    RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    if (key_) overridden_ = RegOverridePredefKey(HKEY_CURRENT_USER, key_) == ERROR_SUCCESS;
  }
  ~ScratchUserKey() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (key_) RegCloseKey(key_);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LauncherTests");  // only when no other test uses it
  }
  ScratchUserKey(const ScratchUserKey&) = delete;
  ScratchUserKey& operator=(const ScratchUserKey&) = delete;

  // True when HKEY_CURRENT_USER now means the scratch key.
  bool active() const { return overridden_; }
  HKEY key() const { return key_; }

  // Stores a value of any type under the scratch key, bypassing the code under test.
  bool Set(const char* keyPath, const char* name, DWORD type, std::string_view bytes) const {
    HKEY sub = nullptr;
    if (RegCreateKeyExA(key_, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    const LONG rc = RegSetValueExA(sub, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(sub);
    return rc == ERROR_SUCCESS;
  }

  // What a value holds, read straight from the scratch key: its type and bytes; type REG_NONE and no
  // bytes when it is absent.
  struct Value {
    DWORD type = REG_NONE;
    std::string bytes;
  };
  Value Get(const char* keyPath, const char* name) const {
    Value value;
    HKEY sub = nullptr;
    if (RegOpenKeyExA(key_, keyPath, 0, KEY_READ, &sub) != ERROR_SUCCESS) return value;
    DWORD type = REG_NONE, size = 0;
    if (RegQueryValueExA(sub, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
      value.bytes.resize(size);
      if (RegQueryValueExA(sub, name, nullptr, &type, reinterpret_cast<BYTE*>(value.bytes.data()), &size) ==
          ERROR_SUCCESS) {
        value.type = type;
        value.bytes.resize(size);
      } else {
        value.bytes.clear();
      }
    }
    RegCloseKey(sub);
    return value;
  }

 private:
  std::string path_;
  HKEY key_ = nullptr;
  bool overridden_ = false;
};

}  // namespace test
