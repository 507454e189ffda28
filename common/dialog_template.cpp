#include "common/dialog_template.h"

namespace quarnic {
namespace {

constexpr std::uint32_t DS_SETFONT_STYLE = 0x40;
constexpr std::uint16_t EXTENDED_SIGNATURE = 0xFFFF;

// Little-endian words from the template, counting what it has left; every read past the end
// marks the whole reading as failed.
class TemplateReader {
  public:
    TemplateReader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    std::uint16_t Word() {
        if (at_ + 2 > size_) {
            failed_ = true;
            return 0;
        }
        const std::uint16_t value = static_cast<std::uint16_t>(bytes_[at_] | bytes_[at_ + 1] << 8);
        at_ += 2;
        return value;
    }
    std::uint32_t DoubleWord() {
        const std::uint32_t low = Word();
        return low | static_cast<std::uint32_t>(Word()) << 16;
    }
    int Short() { return static_cast<std::int16_t>(Word()); }
    void Skip(std::size_t count) {
        failed_ = failed_ || at_ + count > size_;
        at_ += count;
    }
    // Items start on a double word, counted from the template's first byte.
    void AlignToDoubleWord() { Skip((4 - at_ % 4) % 4); }
    std::u16string String() {
        std::u16string text;
        for (std::uint16_t c = Word(); c != 0 && !failed_; c = Word()) {
            text.push_back(static_cast<char16_t>(c));
        }
        return text;
    }
    // A name or an ordinal (0xFFFF and a number), as menus, classes and titles are written.
    void SkipNameOrOrdinal() {
        const std::uint16_t first = Word();
        if (first == 0xFFFF) {
            Word();
        } else if (first != 0) {
            String();
        }
    }
    bool Failed() const { return failed_; }

  private:
    const unsigned char* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

void ReadFont(TemplateReader& in, bool extended, DialogTemplate& out) {
    out.pointSize = in.Word();
    if (extended) {
        out.weight = in.Word();
        out.italic = (in.Word() & 0xFF) != 0;  // the italic byte, then the character set
    }
    out.faceName = in.String();
}

DialogItem ReadItem(TemplateReader& in, bool extended) {
    in.AlignToDoubleWord();
    in.Skip(extended ? 12 : 8);  // help id (extended only), extended style, style
    DialogItem item;
    item.x = in.Short();
    item.y = in.Short();
    item.cx = in.Short();
    item.cy = in.Short();
    item.id = extended ? static_cast<std::int32_t>(in.DoubleWord()) : in.Short();
    in.SkipNameOrOrdinal();  // the class
    in.SkipNameOrOrdinal();  // the text
    in.Skip(in.Word());      // creation data
    return item;
}

}  // namespace

bool ParseDialogTemplate(const unsigned char* bytes, std::size_t size, DialogTemplate& out) {
    TemplateReader in(bytes, size);
    out = DialogTemplate{};
    const std::uint16_t version = in.Word();
    const bool extended = version == 1 && in.Word() == EXTENDED_SIGNATURE;
    if (extended) {
        in.Skip(4);  // help id
        out.exStyle = in.DoubleWord();
        out.style = in.DoubleWord();
    } else {
        in = TemplateReader(bytes, size);
        out.style = in.DoubleWord();
        out.exStyle = in.DoubleWord();
    }
    const int count = in.Word();
    in.Skip(4);  // x and y: where the dialog is put is decided elsewhere
    out.cx = in.Short();
    out.cy = in.Short();
    in.SkipNameOrOrdinal();  // the menu
    in.SkipNameOrOrdinal();  // the class
    in.String();             // the caption
    if (out.style & DS_SETFONT_STYLE) {
        ReadFont(in, extended, out);
    }
    for (int i = 0; i < count && !in.Failed(); ++i) {
        out.items.push_back(ReadItem(in, extended));
    }
    return !in.Failed() && static_cast<int>(out.items.size()) == count;
}

int MulDivRounded(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(a) * b;
    const long long half = (c < 0 ? -c : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int TemplateFontHeight(int pointSize, int dpi) {
    return -MulDivRounded(pointSize, dpi, 72);
}

DialogBaseUnits BaseUnitsOf(int alphabetWidth, int fontHeight) {
    return DialogBaseUnits{(alphabetWidth / 26 + 1) / 2, fontHeight};
}

DialogInPixels TemplateInPixels(const DialogTemplate& dialog, DialogBaseUnits units) {
    DialogInPixels pixels;
    pixels.clientWidth = MulDivRounded(dialog.cx, units.x, 4);
    pixels.clientHeight = MulDivRounded(dialog.cy, units.y, 8);
    for (const DialogItem& item : dialog.items) {
        pixels.items.push_back(KeyPlacement{
            item.id, L"", KeyKind::Push,
            PixelRect{MulDivRounded(item.x, units.x, 4), MulDivRounded(item.y, units.y, 8),
                      MulDivRounded(item.cx, units.x, 4), MulDivRounded(item.cy, units.y, 8)}});
    }
    return pixels;
}

}  // namespace quarnic
