// A dialog template as the resource compiler writes it (DIALOG or DIALOGEX), read back into the
// frame and item places in dialog units, and those places in pixels for a DPI. Windows lays a
// dialog out once, at creation; a tool window that reaches a monitor of another DPI lays itself
// out again by the same arithmetic, so that it looks as if it had been created there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/layout.h"

namespace quarnic {

struct DialogItem {
    int id = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct DialogTemplate {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int cx = 0;  // the client area, in dialog units
    int cy = 0;
    int pointSize = 0;  // 0: no font of its own (DS_SETFONT missing)
    int weight = 0;
    bool italic = false;
    std::u16string faceName;
    std::vector<DialogItem> items;
};

// Reads the template's header, font and every item. False when the bytes end early or the item
// count does not match: nothing of a damaged template is used.
bool ParseDialogTemplate(const unsigned char* bytes, std::size_t size, DialogTemplate& out);

// Windows' MulDiv: a * b / c rounded to the nearest integer, halves away from zero.
int MulDivRounded(int a, int b, int c);

// The height in pixels, negative as a LOGFONT's lfHeight takes it, of a template's font at a
// DPI: its point size at that many pixels per inch.
int TemplateFontHeight(int pointSize, int dpi);

// A dialog's base units, from its font: the average width of the 52 letters A..Z a..z, rounded,
// and the font's height.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};
DialogBaseUnits BaseUnitsOf(int alphabetWidth, int fontHeight);

// What the template is in pixels for those base units: the client area and every item's place,
// as the dialog manager computes them at creation.
struct DialogInPixels {
    int clientWidth = 0;
    int clientHeight = 0;
    std::vector<KeyPlacement> items;
};
DialogInPixels TemplateInPixels(const DialogTemplate& dialog, DialogBaseUnits units);

}  // namespace quarnic
