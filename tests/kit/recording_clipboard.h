// The clipboard and the message boxes as both recording views keep them, over the program's own
// view interface: another program may hold the clipboard, and the message boxes are counted and
// the last one's text kept (the runners report it as "message").
#pragma once

#include <string>
#include <string_view>

namespace quarnic {

template <class View>
class RecordingClipboard : public View {
  public:
    bool PutTextOnClipboard(std::string_view text) override {
        if (clipboardBusy_) {
            return false;
        }
        SetClipboardText(text);
        return true;
    }
    bool ReadClipboardText(std::string& text) override {
        if (clipboardBusy_) {
            return false;
        }
        text = clipboard_;
        return true;
    }
    void ShowMessageBox(std::string_view text) override {
        lastMessage_ = text;
        ++messages_;
    }

    // The clipboard as another program left it, and whether another program holds it.
    void SetClipboardText(std::string_view text) {
        clipboard_ = text;
        hasClipboard_ = true;
    }
    void SetClipboardBusy(bool busy) { clipboardBusy_ = busy; }

    bool HasClipboard() const { return hasClipboard_; }
    const std::string& Clipboard() const { return clipboard_; }
    int Messages() const { return messages_; }
    const std::string& LastMessage() const { return lastMessage_; }

  private:
    std::string clipboard_;
    bool hasClipboard_ = false;
    bool clipboardBusy_ = false;
    std::string lastMessage_;
    int messages_ = 0;
};

}  // namespace quarnic
