// Binary registry values addressed by one full path: the key path, a backslash, the value name.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The bytes of a REG_BINARY value under `root`. Every failure gives an empty byte string: a missing key
// or value, a value of another type (REG_SZ, REG_DWORD, ...), a failed read.
std::string ReadRegistryBytes(HKEY root, std::string_view fullPath);

// Stores `bytes` as a REG_BINARY value, creating missing keys along the path; true when stored.
bool WriteRegistryBytes(HKEY root, std::string_view fullPath, std::string_view bytes);
