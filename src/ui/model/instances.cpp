// The run-time records of the launcher's windows and their controls, and finding them: by layout, by
// native window, by name and by control id.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "ui/model/model.h"
#include "ui/model/model_internal.h"

namespace ui {
namespace detail {

std::vector<std::unique_ptr<WindowInstance>>& Instances() {
  static std::vector<std::unique_ptr<WindowInstance>> instances;
  return instances;
}

WindowInstance& Instance(const WindowLayout& window) {
  for (auto& w : Instances()) {
    if (w->layout == &window) return *w;
  }
  auto w = std::make_unique<WindowInstance>();
  w->layout = &window;
  Instances().push_back(std::move(w));
  return *Instances().back();
}

WindowInstance& LoadedInstance(const WindowLayout& window) {
  WindowInstance& w = Instance(window);
  if (w.state == WindowState::NotLoaded) Fatal("未载入欲访问窗口组件所在的窗口");
  return w;
}

void ProgrammingError(const char* what, const char* name) {
  Fatal(std::string("程序内部错误: ") + what + " " + (name ? name : ""));
}

ControlInstance& Control(WindowInstance& window, const char* name) {
  for (auto& c : window.controls) {
    if (std::strcmp(c.layout->name, name) == 0) return c;
  }
  ProgrammingError("no such control", name);
}

ControlInstance& Control(WindowInstance& window, const char* name, std::initializer_list<ControlClass> expected) {
  ControlInstance& c = Control(window, name);
  if (std::find(expected.begin(), expected.end(), c.layout->cls) == expected.end()) {
    ProgrammingError("property not of this class", name);
  }
  return c;
}

ControlInstance& NativeControlRecord(const WindowLayout& window, const char* name,
                                     std::initializer_list<ControlClass> expected) {
  WindowInstance& w = LoadedInstance(window);
  ControlInstance& c = Control(w, name, expected);
  if (!w.hwnd || (!c.hwnd && c.layout->cls != ControlClass::CommonDlg)) Fatal("指定窗口尚未载入");
  return c;
}

HWND NativeControl(const WindowLayout& window, const char* name, std::initializer_list<ControlClass> expected) {
  return NativeControlRecord(window, name, expected).hwnd;
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

ControlInstance* ControlById(WindowInstance& w, UINT id) {
  const size_t index = id - kFirstControlId;
  return id >= kFirstControlId && index < w.controls.size() ? &w.controls[index] : nullptr;
}

}  // namespace detail

int ControlId(const WindowLayout& window, const char* control) {
  for (size_t i = 0; i < window.controls.size(); ++i) {
    if (std::strcmp(window.controls[i].name, control) == 0) return detail::kFirstControlId + static_cast<int>(i);
  }
  return -1;
}

}  // namespace ui
