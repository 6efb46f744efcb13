// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The command line, read before any window or display is needed: --help and
// --version are answered, Qt's own options (-platform, -style, …) are left
// for Qt, and anything else is refused.
namespace vorlix::app {

// The exit statuses besides 0.
// No display could be opened, or it went away; the help or the version
// could not be written; or the colours could not be saved as the session
// ended.
inline constexpr int kFailed = 1;
inline constexpr int kUnknownOption = 2;

// The exit status when the program should not start: the command line
// asked only for information, having printed it (or said why it could not),
// or it held an option the program does not know, having said so on
// standard error. nullopt when the program should start.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace vorlix::app
