// The fixture of the tests that drive one Flockhand, `app`: Start() starts it once the test has
// put in place what Flockhand must find when it starts (terminals, fkh.ini), and again for a
// restart. A suite takes it by name (using Suite = FlockhandTest) or derives its own from it.
// The steps most tests begin with are its helpers, each saying which step failed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "harness/flockhand.h"
#include "harness/input.h"

namespace e2e {

class FlockhandTest : public ::testing::Test {
 protected:
  // The program ends before what the suite gave it: its terminals, its Documents folder.
  void TearDown() override { app.End(); }

  // For ASSERT_TRUE: its window came up with its 21 controls and their 12 tooltips. A run before
  // is ended first.
  ::testing::AssertionResult Start(const std::wstring& program = NextToTests(L"flockhand.exe")) {
    return Step(app.Start(program), "its window with 21 controls and 12 tooltips did not appear");
  }
  // Start(), then the list shows `rows` rows, then Flockhand is the foreground window.
  ::testing::AssertionResult StartWithRows(int rows, Millis timeout = 5s) {
    if (auto started = Start(); !started) return started;
    if (!app.WaitForRows(rows, timeout)) return Step(false, "the list did not show every row");
    return Step(app.Activate(), "Flockhand did not come to the front");
  }
  // Alt+key until control has the focus, at most three times: under Wine the first keys after an
  // activation are now and then lost.
  ::testing::AssertionResult FocusByKey(WORD key, HWND control) {
    bool focused = false;
    for (int tries = 0; tries < 3 && !focused; ++tries) {
      PressKey(key, kAlt);
      focused = app.WaitForFocus(control, 2s);
    }
    return Step(focused, "Alt+key did not move the focus, three times");
  }
  // Alt+F (a click soon after another could make a double-click), then text typed into the
  // filter box.
  ::testing::AssertionResult Filter(std::wstring_view text) {
    auto focused = FocusByKey('F', P().filterBox);
    if (focused) TypeText(text);
    return focused;
  }
  static ::testing::AssertionResult Step(bool done, const char* failure) {
    return done ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << failure;
  }
  const Panel& P() const { return app.Controls(); }

  Flockhand app{Flockhand::NotStarted{}};
};

}  // namespace e2e
