// The main window's fade with real input, read from its one debug line per fade and from the
// window's layered alpha: every kind of alpha setting, and full opacity from the hot key, the
// end of the options dialog and its system-menu item, but not from Alt+O.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

using TransparencyTest = FlockhandTest;

TEST_F(TransparencyTest, DoubleClickAndAltTFadeOverEveryStep) {
  const struct {
    const char* setting;
    const wchar_t* out;
    const wchar_t* in;
    BYTE faded;
  } cases[] = {
      {"60", L"fade out: 255 to 60, steps 196\n", L"fade in: 60 to 255, steps 196\n", 60},
      {"0", L"fade out: 255 to 0, steps 256\n", L"fade in: 0 to 255, steps 256\n", 0},
      {"255", L"fade out: 255 to 255, steps 1\n", L"fade in: 255 to 255, steps 1\n", 255},
      {"300", L"fade out: steps 0\n", L"fade in: steps 0\n", 255},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.setting);
    ScopedDocumentsFolder documents;
    ASSERT_TRUE(WriteFileBytes(documents.File(L"fkh.ini"),
                               std::string("[BASE]\r\nalpha = ") + c.setting + "\r\n"));
    Flockhand app;
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(app.Activate());
    DoubleClick(Center(WindowRect(app.Controls().commandBox)));
    EXPECT_TRUE(app.Process().WaitForDebugLines(c.out, 1));
    EXPECT_TRUE(app.WaitForAlpha(c.faded));
    PressKey('T', kAlt);
    EXPECT_TRUE(app.Process().WaitForDebugLines(c.in, 1));
    EXPECT_TRUE(app.WaitForAlpha(255));
  }
}

TEST_F(TransparencyTest, HotKeyAndTheOptionsDialogsEndMakeItOpaqueAltOKeepsTheFade) {
  ScopedDocumentsFolder documents;
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.Activate());
  const std::wstring fadeOut = L"fade out: 255 to 60, steps 196\n";
  PressKey('T', kAlt);
  ASSERT_TRUE(app.Process().WaitForDebugLines(fadeOut, 1));
  PressKey('T', kCtrl | kShift);
  EXPECT_TRUE(app.WaitForAlpha(255)) << "the hot key";
  PressKey('T', kAlt);
  ASSERT_TRUE(app.Process().WaitForDebugLines(fadeOut, 2))
      << "the hot key ended the fade: Alt+T fades out";
  PressKey('O', kAlt);
  HWND dialog = app.Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowAlpha(app.Main()), 60) << "Alt+O keeps the fade";
  PressKey(VK_NEXT);  // the preview: 65
  EXPECT_TRUE(app.WaitForAlpha(65));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(app.WaitForAlpha(255)) << "Cancel";
  ASSERT_TRUE(app.WaitForClosed(dialog));
  PressKey('T', kAlt);
  ASSERT_TRUE(app.Process().WaitForDebugLines(fadeOut, 3))
      << "the setting stayed 60 and the fade ended";
  ASSERT_TRUE(app.OpenSystemMenu());  // then its item "オプション(&O)"
  PressKey('O');
  dialog = app.Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowAlpha(app.Main()), 255) << "opaque before the dialog shows";
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(app.WaitForClosed(dialog));
  PressKey('T', kAlt);
  EXPECT_TRUE(app.Process().WaitForDebugLines(fadeOut, 4)) << "the menu item ended the fade";
}

}  // namespace
}  // namespace e2e
