// The resources built into flockhand.exe, read from the file as data: the accelerator table
// entry by entry, the string table, the icon group, the PNG images and the manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/process.h"
#include "base/resource_ids.h"

namespace e2e {
namespace {

class ResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(NextToTests(L"flockhand.exe").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << "flockhand.exe could not be read, error " << GetLastError();
  }
  void TearDown() override { FreeLibrary(module_); }

  std::string Bytes(const wchar_t* type, int id) const {
    HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
    if (!resource) return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(module_, resource)));
    return std::string(data, SizeofResource(module_, resource));
  }

  HMODULE module_ = nullptr;
};

TEST_F(ResourcesTest, AcceleratorTableHasAll29EntriesInOrder) {
  const struct {
    BYTE flags;
    WORD key;
    WORD command;
  } expected[] = {
      {FALT, '?', 104},
      {FALT, '/', 104},
      {FVIRTKEY, VK_F1, 2999},
      {FVIRTKEY, VK_F5, 3000},
      {FVIRTKEY | FALT, 'A', 3001},
      {FVIRTKEY | FALT, 'B', 3002},
      {FVIRTKEY | FALT, 'D', 3003},
      {FVIRTKEY | FALT, 'E', 3004},
      {FVIRTKEY | FALT, 'F', 3005},
      {FVIRTKEY | FALT, 'H', 3006},
      {FVIRTKEY | FALT, 'I', 3007},
      {FVIRTKEY | FALT, 'L', 3008},
      {FVIRTKEY | FALT, 'M', 3009},
      {FVIRTKEY | FALT, 'R', 3010},
      {FVIRTKEY | FALT, 'S', 3011},
      {FVIRTKEY | FALT, 'T', 3012},
      {FVIRTKEY | FALT, 'V', 3013},
      {FVIRTKEY, VK_F4, 3014},
      {FVIRTKEY | FALT, VK_NUMPAD5, 3020},
      {FVIRTKEY | FALT, VK_NUMPAD4, 3021},
      {FVIRTKEY | FALT, VK_NUMPAD8, 3022},
      {FVIRTKEY | FALT, VK_NUMPAD6, 3023},
      {FVIRTKEY | FALT, VK_NUMPAD2, 3024},
      {FVIRTKEY | FALT, VK_RETURN, 3025},
      {FVIRTKEY | FALT, VK_LEFT, 3026},
      {FVIRTKEY | FALT, VK_UP, 3027},
      {FVIRTKEY | FALT, VK_RIGHT, 3028},
      {FVIRTKEY | FALT, VK_DOWN, 3029},
      {FVIRTKEY | FALT, 'O', 3030},
  };
  // The resource's own entries: WORD flags, WORD key, WORD command, WORD padding.
  const std::string table = Bytes(RT_ACCELERATOR, IDA_FLOCKHAND);
  ASSERT_EQ(table.size(), std::size(expected) * 8);
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i + 1);
    WORD entry[4];
    memcpy(entry, table.data() + i * 8, sizeof(entry));
    const WORD endFlag = i + 1 == std::size(expected) ? 0x80 : 0;
    EXPECT_EQ(entry[0], expected[i].flags | endFlag);
    EXPECT_EQ(entry[1], expected[i].key);
    EXPECT_EQ(entry[2], expected[i].command);
  }
}

TEST_F(ResourcesTest, StringsNameTheWindowAndItsClass) {
  wchar_t text[100];
  ASSERT_GT(LoadStringW(module_, IDS_APP_TITLE, text, 100), 0);
  EXPECT_STREQ(text, L"Flockhand");
  ASSERT_GT(LoadStringW(module_, IDS_WINDOW_CLASS, text, 100), 0);
  EXPECT_STREQ(text, L"FLOCKHAND");
}

TEST_F(ResourcesTest, IconGroupHoldsFourSizesAt32Bits) {
  // GRPICONDIR: reserved, type, count; then 14-byte entries (width, height, colours,
  // reserved, planes, bit count, bytes, id). A width of 0 means 256.
  const std::string group = Bytes(RT_GROUP_ICON, IDI_FLOCKHAND);
  ASSERT_GE(group.size(), 6u);
  WORD header[3];
  memcpy(header, group.data(), sizeof(header));
  ASSERT_EQ(header[2], 4) << "four images";
  ASSERT_EQ(group.size(), 6u + 4 * 14);
  const int sizes[] = {256, 48, 32, 16};
  for (int i = 0; i < 4; ++i) {
    const auto* entry = reinterpret_cast<const BYTE*>(group.data() + 6 + i * 14);
    const int width = entry[0] == 0 ? 256 : entry[0];
    WORD bits, id;
    memcpy(&bits, entry + 6, 2);
    memcpy(&id, entry + 12, 2);
    EXPECT_EQ(width, sizes[i]);
    EXPECT_EQ(bits, 32);
    const std::string image = Bytes(RT_ICON, id);
    if (width == 256) {
      EXPECT_EQ(image.substr(0, 8), "\x89PNG\r\n\x1a\n") << "the 256-pixel image is a PNG";
    } else {
      EXPECT_EQ(image.substr(0, 4), std::string("\x28\0\0\0", 4)) << "a DIB of " << width;
    }
  }
}

TEST_F(ResourcesTest, ThreePngImagesOf16Pixels) {
  for (int id : {IDP_CHEVRON_UP, IDP_CHEVRON_DOWN, IDP_HELP}) {
    const std::string png = Bytes(L"PNG", id);
    ASSERT_GT(png.size(), 33u) << id;
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n") << id;
    // IHDR: width and height big-endian, bit depth 8, colour type 6 (RGBA).
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\0\x10\0\0\0\x10", 8)) << id;
    EXPECT_EQ(png[24], 8) << id;
    EXPECT_EQ(png[25], 6) << id;
  }
}

// The same images drawn for 125 % to 300 %, each group IDP_SIZE_STEP on.
TEST_F(ResourcesTest, ThePngImagesAt20To48Pixels) {
  int group = 0;
  for (const char pixels : {20, 24, 28, 32, 40, 48}) {
    ++group;
    for (int id : {IDP_CHEVRON_UP, IDP_CHEVRON_DOWN, IDP_HELP}) {
      const std::string png = Bytes(L"PNG", id + group * IDP_SIZE_STEP);
      EXPECT_EQ(png.substr(16, 8), std::string({0, 0, 0, pixels, 0, 0, 0, pixels})) << id;
    }
  }
}

// Per-monitor DPI awareness (v2), and the system DPI's awareness where v2 is not known.
TEST_F(ResourcesTest, ManifestAsksForCommonControls6AsInvokerAndPerMonitorDpiAwareness) {
  const std::string manifest = Bytes(RT_MANIFEST, 1);
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("/SMI/2016/WindowsSettings\">PerMonitorV2</dpiAwareness>"),
            std::string::npos);
  EXPECT_NE(manifest.find("/SMI/2005/WindowsSettings\">true</dpiAware>"), std::string::npos);
}

}  // namespace
}  // namespace e2e
