// Reading and writing control properties, with the rules that the logic relies on (selection
// clamping, -1 for no selection, texts copied out), and the fatal errors for unloaded windows.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "base/text.h"
#include "ui/model/model.h"
#include "ui/model/model_internal.h"
#include "ui/model/threads.h"

namespace ui {
namespace detail {

WindowInstance& LoadedInstance(const WindowLayout& window) {
  WindowInstance& w = Instance(window);
  if (w.state == WindowState::NotLoaded) Fatal("未载入欲访问窗口组件所在的窗口");
  return w;
}

void ProgrammingError(const char* what, const char* name) {
  Fatal(std::string("程序内部错误: ") + what + " " + (name ? name : ""));
}

ControlInstance& Control(WindowInstance& window, const char* name) {
  for (auto& c : window.controls) {
    if (std::strcmp(c.layout->name, name) == 0) return c;
  }
  ProgrammingError("no such control", name);
}

ControlInstance& Control(WindowInstance& window, const char* name, std::initializer_list<ControlClass> expected) {
  ControlInstance& c = Control(window, name);
  if (std::find(expected.begin(), expected.end(), c.layout->cls) == expected.end()) {
    ProgrammingError("property not of this class", name);
  }
  return c;
}

HWND NativeControl(const WindowLayout& window, const char* name, std::initializer_list<ControlClass> expected) {
  WindowInstance& w = LoadedInstance(window);
  ControlInstance& c = Control(w, name, expected);
  if (!w.hwnd || !c.hwnd) Fatal("指定窗口尚未载入");
  return c.hwnd;
}

std::string WindowTextOf(HWND hwnd) {
  // Most texts fit a small buffer: one message then, which the search's read-back of every path it
  // shows relies on. A read that comes within a character of the buffer's end may have been cut: the
  // system leaves out a two-byte character that does not fit whole, so it can stop one byte short of
  // the end. Such a text is read again into a buffer with room to spare, as often as it takes.
  char small[1024];
  const int n = GetWindowTextA(hwnd, small, sizeof small);
  if (n < static_cast<int>(sizeof small) - 2) return std::string(small, static_cast<size_t>(std::max(n, 0)));
  std::string text;
  // The length the system reports may exceed the text's, and room is doubled should it fall short.
  size_t room = static_cast<size_t>(std::max(GetWindowTextLengthA(hwnd), n)) + 3;
  for (;;) {
    text.assign(room, '\0');
    const int read = std::max(GetWindowTextA(hwnd, text.data(), static_cast<int>(room)), 0);
    if (static_cast<size_t>(read) + 2 < room || room >= (1u << 30)) {
      text.resize(static_cast<size_t>(read));
      return text;
    }
    room *= 2;
  }
}

}  // namespace detail

using namespace detail;

namespace {

// A call from a worker is carried out on the window thread; a refused one reads as the default value.
template <class R, class F>
bool Marshalled(R& result, F&& f) {
  if (OnWindowThread()) return false;
  RunOnWindowThread([&] { result = f(); });
  return true;
}
template <class F>
bool MarshalledVoid(F&& f) {
  if (OnWindowThread()) return false;
  RunOnWindowThread([&] { f(); });
  return true;
}

constexpr auto kAnyControl = {ControlClass::EditBox, ControlClass::Label,    ControlClass::GroupBox,
                              ControlClass::Button,  ControlClass::CheckBox, ControlClass::ComboBox,
                              ControlClass::DriverBox, ControlClass::CommonDlg};
constexpr auto kLists = {ControlClass::ComboBox, ControlClass::DriverBox};

int ItemCountOf(HWND combo) {
  const LRESULT n = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  return n == CB_ERR ? 0 : static_cast<int>(n);
}

Text ItemTextOf(HWND combo, int position) {
  if (position < 0 || position >= ItemCountOf(combo)) return {};
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
  if (length == CB_ERR || length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT n = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
  text.resize(n == CB_ERR ? 0 : static_cast<size_t>(n));
  return text;
}

void Redraw(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
}

}  // namespace

bool Visible(const WindowLayout& window, const char* control) {
  bool r = false;
  if (Marshalled(r, [&] { return Visible(window, control); })) return r;
  ControlInstance& c = Control(LoadedInstance(window), control, kAnyControl);
  return c.hwnd && (GetWindowLongA(c.hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void SetVisible(const WindowLayout& window, const char* control, bool visible) {
  if (MarshalledVoid([&] { SetVisible(window, control, visible); })) return;
  ControlInstance& c = Control(LoadedInstance(window), control, kAnyControl);
  if (c.hwnd) ShowWindow(c.hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool Disabled(const WindowLayout& window, const char* control) {
  bool r = false;
  if (Marshalled(r, [&] { return Disabled(window, control); })) return r;
  ControlInstance& c = Control(LoadedInstance(window), control, kAnyControl);
  return c.hwnd ? !IsWindowEnabled(c.hwnd) : c.disabled;
}

void SetDisabled(const WindowLayout& window, const char* control, bool disabled) {
  if (MarshalledVoid([&] { SetDisabled(window, control, disabled); })) return;
  ControlInstance& c = Control(LoadedInstance(window), control, kAnyControl);
  if (c.hwnd) {
    EnableWindow(c.hwnd, disabled ? FALSE : TRUE);
  } else {
    c.disabled = disabled;
  }
}

Text Content(const WindowLayout& window, const char* control) {
  Text r;
  if (Marshalled(r, [&] { return Content(window, control); })) return r;
  return WindowTextOf(NativeControl(window, control, {ControlClass::EditBox}));
}

void SetContent(const WindowLayout& window, const char* control, std::string_view text) {
  if (MarshalledVoid([&] { SetContent(window, control, text); })) return;
  HWND edit = NativeControl(window, control, {ControlClass::EditBox});
  const std::string copy(text);
  SetWindowTextA(edit, copy.c_str());
}

Text Caption(const WindowLayout& window, const char* control) {
  Text r;
  if (Marshalled(r, [&] { return Caption(window, control); })) return r;
  return WindowTextOf(
      NativeControl(window, control, {ControlClass::Label, ControlClass::Button, ControlClass::CheckBox, ControlClass::GroupBox}));
}

void SetCaption(const WindowLayout& window, const char* control, std::string_view text) {
  if (MarshalledVoid([&] { SetCaption(window, control, text); })) return;
  HWND hwnd = NativeControl(window, control,
                            {ControlClass::Label, ControlClass::Button, ControlClass::CheckBox, ControlClass::GroupBox});
  const std::string copy(text);
  SetWindowTextA(hwnd, copy.c_str());
  Redraw(hwnd);
}

Color TextColor(const WindowLayout& window, const char* control) {
  Color r = 0;
  if (Marshalled(r, [&] { return TextColor(window, control); })) return r;
  NativeControl(window, control, {ControlClass::Label});
  return Control(LoadedInstance(window), control).textColor;
}

void SetTextColor(const WindowLayout& window, const char* control, Color color) {
  if (MarshalledVoid([&] { SetTextColor(window, control, color); })) return;
  HWND hwnd = NativeControl(window, control, {ControlClass::Label});
  Control(LoadedInstance(window), control).textColor = color;
  Redraw(hwnd);
}

bool Checked(const WindowLayout& window, const char* control) {
  bool r = false;
  if (Marshalled(r, [&] { return Checked(window, control); })) return r;
  HWND box = NativeControl(window, control, {ControlClass::CheckBox});
  return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(const WindowLayout& window, const char* control, bool checked) {
  if (MarshalledVoid([&] { SetChecked(window, control, checked); })) return;
  HWND box = NativeControl(window, control, {ControlClass::CheckBox});
  SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int CurrentSelection(const WindowLayout& window, const char* control) {
  int r = -1;
  if (Marshalled(r, [&] { return CurrentSelection(window, control); })) return r;
  const LRESULT sel = SendMessageA(NativeControl(window, control, kLists), CB_GETCURSEL, 0, 0);
  return sel == CB_ERR ? -1 : static_cast<int>(sel);
}

void SetCurrentSelection(const WindowLayout& window, const char* control, int index) {
  if (MarshalledVoid([&] { SetCurrentSelection(window, control, index); })) return;
  HWND combo = NativeControl(window, control, kLists);
  const int selected = std::min(index, ItemCountOf(combo) - 1);
  SendMessageA(combo, CB_SETCURSEL, selected < 0 ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(selected), 0);
}

int InsertItem(const WindowLayout& window, const char* control, int position, std::string_view text, int value) {
  int r = -1;
  if (Marshalled(r, [&] { return InsertItem(window, control, position, text, value); })) return r;
  HWND combo = NativeControl(window, control, kLists);
  if (position < 0) return -1;
  const std::string copy(text);
  const int at = std::min(position, ItemCountOf(combo));
  const LRESULT inserted =
      SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(copy.c_str()));
  if (inserted == CB_ERR || inserted == CB_ERRSPACE) return -1;
  SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(inserted), static_cast<LPARAM>(value));
  return static_cast<int>(inserted);
}

Text ItemText(const WindowLayout& window, const char* control, int position) {
  Text r;
  if (Marshalled(r, [&] { return ItemText(window, control, position); })) return r;
  return ItemTextOf(NativeControl(window, control, kLists), position);
}

int ItemCount(const WindowLayout& window, const char* control) {
  int r = 0;
  if (Marshalled(r, [&] { return ItemCount(window, control); })) return r;
  return ItemCountOf(NativeControl(window, control, kLists));
}

Text CurrentDrive(const WindowLayout& window, const char* control) {
  Text r;
  if (Marshalled(r, [&] { return CurrentDrive(window, control); })) return r;
  HWND combo = NativeControl(window, control, {ControlClass::DriverBox});
  const LRESULT sel = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  std::string text = sel == CB_ERR ? std::string() : ItemTextOf(combo, static_cast<int>(sel));
  if (text.empty()) {
    char current[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof current, current);
    text = current;
  }
  const char letter = cp936::UpperAscii(text.empty() ? '\0' : text[0]);
  if (letter < 'A' || letter > 'Z') return {};
  return Text(1, letter);
}

Text FileName(const WindowLayout& window, const char* control) {
  Text r;
  if (Marshalled(r, [&] { return FileName(window, control); })) return r;
  WindowInstance& w = LoadedInstance(window);
  ControlInstance& c = Control(w, control, {ControlClass::CommonDlg});
  if (!w.hwnd) Fatal("指定窗口尚未载入");
  return c.fileName;
}

bool Open(const WindowLayout& window, const char* control) {
  bool r = false;
  if (Marshalled(r, [&] { return Open(window, control); })) return r;
  WindowInstance& w = LoadedInstance(window);
  ControlInstance& c = Control(w, control, {ControlClass::CommonDlg});
  if (!w.hwnd) Fatal("指定窗口尚未载入");
  return ShowOpenDialog(w, c);
}

}  // namespace ui
