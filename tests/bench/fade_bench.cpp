// The fade benchmark: one fade of the main window (Alt+T's command; with the alpha setting 60 it
// makes 196 alpha changes) in Flockhand and in the floor, whose windows are both layered. Runs
// alternate between fading out and fading in, on both sides; each run checks the alpha it ended
// at.
#include <windows.h>

#include "benches.h"
#include "base/resource_ids.h"

namespace bench {

namespace {

constexpr BYTE kFaded = 60;
constexpr BYTE kOpaque = 255;

BYTE Alpha(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) ? alpha : 0;
}

}  // namespace

Comparison FadeBench(Stage& stage, int runs) {
  Comparison result{"fade to alpha 60 and back", "196 alpha calls", 1.15, {}, {}};
  const auto side = [&](const Program& program) {
    return [&] {
      const BYTE end = Alpha(program.main) == kOpaque ? kFaded : kOpaque;
      const double elapsed = stage.Time(program, program.main, WM_COMMAND, IDM_TRANSPARENCY, 0,
                                        "the transparency command");
      Require(Alpha(program.main) == end,
              program.name + "'s fade did not end at alpha " + std::to_string(end));
      return Timed(elapsed);
    };
  };
  for (const Program* program : {&stage.Flockhand(), &stage.Floor()}) {
    Require(Alpha(program->main) == kOpaque, program->name + "'s window is not opaque");
  }
  Alternate(3, runs, side(stage.Flockhand()), side(stage.Floor()), result);
  return result;
}

}  // namespace bench
