#include "host/clipboard_win.h"

#include <cstring>

namespace quarnic {
namespace {

constexpr DWORD OPEN_RETRY_MS = 10;

// A movable, zeroed block of bytes, freed again unless the clipboard took it.
class ClipboardBlock {
  public:
    explicit ClipboardBlock(SIZE_T bytes)
        : block_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) {}
    ~ClipboardBlock() {
        if (block_ != nullptr) {
            GlobalFree(block_);
        }
    }
    ClipboardBlock(const ClipboardBlock&) = delete;
    ClipboardBlock& operator=(const ClipboardBlock&) = delete;

    bool Valid() const { return block_ != nullptr; }
    HGLOBAL Get() const { return block_; }
    // From SetClipboardData on the block belongs to the clipboard.
    void HandOver() { block_ = nullptr; }

  private:
    HGLOBAL block_;
};

bool FillNarrow(ClipboardBlock& block, std::string_view text) {
    auto* bytes = static_cast<char*>(GlobalLock(block.Get()));
    if (bytes == nullptr) {
        return false;
    }
    std::memcpy(bytes, text.data(), text.size());
    GlobalUnlock(block.Get());
    return true;
}

// The texts are digits, signs, points and parentheses: ASCII widens one to one.
bool FillWide(ClipboardBlock& block, std::string_view text) {
    auto* chars = static_cast<wchar_t*>(GlobalLock(block.Get()));
    if (chars == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        chars[i] = static_cast<unsigned char>(text[i]);
    }
    GlobalUnlock(block.Get());
    return true;
}

bool OpenClipboardPatiently(HWND owner) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (OpenClipboard(owner)) {
            return true;
        }
        if (GetTickCount() - start >= CLIPBOARD_PATIENCE_MS) {
            return false;
        }
        Sleep(OPEN_RETRY_MS);
    }
}

bool Offer(UINT format, ClipboardBlock& block) {
    if (SetClipboardData(format, block.Get()) == nullptr) {
        return false;
    }
    block.HandOver();
    return true;
}

std::string Utf8FromWide(const wchar_t* text, int length) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), bytes, nullptr, nullptr);
    }
    return utf8;
}

// The text of a locked clipboard block, never reading past the block.
std::string ReadUnicodeBlock(HANDLE data) {
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
    if (chars == nullptr) {
        return {};
    }
    const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    const std::size_t length = wcsnlen(chars, capacity);
    std::string text = Utf8FromWide(chars, static_cast<int>(length));
    GlobalUnlock(data);
    return text;
}

std::string ReadAnsiBlock(HANDLE data) {
    const auto* bytes = static_cast<const char*>(GlobalLock(data));
    if (bytes == nullptr) {
        return {};
    }
    const int length = static_cast<int>(strnlen(bytes, GlobalSize(data)));
    const int chars = MultiByteToWideChar(CP_ACP, 0, bytes, length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(chars > 0 ? chars : 0), L'\0');
    if (chars > 0) {
        MultiByteToWideChar(CP_ACP, 0, bytes, length, wide.data(), chars);
    }
    GlobalUnlock(data);
    return Utf8FromWide(wide.data(), static_cast<int>(wide.size()));
}

}  // namespace

bool PutAsciiTextOnClipboard(HWND owner, std::string_view text) {
    ClipboardBlock narrow(text.size() + 1);
    ClipboardBlock wide((text.size() + 1) * sizeof(wchar_t));
    if (!narrow.Valid() || !wide.Valid() || !FillNarrow(narrow, text) || !FillWide(wide, text)) {
        return false;
    }
    if (!OpenClipboardPatiently(owner)) {
        return false;
    }
    EmptyClipboard();
    const bool narrowTaken = Offer(CF_TEXT, narrow);
    const bool wideTaken = Offer(CF_UNICODETEXT, wide);
    CloseClipboard();
    return narrowTaken && wideTaken;
}

bool ReadClipboardUtf8(HWND owner, std::string& text) {
    text.clear();
    if (!OpenClipboardPatiently(owner)) {
        return false;
    }
    if (HANDLE unicode = GetClipboardData(CF_UNICODETEXT)) {
        text = ReadUnicodeBlock(unicode);
    } else if (HANDLE ansi = GetClipboardData(CF_TEXT)) {
        text = ReadAnsiBlock(ansi);
    }
    CloseClipboard();
    return true;
}

std::wstring WideFromUtf8(std::string_view text) {
    const int length = static_cast<int>(text.size());
    const int chars = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(chars > 0 ? chars : 0), L'\0');
    if (chars > 0) {
        MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), chars);
    }
    return wide;
}

}  // namespace quarnic
