// The drive search's walk order over in-memory trees: what is shown, tested and listed, in which order,
// where a stop or a confirmation ends the walk, and the mended walk of a root without "." and "..".
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "locate/search_walk.h"

namespace {

// A folder tree keyed by full folder path (with its trailing "\"); each folder lists its entries in the
// order given. Folders below the root list "." and ".." first, as file systems do.
class FakeDrive {
 public:
  struct Entry {
    std::string name;
    bool folder;
  };

  explicit FakeDrive(std::string root) : root_(std::move(root)) { folders_[root_]; }

  // Each path in order: a folder where it ends in "\" (listing "." and ".." first), else a file.
  void Tree(std::initializer_list<std::string> paths) {
    for (const std::string& p : paths) {
      const bool folder = p.back() == '\\';
      Add(folder ? p.substr(0, p.size() - 1) : p, folder);
      if (folder && folders_[p].empty()) folders_[p] = {{".", true}, {"..", true}};
    }
  }
  // A folder listed exactly as given (for listings that do not follow the usual rules).
  void Listing(const std::string& folder, std::vector<Entry> entries) { folders_[folder] = std::move(entries); }

  const std::vector<Entry>* Find(const std::string& folder) const {
    auto it = folders_.find(folder);
    return it == folders_.end() ? nullptr : &it->second;
  }

 private:
  void Add(const std::string& path, bool folder) {
    const size_t cut = path.rfind('\\');
    folders_[path.substr(0, cut + 1)].push_back({path.substr(cut + 1), folder});
  }
  std::string root_;
  std::map<std::string, std::vector<Entry>> folders_;
};

// Records every step of a walk as "list P", "show P" or "test P".
struct RecordingHost {
  // Owned by one level of the walk, like a find handle: counted as open until it runs out or goes.
  struct Listing {
    Listing() = default;
    Listing(const Listing&) = delete;
    Listing& operator=(const Listing&) = delete;
    ~Listing() { Close(); }
    void Close() {
      if (entries) --*open;
      entries = nullptr;
    }
    const std::vector<FakeDrive::Entry>* entries = nullptr;
    int* open = nullptr;
    size_t next = 0;
    bool folder = false;
  };

  const FakeDrive* drive = nullptr;
  std::vector<std::string> steps;
  std::set<std::string> confirmed;     // paths the player confirms
  size_t stopAfterSteps = SIZE_MAX;    // "停止" pressed right after this many shows and tests
  bool stop = false;
  int openListings = 0;
  int pumps = 0;

  std::string FindEntry(const std::string& pattern, Listing& listing) {
    if (!pattern.empty()) {
      steps.push_back("list " + pattern);
      listing.Close();
      listing.next = 0;
      listing.open = &openListings;
      const auto* entries = drive->Find(pattern.substr(0, pattern.size() - 1));
      if (!entries || entries->empty()) return {};
      listing.entries = entries;
      ++openListings;
    } else if (!listing.entries) {
      return {};
    }
    if (listing.next == listing.entries->size()) {
      listing.Close();
      return {};
    }
    const FakeDrive::Entry& e = (*listing.entries)[listing.next++];
    listing.folder = e.folder;
    return e.name;
  }
  search_walk::Kind KindOf(const Listing& l) const { return l.folder ? search_walk::Kind::Folder : search_walk::Kind::File; }
  // These trees hold no links, and an entry that is no link costs no look at a folder's identity.
  using FolderId = int;
  bool IdentifyFolder(const std::string& path, FolderId&) {
    ADD_FAILURE() << "identified " << path;
    return false;
  }
  void ProcessPendingMessages() { ++pumps; }
  bool Stopping() { return stop; }
  void Show(const std::string& path) { Step("show " + path); }
  bool Examine(const std::string& path) {
    Step("test " + path);
    if (confirmed.count(path) == 0) return false;
    stop = true;  // the hand-off
    return true;
  }

 private:
  void Step(const std::string& step) {
    steps.push_back(step);
    size_t shown = 0;
    for (const auto& s : steps) shown += s.rfind("list ", 0) != 0;
    if (shown >= stopAfterSteps) stop = true;
  }
};

std::vector<std::string> Walk(RecordingHost& host, const FakeDrive& drive, const std::string& from) {
  host.drive = &drive;
  WalkDirectory(host, from);
  return host.steps;
}

std::vector<std::string> ShownAndTested(const std::vector<std::string>& steps) {
  std::vector<std::string> out;
  for (const auto& s : steps) {
    if (s.rfind("list ", 0) != 0) out.push_back(s);
  }
  return out;
}

// S:\a\x.txt, S:\a\y\z.txt, S:\b.txt and the empty folder S:\c.
FakeDrive SmallDrive() {
  FakeDrive d("S:\\");
  d.Tree({"S:\\a\\", "S:\\a\\x.txt", "S:\\a\\y\\", "S:\\a\\y\\z.txt", "S:\\b.txt", "S:\\c\\"});
  return d;
}

// A line for each listing with the steps it brings before the next; the root's own text ends the walk.
const std::vector<std::string> kSmallDriveWalk = {
    "list S:\\*",          "test S:\\a",
    "list S:\\a\\*",       "show S:\\a\\.",       "test S:\\a\\x.txt",    "test S:\\a\\y",
    "list S:\\a\\y\\*",    "show S:\\a\\y\\.",    "test S:\\a\\y\\z.txt", "test S:\\a\\y\\",
    "test S:\\a\\",        "test S:\\b.txt",      "test S:\\c",
    "list S:\\c\\*",       "show S:\\c\\.",       "test S:\\c\\",
    "test S:\\",
};

TEST(SearchWalk, WalksDepthFirstAndListsOnlyFolders) {
  RecordingHost host;
  const FakeDrive drive = SmallDrive();
  EXPECT_EQ(Walk(host, drive, "S:\\"), kSmallDriveWalk);
  EXPECT_EQ(host.openListings, 0);
  EXPECT_EQ(host.pumps, 4);  // once per folder walked
}

TEST(SearchWalk, RootEntriesAreAllTestedAndEnteredAndTheRootEndsTheWalk) {
  // The first two entries of a root are real ones: the game folder listed first is found, and a root
  // holding only that folder is walked to the end with the root's own text last.
  FakeDrive only("S:\\");
  only.Tree({"S:\\game\\", "S:\\game\\hl.exe"});
  RecordingHost host;
  EXPECT_EQ(Walk(host, only, "S:\\"),
            (std::vector<std::string>{"list S:\\*", "test S:\\game", "list S:\\game\\*", "show S:\\game\\.",
                                      "test S:\\game\\hl.exe", "test S:\\game\\", "test S:\\"}));

  FakeDrive twoFiles("S:\\");
  twoFiles.Tree({"S:\\cstrike.exe", "S:\\hl.exe"});
  RecordingHost second;
  EXPECT_EQ(ShownAndTested(Walk(second, twoFiles, "S:\\")),
            (std::vector<std::string>{"test S:\\cstrike.exe", "test S:\\hl.exe", "test S:\\"}));
}

TEST(SearchWalk, AFolderThatListsNothingShowsNothing) {
  FakeDrive empty("S:\\");
  RecordingHost host;
  EXPECT_EQ(Walk(host, empty, "S:\\"), (std::vector<std::string>{"list S:\\*"}));
  RecordingHost missing;
  EXPECT_EQ(Walk(missing, empty, "Q:\\"), (std::vector<std::string>{"list Q:\\*"}));
}

TEST(SearchWalk, NamesBeginningWithADotAreTestedButNeverEntered) {
  FakeDrive d("S:\\");
  d.Tree({"S:\\.game\\", "S:\\.game\\hl.exe", "S:\\.hl.exe", "S:\\x\\", "S:\\x\\.y\\"});
  RecordingHost host;
  EXPECT_EQ(Walk(host, d, "S:\\"),
            (std::vector<std::string>{"list S:\\*", "test S:\\.game", "test S:\\.hl.exe", "test S:\\x",
                                      "list S:\\x\\*", "show S:\\x\\.", "test S:\\x\\.y", "test S:\\x\\",
                                      "test S:\\"}));
}

TEST(SearchWalk, AListingOfASingleDotIsWalkedLikeARoot) {
  // Only a listing that begins with both "." and ".." has its first entry merely shown.
  FakeDrive d("S:\\");
  d.Listing("S:\\", {{".", true}, {"a.txt", false}});
  RecordingHost host;
  EXPECT_EQ(ShownAndTested(Walk(host, d, "S:\\")),
            (std::vector<std::string>{"test S:\\.", "test S:\\a.txt", "test S:\\"}));
}

TEST(SearchWalk, AConfirmedPathEndsTheWholeWalk) {
  const FakeDrive drive = SmallDrive();
  RecordingHost host;
  host.confirmed = {"S:\\a\\y\\z.txt"};
  const auto steps = Walk(host, drive, "S:\\");
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.back(), "test S:\\a\\y\\z.txt");
  EXPECT_EQ(std::vector<std::string>(kSmallDriveWalk.begin(), kSmallDriveWalk.begin() + steps.size()), steps);
  EXPECT_EQ(host.openListings, 0);
}

TEST(SearchWalk, AStopAfterAnyStepShowsAndListsNothingMore) {
  const FakeDrive drive = SmallDrive();
  const auto full = ShownAndTested(kSmallDriveWalk);
  for (size_t n = 1; n <= full.size(); ++n) {
    RecordingHost host;
    host.stopAfterSteps = n;
    const auto steps = Walk(host, drive, "S:\\");
    EXPECT_EQ(ShownAndTested(steps), std::vector<std::string>(full.begin(), full.begin() + n)) << n;
    // Nothing is listed after the last step shown.
    EXPECT_EQ(steps.back().rfind("list ", 0), std::string::npos) << n;
    EXPECT_EQ(host.openListings, 0) << n;
  }
}

TEST(SearchWalk, TheSeparatorTestLooksAtTheLastCharacter) {
  const FakeDrive d("S:\\");
  // B1 5C is one two-byte character whose second byte is 0x5C: the folder still gets its separator.
  for (const auto& [from, listed] : {std::pair{"S:\\dir", "list S:\\dir\\*"}, {"S:\\dir\\", "list S:\\dir\\*"},
                                     {"S:\\\xB1\x5C", "list S:\\\xB1\x5C\\*"}}) {
    RecordingHost host;
    EXPECT_EQ(Walk(host, d, from), std::vector<std::string>{listed}) << from;
  }
}

}  // namespace
