// Whether Flockhand runs under Wine, where some window events of other programs never come
// and a part of the desktop has to be looked at instead.
#pragma once

bool UnderWine();
