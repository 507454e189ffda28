#include "common/paste_messages.h"

#include <initializer_list>
#include <string_view>

namespace quarnic {
namespace {

// Appends only: GCC 12 at -O3 mistakes "literal" + std::string for an overlapping copy.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

bool IsSubscript(const PastedNumber& number) {
    return !number.suffix.empty() && number.suffix.front() != '(';
}

std::string EnglishPlace(const PastedNumber& number) {
    switch (number.separatorPlace) {
        case SeparatorPlace::InARow:
            return "The number has two separators in a row.";
        case SeparatorPlace::NextToPoint:
            return "The number has a separator next to its point.";
        case SeparatorPlace::NextToSign:
            return "The number has a separator next to its sign.";
        case SeparatorPlace::AfterPrefix:
            return Joined({"The number has a separator right after \"", number.prefix, "\"."});
        case SeparatorPlace::AtStart:
            return "The number begins with a separator.";
        case SeparatorPlace::AtEnd:
            return "The number ends with a separator.";
    }
    return {};
}

std::string JapanesePlace(const PastedNumber& number) {
    switch (number.separatorPlace) {
        case SeparatorPlace::InARow:
            return "区切り文字が2つ続いています.";
        case SeparatorPlace::NextToPoint:
            return "小数点の隣に区切り文字があります.";
        case SeparatorPlace::NextToSign:
            return "符号の隣に区切り文字があります.";
        case SeparatorPlace::AfterPrefix:
            return Joined({"「", number.prefix, "」の直後に区切り文字があります."});
        case SeparatorPlace::AtStart:
            return "数が区切り文字で始まっています.";
        case SeparatorPlace::AtEnd:
            return "数が区切り文字で終わっています.";
    }
    return {};
}

std::string English(const PastedNumber& number) {
    const std::string notation = std::to_string(number.notation);
    switch (number.refusal) {
        case PasteRefusal::NoNumber:
            return "The clipboard holds no number.";
        case PasteRefusal::NotADigit:
            return Joined(
                {"\"", number.offending, "\" is not a digit of notation ", notation, "."});
        case PasteRefusal::TooManyDigits:
            return "The number has too many digits: at most 300 before the point and 900 after "
                   "it.";
        case PasteRefusal::SecondPoint:
            return "The number has a second point.";
        case PasteRefusal::Comma:
            return "\",\" is not read in a number.\nWrite \".\" for a point, or leave the "
                   "separator out.";
        case PasteRefusal::CommaInInteger:
            return "\",\" is not read in a number.\nRemove the comma.";
        case PasteRefusal::MisplacedSeparator:
            return EnglishPlace(number);
        case PasteRefusal::BlankInside:
            return "The number has a tab or an ideographic space inside it.";
        case PasteRefusal::BadNotation:
            return IsSubscript(number) ? "The notation in subscript must be from 2 to 32."
                                       : "The notation in parentheses must be from 2 to 32.";
        case PasteRefusal::PrefixAgainstSuffix:
            return Joined({"The prefix \"", number.prefix, "\" and the notation \"", number.suffix,
                           "\" name different notations."});
        case PasteRefusal::NotationLocked:
            return Joined({"Notation ", notation, " cannot be selected now."});
        case PasteRefusal::Zero:
            return "Zero cannot be converted.";
        case PasteRefusal::None:
            break;
    }
    return {};
}

std::string Japanese(const PastedNumber& number) {
    const std::string notation = std::to_string(number.notation);
    switch (number.refusal) {
        case PasteRefusal::NoNumber:
            return "クリップボードに数がありません.";
        case PasteRefusal::NotADigit:
            return Joined(
                {"「", number.offending, "」は", notation, "進法で使える数字ではありません."});
        case PasteRefusal::TooManyDigits:
            return "桁数が多すぎます. 整数部は300桁、小数部は900桁までです.";
        case PasteRefusal::SecondPoint:
            return "小数点が2つあります.";
        case PasteRefusal::Comma:
            return "数の中の「,」は読み取れません.\n"
                   "小数点は「.」で書き、桁区切りの「,」は取り除いてください.";
        case PasteRefusal::CommaInInteger:
            return "数の中の「,」は読み取れません.\n「,」を取り除いてください.";
        case PasteRefusal::MisplacedSeparator:
            return JapanesePlace(number);
        case PasteRefusal::BlankInside:
            return "数の中にタブか全角空白があります.";
        case PasteRefusal::BadNotation:
            return IsSubscript(number) ? "下付き数字で示す進法は2から32までです."
                                       : "括弧内の進法は2から32までです.";
        case PasteRefusal::PrefixAgainstSuffix:
            return Joined(
                {"接頭辞「", number.prefix, "」と進法「", number.suffix, "」が食い違っています."});
        case PasteRefusal::NotationLocked:
            return Joined({"現在は", notation, "進法を選択できません."});
        case PasteRefusal::Zero:
            return "0は変換できません.";
        case PasteRefusal::None:
            break;
    }
    return {};
}

}  // namespace

std::string PasteRefusalMessage(const PastedNumber& number, bool japanese) {
    if (japanese) {
        return Joined({Japanese(number), "\n貼り付けませんでした."});
    }
    return Joined({English(number), "\nNothing was pasted."});
}

std::string ClipboardBusyMessage(ClipboardUse use, bool japanese) {
    if (japanese) {
        return use == ClipboardUse::Copy
                   ? "クリップボードはほかのプログラムが使用中です.\nコピーできませんでした."
                   : "クリップボードはほかのプログラムが使用中です.\n貼り付けられませんでした.";
    }
    return use == ClipboardUse::Copy
               ? "The clipboard is in use by another program.\nNothing was copied."
               : "The clipboard is in use by another program.\nNothing was pasted.";
}

}  // namespace quarnic
