// The Japanese texts of our own messages: how a failure is said, the punctuation of a sentence
// and the one spelling of a word. The document's own texts keep theirs and are not listed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/calc_texts.h"
#include "calc/history_texts.h"
#include "common/paste_messages.h"

namespace quarnic {
namespace {

std::string Utf8(const wchar_t* text) {
    std::string out;
    for (const wchar_t* at = text; *at != L'\0'; ++at) {
        const auto c = static_cast<unsigned>(*at);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Every Japanese message of ours that a refusal, a busy clipboard or the history can show.
std::vector<std::string> OwnJapaneseMessages() {
    std::vector<std::string> texts = {HISTORY_WRITE_FAILED_JA,
                                      HISTORY_SET_ASIDE_JA,
                                      HISTORY_NOT_CONVERTED_JA,
                                      Utf8(HISTORY_NOT_SAVED_JA),
                                      Utf8(HISTORY_DELETE_FILE_QUESTION_JA),
                                      Utf8(FILE_NOT_WRITTEN_TEXT_JA),
                                      ClipboardBusyMessage(ClipboardUse::Copy, true),
                                      ClipboardBusyMessage(ClipboardUse::Paste, true)};
    PastedNumber number;
    number.offending = "G";
    number.prefix = "0x";
    number.suffix = "(8)";
    for (int refusal = static_cast<int>(PasteRefusal::NoNumber);
         refusal <= static_cast<int>(PasteRefusal::Zero); ++refusal) {
        number.refusal = static_cast<PasteRefusal>(refusal);
        texts.push_back(PasteRefusalMessage(number, true));
    }
    return texts;
}

// A half-width comma stands in a Japanese sentence only as the quoted character 「,」.
TEST(JapaneseTexts, SentencesOfOurOwnPauseWithTheIdeographicComma) {
    for (const std::string& text : OwnJapaneseMessages()) {
        std::string rest = text;
        for (size_t quoted; (quoted = rest.find("「,」")) != std::string::npos;) {
            rest.erase(quoted, std::string("「,」").size());
        }
        EXPECT_EQ(rest.find(','), std::string::npos) << text;
    }
}

TEST(JapaneseTexts, WordsHaveOneSpelling) {
    for (const std::string& text : OwnJapaneseMessages()) {
        EXPECT_EQ(text.find("他のプログラム"), std::string::npos) << text;
    }
}

// Failures that happened are said in the past tense; what stays afterwards in the present.
TEST(JapaneseTexts, WriteFailuresAreSaidInThePastTense) {
    EXPECT_STREQ(HISTORY_WRITE_FAILED_JA,
                 "履歴ファイルに書き込めませんでした. 履歴は電卓を閉じるまで保持されます.");
    EXPECT_STREQ(HISTORY_NOT_SAVED_JA,
                 L"履歴をファイルに書き込めませんでした. ファイルは変更されていません.");
    EXPECT_STREQ(FILE_NOT_WRITTEN_TEXT_JA,
                 L"答をファイルに書き込めませんでした. ファイルは変更されていません.");
    EXPECT_STREQ(HISTORY_SET_ASIDE_JA,
                 "履歴ファイルが壊れていたため、%s に名前を変えて残しました. "
                 "読み取れた項目を表示しています.");
}

}  // namespace
}  // namespace quarnic
