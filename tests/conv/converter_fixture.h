// A fresh converter on a recording view, pressed key by key as a user would: presses on
// disabled controls and greyed menu items are dropped.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "conv/conv_ids.h"
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
            if (id == IDM_CONV_COPY_ANSWER) {
                if (view.IsMenuItemEnabled(id)) {
                    DispatchConverterSystemCommand(converter, id);
                }
            } else if (view.IsControlEnabled(id)) {
                DispatchConverterCommand(converter, id);
            }
        }
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
