// Both programs' system menus as the shell builds them: the standard items, then About, the
// console colour, the program's own items and "Always on top". Alt+Space and a letter must reach
// one item, and an item that a Ctrl key chooses names that key.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calc/calculator_menu.h"
#include "calc/keyboard_map.h"
#include "common/shell_texts.h"
#include "conv/converter_menu.h"
#include "conv/keyboard_map.h"
#include "tests/kit/menu_access_key.h"

namespace quarnic {
namespace {

// The letters of Restore, Move, Size, Minimize, Maximize and Close, the same in English and
// Japanese Windows.
constexpr wchar_t STANDARD_KEYS[] = L"RMSNXC";

struct ProgramMenu {
    const char* name;
    // Every item the shell adds, in the menu's order: About, the colour, the program's own
    // items, "Always on top".
    std::vector<SystemMenuItem> added;
    KeyAction (*namedKey)(const NamedKeyPress&);
};

std::vector<SystemMenuItem> AddedItems(int aboutId, int colorId,
                                       std::vector<SystemMenuItem> ownItems, int alwaysOnTopId) {
    std::vector<SystemMenuItem> items = {{aboutId, ABOUT_ITEM_EN, ABOUT_ITEM_JA},
                                         {colorId, CONSOLE_COLOR_ITEM_EN, CONSOLE_COLOR_ITEM_JA}};
    items.insert(items.end(), ownItems.begin(), ownItems.end());
    items.push_back({alwaysOnTopId, ALWAYS_ON_TOP_ITEM_EN, ALWAYS_ON_TOP_ITEM_JA});
    return items;
}

std::vector<ProgramMenu> Programs() {
    return {{"calculator",
             AddedItems(IDM_ABOUT, IDM_CONSOLE_COLOR,
                        {std::begin(CALCULATOR_MENU_ITEMS), std::end(CALCULATOR_MENU_ITEMS)},
                        IDM_ALWAYS_ON_TOP),
             CalculatorNamedKey},
            {"converter",
             AddedItems(IDM_CONV_ABOUT, IDM_CONV_CONSOLE_COLOR,
                        {std::begin(CONVERTER_MENU_ITEMS), std::end(CONVERTER_MENU_ITEMS)},
                        IDM_CONV_ALWAYS_ON_TOP),
             ConverterNamedKey}};
}

std::vector<const wchar_t*> AddedTexts(const ProgramMenu& program, bool japanese) {
    std::vector<const wchar_t*> texts;
    for (const SystemMenuItem& item : program.added) {
        texts.push_back(japanese ? item.japaneseText : item.englishText);
    }
    return texts;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());  // the menu letters and shortcuts are ASCII
}

// The "\tCtrl+X" a text ends in, as X; '\0' without one.
wchar_t ShownCtrlLetter(const std::wstring& text) {
    const size_t tab = text.find(L"\tCtrl+");
    return tab == std::wstring::npos || tab + 7 != text.size() ? L'\0' : text.back();
}

const std::map<wchar_t, NamedKey> CTRL_LETTERS = {
    {L'C', NamedKey::LetterC}, {L'H', NamedKey::LetterH}, {L'L', NamedKey::LetterL},
    {L'M', NamedKey::LetterM}, {L'R', NamedKey::LetterR}, {L'S', NamedKey::LetterS},
    {L'V', NamedKey::LetterV}};

TEST(AccessKey, IsTheLetterAfterTheFirstSingleAmpersand) {
    EXPECT_EQ(AccessKey(L"Cop&y\tCtrl+C"), L'Y');
    EXPECT_EQ(AccessKey(L"コピー(&Y)\tCtrl+C"), L'Y');
    EXPECT_EQ(AccessKey(L"Set s&qrt calculation...."), L'Q');
    EXPECT_EQ(AccessKey(L"Fish && &chips"), L'C');
    EXPECT_EQ(AccessKey(L"Fish && chips"), L'\0');
    EXPECT_EQ(AccessKey(L"No letter"), L'\0');
}

TEST(SystemMenus, EveryLetterReachesOneItemAndCloseKeepsC) {
    for (const ProgramMenu& program : Programs()) {
        for (bool japanese : {false, true}) {
            std::map<wchar_t, std::string> owners;
            for (const wchar_t* standard = STANDARD_KEYS; *standard != L'\0'; ++standard) {
                owners[*standard] = "a standard item";
            }
            for (const wchar_t* text : AddedTexts(program, japanese)) {
                const wchar_t key = AccessKey(text);
                const std::string name = Narrow(std::wstring(1, key));
                EXPECT_NE(key, L'\0') << program.name << ": an item without a letter";
                const auto [owner, added] = owners.emplace(key, "an item");
                EXPECT_TRUE(added) << program.name << (japanese ? " (Japanese)" : " (English)")
                                   << ": " << name << " is already " << owner->second << "'s";
            }
        }
    }
}

// Ctrl+C, H, L, M, R, S and V, whatever they choose in the program's keyboard map.
TEST(SystemMenus, AnItemShowsTheCtrlKeyThatChoosesItAndNoOther) {
    for (const ProgramMenu& program : Programs()) {
        for (const auto& [letter, key] : CTRL_LETTERS) {
            const KeyAction action = program.namedKey({key, true, false});
            for (const SystemMenuItem& item : program.added) {
                const bool chosen = action.target == KeyTarget::MenuItem && action.id == item.id;
                for (const wchar_t* text : {item.englishText, item.japaneseText}) {
                    EXPECT_EQ(ShownCtrlLetter(text) == letter, chosen)
                        << program.name << ": item " << item.id << " and Ctrl+"
                        << Narrow(std::wstring(1, letter));
                }
            }
        }
    }
}

// The items this program's users saw clash or lack their key, as they read now.
TEST(SystemMenus, TextsOfTheItemsThatChanged) {
    EXPECT_STREQ(COPY_ITEM_EN, L"Cop&y\tCtrl+C");
    EXPECT_STREQ(COPY_ITEM_JA, L"コピー(&Y)\tCtrl+C");
    EXPECT_STREQ(SAVE_ANSWER_ITEM_EN, L"Sa&ve answer...\tCtrl+S");
    EXPECT_STREQ(SAVE_ANSWER_ITEM_JA, L"答の保存(&V)...\tCtrl+S");
    EXPECT_STREQ(COPY_ANSWER_ITEM_EN, L"Co&py answer\tCtrl+C");
    EXPECT_STREQ(COPY_ANSWER_ITEM_JA, L"答のコピー(&P)\tCtrl+C");
    EXPECT_STREQ(CONVERTER_PASTE_ITEM_EN, L"Past&e\tCtrl+V");
    EXPECT_STREQ(CONVERTER_PASTE_ITEM_JA, L"貼り付け(&E)\tCtrl+V");
    EXPECT_STREQ(ALWAYS_ON_TOP_ITEM_EN, L"Always &on top");
    EXPECT_STREQ(ALWAYS_ON_TOP_ITEM_JA, L"常に手前に表示(&O)");
}

}  // namespace
}  // namespace quarnic
