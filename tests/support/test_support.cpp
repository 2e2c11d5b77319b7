// Shared helpers for the launcher's tests.
#include "test_support.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "ui/model/threads.h"

namespace test {

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message != WM_QUIT) ui::DispatchWindowMessage(msg);
  }
}

namespace {
constexpr UINT kRunPostedWork = WM_APP + 40;
LRESULT CALLBACK PostedWorkProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != kRunPostedWork) return DefWindowProcA(hwnd, msg, wp, lp);
  std::unique_ptr<std::function<void()>> work(reinterpret_cast<std::function<void()>*>(lp));
  (*work)();
  return 0;
}
}  // namespace

void PostToSelf(std::function<void()> work) {
  thread_local HWND target = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PostedWorkProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "LauncherTestPostedWork";
    RegisterClassA(&wc);  // fails harmlessly on a second thread: the class is there
    return CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }();
  PostMessageA(target, kRunPostedWork, 0, reinterpret_cast<LPARAM>(new std::function<void()>(std::move(work))));
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return condition();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

bool PollUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return condition();
    Sleep(5);
  }
}

namespace {
constexpr UINT kTextTimeoutMs = 5000;

// WM_GETTEXT through the A or W call; the length asked first counts in the window's own units, so each
// unit is given room for two.
template <class Char, class Send>
std::basic_string<Char> TextOf(HWND hwnd, Send send) {
  DWORD_PTR length = 0;
  if (!send(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs, &length)) return {};
  std::basic_string<Char> text(2 * length + 1, Char{});
  DWORD_PTR copied = 0;
  if (!send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, kTextTimeoutMs,
            &copied)) {
    return {};
  }
  text.resize(std::min<size_t>(copied, text.size() - 1));
  return text;
}
}  // namespace

std::string WindowText(HWND hwnd) { return TextOf<char>(hwnd, SendMessageTimeoutA); }
std::wstring WideWindowText(HWND hwnd) { return TextOf<wchar_t>(hwnd, SendMessageTimeoutW); }

namespace {
struct Search {
  const std::function<bool(HWND)>* match;
  std::vector<HWND> found;
};
BOOL CALLBACK Collect(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<Search*>(lp);
  if ((*search->match)(hwnd)) search->found.push_back(hwnd);
  return TRUE;
}
HWND First(const std::vector<HWND>& found) { return found.empty() ? nullptr : found.front(); }
}  // namespace

std::vector<HWND> FindWindows(const std::function<bool(HWND)>& match, HWND parent) {
  Search search{&match, {}};
  if (parent) {
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&search));
  } else {
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

HWND FindFirstWindow(const std::function<bool(HWND)>& match, HWND parent) { return First(FindWindows(match, parent)); }

std::vector<HWND> TopLevels(const char* title, DWORD processId, bool visibleOnly) {
  return FindWindows([&](HWND hwnd) {
    return ProcessOf(hwnd) == processId && (!visibleOnly || IsWindowVisible(hwnd)) &&
           (!title || WindowText(hwnd) == title);
  });
}

HWND TopLevel(const char* title, DWORD processId, bool visibleOnly) {
  return First(TopLevels(title, processId, visibleOnly));
}

HWND ChildWithText(HWND parent, const std::string& text) {
  return FindFirstWindow([&](HWND child) { return WindowText(child) == text; }, parent);
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

DWORD ProcessOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

bool IsVisibleDialog(HWND hwnd) { return IsWindowVisible(hwnd) && ClassOf(hwnd) == "#32770"; }

namespace {
std::function<bool(HWND)> DialogOf(DWORD processId, const char* title) {
  return [=](HWND hwnd) {
    return ProcessOf(hwnd) == processId && IsVisibleDialog(hwnd) && (!title || WindowText(hwnd) == title);
  };
}
}  // namespace

HWND FindDialog(const char* title, DWORD processId) { return FindFirstWindow(DialogOf(processId, title)); }

BoxAnswerer::BoxAnswerer(DWORD processId) : processId_(processId), thread_([this] { Run(); }) {}

BoxAnswerer::~BoxAnswerer() {
  stop_ = true;
  thread_.join();
}

void BoxAnswerer::Answer(int buttonId) {
  std::lock_guard<std::mutex> lock(mutex_);
  answers_.push_back(buttonId);
}

std::vector<SeenBox> BoxAnswerer::Seen() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

std::vector<std::string> BoxAnswerer::SeenTexts() const {
  std::vector<std::string> texts;
  for (const SeenBox& box : Seen()) texts.push_back(box.title + ": " + box.text);
  return texts;
}

size_t BoxAnswerer::SeenCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_.size();
}

void BoxAnswerer::SetHold(bool hold) { hold_ = hold; }

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

namespace {
// The child of another thread's box with that id (see Children).
HWND ChildOfBox(HWND box, int id) {
  for (HWND child : Children(box)) {
    if (GetWindowLongPtrA(child, GWLP_ID) == id) return child;
  }
  return nullptr;
}
}  // namespace

void BoxAnswerer::Run() {
  while (!stop_) {
    for (HWND box : FindWindows(DialogOf(processId_, nullptr))) {
      std::unique_lock<std::mutex> lock(mutex_);
      if (std::find(handled_.begin(), handled_.end(), box) != handled_.end()) continue;
      if (hold_ || answers_.empty()) continue;  // wait until the test queues an answer or lets it go
      const int answer = answers_.front();
      answers_.erase(answers_.begin());
      const HWND text = ChildOfBox(box, 0xFFFF);
      seen_.push_back({WindowText(box), text ? WindowText(text) : std::string(), GetWindowThreadProcessId(box, nullptr),
                       GetWindowLongA(box, GWL_STYLE)});
      handled_.push_back(box);
      lock.unlock();
      if (HWND button = ChildOfBox(box, answer)) {
        PostMessageA(button, BM_CLICK, 0, 0);
      } else {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
      }
    }
    Sleep(10);
  }
}

ScratchDir::ScratchDir() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  static LONG counter = 0;
  for (;;) {
    char name[MAX_PATH + 64];
    std::snprintf(name, sizeof name, "%slauncher-test-%lu-%ld", base, GetCurrentProcessId(),
                  InterlockedIncrement(&counter));
    if (CreateDirectoryA(name, nullptr)) {
      path_ = name;
      return;
    }
  }
}

void RemoveTree(const std::string& folder, bool keepFolder) {
  // Never judged by its last byte: a name may end in a two-byte character whose second byte is 0x5C.
  const std::string prefix = folder + "\\";
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((prefix + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = prefix + name;
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      const DWORD kind = data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
      if (kind == (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) {
        RemoveDirectoryA(full.c_str());  // a link (a junction) itself, never what it leads to
      } else if (kind == FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  if (keepFolder) return;
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(folder.c_str());
}

ScratchDir::~ScratchDir() { RemoveTree(path_); }

std::string ThisProgram() {
  char module[MAX_PATH * 4] = {};
  const DWORD n = GetModuleFileNameA(nullptr, module, sizeof module);
  return std::string(module, n);
}

std::string BesideThisProgram(const std::string& name) {
  const std::string path = ThisProgram();
  return path.substr(0, path.find_last_of('\\') + 1) + name;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
    lines.push_back(text.substr(at, end - at - (end > at && text[end - 1] == '\r' ? 1 : 0)));
  }
  return lines;
}

std::string SettingLines(const LaunchSettings& s) {
  const auto line = [](const char* key, const std::string& value) { return key + ("=" + value) + "\r\n"; };
  const auto flag = [](bool on) { return std::string(on ? "真" : "假"); };
  return line("CS路径", s.gamePath) + line("分辨率", std::to_string(s.resolutionIndex)) +
         line("刷新率", std::to_string(s.refreshRateIndex)) + line("颜色质量", std::to_string(s.colorDepthIndex)) +
         line("-noforcemaccel", flag(s.noForceMouseAccel)) + line("-noforcemparms", flag(s.noForceMouseParms)) +
         line("-noforcemspd", flag(s.noForceMouseSpeed));
}

std::string OptionIni(const LaunchSettings& s) { return "[参数设置]\r\n" + SettingLines(s); }

}  // namespace test
