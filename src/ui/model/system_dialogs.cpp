// The system dialogs behind two of the model's classes: the open-file dialog of a CommonDlg and the
// drive list of a DriverBox.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "base/text.h"
#include "ui/model/dialog_texts.h"
#include "ui/model/model_internal.h"

namespace ui::detail {
namespace {

// Room for the longest path the dialog can return.
constexpr size_t kFileNameCapacity = 32768;

DriveKind KindOf(UINT type) {
  switch (type) {
    case DRIVE_NO_ROOT_DIR: return DriveKind::NoRootDir;
    case DRIVE_REMOVABLE: return DriveKind::Removable;
    case DRIVE_FIXED: return DriveKind::Fixed;
    case DRIVE_REMOTE: return DriveKind::Remote;
    case DRIVE_CDROM: return DriveKind::CdRom;
    case DRIVE_RAMDISK: return DriveKind::RamDisk;
    default: return DriveKind::Unknown;
  }
}

}  // namespace

bool ShowOpenDialog(WindowInstance& window, ControlInstance& dialog) {
  const ControlLayout& l = *dialog.layout;
  const std::string filter = SystemDialogFilter(l.filter);
  std::vector<char> file(kFileNameCapacity, '\0');
  std::copy_n(dialog.fileName.begin(), std::min(dialog.fileName.size(), file.size() - 1), file.begin());

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = window.hwnd;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(std::max(l.initialFilter, 0) + 1);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = *l.initialDirectory ? l.initialDirectory : nullptr;
  ofn.lpstrTitle = *l.dialogTitle ? l.dialogTitle : nullptr;
  ofn.lpstrDefExt = *l.defaultExtension ? l.defaultExtension : nullptr;
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
  if (l.fileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (l.pathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
  if (l.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (l.createPrompt) ofn.Flags |= OFN_CREATEPROMPT;
  if (l.keepCurrentDirectory) ofn.Flags |= OFN_NOCHANGEDIR;

  // A window closed while its dialog was open has taken its controls with it: nothing is accepted.
  if (!GetOpenFileNameA(&ofn) || window.hwnd != ofn.hwndOwner) return false;
  dialog.fileName = file.data();
  return true;
}

void FillDriveList(HWND combo, DriveKinds kinds) {
  std::vector<char> drives(256);
  for (;;) {
    const DWORD n = GetLogicalDriveStringsA(static_cast<DWORD>(drives.size()), drives.data());
    if (n == 0) return;
    if (n < drives.size()) break;
    drives.resize(n + 1);
  }
  char current[MAX_PATH * 4] = {};
  GetCurrentDirectoryA(sizeof current, current);
  const char currentLetter = cp936::UpperAscii(current[0]);

  int select = -1;
  for (const char* root = drives.data(); *root; root += lstrlenA(root) + 1) {
    const DriveKind kind = KindOf(GetDriveTypeA(root));
    if (kinds == DriveKinds::Common && (kind == DriveKind::Unknown || kind == DriveKind::NoRootDir)) continue;
    char label[MAX_PATH + 1] = {};
    if (kind == DriveKind::Fixed &&
        !GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0)) {
      label[0] = '\0';
    }
    const std::string item = DriveItemText(root[0], kind, label);
    const LRESULT at = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (at >= 0 && item[0] == currentLetter && current[1] == ':') select = static_cast<int>(at);
  }
  if (select >= 0) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(select), 0);
}

}  // namespace ui::detail
