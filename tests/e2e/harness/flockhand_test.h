// The fixture of the tests that drive one Flockhand, `app`: Start() starts it once the test has
// put in place what Flockhand must find when it starts (terminals, fkh.ini). A suite takes it
// by name: using Suite = FlockhandTest.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "harness/flockhand.h"

namespace e2e {

class FlockhandTest : public ::testing::Test {
 protected:
  // For ASSERT_TRUE: its window came up with its 21 controls and their 12 tooltips.
  ::testing::AssertionResult Start(const std::wstring& program = NextToTests(L"flockhand.exe")) {
    if (app.Start(program)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "Flockhand's window with its 21 controls and 12 tooltips did not appear";
  }

  Flockhand app{Flockhand::NotStarted{}};
};

}  // namespace e2e
