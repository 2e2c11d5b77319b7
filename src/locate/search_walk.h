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
//   search_walk::Kind KindOf(const Listing&) const;
//                                              what the entry last fetched is: a file, a folder, or a
//                                              link to a folder (a junction, a symbolic link)
//   using FolderId = ...;                      a folder's identity, compared with ==
//   bool IdentifyFolder(const std::string& path, FolderId&);
//                                              the identity of the folder a path leads to, links
//                                              followed; false when it cannot be told
//   void ProcessPendingMessages();
//   bool Stopping();                           the walk is to end at its next check
//   void Show(const std::string& path);        show a path without testing it
//   bool Examine(const std::string& path);     show a path and test it; true when the player confirmed
//                                              it (the walk then ends)
#pragma once

#include <string>
#include <utility>

#include "base/text.h"

namespace search_walk {

// A folder listing begins with "." and ".." everywhere but at a drive's root. In such a listing the
// first entry is only shown and the second is passed over; in a listing without them every entry is
// shown, tested and entered alike, so the first two real entries of a root are not lost.
inline bool IsDotEntry(const std::string& name) { return name == "."; }
inline bool IsDotDotEntry(const std::string& name) { return name == ".."; }

enum class Kind { File, Folder, Link };

// One folder of the walk's own path, from the innermost outwards; its identity is asked for only when a
// link is met below it.
template <class Host>
struct PathFolder {
  const std::string& directory;
  PathFolder* outer;
  bool identified = false, known = false;
  typename Host::FolderId id{};
};

// True when the link leads to a folder on the walk's own path: entering it would walk that folder
// again, round and round.
template <class Host>
bool LeadsBack(Host& host, const std::string& link, PathFolder<Host>& innermost) {
  typename Host::FolderId target{};
  if (!host.IdentifyFolder(link, target)) return false;
  for (PathFolder<Host>* folder = &innermost; folder; folder = folder->outer) {
    if (!folder->identified) folder->known = host.IdentifyFolder(folder->directory, folder->id);
    folder->identified = true;
    if (folder->known && folder->id == target) return true;
  }
  return false;
}

// One level of the walk; `outer` is the folder it was entered from, null where the walk begins.
template <class Host>
void Walk(Host& host, std::string directory, PathFolder<Host>* outer) {
  typename Host::Listing listing{};
  host.ProcessPendingMessages();
  if (!cp936::EndsWith(directory, '\\')) directory += '\\';
  PathFolder<Host> here{directory, outer};

  std::string name = host.FindEntry(directory + "*", listing);
  if (name.empty() || host.Stopping()) return;
  Kind kind = host.KindOf(listing);

  // The second entry is fetched early only to tell whether the listing begins with "." and "..";
  // that changes no path shown or tested.
  bool peeked = false;
  std::string next;
  Kind nextKind = Kind::File;
  if (IsDotEntry(name)) {
    next = host.FindEntry(std::string(), listing);
    nextKind = host.KindOf(listing);
    peeked = true;
  }

  if (peeked && IsDotDotEntry(next)) {
    host.Show(directory + name);
    if (host.Stopping()) return;
    name = next;
    kind = nextKind;
    peeked = false;
  } else if (host.Examine(directory + name)) {
    return;
  }

  while (!name.empty() && !host.Stopping()) {
    if (name[0] != '.') {
      // An entry the listing calls a file would list nothing and show nothing: it is not listed.
      if (kind == Kind::Folder || (kind == Kind::Link && !LeadsBack(host, directory + name, here))) {
        Walk(host, directory + name, &here);
      }
      if (host.Stopping()) return;
    }
    if (peeked) {
      name = next;
      kind = nextKind;
      peeked = false;
    } else {
      name = host.FindEntry(std::string(), listing);
      kind = name.empty() ? Kind::File : host.KindOf(listing);
    }
    // When the listing has run out this is the folder's own text, ending in "\".
    if (host.Examine(directory + name)) return;
  }
}

}  // namespace search_walk

// Walks one folder and everything below it. `directory` gets a "\" appended unless its last character
// is one already (a two-byte character whose second byte is 0x5C is no separator). A link to a folder
// is entered unless it leads back to a folder on the walk's own path.
template <class Host>
void WalkDirectory(Host& host, std::string directory) {
  search_walk::Walk<Host>(host, std::move(directory), nullptr);
}
