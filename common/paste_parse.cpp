#include "common/paste_parse.h"

#include <algorithm>

#include "common/paste_characters.h"
#include "engine/digit_codec.h"

namespace quarnic {
namespace {

using Kind = PasteCharacterKind;

bool IsBlankKind(Kind kind) {
    return kind == Kind::Space || kind == Kind::Blank || kind == Kind::LineBreak;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty()) {
        const PasteCharacter first = ReadPasteCharacter(text, 0);
        if (!IsBlankKind(first.kind)) {
            break;
        }
        text.remove_prefix(first.bytes.size());
    }
    while (!text.empty()) {
        const PasteCharacter last = LastPasteCharacter(text);
        if (!IsBlankKind(last.kind)) {
            break;
        }
        text.remove_suffix(last.bytes.size());
    }
    return text;
}

bool IsDigitOf(char c, int notation) {
    return IsDigitChar(c) && DigitValue(c) < notation;
}

// The n of a notation written as one or two decimal digits, or -1.
int NotationNumber(std::string_view decimal) {
    if (decimal.empty() || decimal.size() > 2) {
        return -1;
    }
    int n = 0;
    for (char c : decimal) {
        if (c < '0' || c > '9') {
            return -1;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

// Fills the suffix's notation, or refuses one whose n is no notation from 2 to 32.
void TakeSuffix(std::string_view suffix, std::string_view decimal, PastedNumber& number) {
    number.suffix = suffix;
    const int n = NotationNumber(decimal);
    if (n < MIN_NOTATION || n > MAX_NOTATION) {
        number.refusal = PasteRefusal::BadNotation;
        return;
    }
    number.notation = n;
    number.hasSuffix = true;
}

// A trailing " (n)": returns the text before it.
std::string_view SplitSuffix(std::string_view text, PastedNumber& number) {
    const std::size_t open = text.rfind('(');
    if (text.back() != ')' || open == std::string_view::npos || open == 0 ||
        text[open - 1] != ' ') {
        return text;
    }
    TakeSuffix(text.substr(open), text.substr(open + 1, text.size() - open - 2), number);
    return text.substr(0, open - 1);
}

// A subscript notation right after the number, as in "FF₁₆": returns the text before it.
std::string_view SplitSubscript(std::string_view text, PastedNumber& number) {
    constexpr std::size_t MOST_READ = 3;  // enough to tell that n is too long
    char decimal[MOST_READ];
    std::size_t count = 0;
    std::string_view rest = text;
    while (!rest.empty() && count < MOST_READ) {
        const PasteCharacter last = LastPasteCharacter(rest);
        if (last.kind != Kind::Subscript) {
            break;
        }
        decimal[MOST_READ - 1 - count++] = last.ascii;
        rest.remove_suffix(last.bytes.size());
    }
    if (count > 0) {
        TakeSuffix(text.substr(rest.size()), {decimal + MOST_READ - count, count}, number);
    }
    return rest;
}

// The notation a prefix letter names: x 16, o 8, b 2 (upper case here); 0 for none.
int PrefixNotation(const PasteCharacter& letter) {
    if (letter.kind != Kind::Alphanumeric) {
        return 0;
    }
    switch (letter.ascii) {
        case 'X':
            return 16;
        case 'O':
            return 8;
        case 'B':
            return 2;
        default:
            return 0;
    }
}

// Reads the body (the text without its notation suffix) from the left, gathering the digits
// and dropping the separators between them.
class BodyReader {
  public:
    BodyReader(const PasteRules& rules, PastedNumber& number)
        : number_(number),
          signAndPoint_(rules.signAndPoint),
          integerRoom_(std::clamp(rules.integerDigitLimit, 0, INTEGER_PLACES)),
          fractionRoom_(std::clamp(rules.fractionDigitLimit, 0, FRACTION_PLACES)) {}

    void Read(std::string_view body) {
        body_ = body;
        ReadSign();
        ReadPrefix();
        while (at_ < body_.size() && number_.Accepted()) {
            ReadCharacter();
        }
        if (number_.Accepted()) {
            Finish();
        }
    }

  private:
    // What came last, for where a separator may stand.
    enum class Last { Start, Sign, Prefix, Digit, Point, Separator };

    PasteCharacter Here() const { return ReadPasteCharacter(body_, at_); }
    bool KindHere(Kind kind) const { return at_ < body_.size() && Here().kind == kind; }
    bool BlankHere() const { return KindHere(Kind::Space) || KindHere(Kind::Blank); }

    void ReadSign() {
        if (signAndPoint_ && KindHere(Kind::Minus)) {
            number_.negative = true;
            at_ += Here().bytes.size();
            last_ = Last::Sign;
        }
    }

    // "0x" and its kin, followed by something: "0B" alone is a number of notation 16.
    void ReadPrefix() {
        if (at_ >= body_.size()) {
            return;
        }
        const PasteCharacter zero = Here();
        const std::size_t letterAt = at_ + zero.bytes.size();
        if (zero.ascii != '0' || zero.kind != Kind::Alphanumeric || letterAt >= body_.size()) {
            return;
        }
        const PasteCharacter letter = ReadPasteCharacter(body_, letterAt);
        const int notation = PrefixNotation(letter);
        const std::size_t end = letterAt + letter.bytes.size();
        if (notation == 0 || end >= body_.size()) {
            return;
        }
        number_.prefix = body_.substr(at_, end - at_);
        if (number_.hasSuffix && number_.notation != notation) {
            number_.refusal = PasteRefusal::PrefixAgainstSuffix;
            return;
        }
        number_.notation = notation;
        at_ = end;
        last_ = Last::Prefix;
    }

    void ReadCharacter() {
        const PasteCharacter character = Here();
        switch (character.kind) {
            case Kind::Alphanumeric:
                if (IsDigitOf(character.ascii, number_.notation)) {
                    TakeDigit(character.ascii);
                    at_ += character.bytes.size();
                    return;
                }
                break;
            case Kind::Point:
                if (signAndPoint_) {
                    TakePoint();
                    at_ += character.bytes.size();
                    return;
                }
                break;
            case Kind::Comma:
                number_.refusal =
                    signAndPoint_ ? PasteRefusal::Comma : PasteRefusal::CommaInInteger;
                return;
            case Kind::Mark:
                at_ += character.bytes.size();
                TakeSeparator();
                return;
            case Kind::Space:
            case Kind::Blank:
            case Kind::LineBreak:
                ReadBlanks();
                return;
            default:
                break;
        }
        number_.refusal = PasteRefusal::NotADigit;
        number_.offending = character.bytes;
    }

    // A run of blanks is one separator when it is a single space, or when it holds one line
    // break: a number broken across lines, perhaps indented.
    void ReadBlanks() {
        int blanks = 0;
        bool notSpace = false;
        for (; BlankHere(); at_ += Here().bytes.size()) {
            ++blanks;
            notSpace = notSpace || Here().kind == Kind::Blank;
        }
        if (KindHere(Kind::LineBreak)) {
            const bool crlf = body_.compare(at_, 2, "\r\n") == 0;
            at_ += crlf ? 2 : 1;
            for (; BlankHere(); at_ += Here().bytes.size()) {
            }
            TakeSeparator();
            return;
        }
        if (notSpace) {
            number_.refusal = PasteRefusal::BlankInside;
            return;
        }
        TakeSeparator();
        if (blanks > 1 && number_.Accepted()) {
            Misplaced(SeparatorPlace::InARow);
        }
    }

    void TakeSeparator() {
        switch (last_) {
            case Last::Start:
                Misplaced(SeparatorPlace::AtStart);
                break;
            case Last::Sign:
                Misplaced(SeparatorPlace::NextToSign);
                break;
            case Last::Prefix:
                Misplaced(SeparatorPlace::AfterPrefix);
                break;
            case Last::Point:
                Misplaced(SeparatorPlace::NextToPoint);
                break;
            case Last::Separator:
                Misplaced(SeparatorPlace::InARow);
                break;
            case Last::Digit:
                break;
        }
        last_ = Last::Separator;
    }

    void TakePoint() {
        if (seenPoint_) {
            number_.refusal = PasteRefusal::SecondPoint;
        } else if (last_ == Last::Separator) {
            Misplaced(SeparatorPlace::NextToPoint);
        }
        seenPoint_ = true;
        last_ = Last::Point;
    }

    // Leading integer zeros and trailing fraction zeros take no room; a digit with no room
    // left is too many, told only once nothing else is wrong further on.
    void TakeDigit(char digit) {
        sawDigit_ = true;
        last_ = Last::Digit;
        if (!seenPoint_) {
            if (number_.integerCount == 0 && digit == '0') {
                return;
            }
            if (number_.integerCount >= integerRoom_) {
                tooMany_ = true;
                return;
            }
            number_.digits[number_.integerCount++] = digit;
            return;
        }
        if (fractionRead_ < static_cast<std::size_t>(fractionRoom_)) {
            number_.digits[INTEGER_PLACES + fractionRead_] = digit;
        } else if (digit != '0') {
            tooMany_ = true;
        }
        ++fractionRead_;
        if (digit != '0' && !tooMany_) {
            number_.fractionCount = static_cast<int>(fractionRead_);
        }
    }

    void Misplaced(SeparatorPlace place) {
        number_.refusal = PasteRefusal::MisplacedSeparator;
        number_.separatorPlace = place;
    }

    void Finish() {
        if (last_ == Last::Separator) {
            Misplaced(SeparatorPlace::AtEnd);
        } else if (!sawDigit_) {
            number_.refusal = PasteRefusal::NoNumber;
        } else if (tooMany_) {
            number_.refusal = PasteRefusal::TooManyDigits;
        }
    }

    PastedNumber& number_;
    const bool signAndPoint_;
    const int integerRoom_;
    const int fractionRoom_;
    std::string_view body_;
    std::size_t at_ = 0;
    Last last_ = Last::Start;
    bool seenPoint_ = false;
    bool sawDigit_ = false;
    bool tooMany_ = false;
    std::size_t fractionRead_ = 0;
};

}  // namespace

PastedNumber ParsePastedNumber(std::string_view text, const PasteRules& rules) {
    PastedNumber number;
    number.notation = rules.notation;
    std::string_view body = Trimmed(text);
    if (body.empty()) {
        number.refusal = PasteRefusal::NoNumber;
        return number;
    }
    body = SplitSuffix(body, number);
    if (number.suffix.empty()) {
        body = SplitSubscript(body, number);
    }
    if (!number.Accepted()) {
        return number;
    }
    BodyReader(rules, number).Read(body);
    return number;
}

void DropLeadingZeros(std::string_view& digits) {
    while (!digits.empty() && digits.front() == '0') {
        digits.remove_prefix(1);
    }
}

void DropTrailingZeros(std::string_view& digits) {
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
    }
}

}  // namespace quarnic
