// The readmes res/KELVARIN.TXT and res/OSTRAMEL.TXT as Notepad opens them: UTF-8 with a byte
// order mark and CR LF line ends, an English part and a Japanese part that says the same.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
constexpr std::string_view JAPANESE_HEADING = "[日本語]";

std::string ReadReadme(const char* name) {
    std::ifstream file(std::string(QUARNIC_RES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The numbers of the sections ("12. All notations ..." gives 12), in the order they appear.
std::vector<int> SectionNumbers(std::string_view part) {
    std::vector<int> numbers;
    std::istringstream lines{std::string(part)};
    for (std::string line; std::getline(lines, line);) {
        const size_t digits = line.find_first_not_of("0123456789");
        if (digits > 0 && digits != std::string::npos && line.compare(digits, 2, ". ") == 0) {
            numbers.push_back(std::stoi(line.substr(0, digits)));
        }
    }
    return numbers;
}

bool EveryLineEndsInCrLf(std::string_view text) {
    for (size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') {
            return false;
        }
    }
    return !text.empty() && text.back() == '\n';
}

// The Japanese texts call the notation itself 進法; 進数 is only a number written in one, and
// then a notation's digits stand right before it ("16進数", "2進数: 64桁").
std::vector<std::string> ShinsuWithoutNotation(std::string_view text) {
    constexpr std::string_view SHINSU = "進数";
    std::vector<std::string> found;
    for (size_t at = text.find(SHINSU); at != std::string_view::npos;
         at = text.find(SHINSU, at + 1)) {
        if (at == 0 || text[at - 1] < '0' || text[at - 1] > '9') {
            const size_t line = text.rfind('\n', at);
            const size_t from = line == std::string_view::npos ? 0 : line + 1;
            found.emplace_back(text.substr(from, at + SHINSU.size() - from));
        }
    }
    return found;
}

TEST(Readmes, OpenInNotepadAsUtf8WithCrLf) {
    for (const char* name : {"KELVARIN.TXT", "OSTRAMEL.TXT"}) {
        const std::string text = ReadReadme(name);
        EXPECT_EQ(text.substr(0, BYTE_ORDER_MARK.size()), BYTE_ORDER_MARK) << name;
        EXPECT_TRUE(EveryLineEndsInCrLf(text)) << name;
    }
}

TEST(Readmes, TheJapanesePartHasEverySectionOfTheEnglish) {
    for (const char* name : {"KELVARIN.TXT", "OSTRAMEL.TXT"}) {
        const std::string text = ReadReadme(name);
        const size_t japanese = text.find(JAPANESE_HEADING);
        ASSERT_NE(japanese, std::string::npos) << name;
        const std::vector<int> english = SectionNumbers(std::string_view(text).substr(0, japanese));
        EXPECT_GE(english.size(), 9u) << name;
        EXPECT_EQ(SectionNumbers(std::string_view(text).substr(japanese)), english) << name;
    }
}

TEST(Readmes, TheJapanesePartCallsTheNotationShinpo) {
    for (const char* name : {"KELVARIN.TXT", "OSTRAMEL.TXT"}) {
        const std::string text = ReadReadme(name);
        const size_t japanese = text.find(JAPANESE_HEADING);
        ASSERT_NE(japanese, std::string::npos) << name;
        EXPECT_EQ(ShinsuWithoutNotation(std::string_view(text).substr(japanese)),
                  std::vector<std::string>{})
            << name;
    }
}

// Words the Japanese part spells one way, as the messages and Windows itself spell them.
TEST(Readmes, TheJapanesePartSpellsWordsOneWay) {
    constexpr std::string_view MEMORY = "メモリ";
    constexpr std::string_view LONG_MARK = "ー";
    for (const char* name : {"KELVARIN.TXT", "OSTRAMEL.TXT"}) {
        const std::string text = ReadReadme(name);
        const std::string_view japanese =
            std::string_view(text).substr(text.find(JAPANESE_HEADING));
        for (std::string_view avoided : {"他のプログラム", "拡大率", "細いスペース"}) {
            EXPECT_EQ(japanese.find(avoided), std::string_view::npos) << name << ": " << avoided;
        }
        for (size_t at = japanese.find(MEMORY); at != std::string_view::npos;
             at = japanese.find(MEMORY, at + 1)) {
            EXPECT_EQ(japanese.substr(at + MEMORY.size(), LONG_MARK.size()), LONG_MARK)
                << name << ": メモリ without its long mark";
        }
    }
}

}  // namespace
