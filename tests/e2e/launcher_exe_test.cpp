// launcher.exe as a file: a 32-bit GUI executable that needs no MinGW DLL beside it, keeps ASLR and DEP,
// carries no build path and no time stamp (and, built for release, no symbols), and carries its own icon
// and the window's, the project's version and its manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "launcher_process.h"
#include "resource.h"

namespace {

using test::LauncherExe;

template <class T>
T Read(const std::string& bytes, size_t offset) {
  T value{};
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

// The file's PE headers, enough to find its imports.
struct PeImage {
  std::string bytes;
  size_t peHeader = 0;
  size_t optionalHeader = 0;
  size_t sections = 0;
  int sectionCount = 0;

  PeImage() = default;
  explicit PeImage(std::string b) : bytes(std::move(b)) {
    peHeader = Read<uint32_t>(bytes, 0x3C);
    optionalHeader = peHeader + 24;
    sectionCount = Read<uint16_t>(bytes, peHeader + 6);
    sections = optionalHeader + Read<uint16_t>(bytes, peHeader + 20);
  }
  uint16_t FileCharacteristics() const { return Read<uint16_t>(bytes, peHeader + 22); }
  // The RVA and size of one of the optional header's data directories (IMAGE_DIRECTORY_ENTRY_*).
  std::pair<uint32_t, uint32_t> Directory(int entry) const {
    const size_t d = optionalHeader + 96 + 8 * static_cast<size_t>(entry);
    return {Read<uint32_t>(bytes, d), Read<uint32_t>(bytes, d + 4)};
  }
  std::vector<std::string> SectionNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < sectionCount; ++i) {
      const std::string raw = bytes.substr(sections + 40 * static_cast<size_t>(i), 8);
      names.push_back(raw.substr(0, raw.find('\0')));
    }
    return names;
  }
  // File offset of a relative virtual address; 0 when no section holds it.
  size_t Offset(uint32_t rva) const {
    for (int i = 0; i < sectionCount; ++i) {
      const size_t s = sections + 40 * static_cast<size_t>(i);
      const uint32_t va = Read<uint32_t>(bytes, s + 12);
      const uint32_t size = std::max(Read<uint32_t>(bytes, s + 8), Read<uint32_t>(bytes, s + 16));
      if (rva >= va && rva < va + size) return rva - va + Read<uint32_t>(bytes, s + 20);
    }
    return 0;
  }
  std::vector<std::string> ImportedDlls() const {
    std::vector<std::string> dlls;
    size_t d = Offset(Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).first);
    if (!d) return dlls;
    for (;; d += 20) {
      const uint32_t nameRva = Read<uint32_t>(bytes, d + 12);
      if (!nameRva) break;
      const size_t name = Offset(nameRva);
      std::string dll(bytes.c_str() + name);
      std::transform(dll.begin(), dll.end(), dll.begin(), [](unsigned char c) { return std::tolower(c); });
      dlls.push_back(dll);
    }
    return dlls;
  }
};

// The built launcher.exe, read and its headers found once for each test.
class LauncherFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(LauncherExe().empty()) << "LAUNCHER_EXE is not set";
    pe_ = PeImage(test::ReadFileBytes(LauncherExe()));
    ASSERT_GT(pe_.bytes.size(), 1024u);
  }
  PeImage pe_;
};

TEST_F(LauncherFile, IsA32BitGuiProgramWithoutMinGwDlls) {
  ASSERT_EQ(pe_.bytes.compare(0, 2, "MZ"), 0);
  ASSERT_EQ(pe_.bytes.compare(pe_.peHeader, 4, std::string("PE\0\0", 4)), 0);
  EXPECT_EQ(Read<uint16_t>(pe_.bytes, pe_.peHeader + 4), IMAGE_FILE_MACHINE_I386);
  EXPECT_TRUE(pe_.FileCharacteristics() & IMAGE_FILE_EXECUTABLE_IMAGE);
  EXPECT_EQ(Read<uint16_t>(pe_.bytes, pe_.optionalHeader), IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  EXPECT_EQ(Read<uint16_t>(pe_.bytes, pe_.optionalHeader + 68), IMAGE_SUBSYSTEM_WINDOWS_GUI);

  const auto dlls = pe_.ImportedDlls();
  ASSERT_FALSE(dlls.empty());
  EXPECT_NE(std::find(dlls.begin(), dlls.end(), "user32.dll"), dlls.end());
  for (const std::string& dll : dlls) {
    for (const char* mingw : {"libgcc", "libstdc++", "libwinpthread", "mingw"}) {
      EXPECT_EQ(dll.find(mingw), std::string::npos) << dll;
    }
  }
}

TEST_F(LauncherFile, KeepsAslrDepAndTheThinFrameAndCarriesNoTimeStampOrBuildPath) {
  const uint16_t dllCharacteristics = Read<uint16_t>(pe_.bytes, pe_.optionalHeader + 70);
  EXPECT_TRUE(dllCharacteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
  EXPECT_TRUE(dllCharacteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
  // ASLR can only move an image that keeps its relocations.
  EXPECT_FALSE(pe_.FileCharacteristics() & IMAGE_FILE_RELOCS_STRIPPED);
  EXPECT_GT(pe_.Directory(IMAGE_DIRECTORY_ENTRY_BASERELOC).second, 0u);

  // Subsystem 4.0, pinned by the build: it keeps Windows' padded border (6.0 and later) off the frame
  // whose outer size the layouts were measured with.
  EXPECT_EQ(Read<uint16_t>(pe_.bytes, pe_.optionalHeader + 48), 4);  // MajorSubsystemVersion
  EXPECT_EQ(Read<uint16_t>(pe_.bytes, pe_.optionalHeader + 50), 0);  // MinorSubsystemVersion

  EXPECT_EQ(Read<uint32_t>(pe_.bytes, pe_.peHeader + 8), 0u) << "the link time stamp";
  for (const char* folder : {LAUNCHER_SOURCE_DIR, LAUNCHER_BINARY_DIR}) {
    EXPECT_EQ(pe_.bytes.find(folder), std::string::npos) << folder;
  }
}

// A debug build keeps its symbols; the release exe is what players download.
TEST_F(LauncherFile, ReleaseBuildIsStrippedAndSmall) {
  if (!LAUNCHER_RELEASE_BUILD) GTEST_SKIP() << "not a release build";
  EXPECT_LT(pe_.bytes.size(), 500u * 1000u);
  EXPECT_EQ(Read<uint32_t>(pe_.bytes, pe_.peHeader + 12), 0u) << "a symbol table";
  EXPECT_EQ(Read<uint32_t>(pe_.bytes, pe_.peHeader + 16), 0u) << "symbols";
  for (const std::string& name : pe_.SectionNames()) {
    // Long section names such as .debug_info are kept as "/<offset>" into the string table.
    EXPECT_NE(name.front(), '/') << name;
    EXPECT_EQ(name.rfind(".debug", 0), std::string::npos) << name;
  }
}

// The version resource as the system reads it, against project() in CMakeLists.txt.
TEST_F(LauncherFile, VersionResourceIsTheProjectVersion) {
  const std::string exe = LauncherExe();
  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &unused);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto dotted = [](DWORD ms, DWORD ls) {
    return std::to_string(HIWORD(ms)) + "." + std::to_string(LOWORD(ms)) + "." + std::to_string(HIWORD(ls)) +
           "." + std::to_string(LOWORD(ls));
  };
  const std::string quad = std::string(LAUNCHER_PROJECT_VERSION) + ".0";
  EXPECT_EQ(dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS), quad);
  EXPECT_EQ(dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS), quad);

  for (const std::string name : {"FileVersion", "ProductVersion"}) {
    char* text = nullptr;
    const std::string path = "\\StringFileInfo\\080403a8\\" + name;
    ASSERT_TRUE(VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &length)) << name;
    EXPECT_STREQ(text, LAUNCHER_PROJECT_VERSION) << name;
  }
}

class LauncherResources : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(LauncherExe().empty()) << "LAUNCHER_EXE is not set";
    module_ = LoadLibraryExA(LauncherExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  std::string Resource(LPCSTR id, LPCSTR type) const {
    HRSRC found = FindResourceA(module_, id, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module_, found);
    const char* data = static_cast<const char*>(LockResource(loaded));
    return data ? std::string(data, SizeofResource(module_, found)) : std::string();
  }
  HMODULE module_ = nullptr;
};

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colors, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

BOOL CALLBACK TakeFirst(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
  *reinterpret_cast<LPCSTR*>(first) = name;
  return FALSE;
}

// Explorer, the taskbar and Alt-Tab show the exe's first icon group: an image of its own for each size
// Windows asks for, every one a picture of its size; from 40 px on as PNG (which keeps the exe small).
TEST_F(LauncherResources, FirstIconGroupHoldsEverySizeWindowsAsksFor) {
  LPCSTR first = nullptr;
  EnumResourceNamesA(module_, MAKEINTRESOURCEA(14), TakeFirst, reinterpret_cast<LONG_PTR>(&first));  // RT_GROUP_ICON
  ASSERT_TRUE(first && IS_INTRESOURCE(first));
  EXPECT_EQ(reinterpret_cast<uintptr_t>(first), static_cast<uintptr_t>(IDI_PROGRAM));
  const std::string group = Resource(first, MAKEINTRESOURCEA(14));
  ASSERT_GE(group.size(), 6u);
  const int count = Read<uint16_t>(group, 4);
  ASSERT_EQ(group.size(), 6 + count * sizeof(GroupIconEntry));
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) {
    const auto entry = Read<GroupIconEntry>(group, 6 + i * sizeof(GroupIconEntry));
    const int size = entry.width ? entry.width : 256;
    SCOPED_TRACE(size);
    sizes.push_back(size);
    EXPECT_EQ(entry.height ? entry.height : 256, size);
    EXPECT_EQ(entry.bitCount, 32);
    const std::string image = Resource(MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3));  // RT_ICON
    ASSERT_EQ(image.size(), entry.bytes);
    if (size >= 40) {
      EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
      EXPECT_EQ(image.substr(16, 8), std::string("\0\0", 2) + char(size >> 8) + char(size & 0xFF) +
                                         std::string("\0\0", 2) + char(size >> 8) + char(size & 0xFF));  // IHDR
    } else {
      EXPECT_EQ(Read<BITMAPINFOHEADER>(image, 0).biWidth, size);
      EXPECT_EQ(Read<BITMAPINFOHEADER>(image, 0).biHeight, 2 * size);  // colour and mask
    }
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

TEST_F(LauncherResources, CarriesTheWindowIcon) {
  const std::string group = Resource(MAKEINTRESOURCEA(IDI_LAUNCHER), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_EQ(group.size(), 6 + sizeof(GroupIconEntry));
  EXPECT_EQ(Read<uint16_t>(group, 2), 1);  // an icon
  ASSERT_EQ(Read<uint16_t>(group, 4), 1);  // one image
  const auto entry = Read<GroupIconEntry>(group, 6);
  EXPECT_EQ(entry.width, 128);
  EXPECT_EQ(entry.height, 128);
  EXPECT_EQ(entry.bitCount, 32);
  // As an icon file: a 6-byte header, one 16-byte entry, and the image.
  EXPECT_EQ(6 + 16 + entry.bytes, 67646u);

  const std::string image = Resource(MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3));  // RT_ICON
  ASSERT_EQ(image.size(), 40u + 65536u + 2048u);
  const auto header = Read<BITMAPINFOHEADER>(image, 0);
  EXPECT_EQ(header.biSize, 40u);
  EXPECT_EQ(header.biWidth, 128);
  EXPECT_EQ(header.biHeight, 256);  // colour and mask
  EXPECT_EQ(header.biBitCount, 32);
  int opaque = 0;
  for (size_t p = 40 + 3; p < 40 + 65536; p += 4) opaque += static_cast<unsigned char>(image[p]) == 0xFF;
  EXPECT_EQ(opaque, 128 * 128);
  // A real picture, not one flat colour.
  std::vector<uint32_t> colours;
  for (size_t p = 40; p < 40 + 65536; p += 4) colours.push_back(Read<uint32_t>(image, p));
  std::sort(colours.begin(), colours.end());
  EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 16);
}

TEST_F(LauncherResources, CarriesAManifestOfTheProjectVersionWithoutExecutionLevel) {
  const std::string manifest = Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("name=\"Vantor.Launcher\" version=\"" LAUNCHER_PROJECT_VERSION ".0\""), std::string::npos);
  EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
  EXPECT_EQ(manifest.find("requestedPrivileges"), std::string::npos);
  // Code page 936 wherever Windows honours a locale name there (Windows 11).
  EXPECT_NE(manifest.find("<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">zh-CN<"
                          "/activeCodePage>"),
            std::string::npos);
  // Windows 7, 8, 8.1 and 10/11, and no other.
  const size_t compatibility = manifest.find("<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">");
  ASSERT_NE(compatibility, std::string::npos);
  const std::string tag = "<supportedOS Id=\"";
  std::string systems;
  for (size_t at = compatibility; (at = manifest.find(tag, at)) != std::string::npos; at += tag.size()) {
    systems += manifest.substr(at + tag.size(), 38) + " ";
  }
  EXPECT_EQ(systems,
            "{35138b9a-5d96-4fbd-8e2d-a2440225f93a} {4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38} "
            "{1f676c76-80e1-4239-95bb-83d0f6d0da78} {8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a} ");
}

TEST_F(LauncherResources, DeclaresItselfPerMonitorDpiAwareAndSystemAwareToOlderSystems) {
  const std::string manifest = Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  // Windows 10 1607 and later read dpiAwareness (v2 from 1703 on), older systems dpiAware alone.
  EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                          "PerMonitorV2, PerMonitor</dpiAwareness>"),
            std::string::npos);
  EXPECT_NE(manifest.find("<dpiAware>true</dpiAware>"), std::string::npos);
  EXPECT_NE(manifest.find("http://schemas.microsoft.com/SMI/2005/WindowsSettings"), std::string::npos);
}

}  // namespace
