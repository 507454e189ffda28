// A fresh converter on a recording view, pressed key by key as a user would, through the
// converter's one dispatcher, which drops presses on disabled keys and greyed menu items.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "conv/conv_ids.h"
#include "conv/converter_commands.h"
#include "conv/converter_state.h"
#include "engine/digit_codec.h"
#include "tests/kit/recording_converter_view.h"

namespace quarnic {

class ConverterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        converter.view = &view;
        SetUpConverterStart(converter);
    }

    void Press(std::initializer_list<int> ids) {
        for (int id : ids) {
            DispatchConverterCommand(converter, id);
        }
    }

    // The text put on the clipboard and pasted with the system-menu item.
    void Paste(const std::string& text) {
        view.SetClipboardText(text);
        DispatchConverterCommand(converter, IDM_CONV_PASTE);
    }

    // Types each character of digits on the digit keys.
    void Type(const std::string& digits) {
        for (char c : digits) {
            Press({IDC_CONV_DIGIT_0 + DigitValue(c)});
        }
    }

    std::string Input() const { return converter.texts.InputDigits.data(); }
    std::string Answer() const { return converter.texts.AnswerText.data(); }
    bool FromPaneEnabled() const { return view.IsControlEnabled(IDC_CONV_FROM_2); }

    RecordingConverterView view;
    Converter converter;
};

}  // namespace quarnic
