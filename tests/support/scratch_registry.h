// Registry values as the tests store and read them, bypassing the code under test, and a scratch key
// that stands in for HKEY_CURRENT_USER while a test runs, so that no test reads or writes the real
// user's settings (the mouse curves above all). The scratch key is removed with everything in it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "curve_bytes.h"

namespace test {

// A value as stored: its type and bytes; type REG_NONE and no bytes when it is absent.
struct RegistryValue {
  DWORD type = REG_NONE;
  std::string bytes;
};

inline RegistryValue ReadValue(HKEY root, const char* keyPath, const char* name) {
  RegistryValue value;
  DWORD type = REG_NONE, size = 0;
  if (RegGetValueA(root, keyPath, name, RRF_RT_ANY, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  value.bytes.resize(size);
  if (RegGetValueA(root, keyPath, name, RRF_RT_ANY, &type, value.bytes.data(), &size) != ERROR_SUCCESS) return {};
  value.type = type;
  value.bytes.resize(size);
  return value;
}

// Stores a value of any type, making the key as needed; a value of type REG_NONE is deleted.
inline bool WriteValue(HKEY root, const char* keyPath, const char* name, const RegistryValue& value) {
  if (value.type == REG_NONE) {
    const LONG rc = RegDeleteKeyValueA(root, keyPath, name);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
  }
  return RegSetKeyValueA(root, keyPath, name, value.type, value.bytes.data(),
                         static_cast<DWORD>(value.bytes.size())) == ERROR_SUCCESS;
}

// Keeps the current user's two mouse curves and puts them back when it goes: a test of the real
// launcher, which writes the prefix's own.
class KeptMouseCurves {
 public:
  KeptMouseCurves() = default;
  ~KeptMouseCurves() {
    WriteValue(HKEY_CURRENT_USER, kMouseKey, kMouseCurveX, x_);
    WriteValue(HKEY_CURRENT_USER, kMouseKey, kMouseCurveY, y_);
  }
  KeptMouseCurves(const KeptMouseCurves&) = delete;
  KeptMouseCurves& operator=(const KeptMouseCurves&) = delete;

 private:
  RegistryValue x_ = ReadValue(HKEY_CURRENT_USER, kMouseKey, kMouseCurveX);
  RegistryValue y_ = ReadValue(HKEY_CURRENT_USER, kMouseKey, kMouseCurveY);
};

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

  bool Set(const char* keyPath, const char* name, DWORD type, std::string_view bytes) const {
    return WriteValue(key_, keyPath, name, {type, std::string(bytes)});
  }
  RegistryValue Get(const char* keyPath, const char* name) const { return ReadValue(key_, keyPath, name); }

 private:
  std::string path_;
  HKEY key_ = nullptr;
  bool overridden_ = false;
};

}  // namespace test
