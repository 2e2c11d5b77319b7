// Browse in the real MainWindow: the system's open-file dialog is answered from a helper thread that
// finds it, reads its title and file name field, types a path and confirms, or cancels.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"
#include "ui_test_helpers.h"

namespace {

constexpr const char* kDialogTitle = "手动查找CS位置";

// What the helper thread saw of one opening of the dialog.
struct DialogVisit {
  bool seen = false;
  std::string title;
  bool hasNameField = false;
  std::string initialName;  // the file name field as the dialog opened
  bool closed = false;      // the dialog went away after the answer
  std::string strayBoxes;   // titles of other boxes that came up instead, e.g. "file not found"
};

enum class Answer { TypeAndConfirm, ConfirmAsOffered, Cancel };

// Answers the next open-file dialog of this process on a thread of its own: types a path into the file
// name field and confirms, confirms what the field offers, or cancels. A dialog that does not close
// after the answer is cancelled, so that a failing test ends instead of hanging.
class FileDialogDriver {
 public:
  FileDialogDriver(Answer answer, std::string typed) : answer_(answer), typed_(std::move(typed)) {
    thread_ = std::thread([this] { Run(); });
  }
  ~FileDialogDriver() { Finish(); }
  FileDialogDriver(const FileDialogDriver&) = delete;
  FileDialogDriver& operator=(const FileDialogDriver&) = delete;

  // Waits for the helper thread and returns what it saw; call after the handler has returned.
  DialogVisit Finish() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    std::lock_guard<std::mutex> lock(mutex_);
    return visit_;
  }

 private:
  static HWND NameField(HWND dialog) {
    if (HWND combo = GetDlgItem(dialog, cmb13)) return combo;
    return GetDlgItem(dialog, edt1);
  }

  // Visible dialogs of the dialog's thread other than the dialog itself, such as a box it raised.
  static std::vector<HWND> OtherDialogs(HWND dialog) {
    const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    return test::FindWindows([&](HWND hwnd) {
      return hwnd != dialog && GetWindowThreadProcessId(hwnd, nullptr) == thread && test::IsVisibleDialog(hwnd);
    });
  }

  void Run() {
    HWND dialog = nullptr;
    // Until the handler returns (stop_) the dialog may still come; afterwards it is too late.
    test::PollUntil([&] { return stop_ || (dialog = test::FindDialog(nullptr)) != nullptr; });
    if (dialog == nullptr) return;
    DialogVisit visit;
    visit.seen = true;
    visit.title = test::WindowText(dialog);
    HWND field = NameField(dialog);
    visit.hasNameField = field != nullptr;
    if (field) visit.initialName = test::WindowText(field);

    if (field && answer_ == Answer::TypeAndConfirm) {
      SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed_.c_str()));
    }
    const int button = answer_ == Answer::Cancel ? IDCANCEL : IDOK;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    visit.closed = test::PollUntil([&] { return !IsWindow(dialog); }, 10000);
    if (!visit.closed) {
      // Something refused the answer: close whatever came up, then the dialog itself.
      for (HWND box : OtherDialogs(dialog)) {
        visit.strayBoxes += test::WindowText(box) + ";";
        PostMessageA(box, WM_CLOSE, 0, 0);
        test::PollUntil([&] { return !IsWindow(box); }, 5000);
      }
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      test::PollUntil([&] { return !IsWindow(dialog); }, 5000);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    visit_ = visit;
  }

  const Answer answer_;
  const std::string typed_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  DialogVisit visit_;
  std::thread thread_;
};

class Browse : public uitest::RealMainWindowTest {
 protected:
  void SetUp() override {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    startDir_ = dir;
    RealMainWindowTest::SetUp();
  }
  void TearDown() override {
    RealMainWindowTest::TearDown();
    // The dialog may move the current folder into the scratch folder, which must go at the end.
    SetCurrentDirectoryA(startDir_.c_str());
  }

  // Clicks Browse and answers the dialog; returns what was seen of it.
  DialogVisit Click(Answer answer, const std::string& typed = {}) {
    FileDialogDriver driver(answer, typed);
    OnBrowseClicked();
    DialogVisit visit = driver.Finish();
    EXPECT_TRUE(visit.seen) << "no dialog came up";
    EXPECT_EQ(visit.title, kDialogTitle);
    EXPECT_TRUE(visit.hasNameField);
    EXPECT_TRUE(visit.closed) << "the dialog refused the answer; other boxes: " << visit.strayBoxes;
    return visit;
  }

  std::string MakeFile(const std::string& relative) {
    const std::string path = scratch_.File(relative);
    CreateDirectoryA(path.substr(0, path.rfind('\\')).c_str(), nullptr);
    test::WriteFileBytes(path, "MZ");
    EXPECT_TRUE(test::FileExists(path)) << path;
    return path;
  }

  static std::string PathBox() { return ui::Content(MainWindow, "编辑框1"); }
  static std::string DialogFileName() { return ui::FileName(MainWindow, "通用对话框1"); }

  test::ScratchDir scratch_;
  std::string startDir_;
};

// The name field may show the whole path or only its file name, with the dialog in that folder.
void ExpectOffered(const DialogVisit& visit, const std::string& path) {
  const std::string name = path.substr(path.rfind('\\') + 1);
  EXPECT_TRUE(visit.initialName == path || visit.initialName == name)
      << "field: " << visit.initialName << ", expected " << path;
}

TEST_F(Browse, AcceptsHlExeAndCstrikeExe) {
  const std::string hl = MakeFile("反恐精英\\hl.exe");
  const std::string cstrike = MakeFile("CS 1.6\\cstrike.exe");

  const DialogVisit first = Click(Answer::TypeAndConfirm, hl);
  EXPECT_EQ(first.initialName, "");
  EXPECT_EQ(PathBox(), hl);
  EXPECT_EQ(DialogFileName(), hl);

  Click(Answer::TypeAndConfirm, cstrike);
  EXPECT_EQ(PathBox(), cstrike);
}

TEST_F(Browse, CapitalisedExecutableIsIgnoredButOfferedNextTime) {
  const std::string upper = MakeFile("Cstrike.exe");
  ui::SetContent(MainWindow, "编辑框1", "D:\\typed\\hl.exe");

  Click(Answer::TypeAndConfirm, upper);
  EXPECT_EQ(PathBox(), "D:\\typed\\hl.exe");  // not taken, no message
  EXPECT_EQ(DialogFileName(), upper);          // but kept by the dialog

  // Confirming the offered name as it stands picks the same rejected file again.
  const DialogVisit again = Click(Answer::ConfirmAsOffered);
  ExpectOffered(again, upper);
  EXPECT_EQ(DialogFileName(), upper);
  EXPECT_EQ(PathBox(), "D:\\typed\\hl.exe");
}

TEST_F(Browse, MarkerInAFolderNameIsAccepted) {
  const std::string readme = MakeFile("hl.exe.old\\readme.txt");
  Click(Answer::TypeAndConfirm, readme);
  EXPECT_EQ(PathBox(), readme);
}

TEST_F(Browse, CancelOnFirstUseChangesNothing) {
  ui::SetContent(MainWindow, "编辑框1", "D:\\typed\\cstrike.exe");
  Click(Answer::Cancel);
  EXPECT_EQ(PathBox(), "D:\\typed\\cstrike.exe");
  EXPECT_EQ(DialogFileName(), "");
}

TEST_F(Browse, CancelAfterAnAcceptedChoiceKeepsWhatWasTypedSince) {
  const std::string hl = MakeFile("hl.exe");
  Click(Answer::TypeAndConfirm, hl);
  ASSERT_EQ(PathBox(), hl);

  ui::SetContent(MainWindow, "编辑框1", "E:\\Games\\CS\\cstrike.exe");
  const DialogVisit cancelled = Click(Answer::Cancel);
  ExpectOffered(cancelled, hl);
  EXPECT_EQ(PathBox(), "E:\\Games\\CS\\cstrike.exe");
  EXPECT_EQ(DialogFileName(), hl);
}

}  // namespace
