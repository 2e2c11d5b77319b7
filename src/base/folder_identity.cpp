// Which folder a path leads to.
#include "base/folder_identity.h"

#include "base/handles.h"

bool IdentifyFolder(const std::string& path, FolderIdentity& identity) {
  // Opening a folder needs backup semantics, and asks for no right beyond its attributes.
  const UniqueFileHandle folder(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!folder || !GetFileInformationByHandle(folder.get(), &info)) return false;
  identity = {info.dwVolumeSerialNumber, (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
  return true;
}
