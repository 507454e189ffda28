// Any bytes as the values of the settings file's [Window] section, one value a line (X, Y, Width,
// Height, Maximized), then as work areas: a place is read only when it reads back as written,
// and wherever the window then opens it is at least its layout's size and, on a work area that
// can hold it, wholly inside the work area it was brought to.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>

#include "common/kept_window_place.h"

namespace quarnic {
namespace {

constexpr WindowPlace LAYOUT{314, 310, 652, 403};
constexpr int MOST_AREAS = 3;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "kept window place: %s\n", what);
    std::abort();
}

// The values as the profile hands them over: each byte a character, lines cut at '\n'.
struct Values {
    std::wstring texts[5];
    std::size_t end = 0;
};

Values SplitValues(const std::uint8_t* data, std::size_t size) {
    Values values;
    int field = 0;
    for (; values.end < size && field < 5; ++values.end) {
        if (data[values.end] == '\n') {
            ++field;
        } else {
            values.texts[field] += static_cast<wchar_t>(data[values.end]);
        }
    }
    return values;
}

std::wstring Written(int value) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%d", value);
    return text;
}

void CheckReadsBackAsWritten(const KeptWindowPlace& kept) {
    const std::wstring x = Written(kept.normal.x), y = Written(kept.normal.y),
                       width = Written(kept.normal.width), height = Written(kept.normal.height);
    const auto again = ParseKeptWindowPlace(
        {x.c_str(), y.c_str(), width.c_str(), height.c_str(), kept.maximized ? L"1" : L"0"});
    if (!again || std::memcmp(&again->normal, &kept.normal, sizeof kept.normal) != 0 ||
        again->maximized != kept.maximized || kept.normal.width <= 0 || kept.normal.height <= 0) {
        Fail("a place read does not read back as written");
    }
}

// Work areas of up to 3 monitors from the bytes left, 8 bytes each, none empty.
int AreasFrom(const std::uint8_t* data, std::size_t size, ScreenRect* areas) {
    int count = 0;
    for (std::size_t at = 0; at + 8 <= size && count < MOST_AREAS; at += 8) {
        const auto word = [&](std::size_t i) {
            return static_cast<int>(
                static_cast<std::int16_t>(data[at + i] | data[at + i + 1] << 8));
        };
        const int left = word(0), top = word(2);
        areas[count++] = {left, top, left + 1 + (word(4) & 0x1FFF), top + 1 + (word(6) & 0x1FFF)};
    }
    return count;
}

// Brought onto a work area: the top-left corner inside it, and the whole window in each
// direction in which the area can hold it.
bool PlacedOn(const WindowPlace& at, const ScreenRect& area) {
    const bool corner =
        at.x >= area.left && at.x < area.right && at.y >= area.top && at.y < area.bottom;
    const bool across = at.width > area.right - area.left || at.x + at.width <= area.right;
    const bool down = at.height > area.bottom - area.top || at.y + at.height <= area.bottom;
    return corner && across && down;
}

void CheckStart(const std::optional<KeptWindowPlace>& kept, const ScreenRect* areas, int count) {
    const WindowStart start = ChooseWindowStart(kept, LAYOUT, areas, count);
    const WindowPlace& at = start.place;
    if (!kept) {
        if (std::memcmp(&at, &LAYOUT, sizeof at) != 0 || start.maximized) {
            Fail("without a kept place the window does not open as its layout says");
        }
        return;
    }
    if (at.width < LAYOUT.width || at.height < LAYOUT.height) {
        Fail("the window is smaller than its layout");
    }
    if (start.maximized != kept->maximized) {
        Fail("the maximized state is lost");
    }
    if (count > 0 && std::none_of(areas, areas + count,
                                  [&](const ScreenRect& area) { return PlacedOn(at, area); })) {
        Fail("the window is on no work area");
    }
}

}  // namespace
}  // namespace quarnic

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarnic;
    const Values values = SplitValues(data, size);
    const auto kept = ParseKeptWindowPlace({values.texts[0].c_str(), values.texts[1].c_str(),
                                            values.texts[2].c_str(), values.texts[3].c_str(),
                                            values.texts[4].c_str()});
    if (kept) {
        CheckReadsBackAsWritten(*kept);
    }
    ScreenRect areas[MOST_AREAS];
    const int count = AreasFrom(data + values.end, size - values.end, areas);
    CheckStart(kept, areas, count);
    return 0;
}
