// The model's message box and its fatal-error box.
#include <windows.h>

#include <string>

#include "ui/model/model.h"
#include "ui/model/model_internal.h"
#include "ui/model/threads.h"

namespace ui {

int ShowMessage(std::string_view message, unsigned style, const char* title) {
  // A worker that has been ended shows nothing more; its question counts as declined.
  if (WorkerAbandoned()) return kCancel;
  UINT flags = style;
  if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
  detail::NoteWorkerMessageBox(flags);
  const std::string text(message);
  const int pressed = MessageBoxA(nullptr, text.c_str(), title && *title ? title : kDefaultMessageTitle, flags);
  if (WorkerAbandoned()) return kCancel;
  switch (pressed) {
    case IDOK: return kOk;
    case IDABORT: return kAbort;
    case IDRETRY: return kRetry;
    case IDIGNORE: return kIgnore;
    case IDYES: return kYes;
    case IDNO: return kNo;
    default: return kCancel;  // Cancel, the close box, or no box at all
  }
}

int ShowMessage(long long number, unsigned style, const char* title) {
  return ShowMessage(std::to_string(number), style, title);
}

int ShowMessage(bool logical, unsigned style, const char* title) {
  return ShowMessage(std::string_view(logical ? "真" : "假"), style, title);
}

int ShowMessage(const Date& date, unsigned style, const char* title) {
  return ShowMessage(DateText(date), style, title);
}

void ShowMessageInAnyCodePage(std::string_view message, std::string_view title) {
  MessageBoxW(nullptr, detail::WideText(message, 936).c_str(), detail::WideText(title, 936).c_str(),
              MB_OK | MB_ICONWARNING | MB_TASKMODAL);
}

void Fatal(std::string_view reason) {
  std::string text = "运行时出错!\r\n\r\n错误信息：";
  text.append(reason);
  text += "\r\n";
  // A quit message already queued would close the box before anybody could read it.
  MSG quit;
  while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  MessageBoxA(nullptr, text.c_str(), "错误", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace ui
