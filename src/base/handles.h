// Non-copyable owners for the system handles the launcher opens: each closes its handle exactly once,
// on every path.
#pragma once

#include <windows.h>

#include <utility>

template <class Traits>
class UniqueHandle {
 public:
  using Value = typename Traits::Value;
  UniqueHandle() = default;
  explicit UniqueHandle(Value value) : value_(value) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : value_(std::exchange(other.value_, Traits::Invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, Traits::Invalid()));
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Value get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::Invalid(); }
  Value release() { return std::exchange(value_, Traits::Invalid()); }
  void reset(Value value = Traits::Invalid()) {
    if (value_ != Traits::Invalid()) Traits::Close(value_);
    value_ = value;
  }
  // For out-parameters: closes what is held and hands out the slot.
  Value* put() {
    reset();
    return &value_;
  }

 private:
  Value value_ = Traits::Invalid();
};

struct KernelHandleTraits {
  using Value = HANDLE;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::CloseHandle(h); }
};
struct FileHandleTraits {  // from CreateFile, which fails with INVALID_HANDLE_VALUE
  using Value = HANDLE;
  static Value Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Value h) { ::CloseHandle(h); }
};
struct FindHandleTraits {
  using Value = HANDLE;
  static Value Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Value h) { ::FindClose(h); }
};
struct RegistryKeyTraits {
  using Value = HKEY;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::RegCloseKey(h); }
};
struct GdiObjectTraits {
  using Value = HGDIOBJ;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::DeleteObject(h); }
};
struct IconTraits {
  using Value = HICON;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::DestroyIcon(h); }
};
struct WindowTraits {
  using Value = HWND;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::DestroyWindow(h); }
};
struct ScreenDcTraits {  // the whole screen's DC, from GetDC(nullptr)
  using Value = HDC;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::ReleaseDC(nullptr, h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueRegKey = UniqueHandle<RegistryKeyTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueScreenDc = UniqueHandle<ScreenDcTraits>;
