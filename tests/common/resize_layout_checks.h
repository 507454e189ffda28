// Checks of a main window laid out larger than its smallest size, shared by both programs'
// tests: the sizes tried, and the grid's promise that the keys of a row grow alike and stay
// side by side.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

#include "common/layout.h"
#include "tests/common/recorded_fonts.h"

namespace quarnic::recorded {

struct ClientSize {
    const char* name;
    int width;
    int height;
};

// The smallest client area, half as large again both ways, and a window maximized on a
// 1920 x 1080 screen (its frame lies off the screen; its caption stays).
inline std::array<ClientSize, 3> SizesToTry(const Font& font, const Layout& smallest) {
    return {{{"smallest", smallest.ClientWidth, smallest.ClientHeight},
             {"1.5x", smallest.ClientWidth * 3 / 2, smallest.ClientHeight * 3 / 2},
             {"maximized", 1920, 1080 - font.captionHeight}}};
}

inline std::string Where(const Font& font, const ClientSize& size) {
    return std::string(size.name) + " at " + std::to_string(font.dpi) + " DPI";
}

inline const KeyPlacement& PlaceOf(const KeyPlacement* places, std::size_t count, int id) {
    for (std::size_t i = 0; i < count; ++i) {
        if (places[i].id == id) {
            return places[i];
        }
    }
    ADD_FAILURE() << "no control " << id;
    return places[0];
}

// Ten keys side by side (ids first..first + 9): each starts where the one before ends, and
// their widths differ by a pixel at most, however the extra width divides.
inline void ExpectKeysShareTheRow(const KeyPlacement* places, std::size_t count, int first,
                                  const std::string& where) {
    int narrowest = 1 << 30, widest = 0;
    for (int id = first; id < first + 10; ++id) {
        const PixelRect& key = PlaceOf(places, count, id).rect;
        narrowest = std::min(narrowest, key.width);
        widest = std::max(widest, key.width);
        if (id > first) {
            const PixelRect& before = PlaceOf(places, count, id - 1).rect;
            EXPECT_EQ(before.left + before.width, key.left) << "key " << id << ", " << where;
            EXPECT_EQ(before.top, key.top) << "key " << id << ", " << where;
        }
    }
    EXPECT_LE(widest - narrowest, 1) << where;
}

// A band paints in the console colour: never over a key, never outside the client area.
template <std::size_t B, std::size_t K>
void ExpectBandsClear(const std::array<Band, B>& bands, const std::array<KeyPlacement, K>& keys,
                      int clientWidth, int clientHeight, const std::string& where) {
    for (const Band& band : bands) {
        EXPECT_TRUE(band.firstRow >= 0 && band.x1 >= 0 && band.x2 <= clientWidth &&
                    band.lastRow <= clientHeight)
            << "band at row " << band.firstRow << ", " << where;
        for (const KeyPlacement& key : keys) {
            const PixelRect& r = key.rect;
            const bool rows = band.firstRow < r.top + r.height && r.top <= band.lastRow;
            const bool columns = band.x1 < r.left + r.width && r.left < band.x2;
            EXPECT_FALSE(rows && columns)
                << "band at row " << band.firstRow << " over key " << key.id << ", " << where;
        }
    }
}

template <std::size_t B>
void ExpectSameBands(const std::array<Band, B>& actual, const std::array<Band, B>& expected,
                     const std::string& where) {
    for (std::size_t i = 0; i < B; ++i) {
        const Band& a = actual[i];
        const Band& e = expected[i];
        EXPECT_TRUE(a.firstRow == e.firstRow && a.lastRow == e.lastRow && a.x1 == e.x1 &&
                    a.x2 == e.x2)
            << "band " << i << ", " << where;
    }
}

inline constexpr int TRIED_DPIS[] = {96, 144, 192};

// check(font, layout, size, where) for every tried DPI in both languages and every size tried,
// the layout made by smallestAt(font) for the smallest size.
template <typename SmallestAt, typename Check>
void ForEachFontAndSize(SmallestAt smallestAt, Check check) {
    for (const auto* fonts : {&ENGLISH, &JAPANESE}) {
        for (const Font& font : *fonts) {
            if (std::find(std::begin(TRIED_DPIS), std::end(TRIED_DPIS), font.dpi) ==
                std::end(TRIED_DPIS)) {
                continue;
            }
            const Layout smallest = smallestAt(font);
            for (const ClientSize& size : SizesToTry(font, smallest)) {
                const Layout layout = LayoutForClient(smallest, size.width, size.height);
                check(font, layout, size,
                      Where(font, size) + (fonts == &JAPANESE ? " (ja)" : " (en)"));
            }
        }
    }
}

}  // namespace quarnic::recorded
