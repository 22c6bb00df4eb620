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
    std::wstring out, in;
    BYTE faded;
  } cases[] = {
      {"60", DebugLine(kFadeLine, L"out", 255u, 60u, 196u),
       DebugLine(kFadeLine, L"in", 60u, 255u, 196u), 60},
      {"0", DebugLine(kFadeLine, L"out", 255u, 0u, 256u),
       DebugLine(kFadeLine, L"in", 0u, 255u, 256u), 0},
      {"255", DebugLine(kFadeLine, L"out", 255u, 255u, 1u),
       DebugLine(kFadeLine, L"in", 255u, 255u, 1u), 255},
      {"300", DebugLine(kFadeWithoutStepsLine, L"out"), DebugLine(kFadeWithoutStepsLine, L"in"),
       255},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.setting);
    ScopedDocumentsFolder documents;
    ASSERT_TRUE(WriteFileBytes(documents.File(L"fkh.ini"),
                               std::string("[BASE]\r\nalpha = ") + c.setting + "\r\n"));
    ASSERT_TRUE(Start());
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
  const std::wstring fadeOut = DebugLine(kFadeLine, L"out", 255u, 60u, 196u);
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
