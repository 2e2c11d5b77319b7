// The window and control model that all of the launcher's logic talks to. A window is named by its
// layout, a control by its window and its layout name ("编辑框1"). Texts are code page 936 bytes; a text
// returned is a copy that belongs to the caller.
//
// Every call may come from the window thread or from a worker started with StartWorker (threads.h). A
// worker's call is carried out on the window thread, and returns only when it has been done there.
//
// Touching a window that is not loaded is a fatal error: the model shows its error box and ends the
// process with exit code -1. Naming a control that the layout lacks, or using a property on a class that
// lacks it, is a programming error and stops the program at once.
#pragma once

#include <string>
#include <string_view>

#include "ui/model/dialog_texts.h"
#include "ui/model/layout.h"

namespace ui {

using Text = std::string;

// --- Windows ---------------------------------------------------------------------------------------
// Loads a window from its layout (or brings a loaded one forward); true on success.
bool Load(const WindowLayout& window, const WindowLayout* parent = nullptr, bool modal = false);
// Asks the window to close; the close happens when the window thread next handles its messages.
void Destroy(const WindowLayout& window);
bool IsLoaded(const WindowLayout& window);
bool Visible(const WindowLayout& window);
void SetVisible(const WindowLayout& window, bool visible);  // true also activates the window

// --- Properties of a control -----------------------------------------------------------------------
bool Visible(const WindowLayout& window, const char* control);
void SetVisible(const WindowLayout& window, const char* control, bool visible);
bool Disabled(const WindowLayout& window, const char* control);
void SetDisabled(const WindowLayout& window, const char* control, bool disabled);

Text Content(const WindowLayout& window, const char* control);  // EditBox
void SetContent(const WindowLayout& window, const char* control, std::string_view text);

Text Caption(const WindowLayout& window, const char* control);  // Label, Button, CheckBox
void SetCaption(const WindowLayout& window, const char* control, std::string_view text);
Color TextColor(const WindowLayout& window, const char* control);  // Label
void SetTextColor(const WindowLayout& window, const char* control, Color color);

bool Checked(const WindowLayout& window, const char* control);  // CheckBox
void SetChecked(const WindowLayout& window, const char* control, bool checked);

// ComboBox. Writing v selects item min(v, n - 1); a result below 0 clears the selection.
int CurrentSelection(const WindowLayout& window, const char* control);
void SetCurrentSelection(const WindowLayout& window, const char* control, int index);
// Inserts at position (not re-sorted) and returns the item's position; a negative position inserts
// nothing and returns -1. A position past the end appends.
int InsertItem(const WindowLayout& window, const char* control, int position, std::string_view text,
               int value = 0);
Text ItemText(const WindowLayout& window, const char* control, int position);  // "" when out of range
int ItemCount(const WindowLayout& window, const char* control);

// DriverBox: the upper-case letter of the selected drive, else of the process's current drive.
Text CurrentDrive(const WindowLayout& window, const char* control);

// CommonDlg
Text FileName(const WindowLayout& window, const char* control);
// True when a file was accepted; false too when the window was closed while the dialog was open.
bool Open(const WindowLayout& window, const char* control);

// The native control id of a control: 1000 plus its position in the layout, stable for tools that
// drive the launcher from outside (automation, accessibility, tests). -1 for a name the layout lacks.
int ControlId(const WindowLayout& window, const char* control);

// --- Message boxes ---------------------------------------------------------------------------------
// The system's message box without owner, task-modal unless the style is system-modal. Returns the
// button that closed it: OK 0, Cancel 1, Abort 2, Retry 3, Ignore 4, Yes 5, No 6.
inline constexpr unsigned kMsgOk = 0, kMsgOkCancel = 1, kMsgYesNoQuestion = 0x24;
enum Answer : int { kOk = 0, kCancel = 1, kAbort = 2, kRetry = 3, kIgnore = 4, kYes = 5, kNo = 6 };
int ShowMessage(std::string_view message, unsigned style = kMsgOk, const char* title = nullptr);
int ShowMessage(long long number, unsigned style = kMsgOk, const char* title = nullptr);
int ShowMessage(bool logical, unsigned style = kMsgOk, const char* title = nullptr);  // "真" or "假"
int ShowMessage(const Date& date, unsigned style = kMsgOk, const char* title = nullptr);
inline int ShowMessage(const char* message, unsigned style = kMsgOk, const char* title = nullptr) {
  return ShowMessage(std::string_view(message ? message : ""), style, title);
}
inline int ShowMessage(int number, unsigned style = kMsgOk, const char* title = nullptr) {
  return ShowMessage(static_cast<long long>(number), style, title);
}
inline constexpr const char* kDefaultMessageTitle = "信息：";
// A box that reads right whatever the process's code page: the code page 936 texts are converted to
// Unicode and shown with OK and the warning icon, task-modal. Returns when the box is closed.
void ShowMessageInAnyCodePage(std::string_view message, std::string_view title);

// --- Main loop and fatal errors --------------------------------------------------------------------
// Runs the window thread's message loop until the last window is gone; returns the quit code.
int RunMessageLoop();
// Shows the model's fatal-error box with this reason and ends the process with exit code -1.
[[noreturn]] void Fatal(std::string_view reason);

}  // namespace ui
