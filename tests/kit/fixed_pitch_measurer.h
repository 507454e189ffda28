// Text measured at a fixed pitch, as the tests measure the console's font.
#pragma once

#include <string_view>

#include "engine/console_form.h"

namespace quarnic {

class FixedPitchMeasurer final : public TextMeasurer {
  public:
    explicit FixedPitchMeasurer(int pixelsPerCharacter) : pitch_(pixelsPerCharacter) {}
    int TextWidth(std::string_view text) const override {
        return pitch_ * static_cast<int>(text.size());
    }

  private:
    int pitch_;
};

}  // namespace quarnic
