// What the model's own files share: the run-time record of each window and control, and lookups.
// Everything here is used on the window thread only.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/handles.h"
#include "ui/model/layout.h"

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

struct WindowInstance {
  const WindowLayout* layout = nullptr;
  WindowState state = WindowState::NotLoaded;
  bool handlingClose = false;
  HWND hwnd = nullptr;
  HWND owner = nullptr;
  std::vector<ControlInstance> controls;  // layout order
  UniqueGdiObject backgroundBrush;
  UniqueIcon bigIcon, smallIcon;
  HWND lastFocus = nullptr;
  std::vector<HWND> disabledWhileModal;
};

// The record of a window, made on first use; never freed while the process runs.
WindowInstance& Instance(const WindowLayout& window);
// The record of a loaded window; a fatal error when the window is not loaded.
WindowInstance& LoadedInstance(const WindowLayout& window);
// The record behind a top-level window of the model, or null.
WindowInstance* InstanceFromHwnd(HWND hwnd);
bool AnyWindowLoaded();

// The control by name; a programming error when the layout lacks it or its class is not `expected`.
ControlInstance& Control(WindowInstance& window, const char* name);
ControlInstance& Control(WindowInstance& window, const char* name, std::initializer_list<ControlClass> expected);
// The same, for a control whose native window must exist (a fatal error otherwise).
HWND NativeControl(const WindowLayout& window, const char* name, std::initializer_list<ControlClass> expected);
ControlInstance* ControlFromHwnd(WindowInstance& window, HWND hwnd);

[[noreturn]] void ProgrammingError(const char* what, const char* name);

// Runs the control's click handler, unless its window is closing.
void FireClicked(WindowInstance& window, ControlInstance& control);
void EnsureWindowThread();  // registers the window thread and its invoker window
COLORREF NativeColor(Color color);

std::string WindowTextOf(HWND hwnd);

// Fills a drive list; selects the process's current drive.
void FillDriveList(HWND combo, DriveKinds kinds);
// Shows the open-file dialog for a CommonDlg; true when a file was accepted.
bool ShowOpenDialog(WindowInstance& window, ControlInstance& dialog);

}  // namespace ui::detail
