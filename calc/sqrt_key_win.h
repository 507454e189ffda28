// The owner-drawn square-root key: a two-pixel raised or sunken border and a radical sign.
#pragma once

#include <windows.h>

namespace quarnic {

// System colours read once at window creation for the key's inner border.
struct SqrtKeyColors {
    COLORREF light = 0;   // COLOR_3DLIGHT
    COLORREF shadow = 0;  // COLOR_BTNSHADOW
};

void DrawSqrtKey(const DRAWITEMSTRUCT& item, const SqrtKeyColors& colors);

}  // namespace quarnic
