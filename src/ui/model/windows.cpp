// Loading, showing and closing the launcher's windows, building their controls from the layouts, and
// the one window procedure that all of them share.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "ui/model/model.h"
#include "ui/model/model_internal.h"
#include "ui/model/threads.h"

namespace ui {
namespace detail {
namespace {

constexpr char kWindowClass[] = "LauncherWindow";
constexpr int kFirstControlId = 1000;

std::vector<std::unique_ptr<WindowInstance>>& Instances() {
  static std::vector<std::unique_ptr<WindowInstance>> instances;
  return instances;
}

// Set while a closing window is destroyed only to be built anew: that is no reason to end the loop.
bool g_reloading = false;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

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

UniqueGdiObject SolidBrush(Color color) { return UniqueGdiObject(CreateSolidBrush(NativeColor(color))); }

DWORD WindowStyle(const WindowLayout& w, DWORD* exStyle) {
  DWORD style = 0;
  *exStyle = 0;
  switch (w.border) {
    case WindowBorder::None: style = WS_POPUP; break;
    case WindowBorder::Resizable: style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    case WindowBorder::Fixed: style = WS_OVERLAPPED | WS_CAPTION; break;
    case WindowBorder::NarrowResizable:
      style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
      *exStyle |= WS_EX_TOOLWINDOW;
      break;
    case WindowBorder::NarrowFixed:
      style = WS_OVERLAPPED | WS_CAPTION;
      *exStyle |= WS_EX_TOOLWINDOW;
      break;
    case WindowBorder::SunkenResizable:
      style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
      *exStyle |= WS_EX_CLIENTEDGE;
      break;
    case WindowBorder::SunkenFixed:
      style = WS_OVERLAPPED | WS_CAPTION;
      *exStyle |= WS_EX_CLIENTEDGE;
      break;
  }
  if (w.controlBox && (style & WS_CAPTION)) style |= WS_SYSMENU;
  if (w.minimizeButton) style |= WS_MINIMIZEBOX;
  if (w.maximizeButton) style |= WS_MAXIMIZEBOX;
  if (w.alwaysOnTop) *exStyle |= WS_EX_TOPMOST;
  if (!w.showInTaskbar) *exStyle |= WS_EX_TOOLWINDOW;
  return style;
}

DWORD FrameExStyle(FrameStyle frame) {
  switch (frame) {
    case FrameStyle::Sunken: return WS_EX_CLIENTEDGE;
    case FrameStyle::Raised: return WS_EX_DLGMODALFRAME;
    case FrameStyle::ShallowSunken: return WS_EX_STATICEDGE;
    case FrameStyle::Framed: return WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE;
    default: return 0;
  }
}

struct NativeClass {
  const char* className;
  DWORD style;
  DWORD exStyle;
  int height;
};

NativeClass NativeClassFor(const ControlLayout& c) {
  const DWORD hAlignStatic = c.hAlign == HAlign::Center ? SS_CENTER : c.hAlign == HAlign::Right ? SS_RIGHT : SS_LEFT;
  const DWORD hAlignButton = c.hAlign == HAlign::Center ? BS_CENTER : c.hAlign == HAlign::Right ? BS_RIGHT : BS_LEFT;
  const DWORD vAlignButton = c.vAlign == VAlign::Top ? BS_TOP : c.vAlign == VAlign::Bottom ? BS_BOTTOM : BS_VCENTER;
  const int listHeight = c.dropHeight > 0 ? c.dropHeight : c.height;
  const DWORD comboType = c.comboType == ComboType::Simple     ? CBS_SIMPLE
                          : c.comboType == ComboType::DropDown ? (CBS_DROPDOWN | CBS_AUTOHSCROLL)
                                                               : CBS_DROPDOWNLIST;
  switch (c.cls) {
    case ControlClass::Label: {
      DWORD style = SS_NOPREFIX | hAlignStatic;
      // One line centred vertically; a left-aligned line that does not wrap is cut, not wrapped.
      if (!c.wordWrap && c.vAlign == VAlign::Center) style |= SS_CENTERIMAGE;
      if (!c.wordWrap && c.hAlign == HAlign::Left) style = (style & ~SS_LEFT) | SS_LEFTNOWORDWRAP;
      return {"STATIC", style, FrameExStyle(c.border), c.height};
    }
    case ControlClass::EditBox: {
      DWORD style = ES_LEFT;
      if (c.multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
      if (c.autoHScroll) style |= ES_AUTOHSCROLL;
      if (c.scrollBars) style |= c.multiLine ? (WS_VSCROLL | WS_HSCROLL) : 0;
      if (c.input == InputMode::ReadOnly) style |= ES_READONLY;
      if (c.input == InputMode::Password) style |= ES_PASSWORD;
      const DWORD border = c.border == FrameStyle::SingleLine ? WS_BORDER : 0;
      return {"EDIT", style | border, FrameExStyle(c.border), c.height};
    }
    case ControlClass::GroupBox: return {"BUTTON", BS_GROUPBOX | hAlignButton, 0, c.height};
    case ControlClass::Button:
      return {"BUTTON", (c.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | hAlignButton | vAlignButton, 0,
              c.height};
    case ControlClass::CheckBox: return {"BUTTON", BS_AUTOCHECKBOX | hAlignButton | BS_VCENTER, 0, c.height};
    case ControlClass::ComboBox: {
      // Rows of another height than the system's need a list that the model draws itself: not every
      // system lets a plain list change its row height.
      const DWORD ownerDraw = c.rowSpacing != 0 ? (CBS_OWNERDRAWFIXED | CBS_HASSTRINGS) : 0u;
      return {"COMBOBOX", comboType | WS_VSCROLL | ownerDraw | (c.sorted ? CBS_SORT : 0u), 0, listHeight};
    }
    case ControlClass::DriverBox: return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, listHeight};
    case ControlClass::CommonDlg: break;
  }
  return {nullptr, 0, 0, 0};
}

// Containers place their children: a control listed by a GroupBox sits at the group's position plus its own.
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
  c.hwnd = CreateWindowExA(native.exStyle, native.className, text, style, c.offsetX + l.left, c.offsetY + l.top,
                           l.width, native.height, w.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  if (!c.hwnd) return false;
  SendMessageA(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

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
  return true;
}

// The row height of a plain drop-down list in the default GUI font, measured once.
struct ListMetrics {
  int row = 0;
};
const ListMetrics& SystemListMetrics() {
  static const ListMetrics metrics = [] {
    ListMetrics m;
    HWND probe = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 80, 160, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!probe) return m;
    SendMessageA(probe, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    m.row = static_cast<int>(SendMessageA(probe, CB_GETITEMHEIGHT, 0, 0));
    DestroyWindow(probe);
    return m;
  }();
  return metrics;
}

ControlInstance* ControlById(WindowInstance& w, UINT id) {
  const size_t index = id - kFirstControlId;
  return id >= kFirstControlId && index < w.controls.size() ? &w.controls[index] : nullptr;
}

void MeasureListItem(WindowInstance& w, MEASUREITEMSTRUCT& measure) {
  ControlInstance* c = ControlById(w, measure.CtlID);
  if (!c || measure.CtlType != ODT_COMBOBOX) return;
  const ListMetrics& m = SystemListMetrics();
  if (measure.itemID != static_cast<UINT>(-1) && m.row > 0) {
    measure.itemHeight = static_cast<UINT>(m.row + c->layout->rowSpacing);
  }
}

void DrawListItem(WindowInstance& w, const DRAWITEMSTRUCT& draw) {
  ControlInstance* c = ControlById(w, draw.CtlID);
  if (!c || draw.CtlType != ODT_COMBOBOX) return;
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const bool disabled = (draw.itemState & ODS_DISABLED) != 0;
  RECT rc = draw.rcItem;
  if (selected) {
    FillRect(draw.hDC, &rc, GetSysColorBrush(COLOR_HIGHLIGHT));
  } else {
    FillRect(draw.hDC, &rc, static_cast<HBRUSH>(c->backBrush.get()));
  }
  if (draw.itemID != static_cast<UINT>(-1)) {
    std::string text;
    const LRESULT length = SendMessageA(draw.hwndItem, CB_GETLBTEXTLEN, draw.itemID, 0);
    if (length > 0) {
      text.assign(static_cast<size_t>(length) + 1, '\0');
      const LRESULT n = SendMessageA(draw.hwndItem, CB_GETLBTEXT, draw.itemID, reinterpret_cast<LPARAM>(text.data()));
      text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    }
    const COLORREF color = disabled ? GetSysColor(COLOR_GRAYTEXT)
                           : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                      : NativeColor(c->textColor);
    ::SetTextColor(draw.hDC, color);
    SetBkMode(draw.hDC, TRANSPARENT);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(draw.hwndItem, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(draw.hDC, font) : nullptr;
    RECT textRect = rc;
    textRect.left += 2;
    DrawTextA(draw.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (previous) SelectObject(draw.hDC, previous);
  }
  if ((draw.itemState & ODS_FOCUS) && !(draw.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(draw.hDC, &rc);
}

void SetIcons(WindowInstance& w) {
  if (!w.layout->iconResource) return;
  HINSTANCE module = GetModuleHandleA(nullptr);
  const auto resource = MAKEINTRESOURCEA(w.layout->iconResource);
  w.bigIcon.reset(static_cast<HICON>(LoadImageA(module, resource, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                GetSystemMetrics(SM_CYICON), 0)));
  w.smallIcon.reset(static_cast<HICON>(LoadImageA(module, resource, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), 0)));
  if (w.bigIcon) SendMessageA(w.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(w.bigIcon.get()));
  if (w.smallIcon) SendMessageA(w.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(w.smallIcon.get()));
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
  if (!g_reloading && !AnyWindowLoaded()) PostQuitMessage(0);
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

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
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

}  // namespace

WindowInstance& Instance(const WindowLayout& window) {
  for (auto& w : Instances()) {
    if (w->layout == &window) return *w;
  }
  auto w = std::make_unique<WindowInstance>();
  w->layout = &window;
  Instances().push_back(std::move(w));
  return *Instances().back();
}

WindowInstance* InstanceFromHwnd(HWND hwnd) {
  if (!hwnd) return nullptr;
  for (auto& w : Instances()) {
    if (w->hwnd == hwnd && w->state != WindowState::NotLoaded) return w.get();
  }
  return nullptr;
}

bool AnyWindowLoaded() {
  for (auto& w : Instances()) {
    if (w->state != WindowState::NotLoaded) return true;
  }
  return false;
}

ControlInstance* ControlFromHwnd(WindowInstance& window, HWND hwnd) {
  // A combo box's own edit or list reports as the combo box.
  for (int depth = 0; hwnd && depth < 3; ++depth, hwnd = GetParent(hwnd)) {
    for (auto& c : window.controls) {
      if (c.hwnd && c.hwnd == hwnd) return &c;
    }
  }
  return nullptr;
}

COLORREF NativeColor(Color color) {
  return color == kDefaultColor ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(color & 0x00FFFFFFu);
}

void FireClicked(WindowInstance& window, ControlInstance& control) {
  // A closing window may still be on screen while its closing handler waits for work to end; what is
  // clicked there meanwhile would start work on a window about to go.
  if (window.state == WindowState::Closing) return;
  if (control.layout->clicked) control.layout->clicked();
}

}  // namespace detail

using namespace detail;

int ControlId(const WindowLayout& window, const char* control) {
  for (size_t i = 0; i < window.controls.size(); ++i) {
    if (std::strcmp(window.controls[i].name, control) == 0) return kFirstControlId + static_cast<int>(i);
  }
  return -1;
}

bool Load(const WindowLayout& window, const WindowLayout* parent, bool modal) {
  if (!OnWindowThread()) {
    bool result = false;
    RunOnWindowThread([&] { result = Load(window, parent, modal); });
    return result;
  }
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
  int x = window.left, y = window.top;
  if (window.start == StartPosition::CenterScreen) {
    x = (GetSystemMetrics(SM_CXSCREEN) - window.width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - window.height) / 2;
  }

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
  w.hwnd = CreateWindowExA(exStyle, kWindowClass, window.title, style, x, y, window.width, window.height, owner,
                           nullptr, GetModuleHandleA(nullptr), &w);
  if (!w.hwnd) {
    w.state = WindowState::NotLoaded;
    w.controls.clear();
    return false;
  }
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

void Destroy(const WindowLayout& window) {
  if (!OnWindowThread()) {
    RunOnWindowThread([&] { Destroy(window); });
    return;
  }
  WindowInstance& w = LoadedInstance(window);
  w.state = WindowState::Closing;
  PostMessageA(w.hwnd, WM_CLOSE, 0, 0);
}

bool IsLoaded(const WindowLayout& window) {
  if (!OnWindowThread()) {
    bool result = false;
    RunOnWindowThread([&] { result = IsLoaded(window); });
    return result;
  }
  return Instance(window).state != WindowState::NotLoaded;
}

bool Visible(const WindowLayout& window) {
  if (!OnWindowThread()) {
    bool result = false;
    RunOnWindowThread([&] { result = Visible(window); });
    return result;
  }
  return IsWindowVisible(LoadedInstance(window).hwnd) != FALSE;
}

void SetVisible(const WindowLayout& window, bool visible) {
  if (!OnWindowThread()) {
    RunOnWindowThread([&] { SetVisible(window, visible); });
    return;
  }
  WindowInstance& w = LoadedInstance(window);
  if (visible) {
    ShowWindow(w.hwnd, IsIconic(w.hwnd) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(w.hwnd);
    SetActiveWindow(w.hwnd);
  } else {
    ShowWindow(w.hwnd, SW_HIDE);
  }
}

}  // namespace ui
