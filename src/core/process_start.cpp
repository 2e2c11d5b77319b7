// The launcher's start and end.
#include "core/process_start.h"

#include <windows.h>

#include "base/text.h"
#include "core/code_page_notice.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace {

// The full path of this executable. The buffer grows until the path fits: a cut path would name a
// wrong folder.
std::string ModulePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {  // a cut path fills the whole buffer
      path.resize(n);
      return path;
    }
    if (path.size() >= 1u << 20) return {};
    path.resize(path.size() * 2);
  }
}

// The launcher usually lives in the game's folder, among dozens of DLLs, and the current folder can be
// anything: no DLL is ever to be loaded from either. System DLLs loading others by name then find them
// in the system folder only. Windows 7 without its loader update lacks SetDefaultDllDirectories; there
// SetDllDirectoryA("") still takes the current folder out of the search.
void KeepDllSearchInTheSystemFolder() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
                                       GetProcAddress(kernel, "SetDefaultDllDirectories")))
                                 : nullptr;
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryA("");
}

// The code page the process runs in: the manifest asks for 936, which Windows 10 and earlier do not give.
bool IsLeadByteHere(unsigned char byte) { return IsDBCSLeadByteEx(CP_ACP, byte) != FALSE; }

}  // namespace

const std::string& LauncherDirectory() {
  static const std::string directory = DirectoryOfModulePath(ModulePath(), IsLeadByteHere);
  return directory;
}

int RunLauncher() {
  KeepDllSearchInTheSystemFolder();
  SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

  // "C:" alone would mean the drive's own current folder; the root needs its backslash.
  std::string current = LauncherDirectory();
  if (!current.empty() && current.back() == ':') current += '\\';
  SetCurrentDirectoryA(current.c_str());

  // Windows 11 gives the launcher code page 936 through its manifest; older systems only with the
  // Chinese (Simplified) system locale. Elsewhere every text would come out garbled: say why, once,
  // in a box that reads right anyway, then go on.
  if (GetACP() != kLauncherCodePage) ui::ShowMessageInAnyCodePage(CodePageNotice(GetACP()), kCodePageNoticeTitle);

  if (!ui::Load(MainWindow)) ui::Fatal("载入启动窗口失败");
  return ui::RunMessageLoop();
}
