// The model's thread services: worker threads whose control accesses are carried out on the window
// thread, and pumping the calling thread's messages.
//
// A worker's access is sent to the window thread and the worker waits until it has been done there.
// Once the window thread ends a worker (EndWorker), every later access of that worker is refused: it
// changes nothing and reads as empty, a message box of the worker is not shown (or is dismissed) and
// answers Cancel. The window thread never waits for a worker without handling its messages.
#pragma once

#include <windows.h>

#include <type_traits>
#include <utility>

namespace ui {

// A non-owning reference to something callable as void(); cheap to pass across the thread hop.
class FunctionRef {
 public:
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, FunctionRef>>>
  FunctionRef(F&& f)  // NOLINT: implicit on purpose
      : object_(const_cast<void*>(static_cast<const void*>(&f))),
        call_([](void* o) { (*static_cast<std::remove_reference_t<F>*>(o))(); }) {}
  void operator()() const { call_(object_); }

 private:
  void* object_;
  void (*call_)(void*);
};

// True on the thread that owns the launcher's windows (the one that first loaded a window).
bool OnWindowThread();

// Runs `work` on the window thread and returns when it is done; true unless the access was refused
// because the calling worker has been ended. On the window thread itself it simply runs `work`.
bool RunOnWindowThread(FunctionRef work);

// True on a worker whose accesses are refused from now on.
bool WorkerAbandoned();

// Starts entry(parameter) on a new thread registered as a worker. Creation flags are 0 when runAtOnce
// is set, CREATE_SUSPENDED otherwise. Returns the thread handle (owned by the caller), or null.
HANDLE StartWorker(LPTHREAD_START_ROUTINE entry, void* parameter, bool runAtOnce, DWORD* threadId);

// Window thread: refuses every later access of the worker running on `thread`, dismisses its message
// boxes, and waits until the thread has ended, handling messages meanwhile. A null handle or a thread
// that has ended already returns at once. Does not close the handle.
void EndWorker(HANDLE thread);

// Handles the window messages queued for the calling thread, stopping at a quit message.
void ProcessPendingMessages();

// Dispatches a message of the window thread as every one of its loops does: the windows' keyboard
// rules (Enter, Esc, Tab) first, then the system's translation and the window procedure.
void DispatchWindowMessage(const MSG& msg);

}  // namespace ui
