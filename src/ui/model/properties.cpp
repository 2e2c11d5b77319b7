// Reading and writing control properties, with the rules that the logic relies on (selection
// clamping, -1 for no selection, texts copied out), and the fatal errors for unloaded windows.
#include <windows.h>

#include <algorithm>

#include "base/text.h"
#include "ui/model/model.h"
#include "ui/model/model_internal.h"

namespace ui {
namespace detail {

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

std::wstring WideText(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(std::max(n, 0)), L'\0');
  if (n > 0) MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), n);
  return wide;
}

int ItemCountOf(HWND combo) {
  const LRESULT n = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  return n == CB_ERR ? 0 : static_cast<int>(n);
}

std::string ItemTextOf(HWND combo, int position) {
  if (position < 0 || position >= ItemCountOf(combo)) return {};
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
  if (length == CB_ERR || length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT n =
      SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
  text.resize(n == CB_ERR ? 0 : static_cast<size_t>(n));
  return text;
}

}  // namespace detail

using namespace detail;

namespace {

constexpr auto kAnyControl = {ControlClass::EditBox, ControlClass::Label,    ControlClass::GroupBox,
                              ControlClass::Button,  ControlClass::CheckBox, ControlClass::ComboBox,
                              ControlClass::DriverBox, ControlClass::CommonDlg};
constexpr auto kCaptioned = {ControlClass::Label, ControlClass::Button, ControlClass::CheckBox,
                             ControlClass::GroupBox};
constexpr auto kLists = {ControlClass::ComboBox, ControlClass::DriverBox};

void Redraw(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
}

// The record of a CommonDlg of a loaded window.
ControlInstance& DialogControl(const WindowLayout& window, const char* control) {
  return NativeControlRecord(window, control, {ControlClass::CommonDlg});
}

}  // namespace

// Every property is carried out on the window thread (Marshal): a worker's call is sent there.

bool Visible(const WindowLayout& window, const char* control) {
  return Marshal([&] {
    ControlInstance& c = Control(LoadedInstance(window), control, kAnyControl);
    return c.hwnd && (GetWindowLongA(c.hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  });
}

void SetVisible(const WindowLayout& window, const char* control, bool visible) {
  Marshal([&] {
    ControlInstance& c = Control(LoadedInstance(window), control, kAnyControl);
    if (c.hwnd) ShowWindow(c.hwnd, visible ? SW_SHOWNA : SW_HIDE);
  });
}

bool Disabled(const WindowLayout& window, const char* control) {
  return Marshal([&] {
    ControlInstance& c = Control(LoadedInstance(window), control, kAnyControl);
    return c.hwnd ? !IsWindowEnabled(c.hwnd) : c.disabled;
  });
}

void SetDisabled(const WindowLayout& window, const char* control, bool disabled) {
  Marshal([&] {
    ControlInstance& c = Control(LoadedInstance(window), control, kAnyControl);
    if (c.hwnd) {
      EnableWindow(c.hwnd, disabled ? FALSE : TRUE);
    } else {
      c.disabled = disabled;
    }
  });
}

Text Content(const WindowLayout& window, const char* control) {
  return Marshal([&] { return WindowTextOf(NativeControl(window, control, {ControlClass::EditBox})); });
}

void SetContent(const WindowLayout& window, const char* control, std::string_view text) {
  Marshal([&] {
    const std::string copy(text);
    SetWindowTextA(NativeControl(window, control, {ControlClass::EditBox}), copy.c_str());
  });
}

Text Caption(const WindowLayout& window, const char* control) {
  return Marshal([&] { return WindowTextOf(NativeControl(window, control, kCaptioned)); });
}

void SetCaption(const WindowLayout& window, const char* control, std::string_view text) {
  Marshal([&] {
    HWND hwnd = NativeControl(window, control, kCaptioned);
    const std::string copy(text);
    SetWindowTextA(hwnd, copy.c_str());
    Redraw(hwnd);
  });
}

Color TextColor(const WindowLayout& window, const char* control) {
  return Marshal([&] { return NativeControlRecord(window, control, {ControlClass::Label}).textColor; });
}

void SetTextColor(const WindowLayout& window, const char* control, Color color) {
  Marshal([&] {
    ControlInstance& c = NativeControlRecord(window, control, {ControlClass::Label});
    c.textColor = color;
    Redraw(c.hwnd);
  });
}

bool Checked(const WindowLayout& window, const char* control) {
  return Marshal([&] {
    return SendMessageA(NativeControl(window, control, {ControlClass::CheckBox}), BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
}

void SetChecked(const WindowLayout& window, const char* control, bool checked) {
  Marshal([&] {
    SendMessageA(NativeControl(window, control, {ControlClass::CheckBox}), BM_SETCHECK,
                 checked ? BST_CHECKED : BST_UNCHECKED, 0);
  });
}

int CurrentSelection(const WindowLayout& window, const char* control) {
  return Marshal(
      [&] {
        const LRESULT sel = SendMessageA(NativeControl(window, control, kLists), CB_GETCURSEL, 0, 0);
        return sel == CB_ERR ? -1 : static_cast<int>(sel);
      },
      -1);
}

void SetCurrentSelection(const WindowLayout& window, const char* control, int index) {
  Marshal([&] {
    HWND combo = NativeControl(window, control, kLists);
    const int selected = std::min(index, ItemCountOf(combo) - 1);
    SendMessageA(combo, CB_SETCURSEL, selected < 0 ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(selected), 0);
  });
}

int InsertItem(const WindowLayout& window, const char* control, int position, std::string_view text, int value) {
  return Marshal(
      [&] {
        HWND combo = NativeControl(window, control, kLists);
        if (position < 0) return -1;
        const std::string copy(text);
        const int at = std::min(position, ItemCountOf(combo));
        const LRESULT inserted =
            SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(copy.c_str()));
        if (inserted == CB_ERR || inserted == CB_ERRSPACE) return -1;
        SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(inserted), static_cast<LPARAM>(value));
        return static_cast<int>(inserted);
      },
      -1);
}

Text ItemText(const WindowLayout& window, const char* control, int position) {
  return Marshal([&] { return ItemTextOf(NativeControl(window, control, kLists), position); });
}

int ItemCount(const WindowLayout& window, const char* control) {
  return Marshal([&] { return ItemCountOf(NativeControl(window, control, kLists)); });
}

Text CurrentDrive(const WindowLayout& window, const char* control) {
  return Marshal([&] {
    HWND combo = NativeControl(window, control, {ControlClass::DriverBox});
    const LRESULT sel = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    std::string text = sel == CB_ERR ? std::string() : ItemTextOf(combo, static_cast<int>(sel));
    if (text.empty()) {
      char current[MAX_PATH * 4] = {};
      GetCurrentDirectoryA(sizeof current, current);
      text = current;
    }
    const char letter = cp936::UpperAscii(text.empty() ? '\0' : text[0]);
    return letter >= 'A' && letter <= 'Z' ? Text(1, letter) : Text();
  });
}

Text FileName(const WindowLayout& window, const char* control) {
  return Marshal([&] { return DialogControl(window, control).fileName; });
}

bool Open(const WindowLayout& window, const char* control) {
  return Marshal([&] { return ShowOpenDialog(LoadedInstance(window), DialogControl(window, control)); });
}

}  // namespace ui
