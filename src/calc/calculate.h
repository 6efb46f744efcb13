#pragma once

#include <functional>

#include "calc/calculator_view.h"

namespace vorlix::calc {

// Calculate: reads the six entry boxes and the operator label, and shows the
// result or raises the first RunTimeError that a step meets. The result
// boxes' visibility is reset first, whatever happens afterwards.
void Calculate(CalculatorView& view);

// The command's one error handler: runs `command` and turns any RunTimeError
// it raises into one message box. Nothing is retried or resumed.
void runWithErrorHandler(CalculatorView& view, const std::function<void()>& command);

}  // namespace vorlix::calc
