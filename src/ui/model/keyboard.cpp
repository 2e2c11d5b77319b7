// Keyboard rules inside a launcher window: Enter clicks the default button unless the focused control
// takes it, Esc closes the window when its layout allows, Tab moves among the tab-stop controls.
#include <windows.h>

#include "ui/model/model_internal.h"

namespace ui::detail {
namespace {

bool IsDroppedDown(const ControlInstance& c) {
  const ControlClass cls = c.layout->cls;
  return (cls == ControlClass::ComboBox || cls == ControlClass::DriverBox) &&
         SendMessageA(c.hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

bool Usable(const ControlInstance& c) { return c.hwnd && IsWindowVisible(c.hwnd) && IsWindowEnabled(c.hwnd); }

void MoveFocus(WindowInstance& w, ControlInstance* focused, bool backwards) {
  std::vector<ControlInstance*> stops;
  for (auto& c : w.controls) {
    if (c.layout->tabStop && Usable(c)) stops.push_back(&c);
  }
  if (stops.empty()) return;
  size_t next = backwards ? stops.size() - 1 : 0;
  for (size_t i = 0; i < stops.size(); ++i) {
    if (stops[i] == focused) {
      next = backwards ? (i + stops.size() - 1) % stops.size() : (i + 1) % stops.size();
      break;
    }
  }
  ControlInstance& target = *stops[next];
  SetFocus(target.hwnd);
  if (target.layout->cls == ControlClass::EditBox) SendMessageA(target.hwnd, EM_SETSEL, 0, -1);
}

// Enter that no focused control takes (TranslateWindowKey has let those through).
bool OnEnter(WindowInstance& w, ControlInstance* focused) {
  if (focused && focused->layout->cls == ControlClass::Button && focused->layout->defaultButton && Usable(*focused)) {
    FireClicked(w, *focused);
    return true;
  }
  if (w.layout->enterMovesFocus) {
    MoveFocus(w, focused, false);
    return true;
  }
  for (auto& c : w.controls) {
    if (c.layout->cls == ControlClass::Button && c.layout->defaultButton && c.hwnd && IsWindowEnabled(c.hwnd)) {
      FireClicked(w, c);
      return true;
    }
  }
  return true;  // nothing to click: the key is used up all the same
}

}  // namespace

bool TranslateWindowKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) return false;
  const WPARAM key = msg.wParam;
  const bool isKey = msg.message == WM_KEYDOWN ? (key == VK_RETURN || key == VK_ESCAPE || key == VK_TAB)
                                               : (key == '\r' || key == 0x1B || key == '\t');
  if (!isKey || !msg.hwnd) return false;
  WindowInstance* w = InstanceFromHwnd(GetAncestor(msg.hwnd, GA_ROOT));
  if (!w) return false;
  ControlInstance* focused = ControlFromHwnd(*w, msg.hwnd);

  const bool enter = key == VK_RETURN;  // '\r' == VK_RETURN
  const bool esc = key == VK_ESCAPE;    // 0x1B == VK_ESCAPE
  // A control that takes the key gets both its key-down and its character.
  if (focused && IsDroppedDown(*focused) && (enter || esc)) return false;
  if (enter && focused && focused->layout->cls == ControlClass::EditBox && focused->layout->multiLine &&
      focused->layout->input != InputMode::ReadOnly) {
    return false;
  }
  if (msg.message == WM_CHAR) return true;  // the key-down has been acted on already

  if (key == VK_TAB) {
    MoveFocus(*w, focused, GetKeyState(VK_SHIFT) < 0);
    return true;
  }
  if (enter) return OnEnter(*w, focused);
  if (w->layout->escCloses) SendMessageA(w->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  return true;
}

}  // namespace ui::detail
