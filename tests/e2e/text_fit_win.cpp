#include "text_fit_win.h"

#include <algorithm>
#include <vector>

#include "calc/calculator_layout.h"
#include "conv/converter_layout.h"
#include "host/dpi_win.h"
#include "json_line_win.h"
#include "window_probe_win.h"

namespace quarnic::e2e {
namespace {

class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    operator HDC() const { return dc_; }

  private:
    HDC dc_;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> DirectChildren(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> direct;
    for (HWND child : all) {
        if (GetParent(child) == parent) {
            direct.push_back(child);
        }
    }
    return direct;
}

const char* ButtonKind(HWND control) {
    if (ClassOf(control) != L"Button") {
        return "other";
    }
    switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
        case BS_OWNERDRAW:
            return "owner-drawn";
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return "radio";
        default:
            return "push";
    }
}

std::vector<long long> RectIn(HWND control, HWND parent) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The extent DrawText gives the text in the selected font; width 0 means one line.
SIZE TextExtent(HDC dc, const std::wstring& text, int wrap_width, UINT flags) {
    RECT rect{0, 0, wrap_width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags | DT_CALCRECT);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The rows the text's ink covers, counted from the top of its line: a "+" on a half-height key
// stays inside the key although its line is higher than the key. Without glyph outlines (a
// bitmap font) the whole line counts.
std::vector<long long> InkRows(HDC dc, const std::wstring& text) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    long long top = metrics.tmHeight;
    long long bottom = 0;
    for (wchar_t ch : text) {
        if (ch == L' ' || ch == L'&') {
            continue;
        }
        GLYPHMETRICS glyph{};
        if (GetGlyphOutlineW(dc, ch, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR) {
            return {0, metrics.tmHeight};
        }
        long long glyph_top = metrics.tmAscent - glyph.gmptGlyphOrigin.y;
        top = glyph_top < top ? glyph_top : top;
        long long glyph_bottom = glyph_top + glyph.gmBlackBoxY;
        bottom = glyph_bottom > bottom ? glyph_bottom : bottom;
    }
    return top < bottom ? std::vector<long long>{top, bottom} : std::vector<long long>{0, 0};
}

}  // namespace

std::string DescribeScreenMetrics() {
    ScreenDc dc;
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    return JsonLine()
        .Number("dpi", GetDeviceCaps(dc, LOGPIXELSY))
        .Number("menu_height", GetSystemMetrics(SM_CYMENU))
        .Number("caption_height", GetSystemMetrics(SM_CYCAPTION))
        .Number("system_font_height", metrics.tmHeight)
        .Number("system_font_average_width", metrics.tmAveCharWidth)
        .Finish();
}

std::string DescribeKeyCaptions(HWND main) {
    ScreenDc dc;
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    std::string list = "[";
    for (HWND control : DirectChildren(main)) {
        // Keys are buttons; the invisible texts that carry the consoles' names are no keys.
        if (ClassOf(control) != L"Button") {
            continue;
        }
        std::wstring text = WindowText(control);
        SIZE size = TextExtent(dc, text, 0, DT_SINGLELINE);
        list += (list.size() > 1 ? "," : "") + JsonLine()
                                                   .Number("id", GetDlgCtrlID(control))
                                                   .Utf8("kind", ButtonKind(control))
                                                   .Text("text", text)
                                                   .Numbers("rect", RectIn(control, main))
                                                   .Numbers("text_size", {size.cx, size.cy})
                                                   .Numbers("ink_rows", InkRows(dc, text))
                                                   .Finish();
    }
    SelectObject(dc, old);
    return list + "]";
}

namespace {

// Every caption of both programs' keys, once each.
std::vector<std::wstring> KeyCaptions() {
    std::vector<std::wstring> captions;
    const auto add = [&](const auto& keys) {
        for (const KeyPlacement& key : keys) {
            const std::wstring caption = key.label;
            if (!caption.empty() &&
                std::find(captions.begin(), captions.end(), caption) == captions.end()) {
                captions.push_back(caption);
            }
        }
    };
    add(CalculatorKeyPlacements(KeyGeometry{}));
    add(ConverterControls(KeyGeometry{}));
    return captions;
}

std::string LayoutMetricsAt(HDC dc, int dpi) {
    const LOGFONTW logical = SystemFontAt(dpi);
    HFONT font = CreateFontIndirectW(&logical);
    HGDIOBJ old = SelectObject(dc, font);
    std::string captions = "[";
    for (const std::wstring& caption : KeyCaptions()) {
        const SIZE size = TextExtent(dc, caption, 0, DT_SINGLELINE);
        captions += (captions.size() > 1 ? ",[" : "[") + QuoteJson(ToUtf8(caption.c_str())) + "," +
                    std::to_string(size.cx) + "," + std::to_string(size.cy) + "]";
    }
    const auto width = [&](const wchar_t* text) {
        return TextExtent(dc, text, 0, DT_SINGLELINE).cx;
    };
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    std::vector<long long> plus = InkRows(dc, L"+"), minus = InkRows(dc, L"-");
    plus.insert(plus.begin(), metrics.tmHeight);
    minus.insert(minus.begin(), metrics.tmHeight);
    std::string line =
        JsonLine()
            .Number("dpi", dpi)
            .Number("menu", MetricForDpi(SM_CYMENU, dpi))
            .Number("caption", MetricForDpi(SM_CYCAPTION, dpi))
            .Number("calc_sample",
                    width(L"100000000000000000000000000000000000000000000000000000000"))
            .Number("conv_sample",
                    width(L"10000000000000000000000000000000000000000000000000000000000000000000"))
            .Number("margin_sample", width(L"M(33)"))
            .Numbers("plus", plus)
            .Numbers("minus", minus)
            .Raw("captions", captions + "]")
            .Finish();
    SelectObject(dc, old);
    DeleteObject(font);
    return line;
}

}  // namespace

std::string DescribeLayoutMetrics(const std::vector<int>& dpis) {
    ScreenDc dc;
    std::string list = "[";
    for (int dpi : dpis) {
        list += (list.size() > 1 ? "," : "") + LayoutMetricsAt(dc, dpi);
    }
    return list + "]";
}

std::string DescribeDialogTextFit(HWND dialog, const std::wstring& face, int points) {
    ScreenDc dc;
    // As the dialog manager makes a template's font: the point size at the screen's DPI.
    HFONT font = CreateFontW(-MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0,
                             FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
    HGDIOBJ old = SelectObject(dc, font);
    std::string list = "[";
    for (HWND control : DirectChildren(dialog)) {
        std::wstring text = WindowText(control);
        if (ClassOf(control) != L"Static" || text.empty()) {
            continue;
        }
        RECT room{};
        GetClientRect(control, &room);
        UINT prefix = (GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        SIZE needed = TextExtent(dc, text, room.right, DT_WORDBREAK | DT_EXPANDTABS | prefix);
        list += (list.size() > 1 ? "," : "") + JsonLine()
                                                   .Number("id", GetDlgCtrlID(control))
                                                   .Text("text", text)
                                                   .Numbers("room", {room.right, room.bottom})
                                                   .Numbers("needed", {needed.cx, needed.cy})
                                                   .Finish();
    }
    SelectObject(dc, old);
    DeleteObject(font);
    return list + "]";
}

}  // namespace quarnic::e2e
