#include "shell/paste_messages.h"

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
        case PasteRefusal::SpaceInside:
            return "The number has spaces or separators inside it.";
        case PasteRefusal::BadNotation:
            return "The notation in parentheses must be from 2 to 32.";
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
            return Joined({"「", number.offending, "」は", notation, "進数の数字ではありません."});
        case PasteRefusal::TooManyDigits:
            return "桁数が多すぎます. 小数点の前は300桁, 後は900桁までです.";
        case PasteRefusal::SecondPoint:
            return "小数点が2つあります.";
        case PasteRefusal::SpaceInside:
            return "数の中に空白か区切り文字があります.";
        case PasteRefusal::BadNotation:
            return "括弧の中の進数は2から32までです.";
        case PasteRefusal::NotationLocked:
            return Joined({"今は", notation, "進数を選べません."});
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
                   ? "クリップボードは他のプログラムが使用中です.\nコピーしませんでした."
                   : "クリップボードは他のプログラムが使用中です.\n貼り付けませんでした.";
    }
    return use == ClipboardUse::Copy
               ? "The clipboard is in use by another program.\nNothing was copied."
               : "The clipboard is in use by another program.\nNothing was pasted.";
}

}  // namespace quarnic
