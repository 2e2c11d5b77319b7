// Loading, showing and closing the launcher's windows, building their controls from the layouts, and
// the one window procedure that all of them share.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "ui/model/dpi.h"
#include "ui/model/model.h"
#include "ui/model/model_internal.h"
#include "ui/model/scaling.h"

namespace ui {
namespace detail {
namespace {

constexpr char kWindowClass[] = "LauncherWindow";
// Windows 10 1703's message (the headers name it for that version only): the frame a window wants at a DPI.
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

// Set while a closing window is destroyed only to be built anew: that is no reason to end the loop.
bool g_reloading = false;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;

void RegisterWindowClass() {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = kWindowClass;
  RegisterClassExA(&wc);
  registered = true;
}

// Containers place their children: a control listed by a GroupBox sits at the group's position plus its own.
// Offsets stay in the layout's 96-DPI numbers; a control's box is scaled as a whole, at the window's DPI.
void PlaceInContainers(WindowInstance& w) {
  for (auto& group : w.controls) {
    if (group.layout->cls != ControlClass::GroupBox) continue;
    for (const char* child : group.layout->children) {
      ControlInstance& c = Control(w, child);
      c.offsetX = group.offsetX + group.layout->left;
      c.offsetY = group.offsetY + group.layout->top;
    }
  }
}

// A control's box in its window at the window's DPI: the layout's, in its container, with the creation
// height (a list's field and opened list together).
LayoutBox ScaledBox(const WindowInstance& w, const ControlInstance& c) {
  const ControlLayout& l = *c.layout;
  return ScaleBox({c.offsetX + l.left, c.offsetY + l.top, l.width, NativeClassFor(l).height}, w.dpi);
}

// The window's outer frame at its DPI: the layout's size, centred on the primary screen or at the
// layout's place.
RECT FrameAt(const WindowLayout& window, int dpi) {
  const int width = ScaleToDpi(window.width, dpi), height = ScaleToDpi(window.height, dpi);
  int x = ScaleToDpi(window.left, dpi), y = ScaleToDpi(window.top, dpi);
  if (window.start == StartPosition::CenterScreen) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  return {x, y, x + width, y + height};
}

// A list the model draws measured its rows when it was made: after a change of DPI they are set anew,
// a plain list's in the window's font (and the layout's spacing for the items). Systems differ in what
// they report of a selection field's height once it has been set (Wine adds its border to it): the
// field is set so that it reports a plain list's.
void SetListRows(const WindowInstance& w, const ControlInstance& c) {
  if (c.layout->cls != ControlClass::ComboBox || c.layout->rowSpacing == 0) return;
  SendMessageA(c.hwnd, CB_SETITEMHEIGHT, 0, ListItemHeight(w, *c.layout));
  const int field = w.listRows.field;
  SendMessageA(c.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  const int reported = static_cast<int>(SendMessageA(c.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  if (reported != field) SendMessageA(c.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 2 * field - reported);
}

bool CreateControl(WindowInstance& w, ControlInstance& c, int id) {
  const ControlLayout& l = *c.layout;
  c.textColor = l.textColor;
  c.backColor = l.backColor;
  c.backBrush = SolidBrush(l.backColor);
  if (l.cls == ControlClass::CommonDlg) {
    c.fileName = l.caption;
    c.disabled = l.disabled;
    return true;
  }
  const NativeClass native = NativeClassFor(l);
  DWORD style = WS_CHILD | native.style;
  if (l.visible) style |= WS_VISIBLE;
  if (l.disabled) style |= WS_DISABLED;
  if (l.tabStop) style |= WS_TABSTOP;
  const char* text = (l.cls == ControlClass::ComboBox || l.cls == ControlClass::DriverBox) ? "" : l.caption;
  const LayoutBox box = ScaledBox(w, c);
  c.hwnd = CreateWindowExA(native.exStyle, native.className, text, style, box.left, box.top, box.width, box.height,
                           w.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
  if (!c.hwnd) return false;
  SendMessageA(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(w.font.get()), FALSE);

  switch (l.cls) {
    case ControlClass::EditBox:
      SendMessageA(c.hwnd, EM_SETLIMITTEXT, static_cast<WPARAM>(l.maxLength), 0);
      break;
    case ControlClass::CheckBox:
      SendMessageA(c.hwnd, BM_SETCHECK, l.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlClass::ComboBox:
      for (const char* item : l.items) SendMessageA(c.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      if (l.initialSelection >= 0 && l.initialSelection < static_cast<int>(l.items.size())) {
        SendMessageA(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(l.initialSelection), 0);
      }
      break;
    case ControlClass::DriverBox:
      FillDriveList(c.hwnd, l.drives);
      break;
    default:
      break;
  }
  if (l.cls == ControlClass::ComboBox || l.cls == ControlClass::DriverBox) {
    // A list's opened part is what its height leaves below the field. Wine measures that field, when a
    // list is made, in the system's font rather than the one it gets next: given its height again, the
    // list measures it in its own font, as it does after a change of DPI.
    SetWindowPos(c.hwnd, nullptr, 0, 0, box.width, box.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

HWND FirstTabStop(WindowInstance& w) {
  for (auto& c : w.controls) {
    if (c.hwnd && c.layout->tabStop && IsWindowVisible(c.hwnd) && IsWindowEnabled(c.hwnd)) return c.hwnd;
  }
  return nullptr;
}

// Destroys the native window now; its WM_NCDESTROY clears the record.
void DestroyNow(WindowInstance& w) {
  if (w.hwnd && IsWindow(w.hwnd)) DestroyWindow(w.hwnd);
}

// Closes a window for good: windows it owns go first, each with its closing handler, then its own
// closing handler runs, then the window is destroyed.
void CloseNow(WindowInstance& w) {
  if (w.state == WindowState::NotLoaded || w.handlingClose) return;
  w.handlingClose = true;
  w.state = WindowState::Closing;
  HWND self = w.hwnd;
  // By index: a closing handler may load a window, which adds a record (and may move the others).
  // One loaded meanwhile and owned by this window is closed with the rest.
  for (size_t i = 0; i < Instances().size(); ++i) {
    WindowInstance& other = *Instances()[i];
    if (&other != &w && other.state != WindowState::NotLoaded && other.owner == self) CloseNow(other);
  }
  if (w.layout->closing) w.layout->closing();
  // The handler may have handled messages meanwhile; the window may already be gone or built anew.
  if (w.hwnd == self) DestroyNow(w);
  w.handlingClose = false;
}

void OnNcDestroy(WindowInstance& w) {
  for (HWND other : w.disabledWhileModal) {
    if (IsWindow(other)) EnableWindow(other, TRUE);
  }
  w.disabledWhileModal.clear();
  w.controls.clear();
  w.hwnd = nullptr;
  w.owner = nullptr;
  w.lastFocus = nullptr;
  w.state = WindowState::NotLoaded;
  w.backgroundBrush.reset();
  w.bigIcon.reset();
  w.smallIcon.reset();
  w.font = ControlFont();  // the controls that used the window's font are gone
  if (!g_reloading && !AnyWindowLoaded()) PostQuitMessage(0);
}

// The window moves to a DPI: the system suggests the frame at it (from the size OnGetDpiScaledSize gave),
// and every control gets its layout box scaled by the start-up rule, a font made for the DPI, and its
// lists' rows; the icons are made at the DPI's sizes. Controls are moved, not built anew, so what they
// hold stays. All of it happens within this one message: nothing else runs meanwhile.
void OnDpiChanged(WindowInstance& w, int dpi, const RECT& suggested) {
  w.dpi = dpi;
  SetWindowPos(w.hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ControlFont font(dpi);
  w.listRows = PlainListRows(font.get());
  for (ControlInstance& c : w.controls) {
    if (!c.hwnd) continue;
    SendMessageA(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    SetListRows(w, c);
    const LayoutBox box = ScaledBox(w, c);
    SetWindowPos(c.hwnd, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  w.font = std::move(font);  // the one it replaces is deleted: no control uses it any more
  SetIcons(w);
  RedrawWindow(w.hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT OnCtlColor(WindowInstance& w, UINT msg, HDC dc, HWND child) {
  ControlInstance* c = ControlFromHwnd(w, child);
  if (!c || msg == WM_CTLCOLORBTN) {
    // Push buttons draw themselves; their corners take the window's background.
    return reinterpret_cast<LRESULT>(w.backgroundBrush.get());
  }
  SetTextColor(dc, NativeColor(c->textColor));
  SetBkColor(dc, NativeColor(c->backColor));
  return reinterpret_cast<LRESULT>(c->backBrush.get());
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* w = reinterpret_cast<WindowInstance*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!w) return DefWindowProcA(hwnd, msg, wp, lp);

  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rc;
      GetClientRect(hwnd, &rc);
      FillRect(reinterpret_cast<HDC>(wp), &rc, static_cast<HBRUSH>(w->backgroundBrush.get()));
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return OnCtlColor(*w, msg, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_MEASUREITEM:
      MeasureListItem(*w, *reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
      return TRUE;
    case WM_DRAWITEM:
      DrawListItem(*w, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED && lp) {
        ControlInstance* c = ControlFromHwnd(*w, reinterpret_cast<HWND>(lp));
        if (c && c->layout->cls == ControlClass::Button) FireClicked(*w, *c);
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) w->lastFocus = focus;
      } else if (w->lastFocus && IsWindow(w->lastFocus) && IsChild(hwnd, w->lastFocus) &&
                 IsWindowEnabled(w->lastFocus) && IsWindowVisible(w->lastFocus)) {
        SetFocus(w->lastFocus);
        return 0;
      }
      break;
    case WM_CLOSE:
      CloseNow(*w);
      return 0;
    case kGetDpiScaledSize: {
      // The frame at the new DPI is the layout's size scaled, whatever the frame is now: moves back and
      // forth never drift.
      const RECT frame = FrameAt(*w->layout, static_cast<int>(wp));
      *reinterpret_cast<SIZE*>(lp) = {frame.right - frame.left, frame.bottom - frame.top};
      return TRUE;
    }
    case WM_DPICHANGED:
      OnDpiChanged(*w, HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_NCDESTROY: {
      LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      OnNcDestroy(*w);
      return r;
    }
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

bool LoadNow(const WindowLayout& window, const WindowLayout* parent, bool modal) {
  EnsureWindowThread();
  RegisterWindowClass();
  WindowInstance& w = Instance(window);

  if (w.state == WindowState::Loaded) {
    if (IsIconic(w.hwnd)) {
      ShowWindow(w.hwnd, SW_RESTORE);
    } else if (IsWindowVisible(w.hwnd)) {
      SetForegroundWindow(w.hwnd);
      SetActiveWindow(w.hwnd);
    }
    return true;
  }
  if (w.state == WindowState::Closing) {
    g_reloading = true;
    CloseNow(w);
    DestroyNow(w);
    g_reloading = false;
  }

  HWND owner = nullptr;
  if (parent) {
    WindowInstance& p = LoadedInstance(*parent);
    owner = p.hwnd;
  }

  DWORD exStyle = 0;
  const DWORD style = WindowStyle(window, &exStyle);
  // The frame's outer size and place at the system DPI first (the system scales its caption and
  // borders); once the window exists, at the DPI of the monitor it stands on.
  const int systemDpi = SystemDpi();
  const RECT frame = FrameAt(window, systemDpi);

  w.backgroundBrush = SolidBrush(window.background);
  w.controls.clear();
  for (const ControlLayout& c : window.controls) {
    ControlInstance instance;
    instance.layout = &c;
    w.controls.push_back(std::move(instance));
  }
  PlaceInContainers(w);

  w.state = WindowState::Loaded;
  w.owner = owner;
  w.hwnd = CreateWindowExA(exStyle, kWindowClass, window.title, style, frame.left, frame.top,
                           frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                           GetModuleHandleA(nullptr), &w);
  if (!w.hwnd) {
    w.state = WindowState::NotLoaded;
    w.controls.clear();
    return false;
  }
  w.dpi = DpiOfWindow(w.hwnd);
  if (w.dpi != systemDpi) {
    const RECT at = FrameAt(window, w.dpi);
    SetWindowPos(w.hwnd, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  w.font = ControlFont(w.dpi);
  w.listRows = PlainListRows(w.font.get());
  if (!window.movable) RemoveMenu(GetSystemMenu(w.hwnd, FALSE), SC_MOVE, MF_BYCOMMAND);
  SetIcons(w);

  for (size_t i = 0; i < w.controls.size(); ++i) {
    if (!CreateControl(w, w.controls[i], kFirstControlId + static_cast<int>(i))) {
      DestroyNow(w);
      return false;
    }
  }
  w.lastFocus = FirstTabStop(w);

  if (window.created) window.created();
  if (w.state != WindowState::Loaded || !w.hwnd) return w.state != WindowState::NotLoaded;

  if (modal) {
    for (auto& other : Instances()) {
      if (other.get() != &w && other->hwnd && IsWindowEnabled(other->hwnd)) {
        EnableWindow(other->hwnd, FALSE);
        w.disabledWhileModal.push_back(other->hwnd);
      }
    }
  }
  if (window.visible) {
    const int show = window.start == StartPosition::Minimized   ? SW_SHOWMINIMIZED
                     : window.start == StartPosition::Maximized ? SW_SHOWMAXIMIZED
                                                                : SW_SHOW;
    ShowWindow(w.hwnd, show);
    SetForegroundWindow(w.hwnd);
    UpdateWindow(w.hwnd);
  }
  return true;
}

}  // namespace

void FireClicked(WindowInstance& window, ControlInstance& control) {
  // A closing window may still be on screen while its closing handler waits for work to end; what is
  // clicked there meanwhile would start work on a window about to go.
  if (window.state == WindowState::Closing) return;
  if (control.layout->clicked) control.layout->clicked();
}

}  // namespace detail

using namespace detail;

bool Load(const WindowLayout& window, const WindowLayout* parent, bool modal) {
  return Marshal([&] { return LoadNow(window, parent, modal); });
}

void Destroy(const WindowLayout& window) {
  Marshal([&] {
    WindowInstance& w = LoadedInstance(window);
    w.state = WindowState::Closing;
    PostMessageA(w.hwnd, WM_CLOSE, 0, 0);
  });
}

bool IsLoaded(const WindowLayout& window) {
  return Marshal([&] { return Instance(window).state != WindowState::NotLoaded; });
}

bool Visible(const WindowLayout& window) {
  return Marshal([&] { return IsWindowVisible(LoadedInstance(window).hwnd) != FALSE; });
}

void SetVisible(const WindowLayout& window, bool visible) {
  Marshal([&] {
    WindowInstance& w = LoadedInstance(window);
    if (visible) {
      ShowWindow(w.hwnd, IsIconic(w.hwnd) ? SW_RESTORE : SW_SHOW);
      SetForegroundWindow(w.hwnd);
      SetActiveWindow(w.hwnd);
    } else {
      ShowWindow(w.hwnd, SW_HIDE);
    }
  });
}

}  // namespace ui
