// Loading, showing and closing the launcher's windows, building their controls from the layouts, and
// the one window procedure that all of them share.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "ui/model/dpi.h"
#include "ui/model/icon_scaling.h"
#include "ui/model/model.h"
#include "ui/model/model_internal.h"
#include "ui/model/scaling.h"

namespace ui {
namespace detail {
namespace {

constexpr char kWindowClass[] = "LauncherWindow";

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
// Offsets stay in the layout's 96-DPI numbers; a control's box is scaled as a whole when it is created.
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
  const LayoutBox box = ScaleBox({c.offsetX + l.left, c.offsetY + l.top, l.width, native.height}, SystemDpi());
  c.hwnd = CreateWindowExA(native.exStyle, native.className, text, style, box.left, box.top, box.width, box.height,
                           w.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
  if (!c.hwnd) return false;
  SendMessageA(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);

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

// The layout's icon at width x height: the group's biggest 32-bit image, its area averaged down. Null when
// the module lacks such an image.
UniqueIcon ScaledIcon(HMODULE module, int resource, int width, int height) {
  const auto data = [module](LPCSTR id, LPCSTR type, DWORD* size) -> const BYTE* {
    HRSRC found = FindResourceA(module, id, type);
    *size = found ? SizeofResource(module, found) : 0;
    return found ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
  };
  DWORD size = 0;
  const BYTE* group = data(MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(14), &size);  // RT_GROUP_ICON
  if (!group || size < 6) return {};
  // The group: a 6-byte header with the image count, then 14-byte entries (width at 0, bit count at 6,
  // image id at 12); a width of 0 means 256.
  int id = 0, side = 0;
  for (size_t i = 0, count = *reinterpret_cast<const WORD*>(group + 4); i < count && 6 + 14 * (i + 1) <= size; ++i) {
    const BYTE* entry = group + 6 + 14 * i;
    const int entrySide = entry[0] ? entry[0] : 256;
    if (*reinterpret_cast<const WORD*>(entry + 6) == 32 && entrySide > side) {
      side = entrySide;
      id = *reinterpret_cast<const WORD*>(entry + 12);
    }
  }
  const BYTE* image = id ? data(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3), &size) : nullptr;  // RT_ICON
  BITMAPINFOHEADER header{};
  if (!image || size < sizeof header) return {};
  std::memcpy(&header, image, sizeof header);
  const size_t pixelBytes = static_cast<size_t>(side) * side * 4;
  if (header.biBitCount != 32 || header.biWidth != side || header.biHeight != 2 * side ||
      size < header.biSize + pixelBytes) {
    return {};
  }
  std::vector<uint32_t> pixels(static_cast<size_t>(side) * side);
  std::memcpy(pixels.data(), image + header.biSize, pixelBytes);  // rows bottom-up, kept so
  const std::vector<uint32_t> small = AreaAverage(pixels, side, side, width, height);

  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const UniqueGdiObject colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour || !bits) return {};
  std::memcpy(bits, small.data(), small.size() * 4);
  // An all-zero AND mask: the colour image's alpha says what shows.
  const std::vector<BYTE> zeros(static_cast<size_t>((width + 15) / 16 * 2) * height);
  const UniqueGdiObject mask(CreateBitmap(width, height, 1, 1, zeros.data()));
  if (!mask) return {};
  ICONINFO icon{TRUE, 0, 0, static_cast<HBITMAP>(mask.get()), static_cast<HBITMAP>(colour.get())};
  return UniqueIcon(CreateIconIndirect(&icon));  // copies both bitmaps
}

// The caption's and the taskbar's icon at the system's sizes for the DPI in force, made from the layout's
// one big picture. Not LoadImage: it stretches a picture without averaging, and the strokes of a 128-px
// picture vanish at 16 px (Windows' LoadIconWithScaleDown averages, but Wine's stretches as LoadImage).
void SetIcons(WindowInstance& w) {
  if (!w.layout->iconResource) return;
  HMODULE module = GetModuleHandleA(nullptr);
  w.bigIcon = ScaledIcon(module, w.layout->iconResource, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  w.smallIcon =
      ScaledIcon(module, w.layout->iconResource, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
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
  if (!g_reloading && !AnyWindowLoaded()) {
    ReleaseControlFont();  // no control is left that uses it
    PostQuitMessage(0);
  }
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
  // The frame's outer size and place at the system DPI (the system scales its caption and borders).
  const int dpi = SystemDpi();
  const int width = ScaleToDpi(window.width, dpi), height = ScaleToDpi(window.height, dpi);
  int x = ScaleToDpi(window.left, dpi), y = ScaleToDpi(window.top, dpi);
  if (window.start == StartPosition::CenterScreen) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
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
  w.hwnd = CreateWindowExA(exStyle, kWindowClass, window.title, style, x, y, width, height, owner, nullptr,
                           GetModuleHandleA(nullptr), &w);
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
