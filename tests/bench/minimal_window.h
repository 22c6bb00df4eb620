// What the start-up benchmark needs to know of its two baseline programs: their window
// classes.
#pragma once

constexpr wchar_t kMinimalWindowClass[] = L"MinimalWindow";
constexpr wchar_t kBarePanelClass[] = L"BarePanel";
