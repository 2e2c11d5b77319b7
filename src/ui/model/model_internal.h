// What the model's own files share: the run-time record of each window and control, look-ups, style
// translation, the drawn lists, and carrying an access out on the window thread. Everything here but
// Marshal is used on the window thread only.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/handles.h"
#include "ui/model/dpi.h"
#include "ui/model/layout.h"
#include "ui/model/threads.h"

namespace ui::detail {

enum class WindowState { NotLoaded, Loaded, Closing };

struct ControlInstance {
  const ControlLayout* layout = nullptr;
  HWND hwnd = nullptr;  // none for a CommonDlg
  int offsetX = 0, offsetY = 0;  // the container's position in the window
  Color textColor = kBlack;
  Color backColor = kWhite;
  UniqueGdiObject backBrush;
  bool disabled = false;   // a CommonDlg's own flag; native controls keep theirs
  std::string fileName;    // CommonDlg
};

// The rows of a plain drop-down list in a font: its items' and its selection field's.
struct ListRows {
  int item = 0;
  int field = 0;
};

struct WindowInstance {
  const WindowLayout* layout = nullptr;
  WindowState state = WindowState::NotLoaded;
  bool handlingClose = false;
  HWND hwnd = nullptr;
  HWND owner = nullptr;
  std::vector<ControlInstance> controls;  // layout order
  // What the window is laid out for: its DPI (dpi.h), its controls' font at it, and a plain list's rows
  // in that font, which the lists the model draws take theirs from.
  int dpi = 96;
  ControlFont font;
  ListRows listRows;
  UniqueGdiObject backgroundBrush;
  UniqueIcon bigIcon, smallIcon;
  HWND lastFocus = nullptr;
  std::vector<HWND> disabledWhileModal;
};

// --- Records and look-ups (instances.cpp) ------------------------------------------------------------
// Native control ids: 1000 plus the control's position in its layout.
inline constexpr int kFirstControlId = 1000;

// Every window record made so far, in the order of first use; never freed while the process runs.
std::vector<std::unique_ptr<WindowInstance>>& Instances();
// The record of a window, made on first use.
WindowInstance& Instance(const WindowLayout& window);
// The record of a loaded window; a fatal error when the window is not loaded.
WindowInstance& LoadedInstance(const WindowLayout& window);
// The record behind a top-level window of the model, or null.
WindowInstance* InstanceFromHwnd(HWND hwnd);
bool AnyWindowLoaded();

// The control by name; a programming error when the layout lacks it or its class is not `expected`.
ControlInstance& Control(WindowInstance& window, const char* name);
ControlInstance& Control(WindowInstance& window, const char* name, std::initializer_list<ControlClass> expected);
// The same, for a control whose native window must exist, or for a CommonDlg (which has none) its
// window's; a fatal error otherwise. NativeControl gives the control's native window.
ControlInstance& NativeControlRecord(const WindowLayout& window, const char* name,
                                     std::initializer_list<ControlClass> expected);
HWND NativeControl(const WindowLayout& window, const char* name, std::initializer_list<ControlClass> expected);
ControlInstance* ControlFromHwnd(WindowInstance& window, HWND hwnd);
ControlInstance* ControlById(WindowInstance& window, UINT id);

[[noreturn]] void ProgrammingError(const char* what, const char* name);

// --- Style translation (native_styles.cpp) -----------------------------------------------------------
// The system's class, styles and creation height for a control of the layout.
struct NativeClass {
  const char* className;
  DWORD style;
  DWORD exStyle;
  int height;
};
NativeClass NativeClassFor(const ControlLayout& control);
DWORD WindowStyle(const WindowLayout& window, DWORD* exStyle);
COLORREF NativeColor(Color color);
UniqueGdiObject SolidBrush(Color color);

// --- Lists the model draws (drawn_list.cpp) ----------------------------------------------------------
ListRows PlainListRows(HFONT font);
// The row height of a list's items: a plain list's, plus the layout's spacing scaled (for a list the
// model draws).
int ListItemHeight(const WindowInstance& window, const ControlLayout& list);
void MeasureListItem(WindowInstance& window, MEASUREITEMSTRUCT& measure);
void DrawListItem(WindowInstance& window, const DRAWITEMSTRUCT& draw);

// --- Icons (icons.cpp) ---------------------------------------------------------------------------------
// The window's caption and taskbar icons at its DPI, made from the layout's icon (none without one).
void SetIcons(WindowInstance& window);

// --- Life cycle (windows.cpp) and the rest -----------------------------------------------------------
// Runs the control's click handler, unless its window is closing.
void FireClicked(WindowInstance& window, ControlInstance& control);
void EnsureWindowThread();  // registers the window thread and its invoker window
// On a worker about to show a message box of this style: notes the button that declines it, which
// ending the worker answers the box with (threads.cpp).
void NoteWorkerMessageBox(UINT style);
// Applies a window's keyboard rules (Enter, Esc, Tab) to a message of the window thread about to be
// dispatched; true when the message was used up.
bool TranslateWindowKey(const MSG& msg);

// A control's text, and a list's item count and item text (the empty text for no such item), read
// through the system (properties.cpp).
std::string WindowTextOf(HWND hwnd);
// The text as Unicode, read in the code page given (CP_ACP: the process's).
std::wstring WideText(std::string_view text, UINT codePage);
int ItemCountOf(HWND combo);
std::string ItemTextOf(HWND combo, int position);

// Fills a drive list; selects the process's current drive.
void FillDriveList(HWND combo, DriveKinds kinds);
// Shows the open-file dialog for a CommonDlg; true when a file was accepted.
bool ShowOpenDialog(WindowInstance& window, ControlInstance& dialog);

// Runs `access` on the window thread and gives its result: at once on the window thread, sent there
// from a worker. An access refused because the calling worker has been ended gives `refused`.
template <class F, class R>
R Marshal(F&& access, R refused) {
  R result = std::move(refused);
  RunOnWindowThread([&] { result = access(); });
  return result;
}
template <class F>
auto Marshal(F&& access) {
  using R = std::invoke_result_t<F&>;
  if constexpr (std::is_void_v<R>) {
    RunOnWindowThread(access);
  } else {
    return Marshal(access, R{});
  }
}

}  // namespace ui::detail
