// Shared helpers for the launcher's tests: waiting for a condition with a timeout while handling
// messages, answering message boxes and dialogs from outside them, finding windows and reading their
// texts, scratch folders, and option.ini as a save writes it.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "core/settings_file.h"

namespace test {

inline constexpr DWORD kDefaultTimeoutMs = 20000;

// Handles the calling thread's messages until `condition` holds or the timeout passes; true if it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);
// The same without handling any message: for a helper thread of a test, which has no window of its own,
// or a window thread that must not handle its messages meanwhile.
bool PollUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

// Runs `work` on the calling thread when that thread next dispatches its posted messages (in a nested
// or modal loop too), after whatever was posted to its windows before.
void PostToSelf(std::function<void()> work);

// Handles whatever is queued for the calling thread as the launcher's loop does (keyboard rules
// included), and drops a quit message left by a closed window.
void PumpMessages();

// A message box or dialog that a BoxAnswerer saw.
struct SeenBox {
  std::string title;
  std::string text;  // the static text with id 0xFFFF (a message box's message)
  DWORD threadId = 0;
  LONG style = 0;
};

// Watches, on a thread of its own, for dialog windows (#32770) of one process and presses the next
// answer's button for each new one. Answers are control ids (IDOK, IDCANCEL, IDYES, IDNO, ...).
class BoxAnswerer {
 public:
  explicit BoxAnswerer(DWORD processId = GetCurrentProcessId());
  ~BoxAnswerer();
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  void Answer(int buttonId);  // queue one answer
  std::vector<SeenBox> Seen() const;
  std::vector<std::string> SeenTexts() const;  // each box seen as "title: text"
  size_t SeenCount() const;
  // Only record boxes, do not press anything (the test answers itself).
  void SetHold(bool hold);

 private:
  void Run();
  DWORD processId_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> hold_{false};
  mutable std::mutex mutex_;
  std::vector<int> answers_;
  std::vector<SeenBox> seen_;
  std::vector<HWND> handled_;
  std::thread thread_;
};

// Every window that `match` accepts, in the system's order: the top-level windows, or with a parent,
// that window's descendants. FindFirstWindow gives the first, or null.
std::vector<HWND> FindWindows(const std::function<bool(HWND)>& match, HWND parent = nullptr);
HWND FindFirstWindow(const std::function<bool(HWND)>& match, HWND parent = nullptr);

// The top-level windows of a process (this one unless named) titled `title` (any title when null), in
// the system's order, hidden ones too unless `visibleOnly`. TopLevel gives the first, or null.
std::vector<HWND> TopLevels(const char* title, DWORD processId = GetCurrentProcessId(), bool visibleOnly = false);
HWND TopLevel(const char* title, DWORD processId = GetCurrentProcessId(), bool visibleOnly = false);
// A descendant of `parent` whose text is `text`, or null.
HWND ChildWithText(HWND parent, const std::string& text);

// A window's text, of this process or of another: asked with WM_GETTEXT, which the system carries
// across processes (a control's own text, an edit box's content too). A window that does not answer in
// time reads as empty. The wide form reads it as UTF-16, for a window of a process of another code page,
// whose ANSI text would come through that code page.
std::string WindowText(HWND hwnd);
std::wstring WideWindowText(HWND hwnd);
// What the predicates ask of a window.
std::string ClassOf(HWND hwnd);
DWORD ProcessOf(HWND hwnd);
// The direct children of a window, in the order the system keeps them (creation order), asked for one
// neighbour at a time: GetDlgItem and FindWindowEx list them in one request, which Wine 10's server never
// finishes when another thread destroys one of them meanwhile (a box closed by another hand).
std::vector<HWND> Children(HWND parent);

// A visible dialog (#32770): a message box, the file dialog.
bool IsVisibleDialog(HWND hwnd);

// Finds a visible dialog of this process whose title is `title` (any title when null); null when there
// is none.
HWND FindDialog(const char* title, DWORD processId = GetCurrentProcessId());

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Removes everything in a folder, read-only entries included, and then the folder itself unless
// `keepFolder`. The folder is named without a trailing backslash ("S:" for a drive's root).
void RemoveTree(const std::string& folder, bool keepFolder = false);

// The running test program's full path, and a file in its folder.
std::string ThisProgram();
std::string BesideThisProgram(const std::string& name);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The lines of a text, each without its line end (LF or CR LF); an unfinished last line is left out.
std::vector<std::string> Lines(const std::string& text);

// option.ini as a first save of `settings` leaves it: the section's header, then a key=value line for
// each setting in the order of a save, CR LF after each line. SettingLines is those lines alone. Keys
// and stored forms are written out here apart from the program's table, so that a wrong one there
// fails the tests; SettingsFile.FirstSaveWritesTheSectionAndEveryKeyInOrder holds this to the file's
// literal form.
std::string OptionIni(const LaunchSettings& settings);
std::string SettingLines(const LaunchSettings& settings);

}  // namespace test

// How a failed check shows settings: {path, the three indexes, the three switches as 0 or 1}.
inline void PrintTo(const LaunchSettings& s, std::ostream* out) {
  *out << "{\"" << s.gamePath << "\", " << s.resolutionIndex << ", " << s.refreshRateIndex << ", " << s.colorDepthIndex
       << ", " << s.noForceMouseAccel << s.noForceMouseParms << s.noForceMouseSpeed << "}";
}
