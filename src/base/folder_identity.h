// Which folder a path leads to, whatever its spelling or the links on the way: the volume's serial number
// and the folder's index on it.
#pragma once

#include <cstdint>
#include <string>

struct FolderIdentity {
  std::uint32_t volumeSerial = 0;
  std::uint64_t index = 0;
  bool operator==(const FolderIdentity&) const = default;
};

// The identity of the folder `path` names, links followed; false when the folder cannot be opened.
bool IdentifyFolder(const std::string& path, FolderIdentity& identity);
