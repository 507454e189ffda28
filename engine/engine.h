// Everything the calculator uses of the digit-string engine.
#pragma once

#include "engine/add_subtract.h"
#include "engine/console_form.h"
#include "engine/conversion.h"
#include "engine/digit_codec.h"
#include "engine/digit_string.h"
#include "engine/digit_text.h"
#include "engine/engine_registers.h"
#include "engine/multiply_divide.h"
