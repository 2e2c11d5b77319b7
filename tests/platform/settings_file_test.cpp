// option.ini as the launcher writes and reads it: real files in a scratch folder, through the system's
// profile functions. Each case uses a file name of its own, so no cached copy of an earlier file is read.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <string>

#include "core/settings_file.h"
#include "test_support.h"

namespace {

// The file after a first save of kSample into an empty folder, line for line: written out in full here
// alone, as the form that test::OptionIni builds for every other case.
const char kSampleFile[] = "[参数设置]\r\n" "CS路径=D:\\Games\\CS\\hl.exe\r\n" "分辨率=5\r\n" "刷新率=3\r\n" "颜色质量=1\r\n"
                           "-noforcemaccel=真\r\n" "-noforcemparms=假\r\n" "-noforcemspd=假\r\n";

const LaunchSettings kSample = {.gamePath = "D:\\Games\\CS\\hl.exe", .resolutionIndex = 5, .refreshRateIndex = 3,
                                .colorDepthIndex = 1, .noForceMouseAccel = true};

// What every key missing gives, each value written out.
void ExpectDefaults(const LaunchSettings& s) {
  EXPECT_EQ(s, (LaunchSettings{.gamePath = "", .resolutionIndex = 0, .refreshRateIndex = 0, .colorDepthIndex = 0,
                               .noForceMouseAccel = false, .noForceMouseParms = false, .noForceMouseSpeed = false}));
}

// A file holding only the section with these lines.
std::string Section(const std::string& lines) { return "[参数设置]\r\n" + lines; }

// Each case works in a scratch folder of its own, on option.ini there unless it names another file.
class SettingsFile : public ::testing::Test {
 protected:
  test::ScratchDir dir_;
  const std::string file_ = dir_.File("option.ini");
};

}  // namespace

TEST_F(SettingsFile, FirstSaveWritesTheSectionAndEveryKeyInOrder) {
  SaveLaunchSettings(file_, kSample);
  const std::string bytes = test::ReadFileBytes(file_);
  EXPECT_EQ(bytes, kSampleFile);
  EXPECT_EQ(test::OptionIni(kSample), kSampleFile);
  // The section name is stored in code page 936, not as UTF-8.
  EXPECT_EQ(bytes.substr(0, 10), "[\xB2\xCE\xCA\xFD\xC9\xE8\xD6\xC3]");
  EXPECT_EQ(LoadLaunchSettings(file_), kSample);
}

TEST_F(SettingsFile, LaterSavesReplaceValuesInPlace) {
  SaveLaunchSettings(file_, kSample);
  // An empty path still writes its key.
  const LaunchSettings changed = {.gamePath = "", .resolutionIndex = -1, .refreshRateIndex = 12, .colorDepthIndex = 0,
                                  .noForceMouseParms = true, .noForceMouseSpeed = true};
  SaveLaunchSettings(file_, changed);
  EXPECT_EQ(test::ReadFileBytes(file_), test::OptionIni(changed));
  EXPECT_EQ(LoadLaunchSettings(file_), changed);
}

TEST_F(SettingsFile, SaveKeepsKeysAndSectionsItDoesNotKnow) {
  // A key of the player's own before an old path: the path is replaced where it stands, the other keys follow.
  test::WriteFileBytes(file_, "[其他]\r\nfoo=bar\r\n[参数设置]\r\n手写=1\r\nCS路径=旧\r\n[尾部]\r\nx=y\r\n");
  SaveLaunchSettings(file_, kSample);
  EXPECT_EQ(test::ReadFileBytes(file_),
            "[其他]\r\nfoo=bar\r\n[参数设置]\r\n手写=1\r\n" + test::SettingLines(kSample) + "[尾部]\r\nx=y\r\n");
  EXPECT_EQ(ReadSetting(file_, "手写"), "1");
}

TEST_F(SettingsFile, MissingEmptyOrGarbledFileGivesDefaults) {
  ExpectDefaults(LoadLaunchSettings(dir_.File("missing.ini")));
  EXPECT_FALSE(test::FileExists(dir_.File("missing.ini")));  // reading creates nothing

  test::WriteFileBytes(dir_.File("empty.ini"), "");
  ExpectDefaults(LoadLaunchSettings(dir_.File("empty.ini")));

  test::WriteFileBytes(dir_.File("other.ini"), "[别的]\r\n分辨率=4\r\n");  // only another section
  ExpectDefaults(LoadLaunchSettings(dir_.File("other.ini")));

  std::string garbage;
  for (int i = 0; i < 8192; ++i) garbage += static_cast<char>((i * 131 + 7) & 0xFF);
  const std::string garbled = dir_.File("garbled.ini");
  test::WriteFileBytes(garbled, garbage);
  ExpectDefaults(LoadLaunchSettings(garbled));
  // A save into such a file still stores what a later start reads back.
  SaveLaunchSettings(garbled, kSample);
  EXPECT_EQ(LoadLaunchSettings(garbled), kSample);
}

TEST_F(SettingsFile, StoredTextsReadByTheirRules) {
  test::WriteFileBytes(file_, Section("分辨率=12abc\r\n刷新率=abc\r\n颜色质量=-1\r\n"
                                      "-noforcemaccel=1\r\n-noforcemparms=TRUE\r\n-noforcemspd=真\r\n"));
  EXPECT_EQ(LoadLaunchSettings(file_), (LaunchSettings{.gamePath = "", .resolutionIndex = 12, .refreshRateIndex = 0,
                                                        .colorDepthIndex = -1, .noForceMouseSpeed = true}));

  const std::string huge = dir_.File("huge.ini");
  test::WriteFileBytes(huge, Section("分辨率=99999999999\r\n刷新率=-99999999999\r\n颜色质量=4294967296\r\n"
                                     "-noforcemaccel=假\r\n"));
  EXPECT_EQ(LoadLaunchSettings(huge), (LaunchSettings{.gamePath = "", .resolutionIndex = INT_MAX,
                                                       .refreshRateIndex = INT_MIN, .colorDepthIndex = INT_MAX}));
}

TEST_F(SettingsFile, OverlongValueComesBackCutToTheBuffer) {
  const std::string value = std::string(10237, 'a') + "路径" + std::string(5000, 'b');
  test::WriteFileBytes(file_, Section("CS路径=" + value + "\r\n分辨率=3\r\n"));
  const std::string read = ReadSetting(file_, "CS路径");
  EXPECT_GE(read.size(), kSettingBufferSize - 2u);
  EXPECT_LE(read.size(), kSettingBufferSize - 1u);
  EXPECT_EQ(value.compare(0, read.size(), read), 0);
  EXPECT_EQ(LoadLaunchSettings(file_).resolutionIndex, 3);  // the next key is still read
}

TEST_F(SettingsFile, RepeatedSectionAndKeysInOtherCaseLoseNothing) {
  const std::string repeated = dir_.File("repeated.ini");
  test::WriteFileBytes(repeated, Section("分辨率=3\r\n") + Section("刷新率=4\r\n分辨率=9\r\n"));
  EXPECT_EQ(LoadLaunchSettings(repeated).resolutionIndex, 3);  // the first section counts
  SaveLaunchSettings(repeated, kSample);
  const std::string bytes = test::ReadFileBytes(repeated);
  EXPECT_NE(bytes.find("\r\n[参数设置]\r\n刷新率=4\r\n分辨率=9\r\n"), std::string::npos) << bytes;
  EXPECT_EQ(LoadLaunchSettings(repeated), kSample);

  // The system matches key names without regard to case: such a key is read, and replaced in place
  // rather than doubled.
  const std::string cased = dir_.File("cased.ini");
  test::WriteFileBytes(cased, Section("-NoForceMAccel=真\r\n"));
  EXPECT_TRUE(LoadLaunchSettings(cased).noForceMouseAccel);
  LaunchSettings off = kSample;
  off.noForceMouseAccel = false;
  SaveLaunchSettings(cased, off);
  const std::string casedBytes = test::ReadFileBytes(cased);
  EXPECT_EQ(casedBytes.find("-noforcemaccel"), std::string::npos) << casedBytes;
  EXPECT_NE(casedBytes.find("-NoForceMAccel=假\r\n"), std::string::npos) << casedBytes;
  EXPECT_EQ(LoadLaunchSettings(cased), off);
}

TEST_F(SettingsFile, FailedWritesAndUnreadableFilesAreQuiet) {
  // A folder that does not exist: nothing is written, nothing is created, nothing breaks.
  const std::string nowhere = dir_.File("none\\option.ini");
  SaveLaunchSettings(nowhere, kSample);
  EXPECT_FALSE(test::FileExists(dir_.File("none")));
  ExpectDefaults(LoadLaunchSettings(nowhere));

  // A file that another process holds open without sharing can be neither read nor written.
  const std::string locked = dir_.File("locked.ini");
  const std::string before = Section("分辨率=4\r\n");
  test::WriteFileBytes(locked, before);
  HANDLE lock = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  ExpectDefaults(LoadLaunchSettings(locked));
  SaveLaunchSettings(locked, kSample);
  CloseHandle(lock);
  EXPECT_EQ(test::ReadFileBytes(locked), before);
}

TEST_F(SettingsFile, PlainFormsUseOptionIniBesideTheExecutable) {
  const std::string expected = test::BesideThisProgram("option.ini");

  test::ScratchDir elsewhere;
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.path().c_str()));
  EXPECT_EQ(SettingsFilePath(), expected);

  // Round trip through the forms without a file; whatever was there before is put back.
  const bool existed = test::FileExists(expected);
  const std::string saved = existed ? test::ReadFileBytes(expected) : std::string();
  DeleteFileA(expected.c_str());
  SaveLaunchSettings(kSample);
  EXPECT_EQ(test::ReadFileBytes(expected), kSampleFile);
  EXPECT_EQ(LoadLaunchSettings(), kSample);
  EXPECT_FALSE(test::FileExists(elsewhere.File("option.ini")));
  DeleteFileA(expected.c_str());
  if (existed) test::WriteFileBytes(expected, saved);
  SetCurrentDirectoryA(previous);
}

TEST_F(SettingsFile, LineBreaksInAPathCannotAddLinesToTheFile) {
  // The search box is multi-line and the player may type into it, so a found path can carry breaks.
  LaunchSettings s = kSample;
  s.gamePath = "D:\\Games\\CS\\hl.exe\r\n分辨率=9\r\n[其他]";
  SaveLaunchSettings(file_, s);
  EXPECT_EQ(test::ReadFileBytes(file_), kSampleFile);
  EXPECT_EQ(LoadLaunchSettings(file_).resolutionIndex, 5);
}

TEST_F(SettingsFile, LockOfAFolderThatCannotBeOpenedFoldsEveryLetter) {
  // Named from the path: in upper case as the file system folds names, full-width letters too.
  const std::string name = SettingsLockNameOfFolder("Z:\\不存在\\Ｃｓ\\");
  EXPECT_EQ(SettingsLockNameOfFolder("z:\\不存在\\ＣＳ\\"), name);
  EXPECT_NE(SettingsLockNameOfFolder("Z:\\不存在\\ＣＴ\\"), name);
  EXPECT_NE(SettingsLockNameOfFolder("Z:\\不在\\ＣＳ\\"), name);
}
