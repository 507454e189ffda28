#include "conv/clipboard_win.h"

#include <cstring>

#include "conv/converter_state.h"

namespace quarnic {
namespace {

constexpr int OPEN_ATTEMPTS = 10;
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

bool FillNarrow(ClipboardBlock& block, const char* text, int length) {
    auto* bytes = static_cast<char*>(GlobalLock(block.Get()));
    if (bytes == nullptr) {
        return false;
    }
    std::memcpy(bytes, text, static_cast<std::size_t>(length));
    GlobalUnlock(block.Get());
    return true;
}

// The text is digits, spaces, signs and parentheses: ASCII widens one to one.
bool FillWide(ClipboardBlock& block, const char* text, int length) {
    auto* chars = static_cast<wchar_t*>(GlobalLock(block.Get()));
    if (chars == nullptr) {
        return false;
    }
    for (int i = 0; i < length; ++i) {
        chars[i] = static_cast<unsigned char>(text[i]);
    }
    GlobalUnlock(block.Get());
    return true;
}

bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < OPEN_ATTEMPTS; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(OPEN_RETRY_MS);
    }
    return false;
}

bool Offer(UINT format, ClipboardBlock& block) {
    if (SetClipboardData(format, block.Get()) == nullptr) {
        return false;
    }
    block.HandOver();
    return true;
}

}  // namespace

bool PutAsciiTextOnClipboard(HWND owner, const char* text) {
    const int length = static_cast<int>(strnlen(text, CLIPBOARD_TEXT_BYTES - 1));
    ClipboardBlock narrow(CLIPBOARD_TEXT_BYTES);
    ClipboardBlock wide(CLIPBOARD_TEXT_BYTES * sizeof(wchar_t));
    if (!narrow.Valid() || !wide.Valid() || !FillNarrow(narrow, text, length) ||
        !FillWide(wide, text, length)) {
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

}  // namespace quarnic
