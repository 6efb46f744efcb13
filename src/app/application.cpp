// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/complaint.h"
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

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool mentionsGnome(const char* variable) {
  std::string text = environment(variable);
  std::ranges::transform(text, text.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text.find("gnome") != std::string::npos;
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

// The platforms Qt tries, in its order: -platform, else QT_QPA_PLATFORM,
// else the session's type with xcb after it (Qt stays on xcb in a GNOME
// Wayland session). A name may carry ":options".
std::vector<std::string> platforms(const Arguments& arguments) {
  std::string names = optionValue(arguments, "platform").value_or(environment("QT_QPA_PLATFORM"));
  if (names.empty()) {
    const bool gnome = mentionsGnome("XDG_CURRENT_DESKTOP") || mentionsGnome("XDG_SESSION_DESKTOP");
    names = environment("XDG_SESSION_TYPE") == "wayland" && !gnome ? "wayland;xcb" : "xcb";
  }
  std::vector<std::string> list;
  for (std::size_t start = 0; start <= names.size();) {
    const std::size_t end = std::min(names.find(';', start), names.size());
    const std::string name = names.substr(start, end - start);
    list.push_back(name.substr(0, name.find(':')));
    start = end + 1;
  }
  return list;
}

std::string quoted(std::string_view text) {
  std::string result(1, '\'');
  return result.append(text).append(1, '\'');
}

using platform::translated;

// What was tried and could not be opened, as one sentence.
std::string noDisplaySentence(const Arguments& arguments) {
  const std::string x11 = environment("DISPLAY");
  const std::string wayland = environment("WAYLAND_DISPLAY");
  const std::optional<std::string> given = optionValue(arguments, "display");
  const Translatable display = translatable("CommandLine", "display %1 (%2)");
  std::vector<std::string> tried;
  for (const std::string& platform : platforms(arguments)) {
    if (platform == "xcb" && given) {
      tried.push_back(translated(display, {quoted(*given), "-display"}));
    } else if (platform == "xcb" && !x11.empty()) {
      tried.push_back(translated(display, {quoted(x11), "DISPLAY"}));
    } else if (platform.starts_with("wayland") && !wayland.empty()) {
      tried.push_back(translated(display, {quoted(wayland), "WAYLAND_DISPLAY"}));
    } else if (platform != "xcb" && !platform.starts_with("wayland")) {
      tried.push_back(
          translated(translatable("CommandLine", "the platform %1"), {quoted(platform)}));
    }
  }
  if (tried.empty() && x11.empty() && wayland.empty()) {
    return translated(
        translatable("CommandLine",
                     "cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set."),
        {});
  }
  if (tried.empty()) {
    return translated(translatable("CommandLine", "cannot open a display: %1 is not set."),
                      {x11.empty() ? "DISPLAY" : "WAYLAND_DISPLAY"});
  }
  std::string all = tried.front();
  for (std::size_t i = 1; i < tried.size(); ++i) {
    all = translated(translatable("CommandLine", "%1 nor %2"), {all, tried[i]});
  }
  return translated(translatable("CommandLine", "cannot open %1."), {all});
}

// Qt's last word when no platform could start is a fatal message with
// advice to reinstall, after warnings that name plugins, not displays; a
// platform that gives up on its own says why, and that is kept.
void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    attempt->held.push_back({type, context.category ? context.category : "", text});
    return;
  }
  std::string sentence = noDisplaySentence(attempt->arguments);
  if (!text.contains(QStringLiteral("Reinstalling"))) {
    sentence.back() = ':';
    sentence += ' ' + text.toStdString();
  }
  complain(sentence);
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
