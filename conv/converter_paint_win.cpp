#include "conv/converter_paint_win.h"

#include "conv/converter_layout.h"
#include "conv/converter_repaint.h"
#include "conv/converter_state.h"
#include "host/console_paint_win.h"
#include "host/shell_win.h"

namespace quarnic {

void PaintConverterWindow(HWND window, Converter& converter) {
    PaintSession paint(window);
    const SIZE client = ClientSize(window);
    const Layout& layout = Shell().layout;
    const auto bands =
        ConverterBands(layout.Geometry(), client.cx, client.cy, ConverterGridStretch(layout));
    PaintBands(window, bands.data(), static_cast<int>(bands.size()));
    // The consoles and boxes are the logic's to decide; a window that never got its view (a
    // second copy closing itself) shows only its background.
    if (converter.view != nullptr) {
        RepaintConverterContents(converter);
    }
}

}  // namespace quarnic
