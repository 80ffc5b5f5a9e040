// Both builds of tonvero.exe, read back as Windows reads them: the version
// resource (what Explorer's Properties show) and the embedded manifest (what
// the loader applies before the first line of the program runs).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/version.h"

namespace tonvero {
namespace {

// The test program sits in the 64-bit build folder; the 32-bit build is its
// sibling (scripts/build makes both).
std::string BuildFile(const char* relative) {
  char self[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string folder(self, length);
  return folder.substr(0, folder.find_last_of('\\') + 1) + relative;
}

struct Build {
  const char* name;
  const char* relative;
};

void PrintTo(const Build& build, std::ostream* out) { *out << build.name; }

class BuiltProgram : public ::testing::TestWithParam<Build> {
 protected:
  std::string Path() const { return BuildFile(GetParam().relative); }
};

// The whole version block, or empty when the file has none.
std::vector<char> VersionBlock(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  std::vector<char> block(size);
  if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, block.data())) block.clear();
  return block;
}

// A string of the version block in the language its translation table names
// first, as Explorer picks it.
std::string VersionString(std::vector<char>& block, const char* name) {
  struct Translation {
    WORD language, codePage;
  };
  Translation* translation = nullptr;
  UINT size = 0;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
      size < sizeof(Translation))
    return "<no translation table>";
  char query[64];
  wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translation->language, translation->codePage, name);
  char* text = nullptr;
  if (!VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&text), &size) || size == 0)
    return "<missing>";
  return text;
}

// The application manifest: resource type 24, id 1, as the loader looks it up.
std::string Manifest(const std::string& path) {
  HMODULE module =
      LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return "<cannot open>";
  std::string text = "<missing>";
  if (HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    if (bytes != nullptr) text.assign(bytes, SizeofResource(module, resource));
  }
  FreeLibrary(module);
  return text;
}

TEST_P(BuiltProgram, VersionResourceNamesTheFileAndTheVersion) {
  std::vector<char> block = VersionBlock(Path());
  ASSERT_FALSE(block.empty()) << Path();

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
  ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const DWORD versionHigh = MAKELONG(TONVERO_VERSION_MINOR, TONVERO_VERSION_MAJOR);
  EXPECT_EQ(fixed->dwFileVersionMS, versionHigh);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, versionHigh);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  const struct {
    const char* name;
    std::string expected;
  } strings[] = {
      {"OriginalFilename", "tonvero.exe"},
      {"InternalName", "tonvero"},
      {"FileVersion", TONVERO_VERSION_TEXT},
      {"ProductVersion", TONVERO_VERSION_TEXT},
      {"ProductName", "Tonvero"},
  };
  for (const auto& s : strings) EXPECT_EQ(VersionString(block, s.name), s.expected) << s.name;
}

// Runs as the invoking user on every Windows it names; aware of each
// monitor's DPI (per-monitor v2, with the older per-monitor value for
// Windows before it), so Windows never stretches it as a bitmap; neither
// GDI scaling nor the visual-styles controls, whose metrics and looks would
// move the pixel layout.
TEST_P(BuiltProgram, ManifestRunsAsInvokerWithClassicLookAndPerMonitorDpi) {
  const std::string manifest = Manifest(Path());
  ASSERT_NE(manifest.find("<assembly"), std::string::npos) << manifest;
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  for (const char* os : {"{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                         "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                         "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
    EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + os + "\"/>"), std::string::npos) << os;
  EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
  EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
  EXPECT_NE(manifest.find("xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\""), std::string::npos);
  for (const char* absent : {"gdiScaling", "Microsoft.Windows.Common-Controls"})
    EXPECT_EQ(manifest.find(absent), std::string::npos) << absent;
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, BuiltProgram,
                         ::testing::Values(Build{"Win64", "tonvero.exe"},
                                           Build{"Win32", "..\\windows32\\tonvero.exe"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tonvero
