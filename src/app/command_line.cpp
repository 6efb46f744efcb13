// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#include "app/complaint.h"
#include "identity.h"
#include "platform/qt_text.h"
#include "platform/user_language.h"

namespace vorlix::app {

namespace {

enum class Request { Start, Help, Version };

// The options QApplication and its platforms read, as Qt 6.4 reads them:
// after one dash or two, with the value in the next argument, or after "="
// for the few that allow that.
struct QtOption {
  std::string_view name;
  bool takesValue;
  bool valueAfterEquals = false;
};

constexpr std::array kQtOptions{
    QtOption{"platform", true},
    QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},
    QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true},
    QtOption{"geometry", true},
    QtOption{"qwindowtitle", true},
    QtOption{"title", true},
    QtOption{"qwindowicon", true},
    QtOption{"icon", true},
    QtOption{"session", true},
    QtOption{"display", true},
    QtOption{"name", true},
    QtOption{"visual", true},
    QtOption{"style", true, true},
    QtOption{"stylesheet", true, true},
    QtOption{"qmljsdebugger", true, true},
    QtOption{"reverse", false},
    QtOption{"testability", false},
    QtOption{"widgetcount", false},
    QtOption{"nograb", false},
    QtOption{"dograb", false},
    QtOption{"qdevel", false},
};

// How many arguments the Qt option starting at `argument` takes up; 0 when
// it is not one of Qt's.
std::size_t qtOptionLength(std::string_view argument) {
  if (argument.starts_with("--")) argument.remove_prefix(1);
  if (!argument.starts_with('-')) return 0;
  argument.remove_prefix(1);
  const std::size_t equals = argument.find('=');
  for (const QtOption& option : kQtOptions) {
    if (option.name != argument.substr(0, equals)) continue;
    if (equals != std::string_view::npos) return option.valueAfterEquals ? 1 : 0;
    return option.takesValue ? 2 : 1;
  }
  return 0;
}

struct Reading {
  Request request = Request::Start;
  std::optional<std::string_view> refused;  // the first argument neither ours nor Qt's
};

Reading read(std::span<char*> arguments) {
  Reading reading;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "-h" || argument == "--help") {
      reading.request = Request::Help;
    } else if (argument == "-v" || argument == "--version") {
      if (reading.request == Request::Start) reading.request = Request::Version;
    } else if (const std::size_t length = qtOptionLength(argument)) {
      i += length - 1;
    } else {
      reading.refused = argument;
      break;
    }
  }
  return reading;
}

std::string helpText(int argc, char** argv) {
  // A core application names the program in the usage line without
  // needing a display.
  int coreArgc = argc;
  const QCoreApplication core(coreArgc, argv);
  platform::translateQtTexts();
  QCommandLineParser parser;
  parser.setApplicationDescription(platform::translated(identity::kDescription));
  parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                    platform::translated(translatable("CommandLine", "Displays this help."))});
  parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                    platform::translated(translatable("CommandLine", "Displays the version."))});
  return platform::utf8(parser.helpText());
}

// Standard output may be a full disk or a pipe whose reader has gone:
// that is said, and the status says it too. `failure`'s "%1" stands for
// the cause. SIGPIPE, which would end the program without a word, is
// ignored while writing, so that the write fails with EPIPE instead; it is
// set back afterwards, for nothing started later to inherit.
int print(const std::string& text, Translatable failure) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  struct sigaction before {};
  ::sigaction(SIGPIPE, &ignore, &before);
  const bool written = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
  const int cause = errno;
  ::sigaction(SIGPIPE, &before, nullptr);
  if (written) return 0;
  complain(platform::translated(failure, {std::strerror(cause)}));
  return kFailed;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
  const Reading reading = read({argv, static_cast<std::size_t>(argc)});
  if (const auto refused = reading.refused) {
    const bool option = refused->starts_with('-') && refused->size() > 1;
    //: On standard error, after "vorlix: ". %1 is the option as typed
    //: ("--bogus"); use your language's quotation marks.
    const Translatable unknown =
        translatable("CommandLine", "unknown option '%1'; see 'vorlix --help'.");
    //: On standard error, after "vorlix: ". %1 is the word as typed that is
    //: no option; use your language's quotation marks.
    const Translatable unexpected =
        translatable("CommandLine", "unexpected argument '%1'; see 'vorlix --help'.");
    complain(platform::translated(option ? unknown : unexpected, {*refused}));
    return kUnknownOption;
  }
  switch (reading.request) {
    case Request::Help:
      //: On standard error, after "vorlix: ". %1 is the system's reason, as
      //: strerror gives it ("No space left on device").
      return print(helpText(argc, argv), translatable("CommandLine", "cannot write the help: %1"));
    case Request::Version:
      return print(std::string(identity::kName) + ' ' + std::string(identity::kVersion) + '\n',
                   //: On standard error, after "vorlix: ". %1 is the system's
                   //: reason ("No space left on device").
                   translatable("CommandLine", "cannot write the version: %1"));
    case Request::Start:
      break;
  }
  return std::nullopt;
}

}  // namespace vorlix::app
