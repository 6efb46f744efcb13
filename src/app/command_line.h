// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// --help and --version, answered before any window or display is needed.
namespace vorlix::app {

// The exit status when the command line asked only for information, having
// printed it; nullopt when the program should start.
std::optional<int> answerInformationOptions(int argc, char** argv);

}  // namespace vorlix::app
