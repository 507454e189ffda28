// Checks of a main window laid out at a DPI from a recorded font, shared by both programs' tests:
// every caption fits its key, and every control stays inside the client area and clear of the
// others. The client area is the window less the frame Wine gives a fixed window at every DPI.
#pragma once

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "common/layout.h"
#include "tests/common/recorded_fonts.h"

namespace quarnic::recorded {

// A push button's caption keeps off its 3-D edge; a radio button's also off its round mark,
// which grows with the DPI.
inline constexpr int BUTTON_EDGE = 2;
inline constexpr int FIXED_FRAME = 3;

inline const Caption* CaptionOf(const Font& font, const wchar_t* text) {
    for (const Caption& caption : font.captions) {
        if (std::wcscmp(caption.text, text) == 0) {
            return &caption;
        }
    }
    return nullptr;
}

inline std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (; *text != L'\0'; ++text) {
        narrow.push_back(static_cast<char>(*text));
    }
    return narrow;
}

// A program whose two-digit notation captions are known not to fit beside the radio mark from
// some DPI on says so (see the calculator's test); the check then fails once they fit.
inline bool ClippedBesideTheRadioMark(const Font& font, const KeyPlacement& key,
                                      int radioCaptionsClippedFromDpi) {
    return font.dpi >= radioCaptionsClippedFromDpi && key.kind == KeyKind::Radio &&
           std::wcslen(key.label) == 2;
}

inline void ExpectCaptionFits(const Font& font, const KeyPlacement& key,
                              int radioCaptionsClippedFromDpi) {
    const Caption* caption = CaptionOf(font, key.label);
    ASSERT_NE(caption, nullptr) << "no recorded width for " << Narrow(key.label);
    const int mark = key.kind == KeyKind::Radio ? 13 * font.dpi / 96 + BUTTON_EDGE : 0;
    const int room = key.rect.width - 2 * BUTTON_EDGE - mark;
    if (ClippedBesideTheRadioMark(font, key, radioCaptionsClippedFromDpi)) {
        EXPECT_GT(caption->width, room) << Narrow(key.label) << " fits now at " << font.dpi;
    } else {
        EXPECT_LE(caption->width, room) << Narrow(key.label) << " at " << font.dpi << " DPI";
    }
    const bool stepKey = key.kind == KeyKind::Push && key.rect.height < caption->height;
    if (stepKey) {
        const CaptionInk& ink = std::wcscmp(key.label, L"+") == 0 ? font.plus : font.minus;
        EXPECT_TRUE(CaptionInkFits(key.rect.height, ink))
            << "the ink of step key " << Narrow(key.label) << " at " << font.dpi << " DPI";
    } else {
        EXPECT_LE(caption->height, key.rect.height)
            << Narrow(key.label) << " at " << font.dpi << " DPI";
    }
}

inline bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// keys, then the carriers of painted texts (which may lie over each other's figures, not keys),
// in a client area of that size.
template <std::size_t K, std::size_t C>
void ExpectLaidOutIn(const Font& font, int clientWidth, int clientHeight,
                     const std::array<KeyPlacement, K>& keys,
                     const std::array<KeyPlacement, C>& carriers,
                     int radioCaptionsClippedFromDpi = 10000) {
    for (const KeyPlacement& key : keys) {
        if (key.kind != KeyKind::OwnerDrawn) {
            ExpectCaptionFits(font, key, radioCaptionsClippedFromDpi);
        }
    }
    const auto inside = [&](const KeyPlacement& c) {
        EXPECT_TRUE(c.rect.left >= 0 && c.rect.top >= 0 && c.rect.width > 0 &&
                    c.rect.left + c.rect.width <= clientWidth &&
                    c.rect.top + c.rect.height <= clientHeight)
            << "control " << c.id << " leaves the client area at " << font.dpi << " DPI";
    };
    for (std::size_t i = 0; i < K; ++i) {
        inside(keys[i]);
        for (std::size_t j = i + 1; j < K; ++j) {
            EXPECT_FALSE(Overlap(keys[i].rect, keys[j].rect))
                << keys[i].id << " and " << keys[j].id << " at " << font.dpi << " DPI";
        }
        for (const KeyPlacement& carrier : carriers) {
            EXPECT_FALSE(Overlap(keys[i].rect, carrier.rect))
                << "carrier " << carrier.id << " over key " << keys[i].id << " at " << font.dpi;
        }
    }
    for (const KeyPlacement& carrier : carriers) {
        inside(carrier);
    }
}

// The same in the window of the layout's own size, the smallest.
template <std::size_t K, std::size_t C>
void ExpectLaidOut(const Font& font, const Layout& layout, const std::array<KeyPlacement, K>& keys,
                   const std::array<KeyPlacement, C>& carriers,
                   int radioCaptionsClippedFromDpi = 10000) {
    const int clientWidth = layout.WindowWidth - 2 * FIXED_FRAME;
    const int clientHeight = layout.WindowHeight - font.captionHeight - 2 * FIXED_FRAME;
    ExpectLaidOutIn(font, clientWidth, clientHeight, keys, carriers, radioCaptionsClippedFromDpi);
}

// Whether two sets of places agree control by control.
template <std::size_t N>
void ExpectSamePlaces(const std::array<KeyPlacement, N>& actual,
                      const std::array<KeyPlacement, N>& expected, const std::string& what) {
    for (std::size_t i = 0; i < N; ++i) {
        const PixelRect& a = actual[i].rect;
        const PixelRect& e = expected[i].rect;
        EXPECT_TRUE(actual[i].id == expected[i].id && a.left == e.left && a.top == e.top &&
                    a.width == e.width && a.height == e.height)
            << what << ": control " << actual[i].id;
    }
}

}  // namespace quarnic::recorded
