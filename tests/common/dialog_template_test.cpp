// Dialog templates read back as the resource compiler writes them, and laid out in pixels by the
// dialog manager's arithmetic: what a tool window does again at every change of DPI.
#include "common/dialog_template.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace quarnic {
namespace {

// Writes a template word by word, little-endian, as the format documents it.
class TemplateBytes {
  public:
    TemplateBytes& Word(int value) {
        bytes_.push_back(static_cast<unsigned char>(value & 0xFF));
        bytes_.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
        return *this;
    }
    TemplateBytes& DoubleWord(unsigned value) {
        return Word(static_cast<int>(value & 0xFFFF)).Word(static_cast<int>(value >> 16));
    }
    TemplateBytes& Text(const std::u16string& text) {
        for (char16_t c : text) {
            Word(c);
        }
        return Word(0);
    }
    TemplateBytes& Align() {
        while (bytes_.size() % 4 != 0) {
            bytes_.push_back(0);
        }
        return *this;
    }
    TemplateBytes& Shorts(std::initializer_list<int> values) {
        for (int v : values) {
            Word(v);
        }
        return *this;
    }
    const std::vector<unsigned char>& Bytes() const { return bytes_; }

  private:
    std::vector<unsigned char> bytes_;
};

constexpr unsigned DS_SETFONT = 0x40;

// A DIALOGEX like the history window's: a font with weight and italic, an item with a class
// named by ordinal and a text, one with a class by name, creation data, an id of -1.
TemplateBytes ExtendedTemplate() {
    TemplateBytes t;
    t.Word(1).Word(0xFFFF).DoubleWord(0).DoubleWord(0x8).DoubleWord(0x80C80000u | DS_SETFONT);
    t.Word(3).Shorts({40, 40, 320, 236}).Word(0).Word(0).Text(u"History");
    t.Word(8).Word(700).Word(0x0101).Text(u"Helv");
    t.Align().DoubleWord(0).DoubleWord(0).DoubleWord(0x50000000u).Shorts({7, 5, 200, 9});
    t.DoubleWord(230).Word(0xFFFF).Word(0x0082).Text(u"&History").Word(0);
    t.Align().DoubleWord(0).DoubleWord(0).DoubleWord(0x50010000u).Shorts({7, 15, 306, 78});
    t.DoubleWord(231).Text(u"ListBox").Word(0).Word(4).Word(0xBEEF).Word(0xCAFE);
    t.Align().DoubleWord(0).DoubleWord(0).DoubleWord(0x50000000u).Shorts({275, 214, 38, 14});
    t.DoubleWord(0xFFFFFFFFu).Word(0xFFFF).Word(0x0080).Text(u"Cl&ose").Word(0);
    return t;
}

TEST(DialogTemplate, AnExtendedTemplateGivesItsFontAndEveryItemsPlace) {
    const TemplateBytes t = ExtendedTemplate();
    DialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(t.Bytes().data(), t.Bytes().size(), dialog));
    EXPECT_EQ(dialog.cx, 320);
    EXPECT_EQ(dialog.cy, 236);
    EXPECT_EQ(dialog.exStyle, 0x8u);
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.weight, 700);
    EXPECT_TRUE(dialog.italic);
    EXPECT_EQ(dialog.faceName, u"Helv");
    ASSERT_EQ(dialog.items.size(), 3u);
    EXPECT_EQ(dialog.items[0].id, 230);
    EXPECT_EQ(dialog.items[1].id, 231);
    EXPECT_EQ(dialog.items[1].cy, 78) << "after a class given by name";
    EXPECT_EQ(dialog.items[2].id, -1);
    EXPECT_EQ(dialog.items[2].x, 275) << "after creation data and the alignment";
}

TEST(DialogTemplate, APlainTemplateHasNoWeightAndWordIds) {
    TemplateBytes t;
    t.DoubleWord(0x80C80000u | DS_SETFONT).DoubleWord(0).Word(2).Shorts({0, 0, 414, 312});
    t.Word(0).Word(0).Text(u"All notations").Word(9).Text(u"\uFF2D\uFF33");
    t.Align().DoubleWord(0x50A10000u).DoubleWord(0).Shorts({7, 7, 400, 278}).Word(180);
    t.Word(0xFFFF).Word(0x0083).Word(0).Word(0);
    t.Align().DoubleWord(0x50010000u).DoubleWord(0).Shorts({7, 291, 50, 14}).Word(0xFFFF);
    t.Word(0xFFFF).Word(0x0080).Text(u"&Copy").Word(0);
    DialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(t.Bytes().data(), t.Bytes().size(), dialog));
    EXPECT_EQ(dialog.pointSize, 9);
    EXPECT_EQ(dialog.weight, 0);
    EXPECT_EQ(dialog.faceName, u"\uFF2D\uFF33");
    ASSERT_EQ(dialog.items.size(), 2u);
    EXPECT_EQ(dialog.items[0].cy, 278);
    EXPECT_EQ(dialog.items[1].y, 291);
    EXPECT_EQ(dialog.items[1].id, -1);
}

TEST(DialogTemplate, ATemplateCutShortAnywhereIsRefused) {
    const TemplateBytes t = ExtendedTemplate();
    const std::vector<unsigned char>& whole = t.Bytes();
    for (std::size_t size = 0; size < whole.size(); ++size) {
        DialogTemplate dialog;
        EXPECT_FALSE(ParseDialogTemplate(whole.data(), size, dialog)) << size << " bytes";
    }
}

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRounded(5, 1, 2), 3);
    EXPECT_EQ(MulDivRounded(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRounded(7, 3, 4), 5);
    EXPECT_EQ(MulDivRounded(6, 3, 4), 5);
    EXPECT_EQ(MulDivRounded(5, 3, 4), 4);
    EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
}

TEST(DialogUnits, TheFontGrowsWithTheDpiAndThePlacesWithIt) {
    EXPECT_EQ(TemplateFontHeight(8, 96), -11);
    EXPECT_EQ(TemplateFontHeight(8, 144), -16);
    EXPECT_EQ(TemplateFontHeight(9, 192), -24);
    // 52 letters 312 pixels wide: an average of 6; the font 13 high.
    const DialogBaseUnits units = BaseUnitsOf(312, 13);
    EXPECT_EQ(units.x, 6);
    EXPECT_EQ(units.y, 13);
    EXPECT_EQ(BaseUnitsOf(325, 13).x, 6) << "12.5 letters rounds down before halving";
    EXPECT_EQ(BaseUnitsOf(338, 13).x, 7);
    DialogTemplate dialog;
    dialog.cx = 320;
    dialog.cy = 236;
    dialog.items = {{231, 7, 15, 306, 78}};
    const DialogInPixels pixels = TemplateInPixels(dialog, units);
    EXPECT_EQ(pixels.clientWidth, 480);
    EXPECT_EQ(pixels.clientHeight, 384) << "383.5 rounds up";
    const PixelRect list = pixels.items[0].rect;
    EXPECT_EQ(list.left, 11) << "10.5 rounds up";
    EXPECT_EQ(list.top, 24);
    EXPECT_EQ(list.width, 459);
    EXPECT_EQ(list.height, 127);
}

}  // namespace
}  // namespace quarnic
