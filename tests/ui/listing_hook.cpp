// Listings of the test process made to behave as slow or unusual file systems do.
#include "listing_hook.h"

#include <atomic>
#include <cstring>
#include <mutex>

namespace search_test {
namespace {

using FindFirstFn = HANDLE(WINAPI*)(LPCSTR, LPWIN32_FIND_DATAA);
using FindNextFn = BOOL(WINAPI*)(HANDLE, LPWIN32_FIND_DATAA);

// How long a held listing waits at most for its release: a test that fails must not hang the suite.
constexpr DWORD kLongestHoldMs = 60000;

std::mutex g_mutex;
std::string g_heldPattern;
std::string g_attributeEntry;
DWORD g_reportedAttributes = 0;
std::atomic<bool> g_held{false};
// Made once and kept: a held listing may still be leaving its wait when its hook goes.
const HANDLE g_release = CreateEventA(nullptr, TRUE, FALSE, nullptr);

void** ImportSlot(const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
    if (_stricmp(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

void* Swap(void** slot, void* replacement) {
  DWORD protection = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  void* previous = InterlockedExchangePointer(slot, replacement);
  VirtualProtect(slot, sizeof *slot, protection, &protection);
  return previous;
}

void** g_firstSlot = nullptr;
void** g_nextSlot = nullptr;
FindFirstFn g_realFirst = nullptr;
FindNextFn g_realNext = nullptr;

void Report(LPWIN32_FIND_DATAA data) {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (!g_attributeEntry.empty() && g_attributeEntry == data->cFileName) data->dwFileAttributes = g_reportedAttributes;
}

HANDLE WINAPI HookedFindFirst(LPCSTR pattern, LPWIN32_FIND_DATAA data) {
  const bool hold = [&] {
    std::lock_guard<std::mutex> lock(g_mutex);
    return !g_heldPattern.empty() && g_heldPattern == pattern;
  }();
  if (hold) {
    g_held = true;
    WaitForSingleObject(g_release, kLongestHoldMs);
    g_held = false;
  }
  const HANDLE find = g_realFirst(pattern, data);
  if (find != INVALID_HANDLE_VALUE) Report(data);
  return find;
}

BOOL WINAPI HookedFindNext(HANDLE find, LPWIN32_FIND_DATAA data) {
  const BOOL found = g_realNext(find, data);
  if (found) Report(data);
  return found;
}

}  // namespace

ListingHook::ListingHook() {
  ResetEvent(g_release);
  g_firstSlot = ImportSlot("kernel32.dll", "FindFirstFileA");
  g_nextSlot = ImportSlot("kernel32.dll", "FindNextFileA");
  if (!g_firstSlot || !g_nextSlot) return;
  g_realFirst = reinterpret_cast<FindFirstFn>(Swap(g_firstSlot, reinterpret_cast<void*>(HookedFindFirst)));
  g_realNext = reinterpret_cast<FindNextFn>(Swap(g_nextSlot, reinterpret_cast<void*>(HookedFindNext)));
}

ListingHook::~ListingHook() {
  Release();
  if (g_firstSlot && g_nextSlot) {
    Swap(g_firstSlot, reinterpret_cast<void*>(g_realFirst));
    Swap(g_nextSlot, reinterpret_cast<void*>(g_realNext));
  }
  std::lock_guard<std::mutex> lock(g_mutex);
  g_heldPattern.clear();
  g_attributeEntry.clear();
}

void ListingHook::Hold(const std::string& pattern) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_heldPattern = pattern;
}

bool ListingHook::Held() const { return g_held.load(); }

void ListingHook::Release() {
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_heldPattern.clear();
  }
  SetEvent(g_release);
}

void ListingHook::ReportAttributes(const std::string& name, DWORD attributes) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_attributeEntry = name;
  g_reportedAttributes = attributes;
}

}  // namespace search_test
