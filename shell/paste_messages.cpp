#include "shell/paste_messages.h"

namespace quarnic {
namespace {

std::string English(const PastedNumber& number) {
    const std::string notation = std::to_string(number.notation);
    switch (number.refusal) {
        case PasteRefusal::NoNumber:
            return "The clipboard holds no number.";
        case PasteRefusal::NotADigit:
            return "\"" + std::string(number.offending) + "\" is not a digit of notation " +
                   notation + ".";
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
            return "Notation " + notation + " cannot be selected now.";
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
            return "「" + std::string(number.offending) + "」は" + notation +
                   "進数の数字ではありません.";
        case PasteRefusal::TooManyDigits:
            return "桁数が多すぎます. 小数点の前は300桁, 後は900桁までです.";
        case PasteRefusal::SecondPoint:
            return "小数点が2つあります.";
        case PasteRefusal::SpaceInside:
            return "数の中に空白か区切り文字があります.";
        case PasteRefusal::BadNotation:
            return "括弧の中の進数は2から32までです.";
        case PasteRefusal::NotationLocked:
            return "今は" + notation + "進数を選べません.";
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
        return Japanese(number) + "\n貼り付けませんでした.";
    }
    return English(number) + "\nNothing was pasted.";
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
