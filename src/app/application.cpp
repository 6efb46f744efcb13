// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/complaint.h"
#include "platform/qt_text.h"
#include "platform/user_language.h"

namespace vorlix::app {
namespace {

using Arguments = std::vector<std::string>;

struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};

// What the message handler needs while the application is created: a Qt
// message handler is a plain function, so it is reached from here.
struct Attempt {
  QtMessageHandler previous = nullptr;
  std::vector<HeldMessage> held;
  Arguments arguments;  // as given: Qt takes its own options out of argv
};
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables): see Attempt
Attempt* attempt = nullptr;

std::optional<std::string> environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::optional<std::string>(value) : std::nullopt;
}

// "-name value" or "--name value", as Qt reads it: the last one counts.
std::optional<std::string> optionValue(const Arguments& arguments, std::string_view name) {
  std::optional<std::string> value;
  for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (argument.starts_with("--")) argument.remove_prefix(1);
    if (argument.starts_with('-') && argument.substr(1) == name) value = arguments[i + 1];
  }
  return value;
}

// Why Qt could not start: what the platforms said. Qt's plugin loader
// only adds that a platform failed, and is heard only when no platform
// said anything (one that does not exist); its last word, advice to
// reinstall, is left out.
std::string qtReason(const std::vector<HeldMessage>& held, const QString& fatal) {
  QStringList platforms;
  QStringList loader;
  for (const HeldMessage& message : held) {
    (message.category == "qt.qpa.plugin" ? loader : platforms) << message.text.trimmed();
  }
  if (platforms.isEmpty()) platforms = loader;
  if (platforms.isEmpty()) platforms << fatal.trimmed();
  return platform::utf8(platforms.join(QStringLiteral("; ")));
}

using platform::translated;

// What was given to open and could not be, as one sentence ending in Qt's
// reason. The options come first, as they override the variables.
std::string noDisplaySentence(const Arguments& arguments, const std::string& reason) {
  const auto x11 = environment("DISPLAY");
  const auto wayland = environment("WAYLAND_DISPLAY");
  if (const auto display = optionValue(arguments, "display")) {
    //: %1 is an X display's name, %2 Qt's reason, in English.
    return translated(
        translatable("CommandLine", "cannot open the display '%1' given by -display: %2"),
        {*display, reason});
  }
  if (const auto name = optionValue(arguments, "platform")) {
    //: %1 is the name of a Qt platform plugin, %2 Qt's reason, in English.
    return translated(
        translatable("CommandLine", "cannot start the platform '%1' given by -platform: %2"),
        {*name, reason});
  }
  if (const auto name = environment("QT_QPA_PLATFORM")) {
    //: %1 is the name of a Qt platform plugin, %2 Qt's reason, in English.
    return translated(
        translatable("CommandLine", "cannot start the platform '%1' named by QT_QPA_PLATFORM: %2"),
        {*name, reason});
  }
  if (x11 && wayland) {
    //: %1 is an X display's name, %2 a Wayland display's, %3 Qt's reason, in English.
    return translated(translatable("CommandLine",
                                   "cannot open the display '%1' (DISPLAY) or the Wayland display "
                                   "'%2' (WAYLAND_DISPLAY): %3"),
                      {*x11, *wayland, reason});
  }
  if (x11) {
    //: %1 is an X display's name, %2 Qt's reason, in English.
    return translated(translatable("CommandLine", "cannot open the display '%1' (DISPLAY): %2"),
                      {*x11, reason});
  }
  if (wayland) {
    //: %1 is a Wayland display's name, %2 Qt's reason, in English.
    return translated(
        translatable("CommandLine", "cannot open the Wayland display '%1' (WAYLAND_DISPLAY): %2"),
        {*wayland, reason});
  }
  return translated(
      translatable("CommandLine",
                   "cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set."),
      {});
}

// Qt's last word when no platform could start is a fatal message; the
// warnings before it say why.
void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    attempt->held.push_back({type, context.category ? context.category : "", text});
    return;
  }
  complain(noDisplaySentence(attempt->arguments, qtReason(attempt->held, text)));
  std::_Exit(kFailed);
}

}  // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv) {
  const std::span<char*> given(argv, static_cast<std::size_t>(argc));
  Attempt current{.previous = nullptr, .held = {}, .arguments = {given.begin(), given.end()}};
  attempt = &current;
  current.previous = qInstallMessageHandler(holdBack);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(current.previous);
  attempt = nullptr;
  for (const HeldMessage& message : current.held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    current.previous(message.type, context, message.text);
  }
  return application;
}

}  // namespace vorlix::app
