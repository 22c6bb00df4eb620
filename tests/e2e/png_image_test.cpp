// The PNG loader, run under Wine inside this test program: a real resource decodes to a
// 16 x 16 bitmap; a missing, empty or broken resource yields no image and no crash; loading
// and releasing many times keeps memory flat.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include "resources/png_image.h"
#include "base/resource_ids.h"

namespace {

// The test program itself carries the resources (png_image_test.rc).
HMODULE Module() { return GetModuleHandleW(nullptr); }

class PngImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(token_); }
  ULONG_PTR token_ = 0;
};

TEST_F(PngImageTest, DecodesTheChevronWithTransparency) {
  const auto image = LoadPngImage(Module(), IDP_CHEVRON_UP);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->bitmap()->GetWidth(), 16u);
  EXPECT_EQ(image->bitmap()->GetHeight(), 16u);
  Gdiplus::Color corner;
  ASSERT_EQ(image->bitmap()->GetPixel(0, 0, &corner), Gdiplus::Ok);
  EXPECT_EQ(corner.GetA(), 0) << "the chevron's background is transparent";
}

TEST_F(PngImageTest, FailuresYieldNoImage) {
  EXPECT_EQ(LoadPngImage(Module(), 9999), nullptr) << "no such resource";
  EXPECT_EQ(LoadPngImage(Module(), 4101), nullptr) << "a resource of size 0";
  EXPECT_EQ(LoadPngImage(Module(), 4100), nullptr) << "bytes that are no image";
}

TEST_F(PngImageTest, LoadingAndReleasingKeepsMemoryFlat) {
  auto committed = [] {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage;
  };
  for (int i = 0; i < 50; ++i) LoadPngImage(Module(), IDP_CHEVRON_UP);
  const size_t before = committed();
  for (int i = 0; i < 3000; ++i) {
    ASSERT_NE(LoadPngImage(Module(), IDP_CHEVRON_UP), nullptr);
    LoadPngImage(Module(), 4100);
  }
  EXPECT_LT(committed(), before + 256 * 1024) << "each load must release its memory and stream";
}

}  // namespace
