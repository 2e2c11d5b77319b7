// The model's thread services: carrying a worker's control accesses out on the window thread, ending
// a worker without ever blocking the window thread, and the window thread's message loop.
#include "ui/model/threads.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include "ui/model/model.h"
#include "ui/model/model_internal.h"

namespace ui {
namespace {

constexpr char kInvokerClass[] = "LauncherModelInvoker";
constexpr UINT kInvokeMessage = WM_APP + 1;
// How often a wait for an ending worker looks again for message boxes it may have opened meanwhile.
constexpr DWORD kDismissIntervalMs = 10;
// The window class of dialogs, message boxes among them.
constexpr char kDialogClass[] = "#32770";

struct WorkerState {
  DWORD threadId = 0;
  UniqueKernelHandle thread;  // our own duplicate, to tell when it has ended
  std::atomic<bool> abandoned{false};
  // The button that declines the message box the worker shows (or showed last); 0 for none.
  std::atomic<int> decliningButton{IDCANCEL};
};

struct Invocation {
  FunctionRef work;
  WorkerState* worker;
  bool refused;
};

struct StartBlock {
  LPTHREAD_START_ROUTINE entry;
  void* parameter;
  std::shared_ptr<WorkerState> state;
};

DWORD g_windowThread = 0;
HWND g_invoker = nullptr;
thread_local WorkerState* t_worker = nullptr;

// Workers started and not yet ended, window thread only.
std::vector<std::shared_ptr<WorkerState>>& Workers() {
  static std::vector<std::shared_ptr<WorkerState>> workers;
  return workers;
}

LRESULT CALLBACK InvokerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  if (msg == kInvokeMessage) {
    auto* invocation = reinterpret_cast<Invocation*>(lp);
    if (invocation->worker && invocation->worker->abandoned.load()) {
      invocation->refused = true;
    } else {
      invocation->work();
    }
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

DWORD WINAPI WorkerEntry(void* p) noexcept {
  std::unique_ptr<StartBlock> block(static_cast<StartBlock*>(p));
  std::shared_ptr<WorkerState> state = block->state;
  t_worker = state.get();
  const DWORD code = block->entry(block->parameter);
  t_worker = nullptr;
  return code;
}

void PruneEndedWorkers() {
  auto& workers = Workers();
  workers.erase(std::remove_if(workers.begin(), workers.end(),
                               [](const std::shared_ptr<WorkerState>& w) {
                                 return WaitForSingleObject(w->thread.get(), 0) != WAIT_TIMEOUT;
                               }),
                workers.end());
}

// A message box without a Cancel button ignores WM_CLOSE, so a box is answered by the button that
// declines: Cancel, else No, else OK; 0 for a box that has none of them.
int DecliningButton(UINT style) {
  switch (style & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return 0;
    default: return IDCANCEL;
  }
}

// Closes a box of an ended worker with the button `lp` (0: WM_CLOSE). Only the worker's dialogs are
// meant, not the other top-level windows of its thread (such as its IME windows). The box's buttons
// are known from its style, not looked up: listing the children of another thread's window while that
// thread destroys them (a box closing) never ends under Wine 10 (see README).
BOOL CALLBACK DismissWindow(HWND hwnd, LPARAM lp) noexcept {
  char className[sizeof kDialogClass + 1] = {};
  if (!GetClassNameA(hwnd, className, sizeof className) || lstrcmpA(className, kDialogClass) != 0) return TRUE;
  if (lp) {
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(static_cast<int>(lp), BN_CLICKED), 0);
  } else {
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

}  // namespace

namespace detail {

void NoteWorkerMessageBox(UINT style) {
  if (t_worker) t_worker->decliningButton = DecliningButton(style);
}

void EnsureWindowThread() {
  if (g_windowThread) return;
  g_windowThread = GetCurrentThreadId();
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = InvokerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kInvokerClass;
  RegisterClassExA(&wc);
  g_invoker = CreateWindowExA(0, kInvokerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                              nullptr);
}

}  // namespace detail

bool OnWindowThread() { return g_windowThread == 0 || g_windowThread == GetCurrentThreadId(); }

bool WorkerAbandoned() { return t_worker && t_worker->abandoned.load(); }

bool RunOnWindowThread(FunctionRef work) {
  if (OnWindowThread() || !g_invoker) {
    work();
    return true;
  }
  if (WorkerAbandoned()) return false;
  Invocation invocation{work, t_worker, false};
  SendMessageA(g_invoker, kInvokeMessage, 0, reinterpret_cast<LPARAM>(&invocation));
  return !invocation.refused;
}

HANDLE StartWorker(LPTHREAD_START_ROUTINE entry, void* parameter, bool runAtOnce, DWORD* threadId) {
  auto state = std::make_shared<WorkerState>();
  auto* block = new StartBlock{entry, parameter, state};
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, WorkerEntry, block, CREATE_SUSPENDED, &id);
  if (!thread) {
    delete block;
    return nullptr;
  }
  state->threadId = id;
  HANDLE duplicate = nullptr;
  DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &duplicate, SYNCHRONIZE, FALSE, 0);
  state->thread.reset(duplicate);
  PruneEndedWorkers();
  Workers().push_back(state);
  if (threadId) *threadId = id;
  if (runAtOnce) ResumeThread(thread);
  return thread;
}

void EndWorker(HANDLE thread) {
  if (!thread) return;
  const DWORD id = GetThreadId(thread);
  std::shared_ptr<WorkerState> state;  // kept: a handler run meanwhile may prune the list
  for (auto& w : Workers()) {
    if (w->threadId == id) {
      w->abandoned = true;
      state = w;
    }
  }
  // A worker created suspended would never reach a refused access. A failed resume (a handle without
  // the right to resume) gives (DWORD)-1: the wait below then goes on without it.
  for (DWORD count = ResumeThread(thread); count != static_cast<DWORD>(-1) && count > 1;
       count = ResumeThread(thread)) {
  }

  bool quit = false;
  WPARAM quitCode = 0;
  for (;;) {
    EnumThreadWindows(id, DismissWindow, state ? state->decliningButton.load() : IDCANCEL);
    const DWORD r = MsgWaitForMultipleObjects(1, &thread, FALSE, kDismissIntervalMs, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0 || r == WAIT_FAILED) break;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = msg.wParam;
        continue;
      }
      DispatchWindowMessage(msg);
    }
  }
  PruneEndedWorkers();
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
}

void DispatchWindowMessage(const MSG& msg) {
  if (detail::TranslateWindowKey(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void ProcessPendingMessages() {
  // The windows' keyboard rules read the window thread's records: a worker only dispatches.
  const bool windowThread = OnWindowThread();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    if (windowThread) {
      DispatchWindowMessage(msg);
    } else {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

int RunMessageLoop() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchWindowMessage(msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace ui
