// Reading and writing binary registry values by full path. Every key opened here is closed on every
// path by its owner.
#include "system/registry.h"

#include <new>

#include "base/handles.h"
#include "base/text.h"

namespace {

struct RegistryPath {
  std::string key;
  std::string value;
};

// Splits at the last backslash on a character boundary; without one the whole text names the value
// and the key path is empty.
RegistryPath SplitRegistryPath(std::string_view fullPath) {
  const std::size_t cut = cp936::FindLast(fullPath, '\\');
  if (cut == std::string_view::npos) return {std::string(), std::string(fullPath)};
  return {std::string(fullPath.substr(0, cut)), std::string(fullPath.substr(cut + 1))};
}

}  // namespace

std::string ReadRegistryBytes(HKEY root, std::string_view fullPath) {
  const RegistryPath path = SplitRegistryPath(fullPath);
  UniqueRegKey key;
  if (RegOpenKeyExA(root, path.key.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return {};

  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), path.value.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_BINARY) {
    return {};
  }
  std::string bytes;
  try {
    bytes.resize(size);
  } catch (const std::bad_alloc&) {
    return {};
  }
  // The value may have changed since it was measured: another type counts as absent, a larger one
  // fails the read, a smaller one is cut to what was read.
  DWORD read = size;
  if (RegQueryValueExA(key.get(), path.value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                       &read) != ERROR_SUCCESS ||
      type != REG_BINARY) {
    return {};
  }
  bytes.resize(read);
  return bytes;
}

bool WriteRegistryBytes(HKEY root, std::string_view fullPath, std::string_view bytes) {
  const RegistryPath path = SplitRegistryPath(fullPath);
  UniqueRegKey key;
  if (RegOpenKeyExA(root, path.key.c_str(), 0, KEY_WRITE, key.put()) != ERROR_SUCCESS &&
      RegCreateKeyA(root, path.key.c_str(), key.put()) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(key.get(), path.value.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}
