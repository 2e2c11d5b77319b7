// The order in which the drive search walks a folder: which paths it shows, which it tests, which
// entries it descends into, and where it notices a stop. Free of window and file-system code: the walk
// asks a host for listings and for showing and testing paths, so the order can be checked with an
// in-memory tree.
//
// A host provides:
//   using Listing = ...;                       one level's listing, default-constructed as none
//   std::string FindEntry(const std::string& pattern, Listing&);
//                                              non-empty pattern: start a listing; empty: continue it;
//                                              returns the next entry's name, empty when there is none
//   bool IsFolder(const Listing&) const;       the entry last fetched is a folder
//   void ProcessPendingMessages();
//   bool Stopping();                           the walk is to end at its next check
//   void Show(const std::string& path);        show a path without testing it
//   bool Examine(const std::string& path);     show a path and test it; true when the player confirmed
//                                              it (the walk then ends)
#pragma once

#include <string>

#include "base/text.h"

namespace search_walk {

// A folder listing begins with "." and ".." everywhere but at a drive's root. In such a listing the
// first entry is only shown and the second is passed over; in a listing without them every entry is
// shown, tested and entered alike, so the first two real entries of a root are not lost.
inline bool IsDotEntry(const std::string& name) { return name == "."; }
inline bool IsDotDotEntry(const std::string& name) { return name == ".."; }

}  // namespace search_walk

// Walks one folder and everything below it. `directory` gets a "\" appended unless its last character
// is one already (a two-byte character whose second byte is 0x5C is no separator).
template <class Host>
void WalkDirectory(Host& host, std::string directory) {
  typename Host::Listing listing{};
  host.ProcessPendingMessages();
  if (!cp936::EndsWith(directory, '\\')) directory += '\\';

  std::string name = host.FindEntry(directory + "*", listing);
  if (name.empty() || host.Stopping()) return;
  bool isFolder = host.IsFolder(listing);

  // The second entry is fetched early only to tell whether the listing begins with "." and "..";
  // that changes no path shown or tested.
  bool peeked = false;
  std::string next;
  bool nextIsFolder = false;
  if (search_walk::IsDotEntry(name)) {
    next = host.FindEntry(std::string(), listing);
    nextIsFolder = host.IsFolder(listing);
    peeked = true;
  }

  if (peeked && search_walk::IsDotDotEntry(next)) {
    host.Show(directory + name);
    if (host.Stopping()) return;
    name = next;
    isFolder = nextIsFolder;
    peeked = false;
  } else if (host.Examine(directory + name)) {
    return;
  }

  while (!name.empty() && !host.Stopping()) {
    if (name[0] != '.') {
      // An entry the listing calls a file would list nothing and show nothing: it is not listed.
      if (isFolder) WalkDirectory(host, directory + name);
      if (host.Stopping()) return;
    }
    if (peeked) {
      name = next;
      isFolder = nextIsFolder;
      peeked = false;
    } else {
      name = host.FindEntry(std::string(), listing);
      isFolder = !name.empty() && host.IsFolder(listing);
    }
    // When the listing has run out this is the folder's own text, ending in "\".
    if (host.Examine(directory + name)) return;
  }
}
