// Listings of the test process made to behave as slow or unusual file systems do, without a test
// branch in the launcher: the process's own imports of FindFirstFileA and FindNextFileA are pointed at
// stand-ins for as long as a ListingHook lives.
#pragma once

#include <windows.h>

#include <string>

namespace search_test {

class ListingHook {
 public:
  ListingHook();
  ~ListingHook();  // lets a held listing go and puts the imports back
  ListingHook(const ListingHook&) = delete;
  ListingHook& operator=(const ListingHook&) = delete;

  // A listing started with exactly this pattern waits inside FindFirstFileA until Release(), as one of
  // an offline network drive or of a huge folder does.
  void Hold(const std::string& pattern);
  bool Held() const;  // a listing is waiting now
  void Release();

  // Entries of this name are reported with these attributes (a file with only "normal", say, which
  // Wine never reports).
  void ReportAttributes(const std::string& name, DWORD attributes);
};

}  // namespace search_test
